#include "store/wp_importexport_mv35.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "core/datum.h"
#include "dateibau.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using test::AusnahmeMeldung;
using test::DateiAnlegen;
using test::DateiInhalt;

constexpr std::string_view kKopf = "Morvane 3.5  Wertpapier-Datei\x1A";

TKurs Kurs(Boersentag tag, double schluss) {
  return TKurs{tag, schluss, schluss - 1, schluss, schluss + 2, schluss - 2, 1000};
}

// A security with a value in every field, texts with umlauts and the euro sign.
TWertpapier Beispiel() {
  TWertpapier w;
  w.Bezeichnung = "Müller & Söhne AG";
  w.WKN = "123456";
  w.ISIN = "DE0001234567";
  w.Boerse = 6;
  w.Kommentar = "Zeile 1\r\nKurs in €";
  w.WPTyp = 1;
  w.Waehrung = "Punkte";
  w.KaufAbs = 4.9;
  w.KaufRel = 0.0025;
  w.KaufMin = 9.9;
  w.VerkaufAbs = 5.1;
  w.VerkaufRel = 0.003;
  w.VerkaufMin = 12.5;
  w.KursquellenManuell = true;
  for (int i = 0; i < 3; ++i) {
    const std::string n = std::to_string(i + 1);
    w.QuelleAktuell[i] = "Aktuell " + n;
    w.IDAktuell[i] = "A" + n;
    w.QuelleHistorisch[i] = "Historisch " + n;
    w.IDHistorisch[i] = "H" + n;
  }
  const Boersentag t = BoersentagAusDatum(5, 1, 1998);
  w.Transaktionen.Einfuegen(TTransaktionKauf(t, 10, 100.5, 1010));
  w.Transaktionen.Einfuegen(TTransaktionSplit(t + 5, 1, 10));
  w.Transaktionen.Einfuegen(TTransaktionVerkauf(t + 7, 40, 11.25, 445.5));
  w.Transaktionen.Einfuegen(TTransaktionSonstige(t + 9, -12.34));
  for (int i = 0; i < 20; ++i)
    w.Kurse.Setze(Kurs(t + i, 100 + i), TSetzModus::Ersetzen);
  return w;
}

class MV35 : public ::testing::Test {
 protected:
  test::TTempVerzeichnis verzeichnis;
  std::string pfad = verzeichnis.Pfad() + "wert.mv3";
  TWP_ImportExport_MV35 format;

  std::string FehlerBeimLesen(std::string_view daten) {
    return AusnahmeMeldung([&] { format.AusDaten(daten, pfad, TLeseumfang::Alles); });
  }
};

TEST_F(MV35, RoundTripKeepsEveryFieldAndSetsTheId) {
  const TWertpapier original = Beispiel();
  format.WertpapierSpeichern(pfad, original);

  TWertpapier erwartet = original;
  erwartet.ID = pfad;
  EXPECT_EQ(format.WertpapierLaden(pfad), erwartet);
  EXPECT_EQ(format.StammdatenLaden(pfad), static_cast<const TWPStammdaten&>(erwartet));
  EXPECT_EQ(format.TransaktionenLaden(pfad), original.Transaktionen);
  EXPECT_EQ(format.KurseLaden(pfad).Anzahl(), 20);
  EXPECT_TRUE(std::ranges::equal(format.KurseLaden(pfad).Alle(), original.Kurse.Alle()));
}

TEST_F(MV35, EmptySecurityIsHeaderMasterDataAndTwoZeroCounts) {
  const std::string daten = TWP_ImportExport_MV35::Kodieren(TWertpapier());
  // 12 empty texts of sources and IDs, 4 empty texts, "EUR", 3 bytes, 6 doubles.
  ASSERT_EQ(daten.size(), 30u + 12 * 2 + 4 * 2 + 5 + 3 + 6 * 8 + 8);
  EXPECT_EQ(daten.substr(0, 30), kKopf);
  EXPECT_EQ(daten.substr(daten.size() - 8), std::string(8, '\0'));
}

TEST_F(MV35, TransactionKindsUseTheFileCodes) {
  const std::size_t stammdaten = TWP_ImportExport_MV35::Kodieren(TWertpapier()).size() - 8;
  TWertpapier w;
  w.Transaktionen.Einfuegen(TTransaktionSonstige(BoersentagAusDatum(6, 1, 1998), 1));
  w.Transaktionen.Einfuegen(TTransaktionSplit(BoersentagAusDatum(6, 1, 1998), 1, 2));
  const std::string daten = TWP_ImportExport_MV35::Kodieren(w);
  // Split sorts first in memory and is written with code 3, the other event with 4.
  EXPECT_EQ(daten[stammdaten + 4], 3);
  EXPECT_EQ(daten[stammdaten + 4 + 21], 4);
  EXPECT_EQ(daten.size(), stammdaten + 4 + 21 + 13 + 4);
}

TEST_F(MV35, ReadErrorsNameTheFileAndTheReason) {
  std::string daten = TWP_ImportExport_MV35::Kodieren(Beispiel());
  const std::string vorspann = "Konnte Datei '" + pfad + "' nicht öffnen: ";

  std::string v31 = daten;
  v31.replace(0, 12, "Morvane 3.1b");
  EXPECT_EQ(FehlerBeimLesen(v31), vorspann + "Keine Morvane 3.5 Wertpapier-Datei");
  EXPECT_EQ(FehlerBeimLesen("Morv"), vorspann + "Keine Morvane 3.5 Wertpapier-Datei");

  TWertpapier sonstige;
  sonstige.Transaktionen.Einfuegen(TTransaktionSonstige(BoersentagAusDatum(6, 1, 1998), 1));
  std::string typ5 = TWP_ImportExport_MV35::Kodieren(sonstige);
  typ5[typ5.size() - 4 - 13] = 5;
  EXPECT_EQ(FehlerBeimLesen(typ5), vorspann + "Ungültiger Transaktionstyp '5'.");

  EXPECT_THROW_MSG(format.WertpapierLaden(pfad), EWP_ImportExport_MV35,
                   vorspann + "Datei oder Verzeichnis nicht gefunden");
}

TEST_F(MV35, SecondSplitOnTheSameDayFailsWithTheListsMessage) {
  TWertpapier w;
  w.Transaktionen.Einfuegen(TTransaktionSplit(BoersentagAusDatum(6, 1, 1998), 1, 2));
  w.Transaktionen.Einfuegen(TTransaktionSplit(BoersentagAusDatum(7, 1, 1998), 1, 2));
  std::string daten = TWP_ImportExport_MV35::Kodieren(w);
  const std::size_t zweiter = daten.size() - 4 - 21 + 1;
  const std::string ersterTag = daten.substr(zweiter - 21, 4);
  daten.replace(zweiter, 4, ersterTag);
  EXPECT_EQ(FehlerBeimLesen(daten),
            "Konnte Datei '" + pfad + "' nicht öffnen: Am 06.01.1998 gibt es bereits einen Split.");
}

TEST_F(MV35, CountsBeyondTheFileFailWithoutAllocating) {
  const std::string leer = TWP_ImportExport_MV35::Kodieren(TWertpapier());
  for (std::int32_t anzahl : {0x7FFFFFFF, -1, 1}) {
    std::string daten = leer;
    test::TDateiBau zahl;
    zahl.Int32(anzahl);
    daten.replace(daten.size() - 4, 4, zahl.Daten());
    EXPECT_NE(FehlerBeimLesen(daten).find("Lesefehler"), std::string::npos) << anzahl;
  }
}

TEST_F(MV35, PricesOutsideTheRangeAreDroppedAndALaterDuplicateWins) {
  const Boersentag tag = BoersentagAusDatum(5, 1, 1998);
  test::TDateiBau datei;
  datei.Roh(TWP_ImportExport_MV35::Kodieren(TWertpapier()));
  std::string daten = datei.Daten().substr(0, datei.Daten().size() - 4);
  test::TDateiBau kurse;
  kurse.Int32(3);
  for (const TKurs& k : {Kurs(tag, 10), Kurs(100, 10), Kurs(tag, 20)}) {
    kurse.Int32(k.Datum).Double(k.Kassakurs).Double(k.Eroeffnung).Double(k.Schluss);
    kurse.Double(k.Hoch).Double(k.Tief).Double(k.Umsatz);
  }
  const TWertpapier w = format.AusDaten(daten + kurse.Daten(), pfad, TLeseumfang::Alles);
  ASSERT_EQ(w.Kurse.Anzahl(), 1);
  EXPECT_EQ(w.Kurse.Kurs(0)->Schluss, 20);
}

// Every prefix of a file is damaged; each must fail with the open message and
// none may crash or load part of the data. Flipped bytes may load or fail.
TEST_F(MV35, DamagedFilesFailCleanly) {
  const std::string daten = TWP_ImportExport_MV35::Kodieren(Beispiel());
  const std::string vorspann = "Konnte Datei '" + pfad + "' nicht öffnen: ";
  for (std::size_t n = 0; n < daten.size(); ++n) {
    ASSERT_EQ(FehlerBeimLesen(daten.substr(0, n)).rfind(vorspann, 0), 0u) << n;
  }
  for (std::size_t i = 0; i < daten.size(); ++i) {
    std::string kaputt = daten;
    kaputt[i] = static_cast<char>(kaputt[i] ^ 0xFF);
    try {
      format.AusDaten(kaputt, pfad, TLeseumfang::Alles);
    } catch (const EWP_ImportExport_MV35& e) {
      ASSERT_EQ(e.Meldung().rfind(vorspann, 0), 0u) << i;
    }
  }
}

TEST_F(MV35, OverlongTextIsCutAtACharacterAndNothingElseIsLost) {
  TWertpapier w = Beispiel();
  std::string lang;
  for (int i = 0; i < 70000; ++i)
    lang += (i % 2) ? "ä" : "€";
  w.Kommentar = lang;
  format.WertpapierSpeichern(pfad, w);

  const TWertpapier geladen = format.WertpapierLaden(pfad);
  EXPECT_EQ(geladen.Kommentar.size(), 65535u / 2 * 5 + 3);  // 32767 pairs and one "€"
  EXPECT_EQ(geladen.Kommentar, lang.substr(0, geladen.Kommentar.size()));
  EXPECT_EQ(geladen.Waehrung, w.Waehrung);
  EXPECT_EQ(geladen.Transaktionen, w.Transaktionen);
  EXPECT_EQ(geladen.Kurse.Anzahl(), w.Kurse.Anzahl());
}

// Writes beyond a small file-size limit fail like a full disk does.
class Dateigroessengrenze {
 public:
  explicit Dateigroessengrenze(rlim_t grenze) {
    ::getrlimit(RLIMIT_FSIZE, &alt_);
    signal_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit neu = alt_;
    neu.rlim_cur = grenze;
    ::setrlimit(RLIMIT_FSIZE, &neu);
  }
  ~Dateigroessengrenze() {
    ::setrlimit(RLIMIT_FSIZE, &alt_);
    ::signal(SIGXFSZ, signal_);
  }

 private:
  rlimit alt_{};
  sighandler_t signal_;
};

TEST_F(MV35, FailedSaveLeavesThePreviousFileIntact) {
  format.WertpapierSpeichern(pfad, TWertpapier());
  const std::string vorher = DateiInhalt(pfad);
  std::string meldung;
  {
    Dateigroessengrenze grenze(1000);
    meldung = AusnahmeMeldung([&] { format.WertpapierSpeichern(pfad, Beispiel()); });
  }
  EXPECT_EQ(meldung.rfind("Konnte Datei '" + pfad + "' nicht schreiben: ", 0), 0u) << meldung;
  EXPECT_EQ(DateiInhalt(pfad), vorher);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(verzeichnis.Pfad()), {}), 1);
}

TEST_F(MV35, SavingKeepsTheFilesPermissions) {
  format.WertpapierSpeichern(pfad, TWertpapier());
  std::filesystem::permissions(
      pfad, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  format.WertpapierSpeichern(pfad, Beispiel());
  EXPECT_EQ(std::filesystem::status(pfad).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

}  // namespace
}  // namespace morvane
