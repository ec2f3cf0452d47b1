#include "online/konto.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <utility>

#include "core/datei.h"

namespace morvane {

namespace {

using TKontoFeld = std::pair<std::string_view, std::string TKonto::*>;

constexpr std::array<TKontoFeld, 5> kFelder{{
    {"OnvistaNummer", &TKonto::OnvistaNummer},
    {"OnvistaName", &TKonto::OnvistaName},
    {"OnvistaPasswort", &TKonto::OnvistaPasswort},
    {"Agent", &TKonto::Agent},
    {"UpdateAdresse", &TKonto::UpdateAdresse},
}};

std::string Maskieren(std::string_view wert) {
  std::string aus;
  for (char c : wert) {
    if (c == '\\')
      aus += "\\\\";
    else if (c == '\r')
      aus += "\\r";
    else if (c == '\n')
      aus += "\\n";
    else
      aus += c;
  }
  return aus;
}

std::string Demaskieren(std::string_view wert) {
  std::string aus;
  for (std::size_t i = 0; i < wert.size(); ++i) {
    if (wert[i] != '\\' || i + 1 == wert.size()) {
      aus += wert[i];
      continue;
    }
    char c = wert[++i];
    aus += c == 'r' ? '\r' : c == 'n' ? '\n' : c;
  }
  return aus;
}

void Uebernehmen(TKonto& konto, std::string_view schluessel, std::string_view wert) {
  for (const auto& [name, feld] : kFelder) {
    if (name != schluessel) continue;
    std::string text = Demaskieren(wert);
    bool mitStandard = feld == &TKonto::Agent || feld == &TKonto::UpdateAdresse;
    if (!text.empty() || !mitStandard) konto.*feld = std::move(text);
  }
}

std::string KontoPfad(const std::string& verzeichnis) {
  std::string pfad = verzeichnis;
  if (!pfad.empty() && pfad.back() != '/') pfad += '/';
  return pfad + std::string(kKontoDatei);
}

}  // namespace

std::string KontoText(const TKonto& konto) {
  std::string text;
  for (const auto& [name, feld] : kFelder) {
    text += name;
    text += '=';
    text += Maskieren(konto.*feld);
    text += '\n';
  }
  return text;
}

TKonto KontoAusText(std::string_view text) {
  TKonto konto;
  while (!text.empty()) {
    std::size_t ende = text.find('\n');
    std::string_view zeile = text.substr(0, ende);
    text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    std::size_t gleich = zeile.find('=');
    if (gleich != std::string_view::npos)
      Uebernehmen(konto, zeile.substr(0, gleich), zeile.substr(gleich + 1));
  }
  return konto;
}

TKonto KontoLaden(const std::string& programmverzeichnis) {
  std::string pfad = KontoPfad(programmverzeichnis);
  struct stat info {};
  if (::stat(pfad.c_str(), &info) != 0 && errno == ENOENT) return TKonto{};
  try {
    return KontoAusText(DateiLesen(pfad, 1 << 20));
  } catch (const EDatei& e) {
    throw EKonto("Die Kontodaten in '" + pfad + "' konnten nicht gelesen werden: " + e.Meldung());
  }
}

void KontoSpeichern(const std::string& programmverzeichnis, const TKonto& konto) {
  std::string pfad = KontoPfad(programmverzeichnis);
  try {
    DateiAtomarSchreiben(pfad, KontoText(konto), 0600);
  } catch (const EDatei& e) {
    throw EKonto("Die Kontodaten konnten nicht in '" + pfad +
                 "' gespeichert werden: " + e.Meldung());
  }
}

}  // namespace morvane
