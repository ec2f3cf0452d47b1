#include "store/wpanlegen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "store/wpverwaltung.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TTempVerzeichnis;

const std::string kDatei =
    "Morvane 3.5  Wertpapier-Vorlagen\n"
    "ISIN\tWKN\tKürzel\tWährung\tName\tBemerkung\tIstIndex\tIstFonds\tBerlin\tDüsseldorf\t"
    "Frankfurt\tHamburg\tHannover\tMünchen\tStuttgart\tXetra\tAktien\tIndizes\n"
    // Berlin, Frankfurt and Xetra; Berlin's symbol is only a mark.
    "DE0007100000\t710000\tMBG\tEUR\tMercedes-Benz Group "
    "AG\tAktie\t\t\tx\t\tMBG\t\t\t\t\tMBG\tx\t\n"
    "DE0008469008\t846900\t\tPunkte\tDAX\tIndex\tx\t\t\t\t\t\t\t\t\t\t\tx\n"
    "DE0007164600\t716460\tSAP\tEUR\tSAP SE\t\t\t\t\t\t\t\t\t\t\tSAP\tx\t\n"
    "XX0000000001\t999999\t\tEUR\tDEUTSCHE TELEKOM 710\t\t\t\t\t\t\t\t\t\t\tDTE\t\t\n";

class Anlegen : public ::testing::Test {
 protected:
  TWertpapierVorlagen& Vorlagen() {
    if (!vorlagen_) {
      dir.Schreibe("Werte35.mvw", kDatei);
      vorlagen_ = std::make_unique<TWertpapierVorlagen>(dir.Datei("Werte35.mvw"), nullptr);
    }
    return *vorlagen_;
  }
  std::vector<std::string> Gefunden(std::string_view text) {
    std::vector<std::string> namen;
    for (const auto* e : VorlagenFinden(Vorlagen(), std::nullopt, text))
      namen.push_back(e->Name);
    return namen;
  }
  TTempVerzeichnis dir;

 private:
  std::unique_ptr<TWertpapierVorlagen> vorlagen_;
};

TEST(Suchregeln, LaengeUndAnfangWaehlenDieSuchen) {
  struct TFall {
    std::string_view text;
    TSuchregeln regeln;
  };
  const TFall faelle[] = {
      {"", {false, false, false}},
      {"SA", {false, false, false}},
      {"SAP", {false, false, true}},
      {"Siemen", {false, false, true}},  // six letters: names only
      {"Siemens", {true, false, true}},  // seven, two letters first
      {"DE0007", {false, false, true}},  // an ISIN start needs a seventh character
      {"DE00071", {true, false, true}},
      {"D300071", {false, false, true}},  // second character no letter
      {"710", {false, true, true}},
      {"71", {false, false, false}},
      {"7A0", {false, false, true}},
      {"Mül", {false, false, true}},  // three characters, four bytes
      {"Mü", {false, false, false}},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(SuchregelnFuer(f.text), f.regeln) << f.text;
}

TEST_F(Anlegen, SucheFindetNachISINWKNUndName) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Gefunden("SAP"), V{"SAP SE"});
  EXPECT_EQ(Gefunden("716"), V{"SAP SE"});
  EXPECT_EQ(Gefunden("de00071"), (V{"Mercedes-Benz Group AG", "SAP SE"}));
  // "710" runs the WKN search and the name search; each rule lists its own hits.
  EXPECT_EQ(Gefunden("710"), (V{"Mercedes-Benz Group AG", "DEUTSCHE TELEKOM 710"}));
  // Six letters are no ISIN start: only names count.
  EXPECT_EQ(Gefunden("DE0007"), V{});
  EXPECT_EQ(Gefunden("Merced"), V{"Mercedes-Benz Group AG"});
}

TEST_F(Anlegen, KategorieGehtVorDemSuchtext) {
  const auto liste = VorlagenFinden(Vorlagen(), 1, "SAP");
  ASSERT_EQ(liste.size(), 1u);
  EXPECT_EQ(liste[0]->Name, "DAX");
  EXPECT_TRUE(VorlagenFinden(Vorlagen(), 7, "SAP").empty());
}

TEST_F(Anlegen, EineZeileJeBoerseDieDerFilterDurchlaesst) {
  const auto mercedes = VorlagenFinden(Vorlagen(), std::nullopt, "Mercedes");
  const auto dax = VorlagenFinden(Vorlagen(), 1, "");
  struct TFall {
    const TWertpapierVorlagen::TListe& eintraege;
    int filter;
    std::vector<int> boersen;
  };
  const TFall faelle[] = {
      {mercedes, kFilterAlle, {1, 3, 8}},
      {mercedes, 1 + 3, {3}},  // Frankfurt
      {mercedes, 1 + 2, {}},   // Düsseldorf
      {mercedes, 1 + 0, {}},   // without exchange
      {dax, kFilterAlle, {0}},
      {dax, 1 + 0, {0}},
      {dax, 1 + 8, {}},
  };
  for (const auto& f : faelle) {
    std::vector<int> boersen;
    for (const auto& zeile : AnlegeZeilen(f.eintraege, f.filter))
      boersen.push_back(zeile.Boerse);
    EXPECT_EQ(boersen, f.boersen) << f.filter;
  }
}

TEST_F(Anlegen, ZeileErgibtStammdatenUndSpalten) {
  const auto mercedes = VorlagenFinden(Vorlagen(), std::nullopt, "Mercedes");
  const auto zeilen = AnlegeZeilen(mercedes, kFilterAlle);
  ASSERT_EQ(zeilen.size(), 3u);
  // The symbol "x" only marks the listing and stays out of the comment.
  EXPECT_EQ(ZeilenStammdaten(zeilen[0]).Kommentar, "Aktie");
  const TWPStammdaten xetra = ZeilenStammdaten(zeilen[2]);
  EXPECT_EQ(xetra.Kommentar, "Aktie; MBG");
  EXPECT_EQ(xetra.Boerse, 8);
  EXPECT_EQ(xetra.WPTyp, 0);
  EXPECT_EQ(xetra.Waehrung, "EUR");
  EXPECT_EQ(ZeilenSpalten(zeilen[2]),
            (std::array<std::string, kZeilenSpalten>{
                "Aktie; MBG", "Xetra", "Mercedes-Benz Group AG", "710000", "DE0007100000"}));
  const auto sap = AnlegeZeilen(VorlagenFinden(Vorlagen(), std::nullopt, "SAP"), kFilterAlle);
  ASSERT_EQ(sap.size(), 1u);
  EXPECT_EQ(ZeilenStammdaten(sap[0]).Kommentar, "SAP");  // no comment to extend
  const TWPStammdaten dax = ZeilenStammdaten(AnlegeZeilen(VorlagenFinden(Vorlagen(), 1, ""), 0)[0]);
  EXPECT_EQ(dax.WPTyp, 1);
  EXPECT_EQ(dax.Waehrung, "Punkte");
  EXPECT_EQ(dax.Boerse, 0);
}

TEST(Anlegbar, KnoepfeNachIhrenRegeln) {
  EXPECT_TRUE(AusListeAnlegbar(1, "Depot"));
  EXPECT_FALSE(AusListeAnlegbar(0, "Depot"));
  EXPECT_FALSE(AusListeAnlegbar(2, " \t"));
  struct TFall {
    std::string_view name, isin, wkn, katalog;
    bool anlegbar;
  };
  const TFall faelle[] = {
      {"SAP SE", "DE0007164600", "", "Depot", true},
      {"SAP SE", "", "716460", "Depot", true},
      {"SAP SE", " ", " ", "Depot", false},
      {"  ", "DE0007164600", "716460", "Depot", false},
      {"SAP SE", "DE0007164600", "716460", " ", false},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(ManuellAnlegbar(f.name, f.isin, f.wkn, f.katalog), f.anlegbar) << f.name << f.wkn;
}

TEST_F(Anlegen, LaufHaeltBeimErstenFehlerUndNenntIhn) {
  const TWPVerwaltung verwaltung(dir.Pfad());
  std::vector<TWPStammdaten> wp(3);
  wp[0].Bezeichnung = "SAP SE";
  wp[1].Bezeichnung = "***";  // nothing left once reduced to the allowed characters
  wp[2].Bezeichnung = "DAX";
  EXPECT_THROW_MSG(WertpapiereAnlegen(verwaltung, "Depot", wp), EWPAnlegen,
                   "Das Wertpapier '***' (Nr. 2 von 3) konnte nicht angelegt werden: Ungültiger "
                   "Katalog oder Wertpapier-Name\nBereits angelegt: 1.");
  std::vector<std::string> ids;
  verwaltung.WertpapiereAuflisten("Depot", ids);
  ASSERT_EQ(ids.size(), 1u);
  const TWPStammdaten geladen = verwaltung.StammdatenLaden(ids[0]);
  EXPECT_EQ(geladen.Bezeichnung, "SAP SE");

  // The same name twice gets two files.
  const auto neu = WertpapiereAnlegen(verwaltung, "Depot", {wp[0], wp[2]});
  ASSERT_EQ(neu.size(), 2u);
  EXPECT_EQ(std::filesystem::path(neu[0]).filename(), "SAP SE (1).mv3");
  EXPECT_EQ(verwaltung.StammdatenLaden(neu[1]).Bezeichnung, "DAX");
}

// The templates file the program ships finds SAP by name, WKN and ISIN start.
TEST(MitgelieferteVorlagen, FindenSAPSchonBeimTippen) {
  TWertpapierVorlagen vorlagen(MORVANE_VORLAGEN, nullptr);
  EXPECT_EQ(vorlagen.Eintraege().size(), 57u);
  std::vector<std::string> kategorien;
  vorlagen.Kategorien(kategorien);
  EXPECT_EQ(kategorien, (std::vector<std::string>{"Deutsche Standardwerte", "US-Standardwerte",
                                                  "Indizes", "Fonds und ETFs"}));
  // "716" also finds Sartorius (716563); SAP is there on Frankfurt and Xetra.
  for (const std::string_view text : {"SAP", "716", "DE00071"}) {
    std::vector<TWPStammdaten> sap;
    for (const auto& zeile : AnlegeZeilen(VorlagenFinden(vorlagen, std::nullopt, text), 0)) {
      if (zeile.Eintrag->Name == "SAP SE") sap.push_back(ZeilenStammdaten(zeile));
    }
    ASSERT_EQ(sap.size(), 2u) << text;
    EXPECT_EQ(sap[1].ISIN, "DE0007164600");
    EXPECT_EQ(sap[1].WKN, "716460");
    EXPECT_EQ(sap[1].Boerse, 8);
    EXPECT_EQ(sap[1].Kommentar, "Aktie; SAP");
  }
  const auto indizes = AnlegeZeilen(VorlagenFinden(vorlagen, 2, ""), kFilterAlle);
  ASSERT_EQ(indizes.size(), 8u);
  for (const auto& zeile : indizes)
    EXPECT_EQ(ZeilenStammdaten(zeile).Waehrung, "Punkte") << zeile.Eintrag->Name;
}

}  // namespace
}  // namespace morvane
