#include "store/einstellungen.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/uhr.h"
#include "einstellungen_testverzeichnis.h"

namespace morvane {
namespace {

using test::TTestverzeichnis;

const std::string kKopf("Morvane 3.5.5  Einstellungen\x1A\0\0", 31);

// A stand-in for a block owner: its own little format.
struct TProbeBlock {
  std::int32_t Zahl = 0;
  std::string Text;
  void Schreibe(TBinaerSchreiber& s) const {
    s.Int32(Zahl);
    s.Text(Text);
  }
  void Lies(TBinaerLeser& l) {
    Zahl = l.Int32();
    Text = l.Text();
  }
};

// Fills every field with a value other than its default.
void AllesSetzen(TEinstellungen& e) {
  e.SetzeDatenverzeichnis("/daten/kurse");
  e.Reserviert = 7;
  e.Maximiert = true;
  e.Fensterrechteck = {10, -20, 800, 600};
  e.Merkdatum = 730000;
  e.AutoUpdate = false;
  e.Protokollieren = false;
  e.Timeout = 90;
  e.ListenKataloge = {"Aktien", "Fonds"};
  e.DFUeVerbinden = true;
  e.DFUeTrennen = false;
  e.DFUeEintrag = "T-Online";
  e.Wahlwiederholungen = 3;
  e.Wahlpause = 12;
  e.ProxyAdresse = "proxy.example";
  e.ProxyPort = "3128";
  e.ProxyKennung = "jürgen";
  e.ProxyPasswort = "geheim€";
  e.OffeneKataloge = {"Aktien"};
  e.OffenesWertpapier = {"/daten/kurse/Aktien/Müller.mv3"};
  e.DruckHochformat = true;
  e.DruckChartsProSeite = 3;
  e.DruckPosition = 2;
}

void ProbeBloeckeEinstecken(TEinstellungen& e) {
  int n = 1;
  for (auto art : {TEinstellungsBlockArt::Zeitplaner, TEinstellungsBlockArt::ChartAnsicht,
                   TEinstellungsBlockArt::ChartVorlagen, TEinstellungsBlockArt::IndVorlagen}) {
    auto& block = e.Einstecken<TProbeBlock>(art);
    block.Zahl = n++;
    block.Text = "Block " + std::to_string(block.Zahl);
  }
}

TEST(Einstellungen, OhneDateiGeltenDieVorgaben) {
  TTestverzeichnis dir;
  UhrErsetzen([] { return TUhrzeit{{5, 1, 1998}, 9, 0, 0}; });
  TEinstellungen e(dir.Pfad());
  UhrErsetzen({});
  EXPECT_FALSE(e.Laden());
  EXPECT_EQ(e.Datenverzeichnis(), dir.Pfad());
  EXPECT_EQ(e.Merkdatum, KalendertagAusDatum(5, 1, 1998));
  EXPECT_EQ(e.ListenDatum, e.Merkdatum);
  EXPECT_TRUE(e.AutoUpdate);
  EXPECT_TRUE(e.Protokollieren);
  EXPECT_EQ(e.Timeout, 60);
  EXPECT_TRUE(e.DFUeTrennen);
  EXPECT_EQ(e.Wahlwiederholungen, 10);
  EXPECT_EQ(e.Wahlpause, 5);
  EXPECT_EQ(e.DruckChartsProSeite, 1);
  EXPECT_EQ(e.DruckPosition, 1);
  EXPECT_EQ(e.Fensterrechteck, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(e.Titel().rfind("Morvane 3.5", 0), 0u);
  EXPECT_EQ(e.Dateipfad(kLogbuchdatei), dir.Pfad() + "logbuch.txt");
}

TEST(Einstellungen, JedesFeldUndJederBlockUeberstehtSpeichernUndLaden) {
  TTestverzeichnis dir;
  std::string gespeichert;
  {
    TEinstellungen e(dir.Pfad());
    ProbeBloeckeEinstecken(e);
    AllesSetzen(e);
    e.Speichern();
    gespeichert = e.Dateiinhalt();
  }
  EXPECT_EQ(dir.Lies("morvane.cfg"), gespeichert);
  EXPECT_EQ(gespeichert.substr(0, 31), kKopf);

  TEinstellungen geladen(dir.Pfad());
  for (auto art : {TEinstellungsBlockArt::Zeitplaner, TEinstellungsBlockArt::ChartAnsicht,
                   TEinstellungsBlockArt::ChartVorlagen, TEinstellungsBlockArt::IndVorlagen}) {
    geladen.Einstecken<TProbeBlock>(art);
  }
  ASSERT_TRUE(geladen.Laden());
  EXPECT_EQ(geladen.EingestelltesDatenverzeichnis(), "/daten/kurse/");
  EXPECT_EQ(geladen.Reserviert, 7);
  EXPECT_TRUE(geladen.Maximiert);
  EXPECT_EQ(geladen.Fensterrechteck, (std::array<std::int32_t, 4>{10, -20, 800, 600}));
  EXPECT_EQ(geladen.Merkdatum, 730000);
  EXPECT_FALSE(geladen.AutoUpdate);
  EXPECT_FALSE(geladen.Protokollieren);
  EXPECT_EQ(geladen.Timeout, 90);
  EXPECT_EQ(geladen.ListenKataloge, (std::vector<std::string>{"Aktien", "Fonds"}));
  EXPECT_TRUE(geladen.DFUeVerbinden);
  EXPECT_FALSE(geladen.DFUeTrennen);
  EXPECT_EQ(geladen.DFUeEintrag, "T-Online");
  EXPECT_EQ(geladen.Wahlwiederholungen, 3);
  EXPECT_EQ(geladen.Wahlpause, 12);
  EXPECT_EQ(geladen.ProxyAdresse, "proxy.example");
  EXPECT_EQ(geladen.ProxyPort, "3128");
  EXPECT_EQ(geladen.ProxyKennung, "jürgen");
  EXPECT_EQ(geladen.ProxyPasswort, "geheim€");
  EXPECT_EQ(geladen.OffeneKataloge, std::vector<std::string>{"Aktien"});
  EXPECT_EQ(geladen.OffenesWertpapier, std::vector<std::string>{"/daten/kurse/Aktien/Müller.mv3"});
  EXPECT_TRUE(geladen.DruckHochformat);
  EXPECT_EQ(geladen.DruckChartsProSeite, 3);
  EXPECT_EQ(geladen.DruckPosition, 2);
  EXPECT_EQ(geladen.Block<TProbeBlock>(TEinstellungsBlockArt::Zeitplaner).Text, "Block 1");
  EXPECT_EQ(geladen.Block<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen).Zahl, 4);
  EXPECT_EQ(geladen.Dateiinhalt(), gespeichert);
}

TEST(Einstellungen, NurDerKopfBisEinschliesslich1AWirdVerglichen) {
  TEinstellungen quelle("/nicht/vorhanden");
  quelle.Timeout = 33;
  std::string daten = quelle.Dateiinhalt();

  TEinstellungen e("/nicht/vorhanden");
  daten[29] = 'x';
  daten[30] = 'y';
  EXPECT_TRUE(e.LadenAus(daten));
  EXPECT_EQ(e.Timeout, 33);

  for (std::size_t stelle : {0u, 12u, 28u}) {
    std::string fremd = daten;
    fremd[stelle] ^= 0x20;
    EXPECT_FALSE(TEinstellungen("/nicht/vorhanden").LadenAus(fremd)) << stelle;
  }
  EXPECT_FALSE(e.LadenAus(daten.substr(0, 30)));
}

TEST(Einstellungen, BeschaedigteDateiBehaeltDieVorherGelesenenFelder) {
  TEinstellungen quelle("/nicht/vorhanden");
  AllesSetzen(quelle);
  const std::string daten = quelle.Dateiinhalt();
  // Header, data directory text, Reserviert, Maximiert, rectangle, Merkdatum,
  // two flags, Timeout: the schedule block starts here.
  const std::size_t zeitplaner = 31 + 2 + 13 + 1 + 1 + 16 + 4 + 1 + 1 + 2;

  TEinstellungen e("/nicht/vorhanden");
  EXPECT_FALSE(e.LadenAus(daten.substr(0, zeitplaner + 3)));
  EXPECT_EQ(e.EingestelltesDatenverzeichnis(), "/daten/kurse/");
  EXPECT_TRUE(e.Maximiert);
  EXPECT_EQ(e.Timeout, 90);
  EXPECT_TRUE(e.ListenKataloge.empty());
  EXPECT_TRUE(e.DFUeTrennen);
  EXPECT_EQ(e.DruckPosition, 1);

  // Every cut through the file fails without harm; only the whole file loads.
  // (The indicator block needs its owner to tell where it ends.)
  quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  const std::string ganz = quelle.Dateiinhalt();
  for (std::size_t laenge = 0; laenge < ganz.size(); ++laenge) {
    TEinstellungen t("/nicht/vorhanden");
    t.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
    EXPECT_FALSE(t.LadenAus(ganz.substr(0, laenge))) << laenge;
  }
  EXPECT_TRUE(TEinstellungen("/nicht/vorhanden").LadenAus(ganz));
}

TEST(Einstellungen, ZuGrosseAnzahlScheitertSofort) {
  TEinstellungen quelle("/nicht/vorhanden");
  quelle.Timeout = 77;
  std::string daten = quelle.Dateiinhalt();
  // The count of ListenKataloge follows the five-byte neutral schedule block.
  const std::size_t anzahl = 31 + 2 + 1 + 1 + 16 + 4 + 1 + 1 + 2 + 5;
  ASSERT_EQ(daten.substr(anzahl, 4), std::string(4, '\0'));
  daten.replace(anzahl, 4, "\xFF\xFF\xFF\x7F");

  TEinstellungen e("/nicht/vorhanden");
  EXPECT_FALSE(e.LadenAus(daten));
  EXPECT_EQ(e.Timeout, 77);
  EXPECT_TRUE(e.ListenKataloge.empty());

  // A negative count means an empty list, as it always did.
  daten.replace(anzahl, 4, "\xFF\xFF\xFF\xFF");
  EXPECT_TRUE(e.LadenAus(daten));
}

// Builds a settings file whose blocks are in their owners' real formats.
std::string DateiMitFremdenBloecken() {
  TBinaerSchreiber s;
  s.Roh(kKopf);
  s.Text("");
  s.Byte(0);
  s.Byte(0);
  for (int i = 0; i < 4; ++i)
    s.Int32(0);
  s.Int32(729000);
  s.Byte(1);
  s.Byte(1);
  s.Word(60);
  // Schedule: on, one time point 02:30 Mon+Fri with two catalogs.
  s.Byte(1);
  s.Int32(1);
  for (std::uint8_t b : {2, 30, 1, 0, 0, 0, 1, 0, 0, 1})
    s.Byte(b);
  s.Int32(2);
  s.Text("Aktien");
  s.Text("Fonds");
  s.Int32(0);
  s.Byte(0);
  s.Byte(1);
  s.Text("");
  s.Word(10);
  s.Word(5);
  for (int i = 0; i < 4; ++i)
    s.Text("");
  // A view with every byte set.
  for (int i = 0; i < 35; ++i)
    s.Byte(static_cast<std::uint8_t>(i + 1));
  // Templates: slot 2 filled.
  s.Byte(0);
  s.Byte(1);
  s.Text("Meine");
  for (int i = 0; i < 35; ++i)
    s.Byte(static_cast<std::uint8_t>(100 + i));
  for (int i = 0; i < 8; ++i)
    s.Byte(0);
  s.Int32(0);
  s.Int32(0);
  // An indicator block of some length.
  s.Int32(1);
  s.Text("IndRSI");
  for (int i = 0; i < 17; ++i)
    s.Byte(static_cast<std::uint8_t>(i));
  s.Int32(0);
  s.Int32(0);
  s.Byte(1);
  s.Byte(2);
  s.Byte(3);
  return s.Entnehmen();
}

TEST(Einstellungen, BloeckeOhneBesitzerBleibenUnveraendert) {
  const std::string daten = DateiMitFremdenBloecken();
  TEinstellungen e("/nicht/vorhanden");
  ASSERT_TRUE(e.LadenAus(daten));
  EXPECT_TRUE(e.DruckHochformat);
  EXPECT_EQ(e.DruckChartsProSeite, 2);
  EXPECT_EQ(e.DruckPosition, 3);
  EXPECT_EQ(e.Dateiinhalt(), daten);
}

TEST(Einstellungen, SpaeterEingesteckterBlockErhaeltSeineGelesenenBytes) {
  TEinstellungen quelle("/nicht/vorhanden");
  auto& block = quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  block.Zahl = 42;
  block.Text = "Indikatoren";
  quelle.DruckPosition = 3;
  const std::string daten = quelle.Dateiinhalt();

  TEinstellungen e("/nicht/vorhanden");
  ASSERT_TRUE(e.LadenAus(daten));
  EXPECT_EQ(e.DruckPosition, 3);
  auto& spaet = e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  EXPECT_EQ(spaet.Zahl, 42);
  EXPECT_EQ(spaet.Text, "Indikatoren");
  EXPECT_EQ(e.Dateiinhalt(), daten);
}

TEST(Einstellungen, FehlenderOderFremderBlockWirdGemeldet) {
  TEinstellungen e("/nicht/vorhanden");
  EXPECT_FALSE(e.Eingesteckt(TEinstellungsBlockArt::Zeitplaner));
  try {
    e.Block<TProbeBlock>(TEinstellungsBlockArt::Zeitplaner);
    FAIL();
  } catch (const EEinstellungen& f) {
    EXPECT_EQ(f.Meldung(), "Der Einstellungsblock 'Zeitplaner' ist nicht eingerichtet.");
  }
  e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::Zeitplaner);
  EXPECT_THROW(e.Block<std::string_view>(TEinstellungsBlockArt::Zeitplaner), EEinstellungen);
}

TEST(Einstellungen, SpeichernIstNurFuerDenBesitzerLesbarUndMeldetFehler) {
  TTestverzeichnis dir;
  TEinstellungen e(dir.Pfad());
  e.ProxyPasswort = "geheim";
  e.Speichern();
  struct stat info {};
  ASSERT_EQ(::stat(dir.Datei("morvane.cfg").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  TEinstellungen woanders(dir.Pfad() + "fehlt");
  try {
    woanders.Speichern();
    FAIL();
  } catch (const EEinstellungen& f) {
    EXPECT_EQ(f.Meldung().rfind(
                  "Konnte Datei '" + dir.Pfad() + "fehlt/morvane.cfg' nicht schreiben: ", 0),
              0u)
        << f.Meldung();
  }
}

TEST(Einstellungen, Datenverzeichnis) {
  TEinstellungen e("/programm");
  EXPECT_EQ(e.Programmverzeichnis(), "/programm/");
  EXPECT_EQ(e.Datenverzeichnis(), "/programm/");
  e.SetzeDatenverzeichnis("  /home/anna/kurse \t");
  EXPECT_EQ(e.EingestelltesDatenverzeichnis(), "/home/anna/kurse/");
  EXPECT_EQ(e.Datenverzeichnis(), "/home/anna/kurse/");
  e.SetzeDatenverzeichnis("   ");
  EXPECT_EQ(e.Datenverzeichnis(), "/programm/");

  // A directory stored without its separator still gets one.
  TBinaerSchreiber s;
  s.Roh(kKopf);
  s.Text("/daten");
  EXPECT_FALSE(e.LadenAus(s.Daten()));
  EXPECT_EQ(e.Datenverzeichnis(), "/daten/");
}

}  // namespace
}  // namespace morvane
