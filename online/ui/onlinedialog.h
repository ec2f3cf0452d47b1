#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

#include "online/download.h"
#include "online/kursaktu.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace morvane {

class TEinstellungen;

// "Status der Kursaktualisierung": which source and address an update run is
// at and what the current download does, with "Abbrechen". Not modal; while
// a download runs it keeps the event loop going, and closing the window
// counts as "Abbrechen".
class TOnlineDialog : public QDialog {
 public:
  TOnlineDialog(const TEinstellungen& einstellungen, QWidget* eltern = nullptr);

  // Shows the source and "Adresse i von n (Lauf k)".
  void Progress(const std::string& quelle, int anzahl, int nummer, int lauf);
  // The status line alone ("Bereite Kursaktualisierung vor ..."); shows the
  // window.
  void Status(const std::string& text);
  // 0 done, 1 aborted by the user, 2 failed (see TDownload).
  int Download(const std::string& anfrage, const std::function<void(std::string_view)>& senke);
  // The same, sending `agent` as the User-Agent, with the answer's status and
  // Content-Type.
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                       const std::function<void(std::string_view)>& senke);

  // Lines for the log book.
  std::function<void(const std::string&)> Protokoll;
  // Also called by "Abbrechen" (and closing), e.g. to stop dialling.
  std::function<void()> BeimAbbrechen;

 protected:
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void Abbrechen();

  TDownload download_;
  QLabel* quelle_;
  QLabel* fortschritt_;
  QLabel* status_;
  QProgressBar* balken_;
  QPushButton* abbrechen_;
};

}  // namespace morvane
