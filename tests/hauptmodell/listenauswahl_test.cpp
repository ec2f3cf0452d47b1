#include "app/hauptmodell/listenauswahl.h"

#include <gtest/gtest.h>

#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// Catalogs on disk: "Aktien" with three securities, "Anleihen" empty,
// "Fonds" with two, "Leer" empty, "Zertifikate" with one. Listed sorted.
class ListenAuswahl : public testing::Test {
 protected:
  ListenAuswahl() : store_(dir_.Pfad()), listen_(store_) {
    Anlegen("Aktien", {"Siemens", "apple", "BASF"});
    test::DateiAnlegen(dir_.Pfad() + "Anleihen/.keep", "");
    Anlegen("Fonds", {"Zins", "Ärzte"});
    test::DateiAnlegen(dir_.Pfad() + "Leer/.keep", "");
    Anlegen("Zertifikate", {"Gold"});
    listen_.KatalogeFuellen();
  }

  void Anlegen(const std::string& katalog, const std::vector<std::string>& namen) {
    for (const std::string& name : namen) {
      TWertpapier wp;
      wp.Bezeichnung = name;
      store_.WertpapierSpeichern(store_.NeueID(katalog, name), wp);
    }
  }

  std::vector<std::string> Namen() const {
    std::vector<std::string> namen;
    for (const auto& z : listen_.Zeilen())
      namen.push_back(z.Name);
    return namen;
  }

  std::string Gewaehlt() const {
    return listen_.Zeile() ? listen_.Zeilen()[*listen_.Zeile()].Name : "";
  }

  test::TTempVerzeichnis dir_;
  TWPVerwaltung store_;
  TListenAuswahl listen_;
  std::vector<std::string> hinweise_;
};

using VS = std::vector<std::string>;

TEST_F(ListenAuswahl, StartOhneGewaehltenKatalogNimmtDenErsten) {
  EXPECT_EQ(listen_.Kataloge(), (VS{"Aktien", "Anleihen", "Fonds", "Leer", "Zertifikate"}));
  EXPECT_TRUE(listen_.Wiederherstellen({"Gibt es nicht"}, {}, hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Aktien"});
  EXPECT_EQ(Namen(), (VS{"apple", "BASF", "Siemens"})) << "sorted without regard to case";
  EXPECT_EQ(Gewaehlt(), "apple");
  EXPECT_TRUE(hinweise_.empty());
}

TEST_F(ListenAuswahl, StartStelltKatalogeUndWertpapierWiederHer) {
  const std::string zins = dir_.Pfad() + "Fonds/Zins.mv3";
  EXPECT_TRUE(listen_.Wiederherstellen({"Fonds", "Zertifikate"}, {zins}, hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), (VS{"Fonds", "Zertifikate"}));
  EXPECT_EQ(Namen(), (VS{"Ärzte", "Gold", "Zins"})) << "umlauts sort as their base letter";
  EXPECT_EQ(listen_.GewaehlteID(), zins);

  // An ID that is no longer listed falls back to the first row.
  EXPECT_TRUE(listen_.Wiederherstellen({"Fonds"}, {dir_.Pfad() + "Fonds/Weg.mv3"}, hinweise_));
  EXPECT_EQ(Gewaehlt(), "Ärzte");
}

TEST_F(ListenAuswahl, OhneKatalogeBleibtAllesLeer) {
  test::TTempVerzeichnis leer;
  TWPVerwaltung store(leer.Pfad());
  TListenAuswahl listen(store);
  listen.KatalogeFuellen();
  EXPECT_FALSE(listen.Wiederherstellen({}, {}, hinweise_));
  EXPECT_FALSE(listen.Naechstes(hinweise_));
  EXPECT_FALSE(listen.Voriges(hinweise_));
}

TEST_F(ListenAuswahl, RunterUeberKatalogGrenzenHinweg) {
  listen_.Wiederherstellen({"Aktien"}, {}, hinweise_);
  // Within the catalog: row by row.
  EXPECT_TRUE(listen_.Naechstes(hinweise_));
  EXPECT_TRUE(listen_.Naechstes(hinweise_));
  EXPECT_EQ(Gewaehlt(), "Siemens");
  // From the last row: "Anleihen" is empty, so "Fonds" alone, first row.
  EXPECT_TRUE(listen_.Naechstes(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Fonds"});
  EXPECT_EQ(Gewaehlt(), "Ärzte");
  EXPECT_TRUE(listen_.Naechstes(hinweise_));
  // Past "Leer" to the last catalog.
  EXPECT_TRUE(listen_.Naechstes(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Zertifikate"});
  EXPECT_EQ(Gewaehlt(), "Gold");
  // At the very end nothing happens.
  EXPECT_FALSE(listen_.Naechstes(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Zertifikate"});
  EXPECT_EQ(Gewaehlt(), "Gold");
}

TEST_F(ListenAuswahl, RunterAusMehrerenKatalogenGehtHinterDenLetzten) {
  listen_.Wiederherstellen({"Aktien", "Fonds"}, {dir_.Pfad() + "Fonds/Zins.mv3"}, hinweise_);
  ASSERT_EQ(Gewaehlt(), "Zins") << "the last of five rows";
  EXPECT_TRUE(listen_.Naechstes(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Zertifikate"});
}

TEST_F(ListenAuswahl, HochUeberKatalogGrenzenHinweg) {
  listen_.Wiederherstellen({"Zertifikate"}, {}, hinweise_);
  EXPECT_TRUE(listen_.Voriges(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Fonds"});
  EXPECT_EQ(Gewaehlt(), "Zins") << "the last row of the catalog above";
  EXPECT_TRUE(listen_.Voriges(hinweise_));
  EXPECT_EQ(Gewaehlt(), "Ärzte");
  EXPECT_TRUE(listen_.Voriges(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Aktien"});
  EXPECT_EQ(Gewaehlt(), "Siemens");
  listen_.WaehleZeile(0);
  EXPECT_FALSE(listen_.Voriges(hinweise_)) << "nothing above the first catalog";
  EXPECT_EQ(Gewaehlt(), "apple");
}

TEST_F(ListenAuswahl, NurLeereKatalogeDarueberAendertNichts) {
  listen_.Wiederherstellen({"Leer"}, {}, hinweise_);
  ASSERT_TRUE(listen_.Zeilen().empty());
  EXPECT_TRUE(listen_.Naechstes(hinweise_)) << "from an empty catalog to the next filled one";
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Zertifikate"});

  listen_.Wiederherstellen({"Anleihen"}, {}, hinweise_);
  EXPECT_TRUE(listen_.Voriges(hinweise_));
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Aktien"});
  EXPECT_EQ(Gewaehlt(), "Siemens");
}

TEST_F(ListenAuswahl, FuellenBehaeltAuswahlUndMeldetUnlesbareDateien) {
  listen_.Wiederherstellen({"Fonds"}, {dir_.Pfad() + "Fonds/Zins.mv3"}, hinweise_);
  const std::string kaputt = dir_.Pfad() + "Fonds/Kaputt.mv3";
  test::DateiAnlegen(kaputt, "kein Wertpapier");
  test::DateiAnlegen(dir_.Pfad() + "Neu/.keep", "");
  listen_.KatalogeFuellen();
  EXPECT_EQ(listen_.GewaehlteKataloge(), VS{"Fonds"}) << "the selection survives refilling";
  listen_.WertpapiereFuellen(hinweise_);
  EXPECT_EQ(Namen(), (VS{"Ärzte", "Kaputt", "Zins"})) << "listed under its file name";
  EXPECT_EQ(Gewaehlt(), "Zins");
  EXPECT_EQ(hinweise_, VS{"Die ID '" + kaputt + "' verweist auf keine gültige Wertpapier-Datei."});
}

}  // namespace
}  // namespace morvane
