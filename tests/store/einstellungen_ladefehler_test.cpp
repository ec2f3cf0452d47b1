#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using Meldungen = std::vector<std::string>;

const std::string kFremd =
    "' ist keine Einstellungsdatei dieser Programmversion; es gelten die "
    "Voreinstellungen.";
const std::string kDateiende =
    "' ist beschädigt (Lesefehler: unerwartetes Dateiende); ab dieser Stelle gelten die "
    "Voreinstellungen.";

void Schreibe(const std::string& pfad, const std::string& inhalt) {
  std::ofstream(pfad, std::ios::binary) << inhalt;
}

std::string Lies(const std::string& pfad) {
  std::ifstream datei(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
}

// A settings file with a set data directory and print layout, and a block
// written as a number and a text.
struct TProbeBlock {
  std::int32_t Zahl = 42;
  std::string Text = "Indikatoren";
  void Schreibe(TBinaerSchreiber& s) const {
    s.Int32(Zahl);
    s.Text(Text);
  }
  void Lies(TBinaerLeser& l) {
    Zahl = l.Int32();
    Text = l.Text();
  }
};

std::string Probedatei() {
  TEinstellungen e("/nicht/vorhanden");
  e.SetzeDatenverzeichnis("/daten");
  e.DruckChartsProSeite = 3;
  e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  return e.Dateiinhalt();
}

class Ladefehler : public ::testing::Test {
 protected:
  std::string Cfg() const { return dir_.Pfad() + "morvane.cfg"; }
  test::TTempVerzeichnis dir_;
};

TEST_F(Ladefehler, JedeUnbrauchbareDateiWirdEinmalMitNamenGemeldet) {
  const std::string gut = Probedatei();
  // Data directory (2 + 7 bytes), then Reserviert and Maximiert: cut in the
  // middle of the window rectangle.
  const std::size_t imRechteck = 31 + 9 + 2 + 5;
  std::string zuViele = gut;
  // The count of ListenKataloge behind the five-byte empty schedule block.
  zuViele.replace(31 + 9 + 2 + 16 + 4 + 4 + 5, 4, "\xFF\xFF\xFF\x7F");
  struct TFall {
    const char* Name;
    std::string Inhalt;
    std::string Meldung;  // after the quoted path; empty for none
    std::string Datenverzeichnis;
    int ChartsProSeite;  // behind the damage: its default 1
  };
  const TFall faelle[] = {
      {"fremd", "Morvane 3.0  Einstellungen\x1A" + gut.substr(27), kFremd, "", 1},
      {"kürzer als der Kopf", gut.substr(0, 30), kFremd, "", 1},
      {"leer", "", kFremd, "", 1},
      {"abgeschnitten", gut.substr(0, imRechteck), kDateiende, "/daten/", 1},
      {"zu große Anzahl", zuViele,
       "' ist beschädigt (Lesefehler: ungültige Anzahl 2147483647); ab dieser Stelle gelten die "
       "Voreinstellungen.",
       "/daten/", 1},
      {"unversehrt", gut, "", "/daten/", 3},
  };
  for (const TFall& f : faelle) {
    Schreibe(Cfg(), f.Inhalt);
    TEinstellungen e(dir_.Pfad());
    e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
    const Meldungen erwartet =
        f.Meldung.empty() ? Meldungen{} : Meldungen{"Die Einstellungsdatei '" + Cfg() + f.Meldung};
    EXPECT_EQ(e.Ladefehler(), erwartet) << f.Name;
    EXPECT_EQ(e.EingestelltesDatenverzeichnis(), f.Datenverzeichnis) << f.Name;
    EXPECT_EQ(e.DruckChartsProSeite, f.ChartsProSeite) << f.Name;
    // Reading again starts afresh.
    e.Laden();
    EXPECT_EQ(e.Ladefehler(), erwartet) << f.Name;
  }
}

TEST_F(Ladefehler, UeberzaehligeBytesAmEndeWerdenGemeldet) {
  TEinstellungen e(dir_.Pfad());
  e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  EXPECT_TRUE(e.LadenAus(Probedatei() + "xy"));
  EXPECT_EQ(e.DruckChartsProSeite, 3);
  EXPECT_EQ(e.Ladefehler(), Meldungen{"Die Einstellungsdatei '" + Cfg() +
                                      "' ist beschädigt (2 überzählige Bytes am Ende); ab dieser "
                                      "Stelle gelten die Voreinstellungen."});
}

TEST_F(Ladefehler, FehlendeDateiIstKeinFehlerUnlesbareSchon) {
  EXPECT_TRUE(TEinstellungen(dir_.Pfad()).Ladefehler().empty());
  EXPECT_TRUE(TEinstellungen(dir_.Pfad() + "fehlt/").Ladefehler().empty());
  std::filesystem::create_directory(Cfg());
  EXPECT_EQ(TEinstellungen(dir_.Pfad()).Ladefehler(),
            Meldungen{"Die Einstellungsdatei '" + Cfg() +
                      "' ist nicht lesbar (Ist ein Verzeichnis); es gelten die Voreinstellungen."});
}

// Stand-ins for owners that read the block differently from how it was written.
struct TNurZahl {
  void Schreibe(TBinaerSchreiber&) const {}
  void Lies(TBinaerLeser& l) { l.Int32(); }
};
struct TZweiTexte {
  std::string Erster = "unberührt";
  void Schreibe(TBinaerSchreiber&) const {}
  void Lies(TBinaerLeser& l) {
    l.Text();
    Erster = "gelesen";
    l.Text();
  }
};

TEST_F(Ladefehler, SpaetEingesteckterBlockMeldetWasErNichtLesenKonnte) {
  const std::string kopf = "Die Einstellungsdatei '" + Cfg() + "' ist beschädigt (Block ";
  {
    TEinstellungen e(dir_.Pfad());
    ASSERT_TRUE(e.LadenAus(Probedatei()));
    e.Einstecken<TNurZahl>(TEinstellungsBlockArt::IndVorlagen);
    EXPECT_EQ(e.Ladefehler(),
              Meldungen{kopf + "'Indikatorvorlagen': 13 überzählige Bytes); ab dieser Stelle "
                               "gelten die Voreinstellungen."});
  }
  TEinstellungen e(dir_.Pfad());
  ASSERT_TRUE(e.LadenAus(Probedatei()));
  // The length of the first text is the number 42: far beyond the block.
  const auto& block = e.Einstecken<TZweiTexte>(TEinstellungsBlockArt::IndVorlagen);
  EXPECT_EQ(block.Erster, "unberührt");
  EXPECT_EQ(e.Ladefehler(), Meldungen{kopf + "'Indikatorvorlagen': Lesefehler: unerwartetes "
                                             "Dateiende); ab dieser Stelle gelten die "
                                             "Voreinstellungen."});
}

TEST_F(Ladefehler, MeldungGehtAnDenAufruferUndInsLogbuch) {
  Schreibe(Cfg(), "keine Einstellungen");
  const TEinstellungen e(dir_.Pfad());
  std::ostringstream meldung;
  EinstellungsfehlerMelden(e, meldung);
  const std::string zeile = "Die Einstellungsdatei '" + Cfg() + kFremd;
  EXPECT_EQ(meldung.str(), zeile + "\n");
  const std::string log = Lies(dir_.Pfad() + "logbuch.txt");
  EXPECT_EQ(log.substr(log.find('\n') + 1 + 20), zeile + "\n");

  // A log book that cannot be opened is said on the same stream.
  TEinstellungen ohneLogbuch(dir_.Pfad() + "fehlt");
  ohneLogbuch.LadenAus("fremd");
  std::ostringstream beide;
  EinstellungsfehlerMelden(ohneLogbuch, beide);
  EXPECT_EQ(beide.str(), "Die Einstellungsdatei '" + dir_.Pfad() + "fehlt/morvane.cfg" + kFremd +
                             "\nKonnte Datei '" + dir_.Pfad() +
                             "fehlt/logbuch.txt' nicht öffnen: Datei oder Verzeichnis nicht "
                             "gefunden\n");

  // Nothing to report: no log book either.
  std::filesystem::remove(Cfg());
  std::filesystem::remove(dir_.Pfad() + "logbuch.txt");
  std::ostringstream nichts;
  EinstellungsfehlerMelden(TEinstellungen(dir_.Pfad()), nichts);
  EXPECT_EQ(nichts.str(), "");
  EXPECT_FALSE(std::filesystem::exists(dir_.Pfad() + "logbuch.txt"));
}

}  // namespace
}  // namespace morvane
