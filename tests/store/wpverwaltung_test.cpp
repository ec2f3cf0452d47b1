#include "store/wpverwaltung.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "core/datum.h"
#include "dateibau.h"
#include "store/wp_importexport_mv35.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

const Boersentag kTag = BoersentagAusDatum(5, 1, 1998);

TKurs Kurs(Boersentag tag, double schluss) {
  return TKurs{tag, 0, 0, schluss, 0, 0, 0};
}

class Verwaltung : public ::testing::Test {
 protected:
  test::TTempVerzeichnis verzeichnis;
  const std::string dv = verzeichnis.Pfad();
  TWPVerwaltung store{dv};

  std::string Speichern(const std::string& relativ, const std::string& bezeichnung = "W") {
    TWertpapier w;
    w.Bezeichnung = bezeichnung;
    w.Kurse.Setze(Kurs(kTag, 10), TSetzModus::Ersetzen);
    store.WertpapierSpeichern(dv + relativ, w);
    return dv + relativ;
  }
  std::string Ungueltig(const std::string& id) {
    return "Die ID '" + id + "' verweist auf keine gültige Wertpapier-Datei.";
  }
};

TEST(NameFiltern, KeepsOnlyAllowedCharactersAndUmlauts) {
  EXPECT_EQ(NameFiltern("Deutsche Bank AG."), "Deutsche Bank AG");
  EXPECT_EQ(NameFiltern("Öl & Gas, Süd/Nord's"), "Öl  Gas SüdNords");
  EXPECT_EQ(NameFiltern("Straße Café ÄÜ äöü"), "Strae Caf ÄÜ äöü");
  EXPECT_EQ(NameFiltern("!$()+-[]_{} 09azAZ"), "!$()+-[]_{} 09azAZ");
  EXPECT_EQ(NameFiltern("\xFF\xC3x\xE2\x82\xAC"), "x");  // broken UTF-8 and "€"
}

TEST_F(Verwaltung, DataDirectoryAlwaysEndsWithASlash) {
  EXPECT_EQ(TWPVerwaltung("/daten").Datenverzeichnis(), "/daten/");
  EXPECT_EQ(TWPVerwaltung("").Datenverzeichnis(), "./");
  std::string einstellung = "/a/";
  TWPVerwaltung folgt([&] { return einstellung; });
  einstellung = "/b";
  EXPECT_EQ(folgt.Datenverzeichnis(), "/b/");
}

TEST_F(Verwaltung, NeueIdCountsUpWhileTheNameIsTaken) {
  EXPECT_EQ(store.NeueID("Aktien", "Deutsche Bank AG."), dv + "Aktien/Deutsche Bank AG.mv3");
  Speichern("Aktien/Deutsche Bank AG.mv3");
  EXPECT_EQ(store.NeueID("Aktien", "Deutsche Bank AG."), dv + "Aktien/Deutsche Bank AG (1).mv3");
  Speichern("Aktien/Deutsche Bank AG (1).mv3");
  EXPECT_EQ(store.NeueID("Akt.ien", "Deutsche Bank AG"), dv + "Aktien/Deutsche Bank AG (2).mv3");
  for (auto paar : {std::pair{"Aktien", "..."}, {"../", "x"}, {"", "x"}}) {
    EXPECT_THROW_MSG(store.NeueID(paar.first, paar.second), EWPVerwaltung,
                     "Ungültiger Katalog oder Wertpapier-Name");
  }
}

TEST_F(Verwaltung, ListsSecuritiesByExtensionGroupAndOnlyDirectoriesAsCatalogs) {
  for (const char* name : {"z.MVT", "y.MV2", "x.MV3", "w.mv3", "notiz.txt"}) {
    test::DateiAnlegen(dv + "Aktien/" + name, "");
  }
  fs::create_directory(dv + "Aktien/unter.mv3");
  fs::create_directory(dv + "Fonds");
  test::DateiAnlegen(dv + "morvane.cfg", "x");

  std::vector<std::string> ids = {"schon da"};
  store.WertpapiereAuflisten("Aktien", ids);
  ASSERT_EQ(ids.size(), 5u);
  EXPECT_EQ(ids[0], "schon da");
  // The ".mv3" group comes first, in the order the directory lists them.
  std::vector<std::string> mv3(ids.begin() + 1, ids.begin() + 3);
  std::sort(mv3.begin(), mv3.end());
  EXPECT_EQ(mv3, (std::vector<std::string>{dv + "Aktien/w.mv3", dv + "Aktien/x.MV3"}));
  EXPECT_EQ(ids[3], dv + "Aktien/y.MV2");
  EXPECT_EQ(ids[4], dv + "Aktien/z.MVT");

  std::vector<std::string> kataloge = {"alt"};
  store.KatalogeAuflisten(kataloge);
  std::sort(kataloge.begin(), kataloge.end());
  EXPECT_EQ(kataloge, (std::vector<std::string>{"Aktien", "Fonds"}));
}

TEST_F(Verwaltung, CatalogNamesThatLeaveTheDataDirectoryAreRefused) {
  fs::create_directory(dv + "Aktien");
  std::vector<std::string> liste;
  for (const std::string& name :
       std::vector<std::string>{"", ".", "..", "a/b", "../Aktien", std::string("a\0b", 3)}) {
    SCOPED_TRACE(name);
    const std::string erwartet = "Ungültiger Katalog oder Wertpapier-Name";
    EXPECT_THROW_MSG(store.WertpapiereAuflisten(name, liste), EWPVerwaltung, erwartet);
    EXPECT_THROW_MSG(store.KatalogLoeschen(name), EWPVerwaltung, erwartet);
    EXPECT_THROW_MSG(store.Umbenennen("Aktien", name), EWPVerwaltung, erwartet);
    EXPECT_THROW_MSG(store.Umbenennen(name, "Neu"), EWPVerwaltung, erwartet);
  }
  EXPECT_TRUE(fs::is_directory(dv + "Aktien"));
}

TEST_F(Verwaltung, KatalogFollowsTheIdAndIsEmptyOutsideTheDataDirectory) {
  const std::string id = Speichern("Aktien/BASF.mv3", "BASF");
  const TWertpapier w = store.WertpapierLaden(id);
  EXPECT_EQ(w.ID, id);
  EXPECT_EQ(w.Katalog, "Aktien");
  EXPECT_EQ(store.StammdatenLaden(id).Katalog, "Aktien");

  test::TTempVerzeichnis anderswo;
  const std::string fremd = anderswo.Pfad() + "Aktien/BASF.mv3";
  store.WertpapierSpeichern(fremd, w);
  const TWPStammdaten s = store.StammdatenLaden(fremd);
  EXPECT_EQ(s.Bezeichnung, "BASF");
  EXPECT_EQ(s.Katalog, "");
  EXPECT_EQ(store.KatalogAusID(dv + "lose.mv3"), "");
  EXPECT_EQ(store.KatalogAusID(dv + "a/b/c.mv3"), "a/b");
}

TEST_F(Verwaltung, UnreadableOrUnknownFilesGiveTheFinalMessage) {
  const std::string fehlt = dv + "Aktien/fehlt.mv3";
  EXPECT_THROW_MSG(store.WertpapierLaden(fehlt), EWPVerwaltung, Ungueltig(fehlt));
  EXPECT_THROW_MSG(store.StammdatenLaden(fehlt), EWPVerwaltung, Ungueltig(fehlt));
  const std::string muell = dv + "Aktien/muell.mv3";
  test::DateiAnlegen(muell, "kein Wertpapier");
  EXPECT_THROW_MSG(store.KurseLaden(muell), EWPVerwaltung, Ungueltig(muell));
  EXPECT_THROW_MSG(store.TransaktionenLaden(dv + "Aktien"), EWPVerwaltung,
                   Ungueltig(dv + "Aktien"));
  EXPECT_FALSE(store.Existiert(fehlt));
  EXPECT_FALSE(store.Existiert(dv + "Aktien"));
  EXPECT_TRUE(store.Existiert(muell));
}

TEST_F(Verwaltung, MasterDataOfAVeryLongCommentStillLoad) {
  TWertpapier w;
  w.Kommentar = std::string(65535, 'k');
  w.Bezeichnung = "Lang";
  store.WertpapierSpeichern(dv + "A/lang.mv3", w);
  EXPECT_EQ(store.StammdatenLaden(dv + "A/lang.mv3").Kommentar.size(), 65535u);
}

TEST_F(Verwaltung, ChangesRewriteOldFilesInTheCurrentFormatUnderTheirName) {
  test::TDateiBau v2;
  v2.Roh("Morvane 2.0  Wertpapier-Datei\x1A").KurzText("Alt", 255).Int32(0);
  const std::string id = dv + "Aktien/y.MV2";
  test::DateiAnlegen(id, v2.Daten());

  TKurse neu;
  neu.Setze(Kurs(kTag, 12), TSetzModus::Ersetzen);
  store.KurseMischen(id, neu);
  EXPECT_EQ(test::DateiInhalt(id).substr(0, 30), "Morvane 3.5  Wertpapier-Datei\x1A");
  const TWertpapier w = TWP_ImportExport_MV35().WertpapierLaden(id);
  EXPECT_EQ(w.Bezeichnung, "Alt");
  EXPECT_EQ(w.Kurse.Anzahl(), 1);
}

TEST_F(Verwaltung, ReadModifyWriteKeepsWhatItDoesNotChange) {
  const std::string id = dv + "Aktien/neu.mv3";
  TWPStammdaten s;
  s.Bezeichnung = "Neu";
  store.StammdatenAendern(id, s);  // creates the security
  EXPECT_EQ(store.StammdatenLaden(id).Bezeichnung, "Neu");

  TWPTransaktionen t;
  t.Einfuegen(TTransaktionKauf(kTag, 1, 10, 10));
  store.TransaktionenAendern(id, t);
  TKurse k;
  k.Setze(Kurs(kTag, 10), TSetzModus::Ersetzen);
  store.KurseAendern(id, k);
  s.Bezeichnung = "Umbenannt";
  store.StammdatenAendern(id, s);
  TKurse dazu;
  dazu.Setze(TKurs{kTag, 0, 0, 11, 0, 0, 0}, TSetzModus::Ersetzen);
  dazu.Setze(Kurs(kTag + 1, 13), TSetzModus::Ersetzen);
  store.KurseMischen(id, dazu);

  const TWertpapier w = store.WertpapierLaden(id);
  EXPECT_EQ(w.Bezeichnung, "Umbenannt");
  EXPECT_EQ(w.Transaktionen, t);
  ASSERT_EQ(w.Kurse.Anzahl(), 2);
  EXPECT_EQ(w.Kurse.Kurs(0)->Schluss, 11);
}

TEST_F(Verwaltung, ChangeErrorsNameTheIdAndKeepTheDamagedFile) {
  const std::string id = dv + "Aktien/kaputt.mv3";
  test::DateiAnlegen(id, "kaputt");
  EXPECT_THROW_MSG(store.StammdatenAendern(id, TWPStammdaten()), EWPVerwaltung,
                   "Konnte Stammdaten mit ID '" + id + "' nicht ändern: " + Ungueltig(id));
  EXPECT_THROW_MSG(store.TransaktionenAendern(id, TWPTransaktionen()), EWPVerwaltung,
                   "Konnte Transaktionen mit ID '" + id + "' nicht ändern: " + Ungueltig(id));
  EXPECT_THROW_MSG(store.KurseAendern(id, TKurse()), EWPVerwaltung,
                   "Konnte Kurse mit ID '" + id + "' nicht ändern: " + Ungueltig(id));
  EXPECT_THROW_MSG(store.KurseMischen(id, TKurse()), EWPVerwaltung, Ungueltig(id));
  EXPECT_EQ(test::DateiInhalt(id), "kaputt");

  const std::string inDatei = dv + "Aktien/kaputt.mv3/x.mv3";
  EXPECT_EQ(test::AusnahmeMeldung([&] { store.WertpapierSpeichern(inDatei, TWertpapier()); })
                .rfind("Konnte Wertpapier mit ID '" + inDatei +
                           "' nicht speichern: Konnte Datei '" + inDatei + "' nicht schreiben: ",
                       0),
            0u);
}

// A file whose price count was lowered from 3 to 1: the two records behind
// it are still there, readers stop before them.
class GesenkteAnzahl : public Verwaltung {
 protected:
  const std::string id = dv + "Aktien/kaputt.mv3";
  std::string inhalt;
  std::vector<std::string> hinweise;

  void SetUp() override {
    TWertpapier w;
    w.Bezeichnung = "Kaputt";
    for (int i = 0; i < 3; ++i)
      w.Kurse.Setze(Kurs(kTag + i, 10 + i), TSetzModus::Ersetzen);
    inhalt = TWP_ImportExport_MV35::Kodieren(w);
    const std::size_t anzahl = inhalt.size() - 3 * 52 - 4;
    ASSERT_EQ(inhalt[anzahl], 3);
    inhalt[anzahl] = 1;
    test::DateiAnlegen(id, inhalt);
    store.HinweiseAn([&](const std::string& h) { hinweise.push_back(h); });
  }
  std::string Beschaedigt() const {
    return "Die Datei '" + id + "' ist beschädigt: Nach der Kursliste folgen noch 104 " +
           "ungelesene Bytes.";
  }
};

TEST_F(GesenkteAnzahl, NoWriterReplacesTheFileAndLoadingSaysSo) {
  const std::string grund =
      Beschaedigt() + " Sie wird nicht überschrieben, damit diese Bytes erhalten bleiben.";
  const std::vector<std::pair<std::function<void()>, std::string>> schreiber = {
      {[&] { store.WertpapierAendern(id, [](TWertpapier& w) { w.Kommentar = "x"; }); }, grund},
      {[&] { store.StammdatenAendern(id, TWPStammdaten()); },
       "Konnte Stammdaten mit ID '" + id + "' nicht ändern: " + grund},
      {[&] { store.TransaktionenAendern(id, TWPTransaktionen()); },
       "Konnte Transaktionen mit ID '" + id + "' nicht ändern: " + grund},
      {[&] { store.KurseAendern(id, TKurse()); },
       "Konnte Kurse mit ID '" + id + "' nicht ändern: " + grund},
      {[&] { store.KurseMischen(id, TKurse()); }, grund},
  };
  for (const auto& [schreiben, meldung] : schreiber) {
    EXPECT_THROW_MSG(schreiben(), EWPVerwaltung, meldung);
    EXPECT_EQ(test::DateiInhalt(id), inhalt);
  }
  // Loading shows what the counts declare, and says so when it reaches the end.
  EXPECT_EQ(store.KurseLaden(id).Anzahl(), 1);
  EXPECT_EQ(store.StammdatenLaden(id).Bezeichnung, "Kaputt");
  EXPECT_EQ(hinweise, std::vector<std::string>{Beschaedigt()});
}

// Records a reader drops (here a day of 0, outside every valid year) are
// counted and named, never dropped without a word.
TEST_F(Verwaltung, LoadingNamesThePriceRecordsItDrops) {
  TWertpapier w;
  for (int i = 0; i < 3; ++i)
    w.Kurse.Setze(Kurs(kTag + i, 10 + i), TSetzModus::Ersetzen);
  std::string inhalt = TWP_ImportExport_MV35::Kodieren(w);
  inhalt.replace(inhalt.size() - 3 * 52, 4, std::string(4, '\0'));
  const std::string id = dv + "Aktien/luecke.mv3";
  test::DateiAnlegen(id, inhalt);
  std::vector<std::string> hinweise;
  store.HinweiseAn([&](const std::string& h) { hinweise.push_back(h); });
  EXPECT_EQ(store.KurseLaden(id).Anzahl(), 2);
  EXPECT_EQ(hinweise,
            std::vector<std::string>{"Die Datei '" + id +
                                     "' enthält 1 ungültigen Kurs; er wurde übergangen."});
}

TEST_F(Verwaltung, AFailedChangeLeavesTheFileAsItWas) {
  const std::string id = Speichern("Aktien/x.mv3");
  const std::string vorher = test::DateiInhalt(id);
  const auto halbGeaendert = [](TWertpapier& w) {
    w.Bezeichnung = "halb geändert";
    throw EWertpapier("Ungültiges Split-Verhältnis.");
  };
  EXPECT_THROW_MSG(store.WertpapierAendern(id, halbGeaendert), EWertpapier,
                   "Ungültiges Split-Verhältnis.");
  EXPECT_EQ(test::DateiInhalt(id), vorher);
  store.WertpapierAendern(id, [](TWertpapier& w) { w.Bezeichnung = "Geändert"; });
  EXPECT_EQ(store.StammdatenLaden(id).Bezeichnung, "Geändert");
}

TEST_F(Verwaltung, NeueIdReservesTheFileForTheNewSecurity) {
  const std::string id = store.NeueID("Neu", "Papier");
  EXPECT_EQ(id, dv + "Neu/Papier.mv3");
  EXPECT_EQ(test::DateiInhalt(id), "");
  EXPECT_EQ(store.NeueID("Neu", "Papier"), dv + "Neu/Papier (1).mv3");
  // The reserved empty file counts as a new security.
  TWPStammdaten s;
  s.Bezeichnung = "Papier";
  store.StammdatenAendern(id, s);
  EXPECT_EQ(store.StammdatenLaden(id).Bezeichnung, "Papier");

  test::DateiAnlegen(dv + "Datei", "");
  EXPECT_THROW_MSG(store.NeueID("Datei", "x"), EWPVerwaltung,
                   "Konnte Datei '" + dv + "Datei/x.mv3' nicht anlegen: Kein Verzeichnis");
}

TEST_F(Verwaltung, ConcurrentMergesLoseNoUpdate) {
  const std::string id = Speichern("Aktien/x.mv3");
  constexpr int kRunden = 25;
  const auto mischen = [&](int versatz) {
    TWPVerwaltung eigener(dv);
    for (int i = 0; i < kRunden; ++i) {
      TKurse k;
      k.Setze(Kurs(kTag + 1 + versatz + 2 * i, 20), TSetzModus::Ersetzen);
      eigener.KurseMischen(id, k);
    }
  };
  std::thread a(mischen, 0);
  std::thread b(mischen, 1);
  a.join();
  b.join();
  EXPECT_EQ(store.KurseLaden(id).Anzahl(), 1 + 2 * kRunden);
}

TEST_F(Verwaltung, DeletingFilesAndCatalogs) {
  const std::string id = Speichern("Aktien/a.mv3");
  Speichern("Aktien/b.mv2");
  store.WertpapierLoeschen(id);
  EXPECT_FALSE(store.Existiert(id));
  EXPECT_THROW_MSG(
      store.WertpapierLoeschen(id), EWPVerwaltung,
      "Konnte Datei '" + id + "' nicht löschen: Datei oder Verzeichnis nicht gefunden");

  fs::create_directory(dv + "Aktien/unter");
  EXPECT_THROW_MSG(store.KatalogLoeschen("Aktien"), EWPVerwaltung,
                   "Konnte Katalog 'Aktien' nicht löschen: Verzeichnis ist nicht leer");
  EXPECT_FALSE(store.Existiert(dv + "Aktien/b.mv2"));
  fs::remove(dv + "Aktien/unter");
  store.KatalogLoeschen("Aktien");
  EXPECT_FALSE(fs::exists(dv + "Aktien"));
}

TEST_F(Verwaltung, RenamingACatalogNeverReplacesAnother) {
  Speichern("Aktien/a.mv3");
  fs::create_directory(dv + "Leer");
  EXPECT_THROW_MSG(store.Umbenennen("Aktien", "Leer"), EWPVerwaltung, "Datei existiert bereits");
  EXPECT_TRUE(fs::exists(dv + "Aktien/a.mv3"));
  store.Umbenennen("Aktien", "Werte");
  EXPECT_TRUE(fs::exists(dv + "Werte/a.mv3"));
  EXPECT_THROW_MSG(store.Umbenennen("Aktien", "Neu"), EWPVerwaltung,
                   "Datei oder Verzeichnis nicht gefunden");
}

}  // namespace
}  // namespace morvane
