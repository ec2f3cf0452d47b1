// The parameter record of every kind, pinned field by field: place, width and
// default of each field, the field found through its dialog caption. Moving a
// field in the dialog must not move it in the settings file.
#include <algorithm>
#include <limits>
#include <map>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "indicators/indikatortypen.h"
#include "testseite.h"

namespace morvane {
namespace {

// W word, B byte, L 32-bit integer, D double, J bool byte.
struct TSatzfeld {
  std::string_view Beschriftung;  // page field label or check box caption
  char Art;
  double Vorgabe;
};
using TSatz = std::vector<TSatzfeld>;

// The kind parameters behind the base part of the record, in file order.
const std::map<std::string_view, TSatz>& Datensaetze() {
  static const std::map<std::string_view, TSatz> tabelle = {
      {"IndRSI", {{"Berechnungszeitraum:", 'W', 10}, {"Oszillator", 'J', 1}}},
      {"IndSTO",
       {{"Berechnungszeitraum:", 'W', 20},
        {"Glättung:", 'W', 5},
        {"Oszillator", 'J', 1},
        {"%K-Linie", 'J', 0}}},
      {"IndMOM",
       {{"Berechnungszeitraum:", 'W', 20},
        {"Empfindlichkeit:", 'B', 15},
        {"Oszillator", 'J', 0},
        {"Rate-of-Change (RoC)", 'J', 1}}},
      {"IndKST",
       {{"n1:", 'W', 10},
        {"n2:", 'W', 15},
        {"n3:", 'W', 20},
        {"n4:", 'W', 30},
        {"m1:", 'W', 10},
        {"m2:", 'W', 10},
        {"m3:", 'W', 10},
        {"m4:", 'W', 15},
        {"F1:", 'W', 1},
        {"F2:", 'W', 2},
        {"F3:", 'W', 3},
        {"F4:", 'W', 4},
        {"Glättung des KST:", 'W', 5},
        {"Empfindlichkeit:", 'B', 20},
        {"KST ungeglättet", 'J', 0},
        {"KST geglättet", 'J', 1},
        {"Oszillator", 'J', 1}}},
      {"IndBOL",
       {{"Berechnungszeitraum für gleitenden Durchschnitt:", 'W', 20},
        {"Berechnung des gleitenden Durchschnitts", 'B', 0},
        {"Berechnungszeitraum für Standardabweichung:", 'W', 20},
        {"Gewichtungsfaktor für Bandbreite:", 'D', 1.0},
        {"Empfindlichkeit:", 'B', 20},
        {"Gleitender Durchschnitt", 'J', 1},
        {"Umhüllungslinien", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndCCI",
       {{"Glättung des typischen Preises (TP):", 'W', 50},
        {"Berechnungszeitraum für Standardabweichung:", 'W', 50},
        {"Glättung des CCI:", 'W', 100},
        {"Empfindlichkeit:", 'B', 15},
        {"Typischer Preis", 'J', 0},
        {"Typischer Preis (geglättet)", 'J', 0},
        {"CCI", 'J', 1},
        {"CCI (geglättet)", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"Ind1GD",
       {{"Berechnungszeitraum:", 'W', 30},
        {"Gewichtung", 'B', 0},
        {"Empfindlichkeit:", 'B', 15},
        {"Gleitender Durchschnitt", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"Ind2GD",
       {{"Berechnungszeitraum kurzfristiger Durchschnitt:", 'W', 10},
        {"Berechnungszeitraum langfristiger Durchschnitt:", 'W', 20},
        {"Gewichtung", 'B', 0},
        {"Empfindlichkeit:", 'B', 45},
        {"Kurzfristiger gleitender Durchschnitt", 'J', 1},
        {"Langfristiger gleitender Durchschnitt", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndMAC",
       {{"Berechnungszeitraum kurzfristiger Durchschnitt:", 'W', 25},
        {"Berechnungszeitraum langfristiger Durchschnitt:", 'W', 50},
        {"Berechnungszeitraum für Trigger:", 'W', 20},
        {"Empfindlichkeit:", 'W', 500},
        {"MACD", 'J', 1},
        {"Trigger", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndCDO",
       {{"Berechnungszeitraum kurzfristiger Durchschnitt:", 'W', 10},
        {"Berechnungszeitraum langfristiger Durchschnitt:", 'W', 50},
        {"Berechnungszeitraum für Trigger:", 'W', 50},
        {"Empfindlichkeit bei der Berechnung des MAC:", 'W', 500},
        {"Berechnungszeitraum für CDO:", 'W', 50},
        {"Glättung des Oszillators:", 'W', 3},
        {"MACD-Oszillator", 'J', 0},
        {"Oszillator", 'J', 1}}},
      {"IndNV",
       {{"Glättung der Volatilitätslinien:", 'W', 14},
        {"Volatilitätslinien (geglättet)", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndCHA",
       {{"Glättung für kurzfristige AD-Linie:", 'W', 5},
        {"Glättung für langfristige AD-Linie:", 'W', 20},
        {"Empfindlichkeit:", 'L', 15000},
        {"AD-Linie", 'J', 0},
        {"AD-Linien (geglättet)", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndEMV",
       {{"Glättung des EMV:", 'W', 5},
        {"Empfindlichkeit:", 'W', 100},
        {"Midpoint Move", 'J', 0},
        {"Box Ratio", 'J', 0},
        {"EMV (geglättet)", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndMFI",
       {{"Berechnungszeitraum der Money Ratio:", 'W', 20},
        {"Empfindlichkeit:", 'W', 3},
        {"Typischer Preis", 'J', 0},
        {"Money Ratio", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndDMI",
       {{"Berechnungszeitraum für posDI und negDI:", 'W', 14},
        {"posDI und negDI-Linien", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndTSF",
       {{"Berechnungszeitraum für Regressionsgeraden:", 'W', 50},
        {"Empfindlichkeit:", 'B', 15},
        {"Regressionsgeraden", 'J', 0},
        {"TSF", 'J', 1},
        {"Oszillator", 'J', 0}}},
      {"IndRTI",
       {{"Berechnungszeitraum für Regressionsgeraden:", 'W', 10}, {"Steigungsgrenze:", 'D', 0.5}}},
      {"IndADX",
       {{"Berechnungszeitraum für DMI:", 'W', 14},
        {"Glättung des DMI:", 'W', 10},
        {"Intensitäts-DMI", 'J', 1}}},
      {"IndVHF", {{"Berechnungszeitraum für VHF:", 'W', 20}}},
  };
  return tabelle;
}

// The kind parameters as the record holds them, read in the pinned layout.
std::vector<double> Gespeichert(const TIndikator& indikator, const TSatz& satz) {
  TBinaerSchreiber schreiber;
  indikator.Speichern(schreiber);
  TBinaerLeser leser(schreiber.Daten());
  leser.Text();  // the base part: name, code, weight and signal parameters
  leser.Roh(4);
  leser.Roh(2);
  leser.Double();
  leser.Byte();
  std::vector<double> werte;
  for (const TSatzfeld& feld : satz) {
    switch (feld.Art) {
      case 'W':
        werte.push_back(leser.Word());
        break;
      case 'L':
        werte.push_back(leser.Int32());
        break;
      case 'D':
        werte.push_back(leser.Double());
        break;
      default:
        werte.push_back(leser.Byte());
        break;
    }
  }
  EXPECT_TRUE(leser.AmEnde()) << leser.Rest() << " bytes more than pinned";
  return werte;
}

// Sets the check box or page field with the caption to another valid value
// through the dialog and returns that value.
double Aendern(TIndikator& indikator, std::string_view beschriftung) {
  const std::vector<std::string> kaestchen = indikator.AllgemeinFelder();
  const auto k = std::find(kaestchen.begin(), kaestchen.end(), beschriftung);
  if (k != kaestchen.end()) {
    std::vector<bool> werte = indikator.AllgemeinWerte();
    const auto i = static_cast<std::size_t>(k - kaestchen.begin());
    werte[i] = !werte[i];
    indikator.AllgemeinUebernehmen(werte);
    return werte[i] ? 1 : 0;
  }
  const TBerechnungsseite seite = indikator.Berechnungsseite();
  std::vector<std::string> texte = indikator.BerechnungTexte();
  for (std::size_t i = 0; i < seite.Felder.size(); ++i) {
    const TEingabefeld& feld = seite.Felder[i];
    if (feld.Beschriftung != beschriftung) continue;
    const double neu = test::AndererWert(feld, *FeldLesen(feld, texte[i]));
    texte[i] = FeldText(feld, neu);
    EXPECT_FALSE(indikator.BerechnungUebernehmen(texte)) << beschriftung;
    return neu;
  }
  ADD_FAILURE() << "kein Feld \"" << beschriftung << "\" im Dialog";
  return std::numeric_limits<double>::quiet_NaN();
}

TEST(Datensatz, JedeArtHaeltJedesFeldAnSeinerStelle) {
  ASSERT_EQ(Datensaetze().size(), Indikatortypen().size());
  for (const TIndikatortyp& typ : Indikatortypen()) {
    SCOPED_TRACE(std::string(typ.Schluessel));
    const TSatz& satz = Datensaetze().at(typ.Schluessel);
    std::vector<double> vorgaben;
    for (const TSatzfeld& feld : satz)
      vorgaben.push_back(feld.Vorgabe);
    const auto neu = typ.Erzeugen();
    EXPECT_EQ(Gespeichert(*neu, satz), vorgaben);
    // Every field of the dialog is pinned.
    EXPECT_EQ(neu->AllgemeinFelder().size() + neu->Berechnungsseite().Felder.size(), satz.size());
    // One field changed at a time: it shows at its own place and nowhere else.
    for (std::size_t i = 0; i < satz.size(); ++i) {
      const auto indikator = typ.Erzeugen();
      std::vector<double> erwartet = vorgaben;
      erwartet[i] = Aendern(*indikator, satz[i].Beschriftung);
      EXPECT_NE(erwartet[i], vorgaben[i]) << satz[i].Beschriftung;
      EXPECT_EQ(Gespeichert(*indikator, satz), erwartet) << satz[i].Beschriftung;
    }
  }
}

}  // namespace
}  // namespace morvane
