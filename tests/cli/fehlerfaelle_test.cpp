#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "app/cli/befehle.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

struct TLauf {
  int Code;
  std::string Aus;
  std::string Meldung;
};

// An output that cannot be written, like a full disk behind standard output.
class TVolleAusgabe : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
};

class CliFehler : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Daten() + "Depot");
    id_ = Lauf({"anlegen", "Depot", "Test AG"}).Aus;
    id_.pop_back();
    ASSERT_EQ(Lauf({"importiere", id_, Datei("k.csv", "Datum;Schluss\n02.01.2024;10\n")}).Code, 0);
    ASSERT_EQ(::mkfifo(Pfad("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((Daten() + "Depot/Rohr.mv3").c_str(), 0600), 0);
  }

  TLauf Lauf(std::vector<std::string> argumente, std::ostream* aus = nullptr) {
    argumente.insert(argumente.begin(),
                     {"--programmverzeichnis", tmp_.Pfad(), "--datenverzeichnis", Daten()});
    std::ostringstream text, meldung;
    const int code = CliAusfuehren(argumente, aus ? *aus : text, meldung);
    return {code, text.str(), meldung.str()};
  }
  std::string Pfad(const std::string& name) const { return tmp_.Pfad() + name; }
  std::string Daten() const { return tmp_.Pfad() + "daten/"; }
  std::string Datei(const std::string& name, const std::string& inhalt) const {
    std::ofstream(Pfad(name), std::ios::binary) << inhalt;
    return Pfad(name);
  }

  test::TTempVerzeichnis tmp_;
  std::string id_;
};

// Exit status 0 only when the command did its work; every failure names what
// failed in German. A pipe or an endless device in place of a file is refused
// at once (the test would hang otherwise).
TEST_F(CliFehler, ExitStatusUndMeldungsanfang) {
  const std::string rohr = Daten() + "Depot/Rohr.mv3";
  const std::string leer = Datei("leer.csv", "Date,Close\nx,1\n2024-01-06,2\n");
  const std::string skript = Datei("s.txt", "datensatz datum kassa ende\n");
  const std::string seite = Datei("p.txt", "05.01.2024 12,5\n");
  Datei("datei", "");
  Datei("Depot-kaputt", "");
  Datei("daten/Depot/Kaputt.mv3", "kein Wertpapier");
  const struct {
    std::vector<std::string> Argumente;
    int Code;
    std::string Anfang;
  } faelle[] = {
      {{"--datenverzeichnis", Pfad("gibtesnicht"), "kataloge"},
       1,
       "Das Datenverzeichnis '" + Pfad("gibtesnicht/") + "' existiert nicht."},
      {{"--datenverzeichnis", Pfad("datei"), "kataloge"},
       1,
       "Das Datenverzeichnis '" + Pfad("datei/") + "' ist kein Verzeichnis."},
      {{"wertpapiere", "Gibtesnicht"}, 1, "Der Katalog 'Gibtesnicht' existiert nicht."},
      {{"liste", "depot-uebersicht", "--kataloge", "Depot,Gibtesnicht", "--datum", "04.01.2024"},
       1,
       "Der Katalog 'Gibtesnicht' existiert nicht."},
      {{"importiere", id_, leer},
       1,
       "Die Datei '" + leer + "' enthält keine gültigen Kurse: 0 Kurse übernommen, 2 Zeilen"},
      {{"importiere", id_, Pfad("fehlt.csv")},
       1,
       "Konnte Datei '" + Pfad("fehlt.csv") +
           "' nicht lesen: Datei oder Verzeichnis nicht gefunden"},
      {{"importiere", id_, Pfad("fifo")},
       1,
       "Konnte Datei '" + Pfad("fifo") + "' nicht lesen: Keine reguläre Datei"},
      {{"importiere", id_, "/dev/zero"},
       1,
       "Konnte Datei '/dev/zero' nicht lesen: Keine reguläre Datei"},
      {{"skript", Pfad("fifo"), seite},
       1,
       "Konnte Datei '" + Pfad("fifo") + "' nicht lesen: Keine reguläre Datei"},
      {{"skript", skript, "/dev/zero"},
       1,
       "Konnte Datei '/dev/zero' nicht lesen: Keine reguläre Datei"},
      {{"stammdaten", rohr}, 1, "Konnte Datei '" + rohr + "' nicht öffnen: Keine reguläre Datei"},
      {{"stammdaten", "/dev/zero"},
       1,
       "Konnte Datei '/dev/zero' nicht öffnen: Keine reguläre Datei"},
      {{"kurse", "/dev/zero"}, 1, "Konnte Datei '/dev/zero' nicht öffnen: Keine reguläre Datei"},
      {{"transaktion", rohr, "sonstige", "3.1.24", "5"},
       1,
       "Konnte Datei '" + rohr + "' nicht öffnen: Keine reguläre Datei"},
      {{"anlegen", "Depot", "X", "--isin", std::string(100000, 'I')},
       2,
       "Der Text für --isin ist zu lang (höchstens 65535 Zeichen).\nAufruf: morvane-cli anlegen"},
      {{"anlegen", "Depot", std::string(300, 'n')}, 1, "Konnte Datei '"},
      {{"beispieldaten", Pfad("datei/unter")},
       1,
       "Konnte Verzeichnis '" + Pfad("datei/unter") + "' nicht anlegen: Kein Verzeichnis"},
      // What held before still holds: usage errors and damaged files.
      {{"importiere", id_}, 2, "Zu wenige Argumente.\nAufruf: morvane-cli importiere"},
      {{"stammdaten", Daten() + "Depot/Kaputt.mv3"},
       1,
       "Die ID '" + Daten() + "Depot/Kaputt.mv3' verweist auf keine gültige Wertpapier-Datei."},
  };
  for (const auto& f : faelle) {
    const TLauf r = Lauf(f.Argumente);
    SCOPED_TRACE(::testing::PrintToString(f.Argumente).substr(0, 200));
    EXPECT_EQ(r.Code, f.Code) << r.Meldung;
    EXPECT_EQ(r.Meldung.substr(0, f.Anfang.size()), f.Anfang);
    EXPECT_LT(r.Meldung.size(), 1000u);
    EXPECT_EQ(r.Meldung.find("rror"), std::string::npos) << r.Meldung;
    EXPECT_EQ(r.Meldung.find("No such"), std::string::npos) << r.Meldung;
    if (f.Code != 0) {
      EXPECT_EQ(r.Aus, "");
    }
  }
  EXPECT_NE(Lauf({"anlegen", "Depot", std::string(300, 'n')}).Meldung.find("Dateiname zu lang"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(Daten() + "Depot/X.mv3"));
}

TEST_F(CliFehler, ImportMeldetDoppelteTageUndKuerztLangeFelder) {
  const TLauf doppelt = Lauf({"importiere", id_,
                              Datei("d.csv",
                                    "Date,Close\n2024-01-03,1\n2024-01-04,2\n"
                                    "2024-01-03,3\n")});
  EXPECT_EQ(doppelt.Code, 0);
  EXPECT_EQ(doppelt.Meldung,
            "2 Kurse übernommen, 1 Zeilen abgelehnt.\n"
            "Zeile 4: Datum 03.01.2024 doppelt (schon in Zeile 2)\n");
  const TLauf lang = Lauf(
      {"importiere", id_, Datei("l.csv", "Date,Close\n" + std::string(10 << 20, '7') + ",1\n")});
  EXPECT_EQ(lang.Code, 1);
  EXPECT_EQ(lang.Meldung, "Die Datei '" + Pfad("l.csv") +
                              "' enthält keine gültigen Kurse: 0 Kurse übernommen, 1 Zeilen "
                              "abgelehnt.\nZeile 2: ungültiges Datum \"" +
                              std::string(60, '7') + "…\"\n");
}

TEST_F(CliFehler, EineNichtGeschriebeneAusgabeIstEinFehler) {
  TVolleAusgabe voll;
  std::ostream aus(&voll);
  const TLauf r = Lauf({"kurse", id_}, &aus);
  EXPECT_EQ(r.Code, 1);
  EXPECT_EQ(r.Meldung, "Konnte die Ausgabe nicht schreiben.\n");
}

}  // namespace
}  // namespace morvane
