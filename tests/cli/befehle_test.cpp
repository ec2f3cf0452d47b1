#include "app/cli/befehle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/datumtext.h"
#include "indicators/depotindikatoren.h"
#include "indicators/indanalyse.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

struct TErgebnis {
  int Code;
  std::string Aus;
  std::string Meldung;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(basis_ / "daten"); }

  TErgebnis Lauf(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(),
                     {"--programmverzeichnis", basis_.string(), "--datenverzeichnis", Daten()});
    std::ostringstream aus, meldung;
    const int code = CliAusfuehren(argumente, aus, meldung);
    return {code, aus.str(), meldung.str()};
  }
  std::string Daten() const { return (basis_ / "daten").string() + "/"; }
  std::string Datei(const std::string& name, const std::string& inhalt) const {
    const std::string pfad = (basis_ / name).string();
    std::ofstream(pfad) << inhalt;
    return pfad;
  }
  // A security "Depot/Test AG" with three prices.
  std::string TestWertpapier() {
    const TErgebnis r = Lauf({"anlegen", "Depot", "Test AG", "--isin", "DE0001", "--waehrung",
                              "EUR", "--typ", "0", "--boerse", "3"});
    EXPECT_EQ(r.Code, 0) << r.Meldung;
    const std::string id = r.Aus.substr(0, r.Aus.size() - 1);
    const std::string csv = Datei("k.csv",
                                  "Datum;Schluss;Umsatz\n"
                                  "02.01.2024;10,5;100\n03.01.2024;11;\n04.01.2024;12.25;300\n");
    EXPECT_EQ(Lauf({"importiere", id, csv}).Code, 0);
    return id;
  }

  test::TTempVerzeichnis verzeichnis_;
  const fs::path basis_ = fs::path(verzeichnis_.Pfad()).parent_path();
};

TEST_F(CliTest, AnlegenStammdatenUndKataloge) {
  const std::string id = TestWertpapier();
  EXPECT_EQ(id, Daten() + "Depot/Test AG.mv3");
  EXPECT_EQ(Lauf({"anlegen", "Aaa", "X"}).Code, 0);
  EXPECT_EQ(Lauf({"kataloge"}).Aus, "Aaa\nDepot\n");
  EXPECT_EQ(Lauf({"wertpapiere", "Depot"}).Aus, id + "\tTest AG\n");
  const TErgebnis s = Lauf({"stammdaten", id});
  EXPECT_EQ(s.Code, 0);
  EXPECT_NE(s.Aus.find("Katalog\tDepot\nBezeichnung\tTest AG\nWKN\t\nISIN\tDE0001\nBoerse\t3\n"
                       "Kommentar\t\nWPTyp\t0\nWaehrung\tEUR\nKaufAbs\t0\n"),
            std::string::npos)
      << s.Aus;
  EXPECT_NE(s.Aus.find("KursquellenManuell\t0\nQuelleAktuell1\t\n"), std::string::npos);
  EXPECT_NE(s.Aus.find("IDHistorisch3\t\n"), std::string::npos);
  EXPECT_EQ(Lauf({"stammdaten", Daten() + "Depot/fehlt.mv3"}).Code, 1);
}

TEST_F(CliTest, KurseMitZeitraumUndImportbericht) {
  const std::string id = TestWertpapier();
  EXPECT_EQ(Lauf({"kurse", id}).Aus,
            "02.01.2024\t-\t-\t-\t10.5\t-\t100\n"
            "03.01.2024\t-\t-\t-\t11\t-\t-\n"
            "04.01.2024\t-\t-\t-\t12.25\t-\t300\n");
  EXPECT_EQ(Lauf({"kurse", id, "--von", "3.1.24", "--bis", "03.01.2024"}).Aus,
            "03.01.2024\t-\t-\t-\t11\t-\t-\n");
  const std::string csv = Datei("b.csv", "Date,Close\n2024-01-03,0.1\n2024-01-06,5\nx,1\n");
  const TErgebnis r = Lauf({"importiere", id, csv});
  EXPECT_EQ(r.Code, 0);
  EXPECT_EQ(r.Meldung,
            "1 Kurse übernommen, 2 Zeilen abgelehnt.\nZeile 3: ungültiges Datum \"2024-01-06\"\n"
            "Zeile 4: ungültiges Datum \"x\"\n");
  EXPECT_EQ(Lauf({"kurse", id, "--von", "03.01.2024", "--bis", "03.01.2024"}).Aus,
            "03.01.2024\t-\t-\t-\t0.10000000000000001\t-\t-\n");
  EXPECT_EQ(Lauf({"importiere", id, (basis_ / "fehlt.csv").string()}).Code, 1);
}

TEST_F(CliTest, TransaktionenSplitUndListe) {
  const std::string id = TestWertpapier();
  EXPECT_EQ(Lauf({"transaktion", id, "kauf", "02.01.2024", "10", "10,5", "110"}).Code, 0);
  EXPECT_EQ(Lauf({"transaktion", id, "sonstige", "3.1.24", "5.5"}).Code, 0);
  const TErgebnis zuviel = Lauf({"transaktion", id, "verkauf", "04.01.2024", "20", "12", "240"});
  EXPECT_EQ(zuviel.Code, 1);
  EXPECT_FALSE(zuviel.Meldung.empty());
  EXPECT_EQ(Lauf({"split", id, "04.01.2024", "1", "2"}).Code, 0);
  EXPECT_EQ(Lauf({"transaktionen", id}).Aus,
            "02.01.2024\tKauf\t10\t10,50\t110,00\n"
            "03.01.2024\tSonstige\t\t\t5,50\n"
            "04.01.2024\tSplit\t1 : 2\t\t\n");
  // Prices before the split are halved.
  EXPECT_EQ(Lauf({"kurse", id, "--bis", "02.01.2024"}).Aus, "02.01.2024\t-\t-\t-\t5.25\t-\t200\n");
  const TErgebnis liste = Lauf({"liste", "wp-transaktionen", id});
  EXPECT_EQ(liste.Code, 0);
  EXPECT_EQ(liste.Aus.substr(0, liste.Aus.find('\n')),
            "Datum\tTyp\tStück\talter/neuer Bestand\tAusgaben/Einnahmen\tSumme bisher\t"
            "realisierter Gewinn\tin %");
  // The separator and closing marker rows are for the windows, not for text.
  EXPECT_EQ(liste.Aus.find("\n-1\n"), std::string::npos) << liste.Aus;
  EXPECT_EQ(liste.Aus.find("\n-2\n"), std::string::npos) << liste.Aus;
}

TEST_F(CliTest, UnlesbareDateiLegtDenKatalogNichtLahm) {
  const std::string id = TestWertpapier();
  EXPECT_EQ(Lauf({"transaktion", id, "kauf", "02.01.2024", "10", "10,5", "110"}).Code, 0);
  const std::string leer = Daten() + "Depot/Leer.mv3";
  { std::ofstream{leer}; }
  const std::string uebersprungen = "Wertpapier übersprungen: Die ID '" + leer +
                                    "' verweist auf keine gültige Wertpapier-Datei.\n";
  const TErgebnis w = Lauf({"wertpapiere", "Depot"});
  EXPECT_EQ(w.Code, 0);
  EXPECT_EQ(w.Aus, id + "\tTest AG\n");
  EXPECT_EQ(w.Meldung, uebersprungen);
  for (const char* liste : {"depot-uebersicht", "depot-gewinne", "volatilitaet", "depot-signale"}) {
    const TErgebnis l = Lauf({"liste", liste, "--datum", "04.01.2024"});
    EXPECT_EQ(l.Code, 0) << liste;
    EXPECT_NE(l.Aus.find("\nDepot / Test AG"), std::string::npos) << liste << l.Aus;
    EXPECT_EQ(l.Meldung, uebersprungen) << liste;
  }
}

TEST_F(CliTest, ZuKleineKursanzahlWirdGemeldetUndNieUeberschrieben) {
  const std::string id = TestWertpapier();
  std::string inhalt = test::DateiInhalt(id);
  inhalt[inhalt.size() - 3 * 52 - 4] = 1;  // three prices, one declared
  std::ofstream(id, std::ios::binary) << inhalt;
  const std::string beschaedigt = "Die Datei '" + id +
                                  "' ist beschädigt: Nach der Kursliste folgen noch 104 "
                                  "ungelesene Bytes.";
  const TErgebnis k = Lauf({"kurse", id});
  EXPECT_EQ(k.Aus, "02.01.2024\t-\t-\t-\t10.5\t-\t100\n");
  EXPECT_EQ(k.Meldung, beschaedigt + "\n");
  const TErgebnis t = Lauf({"transaktion", id, "sonstige", "3.1.24", "1"});
  EXPECT_EQ(t.Code, 1);
  EXPECT_EQ(t.Meldung, beschaedigt +
                           " Sie wird nicht überschrieben, damit diese Bytes erhalten "
                           "bleiben.\n");
  EXPECT_EQ(test::DateiInhalt(id), inhalt);
}

TEST_F(CliTest, DepotListen) {
  const std::string id = TestWertpapier();
  Lauf({"transaktion", id, "kauf", "02.01.2024", "10", "10,5", "110"});
  const TErgebnis u =
      Lauf({"liste", "depot-uebersicht", "--kataloge", "Depot", "--datum", "04.01.2024"});
  EXPECT_EQ(u.Code, 0) << u.Meldung;
  EXPECT_EQ(u.Aus.substr(0, u.Aus.find('\n')),
            "Katalog / WP-Bezeichnung\tBestand\tKurs\tGV-Grenze\tMarktwert\tBuchgewinn\tin %");
  EXPECT_NE(u.Aus.find("\nDepot / Test AG\t10\t12,25 EUR\t"), std::string::npos) << u.Aus;
  EXPECT_EQ(Lauf({"liste", "depot-gewinne", "--datum", "04.01.2024"}).Code, 0);
  const TErgebnis v = Lauf({"liste", "volatilitaet", "--datum", "04.01.2024", "--tage", "2"});
  EXPECT_EQ(v.Code, 0);
  EXPECT_EQ(v.Aus.substr(0, v.Aus.find('\n')), "Katalog / WP-Bezeichnung\tVolatilität");
  const TErgebnis falsch = Lauf({"liste", "depot-gewinne", "--datum", "32.1.2024"});
  EXPECT_EQ(falsch.Code, 1);
  EXPECT_EQ(falsch.Meldung, "Ungültiges Datum eingegeben!\n");
}

TEST_F(CliTest, SkriptGibtDatensaetzeAus) {
  const std::string skript = Datei("s.txt", "datensatz datum kassa ende\n");
  const std::string seite = Datei("p.txt", "05.01.2024 12,5\n08.01.2024 13\n");
  const TErgebnis r = Lauf({"skript", skript, seite});
  EXPECT_EQ(r.Code, 0) << r.Meldung;
  EXPECT_EQ(r.Aus, "\t05.01.2024\t-\t-\t-\t-\t12.5\t-\n\t08.01.2024\t-\t-\t-\t-\t13\t-\n");
  const TErgebnis fehler = Lauf({"skript", Datei("f.txt", "datum(format \"XX\") kassa\n"), seite});
  EXPECT_EQ(fehler.Code, 1);
  EXPECT_EQ(fehler.Meldung.rfind("Fehler im Skript an Position ", 0), 0u) << fehler.Meldung;
}

TEST_F(CliTest, BeispieldatenUeberschreibenNichts) {
  const std::string ziel = (basis_ / "beispiel").string();
  const TErgebnis r = Lauf({"beispieldaten", ziel});
  ASSERT_EQ(r.Code, 0) << r.Meldung;
  EXPECT_EQ(r.Aus.substr(0, r.Aus.find('\n')), ziel + "/Beispiele/Apple.mv3");
  std::vector<std::string> args = {"--programmverzeichnis", basis_.string(), "--datenverzeichnis",
                                   ziel};
  std::ostringstream aus, meldung;
  args.insert(args.end(), {"transaktionen", ziel + "/Beispiele/Apple.mv3"});
  EXPECT_EQ(CliAusfuehren(args, aus, meldung), 0);
  EXPECT_EQ(aus.str(),
            "03.06.2013\tKauf\t100\t64,39\t6 451,50\n13.02.2014\tSonstige\t\t\t43,57\n"
            "02.03.2015\tVerkauf\t50\t129,09\t6 442,00\n");
  const TErgebnis wieder = Lauf({"beispieldaten", ziel});
  EXPECT_EQ(wieder.Code, 1);
  EXPECT_EQ(wieder.Meldung, "Die Datei '" + ziel +
                                "/Beispiele/Apple.mv3' existiert bereits und wird nicht "
                                "überschrieben.\n");
}

TEST_F(CliTest, FalscherAufrufGibtCode2) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"gibtsnicht"},
                                             {"kurse"},
                                             {"kataloge", "zuviel"},
                                             {"kurse", "id", "--von"},
                                             {"kurse", "id", "--unbekannt", "x"},
                                             {"kurse", "id", "--von", "31.2.2024"},
                                             {"anlegen", "K", "N", "--typ", "3"},
                                             {"transaktion", "id", "tausch", "1.1.2024", "1"},
                                             {"liste", "gibtsnicht"},
                                             {"liste", "depot-uebersicht"}}) {
    const TErgebnis r = Lauf(args);
    EXPECT_EQ(r.Code, 2) << ::testing::PrintToString(args);
    EXPECT_NE(r.Meldung.find("Aufruf: morvane-cli"), std::string::npos);
    EXPECT_TRUE(r.Aus.empty());
  }
  const TErgebnis hilfe = Lauf({"kurse", "--help"});
  EXPECT_EQ(hilfe.Code, 0);
  EXPECT_EQ(hilfe.Aus, "Aufruf: morvane-cli kurse ID [--von DATUM] [--bis DATUM]\n");
}

}  // namespace
}  // namespace morvane

namespace morvane {
namespace {

// An indicator set needs a longer series: 80 trading days from 02.01.2024.
class IndikatorTest : public CliTest {
 protected:
  std::string Wertpapier() {
    const std::string id = Lauf({"anlegen", "Depot", "Ind"}).Aus;
    std::string csv = "Datum,Hoch,Tief,Schluss\n";
    Boersentag tag = BoersentagAusDatum(2, 1, 2024);
    for (int i = 0; i < 80; ++i, ++tag) {
      const double schluss = 100 + (i % 7) * 1.5 + i * 0.25;
      csv += BoersentagZuText(tag) + "," + Zahl17(schluss + 1) + "," + Zahl17(schluss - 1) + "," +
             Zahl17(schluss) + "\n";
    }
    const std::string pfad = id.substr(0, id.size() - 1);
    EXPECT_EQ(Lauf({"importiere", pfad, Datei("i.csv", csv)}).Code, 0);
    analyse_.emplace(vorlagen_);
    analyse_->Berechnen(TWPVerwaltung(Daten()).KurseLaden(pfad));
    return pfad;
  }
  TIndVorlagen vorlagen_;
  std::optional<TIndAnalyse> analyse_;
};

TEST_F(IndikatorTest, SignaleReihenUndInfo) {
  const std::string id = Wertpapier();
  const Boersentag tag = BoersentagAusDatum(22, 4, 2024);
  const TErgebnis s = Lauf({"signale", id, "22.04.2024"});
  ASSERT_EQ(s.Code, 0) << s.Meldung;
  std::string erwartet;
  for (int g = 1; g <= 3; ++g) {
    for (int i = 0; i < analyse_->Anzahl(g); ++i) {
      const TIndikator& ind = analyse_->Indikator(g, i);
      const auto wert = ind.Signal() ? ind.Signal()->Lesen(tag) : std::nullopt;
      erwartet += std::to_string(g) + "\t" + std::to_string(i) + "\t" + ind.Kurzbezeichnung() +
                  "\t" + (wert ? Zahl17(*wert) : "-") + "\n";
    }
  }
  EXPECT_EQ(s.Aus, erwartet);
  EXPECT_EQ(s.Aus.substr(0, 7), "1\t0\tRSI");

  const TErgebnis r = Lauf({"reihen", id, "1", "0"});
  ASSERT_EQ(r.Code, 0) << r.Meldung;
  const TIndikator& rsi = analyse_->Indikator(1, 0);
  const std::string erste = r.Aus.substr(0, r.Aus.find('\n'));
  const Boersentag von = rsi.Oszillator()->Von();
  EXPECT_EQ(erste.substr(0, 10), BoersentagZuText(von));
  EXPECT_EQ(r.Aus.substr(r.Aus.rfind('\n', r.Aus.size() - 2) + 1, 10), "22.04.2024");
  EXPECT_EQ(Lauf({"reihen", id, "1", "99"}).Code, 2);

  const TErgebnis info = Lauf({"info", id, "1", "0", "22.04.2024"});
  std::string text = rsi.Info(tag);
  std::replace(text.begin(), text.end(), '\r', '\n');
  EXPECT_EQ(info.Aus, text + "\n");
  EXPECT_EQ(info.Aus.rfind("Signal: ", 0), 0u);
  EXPECT_EQ(Lauf({"info", id, "1", "0", "20.04.2024"}).Code, 2);  // Saturday
}

TEST_F(IndikatorTest, DepotIndikatorlisten) {
  Wertpapier();
  const Kalendertag tag = KalendertagAusDatum(22, 4, 2024);
  const auto text = [](const TDepotIndListe& l) {
    std::string t;
    for (std::size_t i = 0; i < l.Spalten.size(); ++i)
      t += (i ? "\t" : "") + l.Spalten[i];
    t += "\n";
    for (const std::string& z : l.Zeilen) {
      if (z != kKatalogTrenner && z != kListenende) t += z + "\n";
    }
    return t;
  };
  const TWPVerwaltung verwaltung(Daten());
  const TErgebnis s = Lauf({"liste", "depot-signale", "--kataloge", "Depot", "--datum", "22.4.24"});
  ASSERT_EQ(s.Code, 0) << s.Meldung;
  EXPECT_EQ(s.Aus, text(DepotIndikatorsignale(verwaltung, vorlagen_, {"Depot"}, tag)));
  EXPECT_EQ(s.Aus.substr(0, s.Aus.find('\t')), "Katalog / WP-Bezeichnung");
  EXPECT_NE(s.Aus.find("\nDepot / Ind\t"), std::string::npos);

  const TErgebnis e =
      Lauf({"liste", "depot-einzelindikator", "--datum", "22.04.2024", "--indikator", "2:1"});
  ASSERT_EQ(e.Code, 0) << e.Meldung;
  EXPECT_EQ(e.Aus, text(DepotEinzelindikator(verwaltung, vorlagen_, {"Depot"}, tag, {2, 1})));
  EXPECT_EQ(Lauf({"liste", "depot-einzelindikator", "--datum", "22.04.2024"}).Code, 2);
  EXPECT_EQ(
      Lauf({"liste", "depot-einzelindikator", "--datum", "22.04.2024", "--indikator", "4:0"}).Code,
      2);
}

}  // namespace
}  // namespace morvane
