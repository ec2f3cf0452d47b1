#include "online/httpantwort.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "online/httpfehler.h"

namespace morvane {

namespace {

std::string Klein(std::string_view text) {
  std::string klein(text);
  std::ranges::transform(klein, klein.begin(),
                         [](unsigned char z) { return static_cast<char>(std::tolower(z)); });
  return klein;
}

std::string_view Getrimmt(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return text;
}

bool IstStatuszeile(std::string_view zeile) {
  return zeile.starts_with("HTTP/1.0") || zeile.starts_with("HTTP/1.1");
}

}  // namespace

void THttpAntwort::Fuettern(std::string_view daten, const TRumpf& rumpf) {
  while (!daten.empty() && phase_ == TPhase::Kopf) {
    const auto ende = daten.find('\n');
    const std::string_view stueck = daten.substr(0, ende);
    if (zeile_.size() + stueck.size() > MaxZeile) throw EHttpException("HTTP-Zeile zu lang", 404);
    zeile_.append(stueck);
    daten.remove_prefix(ende == std::string_view::npos ? daten.size() : ende + 1);
    if (ersteZeile_ && zeile_.size() >= 6 && Klein(zeile_.substr(0, 6)) == "<html>") {
      // No header at all: what was taken for a line is the document's start.
      if (ende != std::string_view::npos) zeile_ += '\n';
      if (kopf_.Inhaltstyp.empty()) kopf_.Inhaltstyp = "text/html";
      phase_ = TPhase::Rumpf;
      rumpf(zeile_);
      zeile_.clear();
      break;
    }
    if (ende == std::string_view::npos) break;
    kopfgroesse_ += zeile_.size() + 1;
    if (kopfgroesse_ > MaxKopf) throw EHttpException("Kopf der Antwort zu groß", 404);
    if (!zeile_.empty() && zeile_.back() == '\r') zeile_.pop_back();
    Zeile(std::move(zeile_));
    zeile_.clear();
  }
  if (phase_ == TPhase::Rumpf && !daten.empty()) rumpf(daten);
}

void THttpAntwort::Zeile(std::string zeile) {
  ersteZeile_ = false;
  if (zeile.empty()) return KopfEnde();
  if (BeiKopfzeile) BeiKopfzeile(zeile);
  if (IstStatuszeile(zeile)) {
    int status = 0;
    const char* anfang = zeile.data() + std::min<std::size_t>(9, zeile.size());
    const char* ende = zeile.data() + std::min<std::size_t>(12, zeile.size());
    const auto [rest, fehler] = std::from_chars(anfang, ende, status);
    if (fehler != std::errc() || rest != ende || status < 100)
      throw EHttpException("Ungültige Statuszeile: " + zeile.substr(0, 80), 404);
    kopf_.Status = status;
    kopf_.Grund = zeile.size() > 13 ? zeile.substr(13) : "";
  } else if (const auto doppelpunkt = zeile.find(':'); doppelpunkt != std::string::npos) {
    Feld(Klein(Getrimmt(std::string_view(zeile).substr(0, doppelpunkt))),
         Getrimmt(std::string_view(zeile).substr(doppelpunkt + 1)));
  }
}

void THttpAntwort::Feld(std::string_view name, std::string_view wert) {
  if (name == "location") {
    kopf_.Ort = std::string(wert);
  } else if (name == "content-length") {
    std::int64_t laenge = -1;
    const auto [rest, fehler] = std::from_chars(wert.data(), wert.data() + wert.size(), laenge);
    if (fehler == std::errc() && rest == wert.data() + wert.size() && laenge >= 0)
      kopf_.Laenge = laenge;
  } else if (name == "content-type") {
    kopf_.Inhaltstyp = Klein(wert);
  } else if (name == "www-authenticate") {
    kopf_.Authentifizierung.emplace_back(wert);
  }
}

void THttpAntwort::KopfEnde() {
  if (kopf_.Status == 0) throw EHttpException("Antwort ohne Statuszeile", 404);
  // The document of a failure is never read; its header is, for the
  // authentication challenges.
  phase_ = kopf_.Ort.empty() && kopf_.Status < 400 ? TPhase::Rumpf : TPhase::Fertig;
}

}  // namespace morvane
