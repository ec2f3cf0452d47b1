#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/binaer.h"
#include "core/datei.h"
#include "online/kandidaten.h"
#include "online/quellendatei.h"
#include "online/quellenmanager.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

TQuelle Quelle(std::uint8_t art, const std::string& name) {
  TQuelle q;
  q.Art = art;
  q.Name = name;
  q.UrlVorlage = "http://kurse.example/<wkn>";
  q.Seitentyp = 1;
  q.Script = "suche(\"Kurs\") schluss";
  return q;
}

// A file with the given signature and one source per type code.
std::string DateiMitTypcodes(std::string_view signatur, std::initializer_list<int> codes) {
  TBinaerSchreiber s;
  s.Roh(signatur);
  s.Int32(730000);
  s.Word(static_cast<std::uint16_t>(codes.size()));
  for (int code : codes) {
    s.Byte(static_cast<std::uint8_t>(code));
    for (const char* text : {"Quelle", "x", "y", "adresse", "z"})
      s.Text(text);
    s.Byte(2);
    s.Text("schluss");
  }
  return s.Entnehmen();
}

class Verzeichnis : public ::testing::Test {
 protected:
  std::string Pfad(const std::string& name) const { return (pfad_ / name).string(); }

  test::TTempVerzeichnis verzeichnis_;
  const fs::path pfad_ = fs::path(verzeichnis_.Pfad()).parent_path();
};

TEST(Quelle, DisplayName) {
  EXPECT_EQ(Quelle(0, "Wertpapiere von Onvista [WKN]").Anzeigename(),
            "Internet (aktuell): Wertpapiere von Onvista [WKN]");
  EXPECT_EQ(Quelle(2, "Depot").Anzeigename(), "Textdatei (akt./hist.): Depot");
  EXPECT_TRUE(Quelle(4, "a").IstTextdatei());
  EXPECT_FALSE(Quelle(3, "a").IstTextdatei());
}

TEST(Quellendatei, RoundTripOfBothSignatures) {
  const std::vector<TQuelle> programm = {Quelle(0, "Börse"), Quelle(1, "b"), Quelle(2, "c"),
                                         Quelle(3, "d"), Quelle(4, "e")};
  std::vector<TQuelle> gelesen;
  const std::string daten = QuellenSchreiben(programm, TQuellenKopf::Programm, 731000);
  EXPECT_TRUE(daten.starts_with("Morvane 3  Kursquellen\x1A"));
  EXPECT_EQ(QuellenLesen(daten, gelesen), 731000);
  EXPECT_EQ(gelesen, programm);

  const std::vector<TQuelle> persoenlich = {Quelle(3, "d"), Quelle(4, "e")};
  gelesen.clear();
  const std::string eigene = QuellenSchreiben(persoenlich, TQuellenKopf::Persoenlich, 0);
  EXPECT_EQ(eigene.substr(0, 35), "Morvane 3  pers\xF6nliche Kursquellen\x1A");
  QuellenLesen(eigene, gelesen);
  EXPECT_EQ(gelesen, persoenlich);

  // The texts not interpreted here are written empty.
  TQuelle mitTexten = Quelle(3, "t");
  mitTexten.Text2 = mitTexten.Text3 = mitTexten.Text5 = "alt";
  gelesen.clear();
  QuellenLesen(QuellenSchreiben({mitTexten}, TQuellenKopf::Programm, 0), gelesen);
  EXPECT_EQ(gelesen[0].Text2 + gelesen[0].Text3 + gelesen[0].Text5, "");

  // A text too long for its 16-bit length is refused, not cut.
  TQuelle lang = Quelle(3, "lang");
  lang.Script = std::string(65536, 'x');
  EXPECT_THROW_MSG(QuellenSchreiben({lang}, TQuellenKopf::Programm, 0), EQuellendatei,
                   "Ein Text der Kursquelle 'lang' ist länger als 65535 Zeichen.");
  // A personal file would turn kind 0 into kind 3.
  EXPECT_THROW_MSG(QuellenSchreiben({Quelle(0, "a")}, TQuellenKopf::Persoenlich, 0), EQuellendatei,
                   "Die Kursquelle 'Internet (aktuell): a' kann nicht in einer persönlichen "
                   "Kursquellendatei gespeichert werden.");
}

TEST(Quellendatei, KindFollowsTypeCodeAndSignature) {
  std::vector<TQuelle> q;
  QuellenLesen(DateiMitTypcodes("Morvane 3  Kursquellen\x1A", {1, 2, 3, 4, 5, 0, 9}), q);
  std::string arten;
  for (const auto& quelle : q)
    arten += std::to_string(quelle.Art);
  EXPECT_EQ(arten, "0123433");
  q.clear();
  QuellenLesen(DateiMitTypcodes("Morvane 3  pers\xF6nliche Kursquellen\x1A", {1, 2, 3, 4, 5, 0, 9}),
               q);
  arten.clear();
  for (const auto& quelle : q)
    arten += std::to_string(quelle.Art);
  EXPECT_EQ(arten, "3343433");
  EXPECT_EQ(q[0].Name, "Quelle");
  EXPECT_EQ(q[0].Text2, "x");
  EXPECT_EQ(q[0].UrlVorlage, "adresse");
  EXPECT_EQ(q[0].Seitentyp, 2);
}

TEST(Quellendatei, DamagedFileKeepsTheSourcesBefore) {
  std::string daten = DateiMitTypcodes("Morvane 3  Kursquellen\x1A", {1, 2});
  daten.resize(daten.size() - 3);
  std::vector<TQuelle> q;
  EXPECT_THROW_MSG(QuellenLesen(daten, q), ELesefehler, "Lesefehler: unerwartetes Dateiende");
  EXPECT_EQ(q.size(), 1u);
  EXPECT_THROW_MSG(QuellenLesen("Morvane 3 Kursquellen", q), EQuellendatei,
                   "Die Datei ist keine Morvane-Kursquellendatei.");
}

TEST_F(Verzeichnis, ManagerLoadsProgramFileFirst) {
  QuellendateiSchreiben(Pfad("anwender.mvq"), {Quelle(4, "eigen")}, TQuellenKopf::Persoenlich, 0);
  QuellendateiSchreiben(Pfad("Quellen35.mvq"), {Quelle(0, "a"), Quelle(1, "b")},
                        TQuellenKopf::Programm, 0);
  TQuellenManager m(pfad_.string());
  ASSERT_EQ(m.Anzahl(), 3);
  EXPECT_EQ(m.Quelle(0).Anzeigename(), "Internet (aktuell): a");
  EXPECT_EQ(m.Quelle(2).Anzeigename(), "Textdatei: eigen");
  EXPECT_TRUE(m.Meldungen().empty());

  fs::remove(Pfad("anwender.mvq"));
  DateiAtomarSchreiben(Pfad("Quellen35.mvq"), "keine Quellen");
  m.NeuLaden();
  EXPECT_EQ(m.Anzahl(), 0);
  ASSERT_EQ(m.Meldungen().size(), 2u);
  EXPECT_EQ(m.Meldungen()[0],
            "Die Datei '" + Pfad("Quellen35.mvq") + "' ist keine Morvane-Kursquellendatei!");
  EXPECT_TRUE(m.Meldungen()[1].starts_with(
      "Die Kursquellen in 'anwender.mvq' konnten nicht gelesen werden!\n"));
}

TEST_F(Verzeichnis, VersionDate) {
  TEinstellungen einstellungen(pfad_.string());
  TLogbuch logbuch(einstellungen);
  QuellendateiSchreiben(Pfad("Quellen35.mvq"), {}, TQuellenKopf::Programm, 731234);
  EXPECT_EQ(TQuellenManager::Versionsdatum(pfad_.string(), logbuch), 731234);
  EXPECT_FALSE(fs::exists(Pfad("logbuch.txt")));

  fs::remove(Pfad("Quellen35.mvq"));
  EXPECT_EQ(TQuellenManager::Versionsdatum(pfad_.string(), logbuch), 0);
  logbuch.Schliessen();
  const std::string log = DateiLesen(Pfad("logbuch.txt"));
  EXPECT_NE(log.find("Versions-Datum der Kursquellen konnte nicht bestimmt werden aufgrund eines "
                     "Fehlers beim Lesen der Datei '" +
                     Pfad("Quellen35.mvq") + "' ("),
            std::string::npos)
      << log;
}

// An installed program finds the shipped files in ../share/morvane beside
// it; a file in the program directory (an online update's) comes first.
TEST_F(Verzeichnis, InstallierteDateiWennDasProgrammverzeichnisKeineHat) {
  const std::string programm = Pfad("prefix/bin/morvane");
  const std::string installiert = Pfad("prefix/share/morvane/Quellen35.mvq");
  EXPECT_EQ(QuellendateiFinden(Pfad("home"), "Quellen35.mvq", programm),
            Pfad("home/Quellen35.mvq"));
  fs::create_directories(Pfad("prefix/share/morvane"));
  DateiAtomarSchreiben(installiert, "x");
  EXPECT_EQ(QuellendateiFinden(Pfad("home"), "Quellen35.mvq", programm), installiert);
  fs::create_directories(Pfad("home"));
  DateiAtomarSchreiben(Pfad("home/Quellen35.mvq"), "x");
  EXPECT_EQ(QuellendateiFinden(Pfad("home"), "Quellen35.mvq", programm),
            Pfad("home/Quellen35.mvq"));
}

std::vector<TKandidat> Alle(const TWPStammdaten& wp, bool tageskurse) {
  TKandidaten k(wp, tageskurse);
  std::vector<TKandidat> liste;
  while (auto kandidat = k.Naechster())
    liste.push_back(*kandidat);
  return liste;
}

TEST(Kandidaten, ManualSourcesUpToTheFirstEmptyName) {
  TWPStammdaten wp;
  wp.KursquellenManuell = true;
  wp.QuelleAktuell = {"Internet: A", "Textdatei: B", ""};
  wp.IDAktuell = {"BAY,BAY.DE", "X,", "unbenutzt"};
  wp.QuelleHistorisch = {"", "Internet: C", ""};
  auto liste = Alle(wp, true);
  ASSERT_EQ(liste.size(), 2u);
  EXPECT_EQ(liste[0], (TKandidat{"Internet: A", "BAY", "BAY.DE"}));
  EXPECT_EQ(liste[1], (TKandidat{"Textdatei: B", "X", "X"}));
  EXPECT_TRUE(Alle(wp, false).empty());
  EXPECT_EQ(KennungTeilen("ABC"), (std::pair<std::string, std::string>{"ABC", "ABC"}));
  EXPECT_EQ(KennungTeilen(",q"), (std::pair<std::string, std::string>{"", "q"}));
  EXPECT_EQ(KennungTeilen("a,b,c"), (std::pair<std::string, std::string>{"a", "b,c"}));
}

TEST(Kandidaten, AutomaticSourceFromMasterData) {
  TWPStammdaten wp;
  wp.ISIN = "DE0005557508";
  wp.Boerse = 3;
  EXPECT_EQ(
      Alle(wp, true),
      (std::vector<TKandidat>{{"Internet (aktuell): Wertpapiere von Onvista [ISIN]", "", ""}}));
  wp.ISIN.clear();
  wp.Boerse = 9;  // unknown exchange counts as none
  EXPECT_EQ(Alle(wp, false)[0].Anzeigename,
            "Internet (historisch): Fonds außerbörslich von Onvista [WKN]");
  wp.WPTyp = 1;
  EXPECT_EQ(Alle(wp, true)[0].Anzeigename, "Internet (aktuell): Indizes von Onvista [WKN]");
  wp.WPTyp = 2;
  EXPECT_TRUE(Alle(wp, true).empty());
}

}  // namespace
}  // namespace morvane
