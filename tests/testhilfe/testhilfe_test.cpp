#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "testhilfe/ausnahme.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

MORVANE_EXCEPTION(ETest, Exception);
MORVANE_EXCEPTION(EAbgeleitet, ETest);

// An error that says where it happened: a position in the input, as parse
// errors do, and a field, as input errors do.
class EStelle : public Exception {
 public:
  EStelle(const std::string& meldung, int stelle) : Exception(meldung), stelle_(stelle) {}
  int Position() const { return stelle_; }
  int Feld() const { return stelle_; }

 private:
  int stelle_;
};

void WirftNichts() {}
void WirftAndereArt() {
  throw std::runtime_error("anders");
}
void WirftETest(const char* meldung) {
  throw ETest(meldung);
}
void WirftAbgeleitet() {
  throw EAbgeleitet("genau");
}

// The failures `pruefe` reports, without failing this test.
std::vector<std::string> Fehlschlaege(void (*pruefe)()) {
  testing::TestPartResultArray ergebnisse;
  {
    testing::ScopedFakeTestPartResultReporter abfangen(
        testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &ergebnisse);
    pruefe();
  }
  std::vector<std::string> meldungen;
  for (int i = 0; i < ergebnisse.size(); ++i)
    meldungen.push_back(ergebnisse.GetTestPartResult(i).message());
  return meldungen;
}

TEST(AusnahmeMakro, FailsOnEveryDifferenceAndPrintsBothMessages) {
  struct Fall {
    const char* grund;
    void (*pruefe)();
    std::vector<std::string> fehlschlaege;
  };
  const Fall faelle[] = {
      {"exact type and message", [] { EXPECT_THROW_MSG(WirftETest("genau"), ETest, "genau"); }, {}},
      {"a derived type counts as the type",
       [] { EXPECT_THROW_MSG(WirftAbgeleitet(), ETest, "genau"); },
       {}},
      {"nothing thrown",
       [] { EXPECT_THROW_MSG(WirftNichts(), ETest, "genau"); },
       {"Failed\nWirftNichts() warf keine Ausnahme (erwartet ETest)"}},
      {"another type",
       [] { EXPECT_THROW_MSG(WirftAndereArt(), ETest, "genau"); },
       {"Failed\nWirftAndereArt() warf eine andere Ausnahme als ETest: anders"}},
      {"another message",
       [] { EXPECT_THROW_MSG(WirftETest("fast"), ETest, "genau"); },
       {"Failed\nWirftETest(\"fast\") warf ETest mit der Meldung\n  \"fast\"\nerwartet war\n  "
        "\"genau\""}},
      {"ASSERT_ leaves the function",
       [] {
         ASSERT_THROW_MSG(WirftNichts(), ETest, "genau");
         ADD_FAILURE() << "nicht erreicht";
       },
       {"Failed\nWirftNichts() warf keine Ausnahme (erwartet ETest)"}},
  };
  for (const Fall& f : faelle) {
    const std::vector<std::string> ist = Fehlschlaege(f.pruefe);
    SCOPED_TRACE(f.grund);
    EXPECT_EQ(ist, f.fehlschlaege);
  }
}

TEST(AusnahmeMakro, MessageWithField) {
  EXPECT_EQ(test::MeldungUndFeld<EStelle>([] { throw EStelle("Falsch.", 3); }),
            std::pair(std::string("Falsch."), 3));
  EXPECT_EQ(test::MeldungUndFeld<EStelle>([] {}), std::pair(std::string("(keine Ausnahme)"), 0));
}

TEST(AusnahmeMakro, MessageWithPosition) {
  EXPECT_EQ(test::MeldungMitPosition<EStelle>([] { throw EStelle("Fehlt.", 7); }), "Fehlt. @7");
  EXPECT_EQ(test::MeldungMitPosition<EStelle>([] {}), "(keine Ausnahme)");
  EXPECT_THROW_MSG(test::MeldungMitPosition<EStelle>([] { WirftETest("ohne Position"); }), ETest,
                   "ohne Position");
}

TEST(TempVerzeichnis, WritesReadsAndRemovesEvenReadOnlyFolders) {
  std::string pfad;
  {
    const test::TTempVerzeichnis verzeichnis;
    pfad = verzeichnis.Pfad();
    ASSERT_TRUE(std::filesystem::is_directory(pfad));
    EXPECT_EQ(pfad.back(), '/');
    verzeichnis.Schreibe("a/b/c.bin", std::string("x\0y", 3));
    EXPECT_EQ(verzeichnis.Lies("a/b/c.bin"), std::string("x\0y", 3));
    EXPECT_EQ(verzeichnis.Lies("fehlt"), "");
    ASSERT_EQ(::chmod(verzeichnis.Datei("a/b").c_str(), 0500), 0);
    ASSERT_EQ(::chmod(verzeichnis.Datei("a").c_str(), 0), 0);
  }
  EXPECT_FALSE(std::filesystem::exists(pfad));
  EXPECT_NE(test::TTempVerzeichnis().Pfad(), test::TTempVerzeichnis().Pfad());
}

TEST(Beispieldaten, AnyLineOfAnotherFormThrowsWithFileAndLine) {
  const std::string kopf = "Date,Open,High,Low,Close,Volume\n";
  const std::string gut = "2003-06-19,26.09,26.39,26.01,26.07,63626900\n";
  struct Fall {
    const char* grund;
    std::string inhalt;
    std::string meldung;  // after the path
  };
  const Fall faelle[] = {
      {"no file", "", ": fehlt oder hat nicht den Kopf Date,Open,High,Low,Close,Volume"},
      {"a field missing", kopf + gut + "2003-06-20,26.34,26.38,26.01,26.33\n",
       ", Zeile 3: 2003-06-20,26.34,26.38,26.01,26.33"},
      {"text after the volume", kopf + "2003-06-20,26.34,26.38,26.01,26.33,86048896x\n",
       ", Zeile 2: 2003-06-20,26.34,26.38,26.01,26.33,86048896x"},
      {"empty line", kopf + gut + "\n", ", Zeile 3: "},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.grund);
    const test::TTempVerzeichnis verzeichnis;
    if (!f.inhalt.empty()) verzeichnis.Schreibe("k.csv", f.inhalt);
    EXPECT_THROW_MSG(test::KursdateiLesen(verzeichnis.Datei("k.csv")), std::runtime_error,
                     verzeichnis.Datei("k.csv") + f.meldung);
  }
  const test::TTempVerzeichnis verzeichnis;
  verzeichnis.Schreibe("crlf.csv", "Date,Open,High,Low,Close,Volume\r\n" +
                                       std::string("2003-06-19,1,2,0.5,1.5,10\r\n"));
  EXPECT_EQ(test::KursdateiLesen(verzeichnis.Datei("crlf.csv")).Kurs(0)->Umsatz, 10);
}

}  // namespace
}  // namespace morvane
