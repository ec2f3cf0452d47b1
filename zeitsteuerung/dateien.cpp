#include "zeitsteuerung/dateien.h"

#include <sys/stat.h>
#include <charconv>

#include "core/datei.h"
#include "zeitsteuerung/sperre.h"

namespace morvane {
namespace {

constexpr std::string_view kHerunterfahrSchluessel = "Herunterfahren=";
constexpr std::string_view kStandSchluessel = "Geprueft=";

std::string Pfad(const std::string& programmverzeichnis, std::string_view name) {
  std::string pfad = programmverzeichnis;
  if (!pfad.empty() && pfad.back() != '/') pfad += '/';
  return pfad + std::string(name);
}

// The value of the last line starting with `schluessel`; empty when none does.
std::optional<std::string> Wert(std::string_view text, std::string_view schluessel) {
  std::optional<std::string> wert;
  while (!text.empty()) {
    const std::size_t ende = text.find('\n');
    std::string_view zeile = text.substr(0, ende);
    text = ende == std::string_view::npos ? std::string_view() : text.substr(ende + 1);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    if (zeile.starts_with(schluessel)) wert = std::string(zeile.substr(schluessel.size()));
  }
  return wert;
}

}  // namespace

std::string HerunterfahrBefehl(const std::string& programmverzeichnis) {
  const std::string pfad = Pfad(programmverzeichnis, kZeitsteuerungKonfiguration);
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0) return std::string(kStandardHerunterfahren);
  try {
    return Wert(DateiLesen(pfad, 1 << 16), kHerunterfahrSchluessel)
        .value_or(std::string(kStandardHerunterfahren));
  } catch (const EDatei& e) {
    throw EZeitsteuerung("Die Datei '" + pfad + "' ließ sich nicht lesen: " + e.Meldung());
  }
}

std::optional<std::time_t> StandLesen(const std::string& programmverzeichnis) {
  std::string text;
  try {
    text = DateiLesen(Pfad(programmverzeichnis, kZeitsteuerungStand), 4096);
  } catch (const EDatei&) {
    return std::nullopt;
  }
  const std::optional<std::string> wert = Wert(text, kStandSchluessel);
  if (!wert) return std::nullopt;
  long long sekunden = 0;
  const auto [ende, fehler] = std::from_chars(wert->data(), wert->data() + wert->size(), sekunden);
  if (fehler != std::errc() || ende != wert->data() + wert->size()) return std::nullopt;
  return static_cast<std::time_t>(sekunden);
}

void StandSchreiben(const std::string& programmverzeichnis, std::time_t stand) {
  const std::string pfad = Pfad(programmverzeichnis, kZeitsteuerungStand);
  try {
    DateiAtomarSchreiben(
        pfad, std::string(kStandSchluessel) + std::to_string(static_cast<long long>(stand)) + "\n");
  } catch (const EDatei& e) {
    throw EZeitsteuerung("Die Datei '" + pfad + "' ließ sich nicht schreiben: " + e.Meldung());
  }
}

}  // namespace morvane
