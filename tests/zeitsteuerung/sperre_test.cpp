#include "zeitsteuerung/sperre.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "testhilfe/tempverzeichnis.h"
#include "zeitsteuerung/endesignal.h"
#include "zeitsteuerung/prozess.h"

extern char** environ;

namespace morvane::test {
namespace {

TEST(ZeitsteuerungSperre, NurEinHalterUndDessenProzessnummer) {
  TTempVerzeichnis dir;
  EXPECT_EQ(LaufendeZeitsteuerung(dir.Pfad()), std::nullopt);
  {
    std::optional<TZeitsteuerungSperre> erste = TZeitsteuerungSperre::Nehmen(dir.Pfad());
    ASSERT_TRUE(erste);
    EXPECT_EQ(LaufendeZeitsteuerung(dir.Pfad()), ::getpid());
    // flock counts open files, not processes: a second claim fails here too.
    EXPECT_FALSE(TZeitsteuerungSperre::Nehmen(dir.Pfad()));
    const TZeitsteuerungSperre verschoben = std::move(*erste);
    erste.reset();
    EXPECT_EQ(LaufendeZeitsteuerung(dir.Pfad()), ::getpid());
  }
  EXPECT_EQ(LaufendeZeitsteuerung(dir.Pfad()), std::nullopt);
  EXPECT_EQ(dir.Lies("zeitsteuerung.pid"), "");
  EXPECT_TRUE(TZeitsteuerungSperre::Nehmen(dir.Pfad()));
  EXPECT_THROW(TZeitsteuerungSperre::Nehmen(dir.Datei("fehlt/")), EZeitsteuerung);
}

TEST(ZeitsteuerungProzess, NurDasEigeneProgrammGiltAlsZeitsteuerung) {
  const std::string selbst = std::filesystem::read_symlink("/proc/self/exe").string();
  EXPECT_TRUE(IstZeitsteuerung(::getpid(), selbst));
  EXPECT_EQ(ProgrammVonProzess(::getpid()), selbst);
  EXPECT_FALSE(IstZeitsteuerung(::getpid(), "/usr/bin/zeitsteuerung-gibt-es-nicht"));
  EXPECT_FALSE(IstZeitsteuerung(0, selbst));
  // A process of another program, and one that is gone.
  pid_t pid = -1;
  char* argv[] = {const_cast<char*>("sleep"), const_cast<char*>("30"), nullptr};
  ASSERT_EQ(::posix_spawnp(&pid, "sleep", nullptr, nullptr, argv, environ), 0);
  EXPECT_FALSE(IstZeitsteuerung(pid, selbst));
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  EXPECT_FALSE(IstZeitsteuerung(pid, selbst));
  EXPECT_EQ(ProgrammVonProzess(pid), "");
}

TEST(ZeitsteuerungProzess, BefehlMeldetSeinenAusgang) {
  TTempVerzeichnis dir;
  EXPECT_EQ(BefehlAusfuehren("touch '" + dir.Datei("aus") + "'"), 0);
  EXPECT_TRUE(std::filesystem::exists(dir.Datei("aus")));
  EXPECT_EQ(BefehlAusfuehren("exit 3"), 3);
  EXPECT_EQ(BefehlAusfuehren("kill -TERM $$"), 128 + SIGTERM);
}

TEST(ZeitsteuerungEndesignal, SigtermSetztDieMarkeUndWecktDasWarten) {
  TEndesignal signal;
  EXPECT_FALSE(signal.Empfangen());
  const auto start = std::chrono::steady_clock::now();
  signal.Warten(std::chrono::milliseconds(20));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
  ::raise(SIGTERM);
  EXPECT_TRUE(signal.Empfangen());
  const auto vorher = std::chrono::steady_clock::now();
  signal.Warten(std::chrono::seconds(30));
  signal.Warten(std::chrono::seconds(30));
  EXPECT_LT(std::chrono::steady_clock::now() - vorher, std::chrono::seconds(5));
}

}  // namespace
}  // namespace morvane::test
