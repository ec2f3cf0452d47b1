#include "core/datei.h"

#include <gtest/gtest.h>

#include <string>

#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

class DateiInhalt : public ::testing::Test {
 protected:
  std::string Anlegen(const std::string& name, const std::string& inhalt) {
    DateiAtomarSchreiben(Pfad(name), inhalt);
    return Pfad(name);
  }
  std::string Pfad(const std::string& name) const { return verzeichnis_.Datei(name); }

 private:
  test::TTempVerzeichnis verzeichnis_;
};

std::string Muster(std::size_t laenge) {
  std::string s(laenge, '\0');
  for (std::size_t i = 0; i < laenge; ++i)
    s[i] = static_cast<char>('a' + i % 26);
  return s;
}

TEST_F(DateiInhalt, FileAfterFileReusesTheBufferAndReturnsOnlyTheNewBytes) {
  const std::string gross = Muster(200000);
  const std::string grossPfad = Anlegen("gross", gross);
  const std::string kleinPfad = Anlegen("klein", std::string("kl\0in", 5));
  const std::string leerPfad = Anlegen("leer", "");

  const char* puffer = nullptr;
  {
    const TDateiInhalt a(grossPfad);
    EXPECT_EQ(a.Daten(), gross);
    puffer = a.Daten().data();
  }
  {
    const TDateiInhalt b(kleinPfad);
    EXPECT_EQ(b.Daten(), std::string("kl\0in", 5));
    EXPECT_EQ(b.Daten().data(), puffer);
  }
  EXPECT_EQ(TDateiInhalt(leerPfad).Daten(), "");
  EXPECT_EQ(TDateiInhalt(grossPfad).Daten(), gross);
}

TEST_F(DateiInhalt, ContentsAliveAtTheSameTimeKeepTheirOwnBytes) {
  const std::string eins = Anlegen("eins", Muster(5000));
  const std::string zwei = Anlegen("zwei", "zwei");
  const TDateiInhalt a(eins);
  const TDateiInhalt b(zwei);
  const TDateiInhalt c(eins);
  EXPECT_EQ(a.Daten(), Muster(5000));
  EXPECT_EQ(b.Daten(), "zwei");
  EXPECT_EQ(c.Daten(), Muster(5000));
  EXPECT_NE(a.Daten().data(), b.Daten().data());
  EXPECT_NE(a.Daten().data(), c.Daten().data());
}

TEST_F(DateiInhalt, AFailedReadReportsTheReasonAndReturnsTheBuffer) {
  const std::string pfad = Anlegen("da", "da");
  const char* puffer = TDateiInhalt(pfad).Daten().data();
  EXPECT_THROW_MSG(TDateiInhalt fehlt(Pfad("fehlt")), EDatei,
                   "Datei oder Verzeichnis nicht gefunden");
  EXPECT_THROW_MSG(TDateiInhalt verzeichnis(Pfad("")), EDatei, "Ist ein Verzeichnis");
  const TDateiInhalt wieder(pfad);
  EXPECT_EQ(wieder.Daten(), "da");
  EXPECT_EQ(wieder.Daten().data(), puffer);
}

TEST_F(DateiInhalt, ReadsAtMostTheAskedBytes) {
  const std::string pfad = Anlegen("text", Muster(100));
  EXPECT_EQ(TDateiInhalt(pfad, 10).Daten(), Muster(10));
  EXPECT_EQ(TDateiInhalt(pfad, 100).Daten(), Muster(100));
  EXPECT_EQ(TDateiInhalt(pfad, 1000).Daten(), Muster(100));
  EXPECT_EQ(TDateiInhalt(pfad, 0).Daten(), "");

  std::string puffer = Muster(300);
  EXPECT_EQ(DateiLesenIn(pfad, puffer, 50), Muster(50));
  EXPECT_EQ(puffer.size(), 300u);
}

TEST_F(DateiInhalt, AFileAboveTheKeptSizeAndOneWithoutSizeAreReadWhole) {
  const std::string riesig = Muster(TDateiInhalt::kBehaltenBis + 3);
  const std::string pfad = Anlegen("riesig", riesig);
  EXPECT_EQ(TDateiInhalt(pfad).Daten(), riesig);
  EXPECT_EQ(TDateiInhalt(Anlegen("klein", "klein")).Daten(), "klein");

  // Files of the proc file system report size 0 and still have content.
  const std::string status = DateiLesen("/proc/self/status");
  EXPECT_GT(status.size(), 100u);
  EXPECT_EQ(status.back(), '\n');
  EXPECT_EQ(std::string(TDateiInhalt("/proc/self/status").Daten()).substr(0, 5), "Name:");
}

}  // namespace
}  // namespace morvane
