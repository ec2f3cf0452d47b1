#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/datum.h"
#include "core/datumtext.h"
#include "store/wpverwaltung.h"
#include "testhilfe/tempverzeichnis.h"

extern char** environ;

namespace morvane {
namespace {

namespace fs = std::filesystem;

struct TLauf {
  int Code = -1;
  std::string Ausgabe;  // standard output and standard error
};

// Runs the real program with `argumente`, its output going to `protokoll`.
TLauf Starten(const std::vector<std::string>& argumente, const std::string& protokoll) {
  std::vector<char*> argv;
  std::string programm = MORVANE_CLI_PROGRAMM;
  argv.push_back(programm.data());
  std::vector<std::string> kopie = argumente;
  for (std::string& a : kopie)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t aktionen;
  posix_spawn_file_actions_init(&aktionen);
  posix_spawn_file_actions_addopen(&aktionen, 1, protokoll.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_adddup2(&aktionen, 1, 2);
  pid_t pid = 0;
  TLauf lauf;
  if (posix_spawn(&pid, programm.c_str(), &aktionen, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    lauf.Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&aktionen);
  std::ifstream ein(protokoll);
  lauf.Ausgabe.assign(std::istreambuf_iterator<char>(ein), {});
  return lauf;
}

// Writers of every kind work on one security at the same time, each command
// a process of its own, as the update run, the scheduler and the command line
// would. Not one change may get lost, and no two new securities may share a
// file.
class ParallelSchreiber : public ::testing::Test {
 protected:
  static constexpr int kRunden = 8;
  test::TTempVerzeichnis verzeichnis;
  const std::string daten = verzeichnis.Pfad() + "daten/";
  const std::string id = daten + "Aktien/Apple.mv3";
  const Boersentag start = BoersentagAusDatum(2, 1, 2018);

  void SetUp() override {
    TWertpapier wp;
    wp.Bezeichnung = "Apple";
    wp.Transaktionen.Einfuegen(TTransaktionKauf(start, 10, 100, 1000));
    wp.Kurse.Setze(TKurs{start, 0, 0, 100, 0, 0, 0}, TSetzModus::Ersetzen);
    fs::create_directories(daten);
    TWPVerwaltung(daten).WertpapierSpeichern(id, wp);
  }

  // The commands of one writer, run one after the other.
  using TBefehle = std::vector<std::vector<std::string>>;

  TBefehle Schreiber(const std::function<std::vector<std::string>(int)>& befehl) {
    TBefehle befehle;
    for (int i = 0; i < kRunden; ++i) {
      std::vector<std::string> argumente = {"--programmverzeichnis", verzeichnis.Pfad(),
                                            "--datenverzeichnis", daten};
      for (std::string& a : befehl(i))
        argumente.push_back(std::move(a));
      befehle.push_back(std::move(argumente));
    }
    return befehle;
  }

  std::string Tag(int i) const { return BoersentagZuText(start + 1 + i); }

  std::string Csv(int i) const {
    const std::string pfad = verzeichnis.Pfad() + "kurs" + std::to_string(i) + ".csv";
    std::ofstream(pfad) << "Datum;Schluss\n" << Tag(100 + i) << ";" << 200 + i << "\n";
    return pfad;
  }

  // Runs all writers at once and returns every run, writer by writer.
  std::vector<std::vector<TLauf>> AlleStarten(const std::vector<TBefehle>& schreiber) {
    std::vector<std::vector<TLauf>> laeufe(schreiber.size());
    std::vector<std::thread> faeden;
    for (std::size_t s = 0; s < schreiber.size(); ++s) {
      faeden.emplace_back([&, s] {
        for (std::size_t i = 0; i < schreiber[s].size(); ++i) {
          const std::string protokoll =
              verzeichnis.Pfad() + "lauf" + std::to_string(s) + "-" + std::to_string(i) + ".txt";
          laeufe[s].push_back(Starten(schreiber[s][i], protokoll));
        }
      });
    }
    for (std::thread& f : faeden)
      f.join();
    return laeufe;
  }
};

TEST_F(ParallelSchreiber, NoChangeIsLostAndNoIdIsHandedOutTwice) {
  std::vector<std::string> csv;
  for (int i = 0; i < kRunden; ++i)
    csv.push_back(Csv(i));
  const std::vector<TBefehle> schreiber = {
      Schreiber([&](int) {
        return std::vector<std::string>{"transaktion", id, "sonstige", Tag(0), "1"};
      }),
      Schreiber([&](int) {
        return std::vector<std::string>{"transaktion", id, "kauf", Tag(0), "1", "1", "1"};
      }),
      // 1 : 1 on a day of its own each, so that every split stays and the
      // prices keep their values.
      Schreiber([&](int i) {
        return std::vector<std::string>{"split", id, Tag(10 + i), "1", "1"};
      }),
      Schreiber([&](int i) {
        return std::vector<std::string>{"importiere", id, csv[i]};
      }),
      Schreiber([](int) {
        return std::vector<std::string>{"anlegen", "Neu", "Papier"};
      }),
      Schreiber([](int) {
        return std::vector<std::string>{"anlegen", "Neu", "Papier"};
      }),
  };
  const std::vector<std::vector<TLauf>> laeufe = AlleStarten(schreiber);

  std::set<std::string> neueIds;
  int angelegt = 0;
  for (std::size_t s = 0; s < laeufe.size(); ++s) {
    for (const TLauf& lauf : laeufe[s]) {
      EXPECT_EQ(lauf.Code, 0) << "Schreiber " << s << ": " << lauf.Ausgabe;
      if (s >= 4) {
        neueIds.insert(lauf.Ausgabe);
        ++angelegt;
      }
    }
  }
  const TWPVerwaltung store(daten);
  const TWertpapier wp = store.WertpapierLaden(id);
  EXPECT_EQ(wp.Transaktionen.Anzahl(), 1 + 3 * kRunden);
  EXPECT_EQ(wp.Kurse.Anzahl(), 1 + kRunden);
  EXPECT_EQ(wp.Kurse.Kurs(0)->Schluss, 100);  // the 1 : 1 splits changed no price

  EXPECT_EQ(angelegt, 2 * kRunden);
  EXPECT_EQ(neueIds.size(), static_cast<std::size_t>(2 * kRunden));
  std::vector<std::string> dateien;
  store.WertpapiereAuflisten("Neu", dateien);
  EXPECT_EQ(dateien.size(), static_cast<std::size_t>(2 * kRunden));
  for (const std::string& datei : dateien)
    EXPECT_EQ(store.StammdatenLaden(datei).Bezeichnung, "Papier") << datei;
}

}  // namespace
}  // namespace morvane
