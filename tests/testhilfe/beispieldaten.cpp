#include "testhilfe/beispieldaten.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string_view>

#include "core/datum.h"

namespace morvane::test {
namespace {

constexpr std::string_view kKopf = "Date,Open,High,Low,Close,Volume";

// Reads a number up to `ende` (or the end of `zeile`) and moves past it.
bool Zahl(std::string_view& zeile, char ende, double& wert) {
  const char* anfang = zeile.data();
  const auto [rest, fehler] = std::from_chars(anfang, anfang + zeile.size(), wert);
  if (fehler != std::errc() || rest == anfang) return false;
  zeile.remove_prefix(static_cast<std::size_t>(rest - anfang));
  if (ende == '\0') return zeile.empty();
  if (zeile.empty() || zeile.front() != ende) return false;
  zeile.remove_prefix(1);
  return true;
}

bool Zeile(std::string_view zeile, TKurs& k) {
  if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
  int jahr = 0, monat = 0, tag = 0, gelesen = 0;
  const std::string datum(zeile.substr(0, zeile.find(',')));
  if (std::sscanf(datum.c_str(), "%4d-%2d-%2d%n", &jahr, &monat, &tag, &gelesen) != 3 ||
      gelesen != 10 || zeile.size() <= datum.size()) {
    return false;
  }
  k.Datum = BoersentagAusDatum(tag, monat, jahr);
  zeile.remove_prefix(datum.size() + 1);
  return Zahl(zeile, ',', k.Eroeffnung) && Zahl(zeile, ',', k.Hoch) && Zahl(zeile, ',', k.Tief) &&
         Zahl(zeile, ',', k.Schluss) && Zahl(zeile, '\0', k.Umsatz);
}

}  // namespace

std::string BeispielPfad(const std::string& name) {
  return std::string(MORVANE_BEISPIELDATEN) + "/" + name;
}

TKurse BeispielKurse(const std::string& name) {
  return KursdateiLesen(BeispielPfad(name));
}

TKurse KursdateiLesen(const std::string& pfad) {
  std::ifstream datei(pfad);
  std::string zeile;
  if (!std::getline(datei, zeile) || zeile.rfind(kKopf, 0) != 0)
    throw std::runtime_error(pfad + ": fehlt oder hat nicht den Kopf " + std::string(kKopf));
  TKurse kurse;
  for (int nummer = 2; std::getline(datei, zeile); ++nummer) {
    TKurs k;
    if (!Zeile(zeile, k))
      throw std::runtime_error(pfad + ", Zeile " + std::to_string(nummer) + ": " + zeile);
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return kurse;
}

TWertpapier BeispielPapier(const std::string& name, const std::string& bezeichnung) {
  TWertpapier wp;
  wp.Bezeichnung = bezeichnung;
  wp.Waehrung = "USD";
  wp.Kurse = BeispielKurse(name);
  return wp;
}

}  // namespace morvane::test
