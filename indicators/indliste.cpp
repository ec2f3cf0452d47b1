#include "indicators/indliste.h"

#include <stdexcept>
#include <string_view>
#include <utility>

#include "indicators/indikatortypen.h"

namespace morvane {

namespace {

// The class keys of the default set, per group, in their order.
constexpr std::array<std::array<std::string_view, 10>, 3> kStandardsatz = {{
    {"IndRSI", "IndSTO", "IndMOM", "IndKST", "IndBOL", "IndCCI"},
    {"Ind1GD", "Ind2GD", "IndMAC", "IndCDO", "IndNV", "IndCHA", "IndEMV", "IndMFI", "IndDMI",
     "IndTSF"},
    {"IndRTI", "IndADX", "IndVHF"},
}};

void GruppePruefen(int gruppe) {
  if (gruppe < 1 || gruppe > 3) throw std::out_of_range("Indikatorgruppe außerhalb von 1 bis 3");
}

}  // namespace

TIndListe::TIndListe() {
  GesamteAnhaengen();
}

TIndListe::TIndListe(const TIndListe& quelle) {
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    const TIndGruppe& alt = quelle.Gruppe(gruppe);
    for (std::size_t i = 0; i + 1 < alt.size(); ++i) {
      if (auto kopie = alt[i]->Kopieren()) Gruppe(gruppe).push_back(std::move(kopie));
    }
  }
  GesamteAnhaengen();
}

void TIndListe::GesamteAnhaengen() {
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    TIndGruppe& liste = Gruppe(gruppe);
    liste.push_back(std::make_unique<TIndGesamt>(&liste, gruppe));
  }
}

TIndGruppe& TIndListe::Gruppe(int gruppe) {
  GruppePruefen(gruppe);
  return gruppen_[static_cast<std::size_t>(gruppe - 1)];
}

const TIndGruppe& TIndListe::Gruppe(int gruppe) const {
  GruppePruefen(gruppe);
  return gruppen_[static_cast<std::size_t>(gruppe - 1)];
}

int TIndListe::Anzahl(int gruppe) const {
  return static_cast<int>(Gruppe(gruppe).size());
}

TIndikator& TIndListe::Indikator(int gruppe, int index) const {
  const TIndGruppe& liste = Gruppe(gruppe);
  if (index < 0 || index >= static_cast<int>(liste.size()))
    throw std::out_of_range("Indikatorindex außerhalb der Gruppe");
  return *liste[static_cast<std::size_t>(index)];
}

void TIndListe::MitgliedPruefen(int gruppe, int index) const {
  if (index < 0 || index >= Anzahl(gruppe) - 1)
    throw std::out_of_range("Kein Indikator der Gruppe an dieser Stelle");
}

void TIndListe::Einfuegen(int gruppe, int index, std::unique_ptr<TIndikator> indikator) {
  if (!indikator || indikator->Schluessel().empty())
    throw std::invalid_argument("Nur Indikatoren einer Art können eingefügt werden");
  TIndGruppe& liste = Gruppe(gruppe);
  if (index < 0 || index >= static_cast<int>(liste.size()))
    throw std::out_of_range("Einfügestelle außerhalb der Gruppe");
  liste.insert(liste.begin() + index, std::move(indikator));
}

void TIndListe::Loeschen(int gruppe, int index) {
  MitgliedPruefen(gruppe, index);
  TIndGruppe& liste = Gruppe(gruppe);
  liste.erase(liste.begin() + index);
}

void TIndListe::Tauschen(int gruppe, int index1, int index2) {
  MitgliedPruefen(gruppe, index1);
  MitgliedPruefen(gruppe, index2);
  TIndGruppe& liste = Gruppe(gruppe);
  std::swap(liste[static_cast<std::size_t>(index1)], liste[static_cast<std::size_t>(index2)]);
}

void TIndListe::Leeren(int gruppe) {
  TIndGruppe& liste = Gruppe(gruppe);
  liste.erase(liste.begin(), liste.end() - 1);
}

void TIndListe::Speichern(TBinaerSchreiber& datei) const {
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    const TIndGruppe& liste = Gruppe(gruppe);
    datei.Int32(static_cast<std::int32_t>(liste.size() - 1));
    for (std::size_t i = 0; i + 1 < liste.size(); ++i) {
      const std::string_view schluessel = liste[i]->Schluessel();
      datei.Word(static_cast<std::uint16_t>(schluessel.size()));
      datei.Roh(schluessel);
      liste[i]->Speichern(datei);
    }
  }
}

void TIndListe::Laden(TBinaerLeser& datei) {
  for (TIndGruppe& liste : gruppen_)
    liste.clear();
  try {
    for (int gruppe = 1; gruppe <= 3; ++gruppe) {
      // A record holds at least its key length and the base fields.
      const std::int32_t anzahl = datei.Anzahl(2 + 2 + 4 + 1 + 1 + 8 + 1);
      for (std::int32_t i = 0; i < anzahl; ++i) {
        const std::string_view schluessel = datei.Roh(datei.Word());
        auto indikator = ErzeugeIndikator(schluessel);
        if (!indikator)
          throw EIndikatorsatz("Unbekannter Indikatortyp '" + std::string(schluessel) +
                               "' im Indikatorsatz");
        indikator->Laden(datei);
        Gruppe(gruppe).push_back(std::move(indikator));
      }
    }
  } catch (...) {
    GesamteAnhaengen();
    throw;
  }
  GesamteAnhaengen();
}

void StandardsatzEinfuegen(TIndListe& liste) {
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (std::string_view schluessel : kStandardsatz[static_cast<std::size_t>(gruppe - 1)]) {
      if (schluessel.empty()) continue;
      if (auto indikator = ErzeugeIndikator(schluessel))
        liste.Einfuegen(gruppe, liste.Anzahl(gruppe) - 1, std::move(indikator));
    }
  }
}

std::vector<std::string> Indikatortypen(int gruppe) {
  GruppePruefen(gruppe);
  std::vector<std::string> zeilen;
  for (std::string_view schluessel : kStandardsatz[static_cast<std::size_t>(gruppe - 1)]) {
    if (const TIndikatortyp* typ = IndikatortypZu(schluessel); typ && !schluessel.empty())
      zeilen.push_back(std::string(typ->Typname) + '\t' + std::string(typ->Schluessel));
  }
  return zeilen;
}

}  // namespace morvane
