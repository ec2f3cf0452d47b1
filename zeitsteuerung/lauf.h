#pragma once

#include <functional>
#include <memory>
#include <string>

#include "online/kursaktu.h"
#include "zeitsteuerung/termine.h"

namespace morvane {

class TDownload;
class TEinstellungen;
class TLogbuch;

// The surroundings of a scheduled update run: no window and no dialog; every
// status line, every step and every message goes to the log book. Once
// `beendet` says so, the download under way is cancelled and no further one
// starts, so the run ends after merging what it has.
class TLogbuchUmgebung : public TKursaktuUmgebung {
 public:
  // `einstellungen` and `logbuch` must outlive the object.
  TLogbuchUmgebung(const TEinstellungen& einstellungen, TLogbuch& logbuch,
                   std::function<bool()> beendet);
  ~TLogbuchUmgebung() override;

  void Status(const std::string& text) override;
  void Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) override;
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                       const std::function<void(std::string_view)>& senke) override;
  void Meldung(const std::string& text) override;

 private:
  void Zeile(const std::string& text);

  TLogbuch& logbuch_;
  std::function<bool()> beendet_;
  std::unique_ptr<TDownload> download_;
};

// One scheduled run: the daily prices of the job's catalogs (those that no
// longer exist are named in the log book and skipped), through the same
// update run as the window, and its outcome in the log book (the securities
// without prices one line each). Never throws for a failure of the run: the
// scheduler goes on waiting for the next time point.
void AuftragAusfuehren(const TAuftrag& auftrag, TEinstellungen& einstellungen, TLogbuch& logbuch,
                       const std::function<bool()>& beendet);

// Runs the shut-down command of the program directory and logs it.
void HerunterfahrenAusfuehren(const std::string& programmverzeichnis, TLogbuch& logbuch);

}  // namespace morvane
