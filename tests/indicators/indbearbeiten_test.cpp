#include "indicators/indbearbeiten.h"

#include <gtest/gtest.h>

#include "indicators/indikatortypen.h"
#include "indicators/indvorlagen.h"

namespace morvane {
namespace {

std::string Bytes(const TIndikator& indikator) {
  TBinaerSchreiber d;
  indikator.Speichern(d);
  return d.Entnehmen();
}

TEST(IndBearbeiten, ExtremzoneObenFolgtDerUnteren) {
  const struct {
    const char* unten;
    const char* oben;
  } faelle[] = {{"30", "70"}, {"0", "100"}, {"50", "50"}, {"51", ""},
                {"-1", ""},   {"x", ""},    {"", ""},     {"2,5", ""}};
  for (const auto& f : faelle)
    EXPECT_EQ(ExtremzoneObenText(f.unten), f.oben) << f.unten;
}

TEST(IndBearbeiten, SignalseiteMeldetDasErsteFalscheFeld) {
  const std::string entfernung = "Das maximale Entfernungssignal muss zwischen 0% und 100% liegen!";
  const std::string steigung = "Ungültige Angabe bei der Steigung des Annäherungssignals!";
  const std::string zone =
      "Die Grenze der unteren Extremzone muss zwischen 0 und 50 Punkte liegen!";
  const struct {
    std::vector<std::string> texte;
    int feld;
    std::string meldung;
  } faelle[] = {
      {{"101", "5", "20"}, kSignalEntfernung, entfernung},
      {{"-1", "5", "20"}, kSignalEntfernung, entfernung},
      {{"", "x", "99"}, kSignalEntfernung, entfernung},
      {{"100", "1000,01", "20"}, kSignalSteigung, steigung},
      {{"100", "-0,5", "20"}, kSignalSteigung, steigung},
      {{"0", "abc", "x"}, kSignalSteigung, steigung},
      {{"0", "5", "51"}, kSignalExtremzone, zone},
      {{"0", "5", "20,5"}, kSignalExtremzone, zone},
  };
  TIndVorlagen vorlagen;
  auto liste = vorlagen.Kopie();
  TIndikator& rsi = liste->Indikator(1, 0);
  const std::string vorher = Bytes(rsi);
  for (const auto& f : faelle) {
    TParameterEingaben e = ParameterEingaben(rsi);
    e.Bezeichnung = "Geändert";
    e.Signal = f.texte;
    const TParameterFehler erwartet{TParameterSeite::Signalgenerierung, f.feld, f.meldung};
    EXPECT_EQ(ParameterUebernehmen(rsi, e), erwartet) << f.texte[0] << f.texte[1] << f.texte[2];
    EXPECT_EQ(Bytes(rsi), vorher) << "a failed check changes nothing";
  }
}

TEST(IndBearbeiten, BerechnungWirdVorDerSignalseiteGeprueft) {
  auto rsi = ErzeugeIndikator("IndRSI");
  TParameterEingaben e = ParameterEingaben(*rsi);
  e.Berechnung[0] = "0";
  e.Signal[0] = "101";
  const TParameterFehler erwartet{TParameterSeite::Berechnung, 0, std::string(kMeldungZeitraum)};
  EXPECT_EQ(ParameterUebernehmen(*rsi, e), erwartet);
}

TEST(IndBearbeiten, UebernimmtAlleSeiten) {
  auto rsi = ErzeugeIndikator("IndRSI");
  TParameterEingaben e = ParameterEingaben(*rsi);
  e.Bezeichnung = "Kurzer RSI";
  e.Kurzbezeichnung = "KRSX";
  e.Berechnung[0] = "7";
  e.Signal = {"40", "2,349", "25"};  // the third decimal is dropped
  ASSERT_EQ(ParameterUebernehmen(*rsi, e), std::nullopt);
  EXPECT_EQ(rsi->Titel(), "Kurzer RSI (KRS)");
  EXPECT_EQ(rsi->BerechnungTexte()[0], "7");
  EXPECT_EQ(rsi->Entfernungssignal, 40);
  EXPECT_DOUBLE_EQ(rsi->Annaeherungssteigung, 2.34);
  EXPECT_EQ(rsi->ExtremzoneUnten, 25);
}

TEST(IndBearbeiten, GesamtBehaeltSeinenNamenUndSetztGewichte) {
  TIndVorlagen vorlagen;
  auto liste = vorlagen.Kopie();
  const int letzter = liste->Anzahl(3) - 1;
  TIndikator& gesamt = liste->Indikator(3, letzter);
  const std::string titel = gesamt.Titel();
  EXPECT_FALSE(NameAenderbar(gesamt));
  TParameterEingaben e = ParameterEingaben(gesamt);
  ASSERT_EQ(e.Berechnung.size(), static_cast<std::size_t>(letzter));
  e.Bezeichnung = "Anders";
  e.Berechnung[1] = "77";
  ASSERT_EQ(ParameterUebernehmen(gesamt, e), std::nullopt);
  EXPECT_EQ(gesamt.Titel(), titel);
  EXPECT_EQ(liste->Indikator(3, 1).Gewichtung, 77);
  e.Berechnung[0] = "101";
  EXPECT_EQ(ParameterUebernehmen(gesamt, e)->Seite, TParameterSeite::Berechnung);
}

}  // namespace
}  // namespace morvane
