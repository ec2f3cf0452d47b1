#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/datei.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

using test::DateiAnlegen;
using test::DateiInhalt;

// Sets the last change of a file `sekunden` into the past.
void Altern(const std::string& pfad, long sekunden) {
  timeval zeiten[2];
  ::gettimeofday(&zeiten[0], nullptr);
  zeiten[0].tv_sec -= sekunden;
  zeiten[1] = zeiten[0];
  ASSERT_EQ(::utimes(pfad.c_str(), zeiten), 0);
}

// None of these may block or read without end; each is refused at once.
TEST(DateiGrenzen, OnlyRegularFilesUpToTheLimitAreRead) {
  const test::TTempVerzeichnis tmp;
  const std::string fifo = tmp.Pfad() + "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string hundert = tmp.Pfad() + "hundert";
  DateiAnlegen(hundert, std::string(100, 'x'));
  struct TFall {
    std::string Pfad;
    std::size_t Grenze;
    std::string Meldung;
  };
  for (const TFall& f : std::vector<TFall>{
           {fifo, kDateiGrenze, "Keine reguläre Datei"},
           {"/dev/zero", kDateiGrenze, "Keine reguläre Datei"},
           {"/dev/null", kDateiGrenze, "Keine reguläre Datei"},
           {hundert, 99, "Datei größer als 99 Bytes"},
           // Its size says 0; the limit holds while reading.
           {"/proc/self/status", 10, "Datei größer als 10 Bytes"},
       }) {
    SCOPED_TRACE(f.Pfad);
    EXPECT_THROW_MSG(DateiLesen(f.Pfad, f.Grenze), EDateiUngeeignet, f.Meldung);
    std::string puffer;
    EXPECT_THROW_MSG(DateiLesenIn(f.Pfad, puffer, kGanzeDatei, f.Grenze), EDateiUngeeignet,
                     f.Meldung);
  }
  EXPECT_EQ(DateiLesen(hundert, 100), std::string(100, 'x'));
  // A front shorter than the limit may be read from a larger file.
  std::string puffer;
  EXPECT_EQ(DateiLesenIn(hundert, puffer, 20, 50), std::string(20, 'x'));
  EXPECT_THROW_MSG(DateiLesenIn(hundert, puffer, 60, 50), EDateiUngeeignet,
                   "Datei größer als 50 Bytes");
}

TEST(DateiGrenzen, SizeAndErrorTextsAreGerman) {
  EXPECT_EQ(GroesseText(kDateiGrenze), "256 MB");
  EXPECT_EQ(GroesseText(std::size_t{64} << 10), "64 KB");
  EXPECT_EQ(GroesseText((std::size_t{1} << 20) + 1), "1048577 Bytes");
  EXPECT_EQ(GroesseText(0), "0 Bytes");
  EXPECT_EQ(Fehlertext(ENAMETOOLONG), "Dateiname zu lang");
  EXPECT_EQ(Fehlertext(EFBIG), "Datei zu groß");
  EXPECT_EQ(Fehlertext(9999), "Systemfehler 9999");
  for (int nummer = 1; nummer < 134; ++nummer) {
    EXPECT_EQ(Fehlertext(nummer).find(std::strerror(nummer)), std::string::npos) << nummer;
  }
}

TEST(DateiGrenzen, SaveFollowsALinkAndRefusesWhatIsNoRegularFile) {
  const test::TTempVerzeichnis tmp;
  const std::string echt = tmp.Pfad() + "echt.txt";
  const std::string link = tmp.Pfad() + "link.txt";
  DateiAnlegen(echt, "alt");
  fs::create_symlink(echt, link);
  DateiAtomarSchreiben(link, "neu");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(DateiInhalt(echt), "neu");

  // A link to a device is refused like the device; a pipe stands in for one
  // here, so that a fault could not replace a device of the machine.
  const std::string geraet = tmp.Pfad() + "geraet";
  ASSERT_EQ(::mkfifo(geraet.c_str(), 0600), 0);
  const std::string voll = tmp.Pfad() + "voll.svg";
  fs::create_symlink(geraet, voll);
  EXPECT_THROW_MSG(DateiAtomarSchreiben(voll, "x"), EDateiUngeeignet, "Keine reguläre Datei");
  EXPECT_TRUE(fs::is_fifo(geraet));
  EXPECT_TRUE(fs::is_symlink(voll));
  fs::create_directory(tmp.Pfad() + "ordner");
  EXPECT_THROW_MSG(DateiAtomarSchreiben(tmp.Pfad() + "ordner", "x"), EDateiUngeeignet,
                   "Ist ein Verzeichnis");
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.Pfad()), fs::directory_iterator()), 5);
}

TEST(DateiGrenzen, SaveRemovesOnlyOldTemporariesOfItsOwnTarget) {
  const test::TTempVerzeichnis tmp;
  const std::string ziel = tmp.Pfad() + "Name.mv3";
  const std::vector<std::pair<std::string, bool>> faelle = {
      {"Name.mv3.tmpAb12Cd", true},     // a killed save's leftover
      {"Name.mv3.tmpXy34Zw", false},    // young: a save may still be writing it
      {"Name.mv3.tmpAb12C", false},     // not the pattern
      {"Name.mv3.tmpAb12Cd.x", false},  // not the pattern
      {"Andere.mv3.tmpAb12Cd", false},  // another target's
      {"Name.mv3.tmp-b12Cd", false},    // not a mkstemp name
  };
  for (const auto& [name, alt] : faelle) {
    DateiAnlegen(tmp.Pfad() + name, "rest");
    if (name != "Name.mv3.tmpXy34Zw") Altern(tmp.Pfad() + name, kTemporaerVerwaistNach + 5);
  }
  Altern(tmp.Pfad() + "Name.mv3.tmpXy34Zw", kTemporaerVerwaistNach - 20);
  DateiAtomarSchreiben(ziel, "daten");
  EXPECT_EQ(DateiInhalt(ziel), "daten");
  for (const auto& [name, weg] : faelle) {
    EXPECT_EQ(fs::exists(tmp.Pfad() + name), !weg) << name;
  }
}

// In a child process: a save of 5000 bytes while files may not grow beyond
// 1000; exits 0 when it failed with the expected reason.
void VollSchreiben(const std::string& ziel) {
  std::signal(SIGXFSZ, SIG_IGN);
  const rlimit grenze{1000, 1000};
  ::setrlimit(RLIMIT_FSIZE, &grenze);
  const std::string meldung =
      test::AusnahmeMeldung([&] { DateiAtomarSchreiben(ziel, std::string(5000, 'b')); });
  std::_Exit(meldung == "Datei zu groß" ? 0 : 1);
}

// A write that fails half-way (here at the file size limit, as on a full disk)
// reports the reason and leaves the old file byte for byte.
TEST(DateiGrenzen, AFailedWriteKeepsTheOldFile) {
  const test::TTempVerzeichnis tmp;
  const std::string ziel = tmp.Pfad() + "ziel.bin";
  const std::string alt(3000, 'a');
  DateiAnlegen(ziel, alt);
  EXPECT_EXIT(VollSchreiben(ziel), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(DateiInhalt(ziel), alt);
  EXPECT_EQ(std::distance(fs::directory_iterator(tmp.Pfad()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace morvane
