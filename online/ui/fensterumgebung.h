#pragma once

#include <functional>
#include <memory>
#include <string>

#include "online/kursaktu.h"

class QWidget;

namespace morvane {

class TOnlineDialog;

// The surroundings of an update run in the desktop program: the progress
// window "Status der Kursaktualisierung", message boxes over it, and the lock
// of the main window. The main window is disabled for the lifetime of this
// object, however the run ends.
//
// The progress window has no parent: a disabled window disables its child
// windows too, and "Abbrechen" must stay usable. It is placed over `ueber`.
// Once the user pressed "Abbrechen", every further download ends as aborted
// at once, also when the press fell between two downloads.
class TFensterUmgebung : public TKursaktuUmgebung {
 public:
  // `sperren(true)` disables the main window, `sperren(false)` enables it
  // again; nested Sperren calls reach it only at the outermost lock and
  // unlock. Lines of the downloads go to `logbuch`; "Abbrechen" also stops
  // the dialling of `verbindung`. All must outlive the object.
  TFensterUmgebung(const TEinstellungen& einstellungen, TLogbuch& logbuch,
                   TInternetVerbindung& verbindung, QWidget* ueber,
                   std::function<void(bool)> sperren);
  ~TFensterUmgebung() override;
  TFensterUmgebung(const TFensterUmgebung&) = delete;
  TFensterUmgebung& operator=(const TFensterUmgebung&) = delete;

  void Status(const std::string& text) override;
  void Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) override;
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                       const std::function<void(std::string_view)>& senke) override;
  // A warning box "Kursaktualisierung" over the progress window.
  void Meldung(const std::string& text) override;
  void Pumpe() override;
  void Sperren(bool gesperrt) override;

  TOnlineDialog& Dialog() { return *dialog_; }
  bool Abgebrochen() const { return abgebrochen_; }

 private:
  // Centres the progress window over `ueber` before it is first shown.
  void Platzieren();

  std::unique_ptr<TOnlineDialog> dialog_;
  QWidget* ueber_;
  std::function<void(bool)> sperren_;
  int sperrtiefe_ = 0;
  bool abgebrochen_ = false;
  bool platziert_ = false;
};

}  // namespace morvane
