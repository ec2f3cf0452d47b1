#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// What the header of an answer said.
struct THttpKopf {
  int Status = 0;
  std::string Grund;
  std::int64_t Laenge = -1;                    // "content-length"; -1 when none was announced
  std::string Inhaltstyp;                      // lower-cased
  std::string Ort;                             // "location", as sent
  std::vector<std::string> Authentifizierung;  // "www-authenticate" values
};

// Reads a server's answer as it arrives in pieces of any size: the header line
// by line, then the document, which goes to the caller piece by piece. An
// answer starting with "<HTML>" has no header and is document from its first
// byte. Everything the server sends is bounded: one header line at
// `MaxZeile` bytes, the whole header at `MaxKopf`.
class THttpAntwort {
 public:
  enum class TPhase { Kopf, Rumpf, Fertig };
  using TRumpf = std::function<void(std::string_view)>;
  using TZeile = std::function<void(const std::string&)>;

  static constexpr std::size_t MaxZeile = 8192;
  static constexpr std::size_t MaxKopf = 256 * 1024;

  // Takes the next received bytes. Document bytes go to `rumpf`; bytes after
  // the answer has become `Fertig` are ignored. Throws EHttpException for an
  // answer it cannot read.
  void Fuettern(std::string_view daten, const TRumpf& rumpf);

  // Fertig after the header when it names a redirect or a status of 400 or
  // more: such a document is not read.
  TPhase Phase() const { return phase_; }
  const THttpKopf& Kopf() const { return kopf_; }

  // Called with every header line (without its line end).
  TZeile BeiKopfzeile;

 private:
  void Zeile(std::string zeile);
  void KopfEnde();
  void Feld(std::string_view name, std::string_view wert);

  TPhase phase_ = TPhase::Kopf;
  THttpKopf kopf_;
  std::string zeile_;
  std::size_t kopfgroesse_ = 0;
  bool ersteZeile_ = true;
};

}  // namespace morvane
