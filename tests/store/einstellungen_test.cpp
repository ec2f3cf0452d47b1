#include "store/einstellungen.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <tuple>

#include "core/uhr.h"
#include "einstellungen_probeblock.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::TProbeBlock;
using test::TTempVerzeichnis;

constexpr const char* kNirgends = "/nicht/vorhanden";
const std::string kKopf("Morvane 3.5.5  Einstellungen\x1A\0\0", 31);
constexpr TEinstellungsBlockArt kAlleBloecke[] = {
    TEinstellungsBlockArt::Zeitplaner, TEinstellungsBlockArt::ChartAnsicht,
    TEinstellungsBlockArt::ChartVorlagen, TEinstellungsBlockArt::IndVorlagen};

// Writes given bytes, to build files in the owners' real formats.
struct TRohBlock {
  std::string Bytes;
  void Schreibe(TBinaerSchreiber& s) const { s.Roh(Bytes); }
  void Lies(TBinaerLeser&) {}
};

auto Felder(const TEinstellungen& e) {
  return std::make_tuple(e.EingestelltesDatenverzeichnis(), e.Reserviert, e.Maximiert,
                         e.Fensterrechteck, e.Merkdatum, e.AutoUpdate, e.Protokollieren, e.Timeout,
                         e.ListenKataloge, e.DFUeVerbinden, e.DFUeTrennen, e.DFUeEintrag,
                         e.Wahlwiederholungen, e.Wahlpause, e.ProxyAdresse, e.ProxyPort,
                         e.ProxyKennung, e.ProxyPasswort, e.OffeneKataloge, e.OffenesWertpapier,
                         e.DruckHochformat, e.DruckChartsProSeite, e.DruckPosition);
}

// Every field other than its default.
void AllesSetzen(TEinstellungen& e) {
  e.SetzeDatenverzeichnis("/daten/kurse");
  e.Reserviert = 7;
  e.Maximiert = true;
  e.Fensterrechteck = {10, -20, 800, 600};
  e.Merkdatum = 730000;
  e.AutoUpdate = e.Protokollieren = e.DFUeTrennen = false;
  e.Timeout = 90;
  e.ListenKataloge = {"Aktien", "Fonds"};
  e.DFUeVerbinden = e.DruckHochformat = true;
  e.DFUeEintrag = "T-Online";
  e.Wahlwiederholungen = 3;
  e.Wahlpause = 12;
  e.ProxyAdresse = "proxy.example";
  e.ProxyPort = "3128";
  e.ProxyKennung = "jürgen";
  e.ProxyPasswort = "geheim€";
  e.OffeneKataloge = {"Aktien"};
  e.OffenesWertpapier = {"/daten/kurse/Aktien/Müller.mv3"};
  e.DruckChartsProSeite = 3;
  e.DruckPosition = 2;
}

TEST(Einstellungen, OhneDateiGeltenDieVorgaben) {
  TTempVerzeichnis dir;
  UhrErsetzen([] { return TUhrzeit{{5, 1, 1998}, 9, 0, 0}; });
  TEinstellungen e(dir.Pfad());
  UhrErsetzen({});
  EXPECT_FALSE(e.Laden());
  EXPECT_EQ(e.Datenverzeichnis(), dir.Pfad());
  EXPECT_EQ(e.Merkdatum, KalendertagAusDatum(5, 1, 1998));
  EXPECT_EQ(e.ListenDatum, e.Merkdatum);
  EXPECT_EQ(e.Titel().rfind("Morvane 3.5", 0), 0u);
  EXPECT_EQ(e.Dateipfad(kLogbuchdatei), dir.Pfad() + "logbuch.txt");
}

TEST(Einstellungen, JedesFeldUndJederBlockUeberstehtSpeichernUndLaden) {
  TTempVerzeichnis dir;
  TEinstellungen e(dir.Pfad());
  for (auto art : kAlleBloecke) {
    auto& block = e.Einstecken<TProbeBlock>(art);
    block.Zahl = static_cast<int>(art) + 1;
    block.Text = "Block " + std::to_string(block.Zahl);
  }
  AllesSetzen(e);
  e.Speichern();
  EXPECT_EQ(dir.Lies("morvane.cfg"), e.Dateiinhalt());
  EXPECT_EQ(e.Dateiinhalt().substr(0, 31), kKopf);

  TEinstellungen geladen(dir.Pfad());
  for (auto art : kAlleBloecke)
    geladen.Einstecken<TProbeBlock>(art);
  ASSERT_TRUE(geladen.Laden());
  EXPECT_EQ(Felder(geladen), Felder(e));
  EXPECT_NE(Felder(geladen), Felder(TEinstellungen(kNirgends)));
  for (auto art : kAlleBloecke) {
    EXPECT_EQ(geladen.Block<TProbeBlock>(art).Text, e.Block<TProbeBlock>(art).Text);
  }
  EXPECT_EQ(geladen.Dateiinhalt(), e.Dateiinhalt());
}

TEST(Einstellungen, NurDerKopfBisEinschliesslich1AWirdVerglichen) {
  TEinstellungen quelle(kNirgends);
  quelle.Timeout = 33;
  std::string daten = quelle.Dateiinhalt();
  daten[29] = 'x';
  daten[30] = 'y';
  TEinstellungen e(kNirgends);
  EXPECT_TRUE(e.LadenAus(daten));
  EXPECT_EQ(e.Timeout, 33);

  for (std::size_t stelle : {0u, 12u, 28u}) {
    std::string fremd = daten;
    fremd[stelle] ^= 0x20;
    EXPECT_FALSE(TEinstellungen(kNirgends).LadenAus(fremd)) << stelle;
  }
  EXPECT_FALSE(e.LadenAus(daten.substr(0, 30)));
}

TEST(Einstellungen, BeschaedigteDateiBehaeltDieVorherGelesenenFelder) {
  TEinstellungen quelle(kNirgends);
  AllesSetzen(quelle);
  quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  const std::string daten = quelle.Dateiinhalt();
  // Header, data directory, Reserviert, Maximiert, rectangle, Merkdatum, two
  // flags, Timeout: the schedule block starts here.
  const std::size_t zeitplaner = 31 + 2 + 13 + 1 + 1 + 16 + 4 + 1 + 1 + 2;

  TEinstellungen e(kNirgends);
  EXPECT_FALSE(e.LadenAus(daten.substr(0, zeitplaner + 3)));
  EXPECT_EQ(e.EingestelltesDatenverzeichnis(), "/daten/kurse/");
  EXPECT_EQ(e.Timeout, 90);
  EXPECT_TRUE(e.ListenKataloge.empty());
  EXPECT_TRUE(e.DFUeTrennen);

  // Every cut through the file fails without harm (the indicator block needs
  // its owner to tell where it ends); only the whole file loads.
  for (std::size_t laenge = 0; laenge < daten.size(); ++laenge) {
    TEinstellungen t(kNirgends);
    t.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
    EXPECT_FALSE(t.LadenAus(daten.substr(0, laenge))) << laenge;
  }
  EXPECT_TRUE(TEinstellungen(kNirgends).LadenAus(daten));
}

TEST(Einstellungen, ZuGrosseAnzahlScheitertSofort) {
  TEinstellungen quelle(kNirgends);
  quelle.Timeout = 77;
  std::string daten = quelle.Dateiinhalt();
  // The count of ListenKataloge follows the five-byte empty schedule block.
  const std::size_t anzahl = 31 + 2 + 1 + 1 + 16 + 4 + 1 + 1 + 2 + 5;
  ASSERT_EQ(daten.substr(anzahl, 4), std::string(4, '\0'));
  daten.replace(anzahl, 4, "\xFF\xFF\xFF\x7F");
  TEinstellungen e(kNirgends);
  EXPECT_FALSE(e.LadenAus(daten));
  EXPECT_EQ(e.Timeout, 77);

  // A negative count means an empty list.
  daten.replace(anzahl, 4, "\xFF\xFF\xFF\xFF");
  EXPECT_TRUE(e.LadenAus(daten));
}

TEST(Einstellungen, BloeckeOhneBesitzerBleibenUnveraendert) {
  TEinstellungen quelle(kNirgends);
  // Schedule on, 02:30 on Monday and Friday, two catalogs.
  quelle.Einstecken<TRohBlock>(TEinstellungsBlockArt::Zeitplaner).Bytes = std::string(
      "\x01\x01\0\0\0\x02\x1E\x01\0\0\0\x01\0\0\x01\x02\0\0\0\x06\0Aktien\x05\0Fonds", 34);
  std::string ansicht(35, '\0');
  for (int i = 0; i < 35; ++i)
    ansicht[static_cast<std::size_t>(i)] = static_cast<char>(i + 1);
  quelle.Einstecken<TRohBlock>(TEinstellungsBlockArt::ChartAnsicht).Bytes = ansicht;
  // Templates: only slot 2 filled.
  quelle.Einstecken<TRohBlock>(TEinstellungsBlockArt::ChartVorlagen).Bytes =
      std::string("\0\x01\x05\0Meine", 9) + ansicht + std::string(8, '\0');
  quelle.Einstecken<TRohBlock>(TEinstellungsBlockArt::IndVorlagen).Bytes =
      std::string("\x01\0\0\0\x06\0IndRSI", 12) + std::string(17, '\x09') + std::string(8, '\0');
  quelle.DruckChartsProSeite = 2;
  quelle.DruckPosition = 3;
  const std::string daten = quelle.Dateiinhalt();

  TEinstellungen e(kNirgends);
  ASSERT_TRUE(e.LadenAus(daten));
  EXPECT_EQ(e.DruckChartsProSeite, 2);
  EXPECT_EQ(e.DruckPosition, 3);
  EXPECT_EQ(e.Dateiinhalt(), daten);
}

TEST(Einstellungen, SpaeterEingesteckterBlockErhaeltSeineGelesenenBytes) {
  TEinstellungen quelle(kNirgends);
  quelle.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen) = {42, "Indikatoren"};
  const std::string daten = quelle.Dateiinhalt();

  TEinstellungen e(kNirgends);
  ASSERT_TRUE(e.LadenAus(daten));
  auto& spaet = e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::IndVorlagen);
  EXPECT_EQ(spaet.Zahl, 42);
  EXPECT_EQ(spaet.Text, "Indikatoren");
  EXPECT_EQ(e.Dateiinhalt(), daten);
}

TEST(Einstellungen, FehlenderOderFremderBlockWirdGemeldet) {
  TEinstellungen e(kNirgends);
  EXPECT_THROW_MSG(e.Block<TProbeBlock>(TEinstellungsBlockArt::Zeitplaner), EEinstellungen,
                   "Der Einstellungsblock 'Zeitplaner' ist nicht eingerichtet.");
  e.Einstecken<TProbeBlock>(TEinstellungsBlockArt::Zeitplaner);
  EXPECT_THROW_MSG(e.Block<TRohBlock>(TEinstellungsBlockArt::Zeitplaner), EEinstellungen,
                   "Der Einstellungsblock 'Zeitplaner' ist nicht eingerichtet.");
}

TEST(Einstellungen, SpeichernIstNurFuerDenBesitzerLesbarUndMeldetFehler) {
  TTempVerzeichnis dir;
  TEinstellungen e(dir.Pfad());
  e.Speichern();
  struct stat info {};
  ASSERT_EQ(::stat(dir.Datei("morvane.cfg").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  EXPECT_THROW_MSG(TEinstellungen(dir.Pfad() + "fehlt").Speichern(), EEinstellungen,
                   "Konnte Datei '" + dir.Pfad() +
                       "fehlt/morvane.cfg' nicht schreiben: Datei oder Verzeichnis nicht gefunden");
}

TEST(Einstellungen, Datenverzeichnis) {
  TEinstellungen e("/programm");
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
