#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "core/datumtext.h"
#include "store/wpverwaltung.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// Writers of every kind change one security at the same time, each command a
// process of its own (the real program), as the scheduler, an update run and
// the command line would. No change may get lost and no ID be handed out
// twice.
TEST(ParallelSchreiber, NoChangeIsLostAndNoIdIsHandedOutTwice) {
  constexpr int kRunden = 8;
  test::TTempVerzeichnis verzeichnis;
  const std::string daten = verzeichnis.Pfad() + "daten/";
  const std::string id = daten + "Aktien/Apple.mv3";
  const Boersentag start = BoersentagAusDatum(2, 1, 2018);
  const TWPVerwaltung store(daten);
  TWertpapier wp;
  wp.Transaktionen.Einfuegen(TTransaktionKauf(start, 10, 100, 1000));
  wp.Kurse.Setze(TKurs{start, 0, 0, 100, 0, 0, 0}, TSetzModus::Ersetzen);
  std::filesystem::create_directory(daten);
  store.WertpapierSpeichern(id, wp);

  const auto q = [](const std::string& text) { return "'" + text + "'"; };
  const std::string cli = q(MORVANE_CLI_PROGRAMM) + " --programmverzeichnis " +
                          q(verzeichnis.Pfad()) + " --datenverzeichnis " + q(daten) + " ";
  const auto tag = [&](int i) { return BoersentagZuText(start + 1 + i); };
  // Each writer's command of round i; 1 : 1 splits on days of their own keep
  // every split and every price value.
  const std::vector<std::function<std::string(int)>> schreiber = {
      [&](int) { return "transaktion " + q(id) + " sonstige " + tag(0) + " 1"; },
      [&](int) { return "transaktion " + q(id) + " kauf " + tag(0) + " 1 1 1"; },
      [&](int i) { return "split " + q(id) + " " + tag(10 + i) + " 1 1"; },
      [&](int i) {
        const std::string csv = verzeichnis.Pfad() + std::to_string(i) + ".csv";
        std::ofstream(csv) << "Datum;Schluss\n" << tag(100 + i) << ";" << 200 + i << "\n";
        return "importiere " + q(id) + " " + q(csv);
      },
      [](int) { return std::string("anlegen Neu Papier"); },
      [](int) { return std::string("anlegen Neu Papier"); },
  };
  std::vector<std::string> fehler(schreiber.size());
  std::vector<std::thread> faeden;
  for (std::size_t s = 0; s < schreiber.size(); ++s) {
    faeden.emplace_back([&, s] {
      for (int i = 0; i < kRunden; ++i) {
        const std::string aus = verzeichnis.Pfad() + "aus" + std::to_string(s);
        const std::string befehl = schreiber[s](i);
        if (std::system((cli + befehl + " >>" + q(aus) + " 2>&1").c_str()) != 0)
          fehler[s] += befehl + "\n";
      }
    });
  }
  for (std::thread& f : faeden)
    f.join();
  const auto ausgabe = [&](std::size_t s) { return verzeichnis.Lies("aus" + std::to_string(s)); };
  for (std::size_t s = 0; s < schreiber.size(); ++s)
    EXPECT_EQ(fehler[s], "") << ausgabe(s);

  const TWertpapier danach = store.WertpapierLaden(id);
  EXPECT_EQ(danach.Transaktionen.Anzahl(), 1 + 3 * kRunden);
  EXPECT_EQ(danach.Kurse.Anzahl(), 1 + kRunden);
  EXPECT_EQ(danach.Kurse.Kurs(0)->Schluss, 100);
  std::set<std::string> ausgegeben;
  for (std::size_t s : {4, 5}) {
    std::istringstream ein(ausgabe(s));
    for (std::string zeile; std::getline(ein, zeile);)
      ausgegeben.insert(zeile);
  }
  std::vector<std::string> dateien;
  store.WertpapiereAuflisten("Neu", dateien);
  EXPECT_EQ(ausgegeben, std::set<std::string>(dateien.begin(), dateien.end()));
  EXPECT_EQ(dateien.size(), 2u * kRunden);
  for (const std::string& datei : dateien)
    EXPECT_EQ(store.StammdatenLaden(datei).Bezeichnung, "Papier") << datei;
}

}  // namespace
}  // namespace morvane
