#pragma once

#include <memory>
#include <ostream>

#include "online/kursaktu.h"

namespace morvane {

// The surroundings of an update run without a window (command line,
// scheduler): downloads with the settings' proxy and timeout, progress and
// messages as lines on `aus`, failed downloads into the log book.
class TKonsolenUmgebung : public TKursaktuUmgebung {
 public:
  // `einstellungen` and `logbuch` must outlive the object.
  TKonsolenUmgebung(std::ostream& aus, const TEinstellungen& einstellungen, TLogbuch& logbuch);
  ~TKonsolenUmgebung() override;

  void Status(const std::string& text) override;
  void Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) override;
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string& agent,
                       const std::function<void(std::string_view)>& senke) override;
  void Meldung(const std::string& text) override;

 protected:
  std::ostream& Aus() { return aus_; }

 private:
  std::ostream& aus_;
  TLogbuch& logbuch_;
  std::unique_ptr<TDownload> download_;
};

}  // namespace morvane
