#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "einstellungen_probeblock.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using Meldungen = std::vector<std::string>;
using test::TProbeBlock;

const std::string kFremd =
    "ist keine Einstellungsdatei dieser Programmversion; es gelten die "
    "Voreinstellungen.";
const std::string kAbHier = "; ab dieser Stelle gelten die Voreinstellungen.";

class Ladefehler : public ::testing::Test {
 protected:
  std::string Cfg() const { return dir_.Pfad() + "morvane.cfg"; }
  Meldungen Meldung(const std::string& zustand) const {
    return {"Die Einstellungsdatei '" + Cfg() + "' " + zustand};
  }
  test::TTempVerzeichnis dir_;
};

TEST_F(Ladefehler, JedeUnbrauchbareDateiWirdEinmalMitNamenGemeldet) {
  TEinstellungen quelle("/nicht/vorhanden");
  quelle.SetzeDatenverzeichnis("/daten");
  quelle.DruckChartsProSeite = 3;
  quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen) = {42, "Indikatoren"};
  const std::string gut = quelle.Dateiinhalt();
  std::string zuViele = gut;
  // The count of ListenKataloge: behind header, "/daten/", 26 bytes of fields
  // and the five-byte empty schedule block.
  zuViele.replace(31 + 9 + 26 + 5, 4, "\xFF\xFF\xFF\x7F");
  struct TFall {
    std::string Inhalt;
    std::string Zustand;  // empty: nothing to report
    std::string Datenverzeichnis;
    int ChartsProSeite;
  };
  const TFall faelle[] = {
      {"Morvane 3.0  Einstellungen\x1A" + gut.substr(27), kFremd, "", 1},
      {gut.substr(0, 30), kFremd, "", 1},
      // Cut in the window rectangle: the data directory before it stays.
      {gut.substr(0, 31 + 9 + 5), "ist beschädigt (Lesefehler: unerwartetes Dateiende)" + kAbHier,
       "/daten/", 1},
      {zuViele, "ist beschädigt (Lesefehler: ungültige Anzahl 2147483647)" + kAbHier, "/daten/", 1},
      {gut, "", "/daten/", 3},
  };
  for (const TFall& f : faelle) {
    std::ofstream(Cfg(), std::ios::binary) << f.Inhalt;
    TEinstellungen e(dir_.Pfad());
    EXPECT_EQ(e.Ladefehler(), f.Zustand.empty() ? Meldungen{} : Meldung(f.Zustand));
    EXPECT_EQ(e.EingestelltesDatenverzeichnis(), f.Datenverzeichnis) << f.Zustand;
    EXPECT_EQ(e.DruckChartsProSeite, f.ChartsProSeite) << f.Zustand;
    // With the block plugged in, reading again reports the same, once.
    e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
    e.Laden();
    EXPECT_EQ(e.Ladefehler(), f.Zustand.empty() ? Meldungen{} : Meldung(f.Zustand));
  }

  std::filesystem::remove(Cfg());
  EXPECT_EQ(TEinstellungen(dir_.Pfad()).Ladefehler(), Meldungen{});
  std::filesystem::create_directory(Cfg());
  EXPECT_EQ(TEinstellungen(dir_.Pfad()).Ladefehler(),
            Meldung("ist nicht lesbar (Ist ein Verzeichnis); es gelten die Voreinstellungen."));
}

// Reads the block's number only, leaving its text.
struct TNurZahl {
  void Schreibe(TBinaerSchreiber&) const {}
  void Lies(TBinaerLeser& l) { l.Int32(); }
};

TEST_F(Ladefehler, SpaetEingesteckterBlockMeldetWasErNichtLas) {
  TEinstellungen quelle("/nicht/vorhanden");
  quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen) = {7, "Indikatoren"};
  TEinstellungen e(dir_.Pfad());
  ASSERT_TRUE(e.LadenAus(quelle.Dateiinhalt()));
  EXPECT_EQ(e.Ladefehler(), Meldungen{});
  e.Einstecken<TNurZahl>(TEinstellungsBlockArt::IndVorlagen);
  EXPECT_EQ(e.Ladefehler(),
            Meldung("ist beschädigt (Block 'Indikatorvorlagen': 13 überzählige Bytes)" + kAbHier));
}

// A file cut within or right behind the indicator block, read before its
// owner is plugged in: the block stays whole; the print settings keep what the
// file still held of them.
TEST_F(Ladefehler, DateiendeHinterDemSatzBehaeltDenGanzenSatz) {
  TEinstellungen quelle("/nicht/vorhanden");
  quelle.DruckHochformat = true;
  quelle.DruckChartsProSeite = 4;
  quelle.DruckPosition = 2;
  quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen) = {42, "Indikatoren"};
  const std::string gut = quelle.Dateiinhalt();
  const std::string kEnde = "ist beschädigt (Lesefehler: unerwartetes Dateiende)" + kAbHier;
  struct TFall {
    std::size_t Fehlend;  // bytes cut off the end
    bool Hochformat;
    int ChartsProSeite;
    int Position;
  };
  const TFall faelle[] = {{0, true, 4, 2}, {1, true, 4, 1}, {2, true, 1, 1}, {3, false, 1, 1}};
  for (const TFall& f : faelle) {
    TEinstellungen e(dir_.Pfad());
    ASSERT_TRUE(e.LadenAus(gut.substr(0, gut.size() - f.Fehlend))) << f.Fehlend;
    const TProbeBlock& satz = e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
    EXPECT_EQ(satz.Zahl, 42) << f.Fehlend;
    EXPECT_EQ(satz.Text, "Indikatoren") << f.Fehlend;
    EXPECT_EQ(e.Ladefehler(), f.Fehlend == 0 ? Meldungen{} : Meldung(kEnde)) << f.Fehlend;
    EXPECT_EQ(e.DruckHochformat, f.Hochformat) << f.Fehlend;
    EXPECT_EQ(e.DruckChartsProSeite, f.ChartsProSeite) << f.Fehlend;
    EXPECT_EQ(e.DruckPosition, f.Position) << f.Fehlend;
  }
}

TEST_F(Ladefehler, MeldungGehtAnDenAufruferUndInsLogbuch) {
  TEinstellungen e(dir_.Pfad());
  e.LadenAus("fremd");
  std::ostringstream meldung;
  EinstellungsfehlerMelden(e, meldung);
  EXPECT_EQ(meldung.str(), Meldung(kFremd)[0] + "\n");
  std::ifstream log(dir_.Pfad() + "logbuch.txt");
  std::string zeile;
  std::getline(log, zeile);
  std::getline(log, zeile);
  EXPECT_EQ(zeile.substr(20), Meldung(kFremd)[0]);  // behind the time stamp

  // A log book that cannot be opened is said on the same stream.
  TEinstellungen ohneLogbuch(dir_.Pfad() + "fehlt");
  ohneLogbuch.LadenAus("fremd");
  std::ostringstream beide;
  EinstellungsfehlerMelden(ohneLogbuch, beide);
  EXPECT_EQ(beide.str(), "Die Einstellungsdatei '" + dir_.Pfad() + "fehlt/morvane.cfg' " + kFremd +
                             "\nKonnte Datei '" + dir_.Pfad() +
                             "fehlt/logbuch.txt' nicht öffnen: Datei oder Verzeichnis nicht "
                             "gefunden\n");
}

}  // namespace
}  // namespace morvane
