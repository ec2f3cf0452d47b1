#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "online/httpcli.h"

namespace morvane {

class TEinstellungen;

// One download of an update run, as its progress window performs it: the
// request is split at tabs into URL, user and password; the status text
// follows the client; silence longer than the settings' timeout fails the
// download. The window shows the texts and pumps its events through `Pumpe`.
class TDownload {
 public:
  enum TErgebnis { Fertig = 0, Abgebrochen = 1, Fehlgeschlagen = 2 };

  // Takes proxy and timeout from the settings.
  explicit TDownload(const TEinstellungen& einstellungen);

  // Fetches the request into `senke`; Abbrechen from `Pumpe` or OnStatus ends
  // it with Abgebrochen.
  TErgebnis Download(const std::string& anfrage,
                     const std::function<void(std::string_view)>& senke);
  // The user's "Abbrechen" (closing the window counts as that too).
  void Abbrechen();

  std::function<void(const std::string&)> OnStatus;
  std::function<void(const std::string&)> Protokoll;  // lines for the log book
  std::function<void()> Pumpe;
  // Sent as the User-Agent of every request; none when empty.
  std::string Agent;
  std::chrono::milliseconds Zeitlimit() const { return zeitlimit_; }
  // The HTTP status and Content-Type of the last answer (0 and empty when
  // none came).
  int Status() const { return cli_.StatusCode(); }
  const std::string& Inhaltstyp() const { return cli_.ContentType(); }

 private:
  void Takt();
  void Melden(const std::string& zeile);

  THttpCli cli_;
  std::chrono::milliseconds zeitlimit_;
  std::chrono::steady_clock::time_point letzteDaten_;
  bool abgebrochen_ = false;
  bool gescheitert_ = false;
};

}  // namespace morvane
