#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "app/cli/befehle.h"
#include "indicators/indvorlagen.h"
#include "store/einstellungen.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// A command that reads the settings once more itself, run over a settings
// file that is cut, foreign, holds an unknown indicator kind or no indicator: the user hears
// of it exactly once, on the error stream and in the log book.
TEST(Einstellungsmeldung, UnbrauchbareEinstellungenWerdenEinmalGemeldet) {
  const test::TTempVerzeichnis dir;
  const std::string cfg = dir.Pfad() + "morvane.cfg";
  const auto lauf = [&](std::vector<std::string> argumente, std::string* meldung = nullptr) {
    argumente.insert(argumente.begin(), {"--programmverzeichnis", dir.Pfad()});
    std::ostringstream aus, fehler;
    EXPECT_EQ(CliAusfuehren(argumente, aus, fehler), 0) << fehler.str();
    if (meldung) *meldung = fehler.str();
    return aus.str();
  };
  std::string id = lauf({"anlegen", "Depot", "Test AG"});
  id.pop_back();
  std::ofstream(dir.Pfad() + "k.csv") << "Datum;Schluss\n02.01.2024;10,5\n03.01.2024;11\n";
  lauf({"importiere", id, dir.Pfad() + "k.csv"});
  const std::string ohne = lauf({"signale", id, "03.01.2024"});

  TEinstellungen e(dir.Pfad());
  IndEinstellungenEinstecken(e);
  const std::string gut = e.Dateiinhalt();
  IndVorlagen(e).Ersetzen(std::make_unique<TIndListe>());
  const std::string leer = e.Dateiinhalt();
  std::string fremderTyp = gut;
  fremderTyp.replace(fremderTyp.find("IndRSI"), 6, "IndXYZ");
  const std::pair<std::string, std::string> faelle[] = {
      {"MORVANE",
       "ist keine Einstellungsdatei dieser Programmversion; es gelten die "
       "Voreinstellungen."},
      {gut.substr(0, 60),
       "ist beschädigt (Lesefehler: unerwartetes Dateiende); ab dieser "
       "Stelle gelten die Voreinstellungen."},
      {fremderTyp,
       "ist beschädigt (Block 'Indikatorvorlagen': Unbekannter Indikatortyp "
       "'IndXYZ' im Indikatorsatz); ab dieser Stelle gelten die Voreinstellungen."},
      {leer, "enthält keine Indikatoren; es werden nur die drei Gruppensummen berechnet."},
  };
  for (const auto& [inhalt, zustand] : faelle) {
    std::ofstream(cfg, std::ios::binary) << inhalt;
    std::filesystem::remove(dir.Pfad() + "logbuch.txt");
    const std::string zeile = "Die Einstellungsdatei '" + cfg + "' " + zustand + "\n";
    std::string meldung;
    const std::string aus = lauf({"signale", id, "03.01.2024"}, &meldung);
    EXPECT_EQ(meldung, zeile);
    // A damaged indicator set keeps its kinds before the damage only.
    EXPECT_EQ(aus == ohne, inhalt != fremderTyp && inhalt != leer) << zustand;
    const std::string text = dir.Lies("logbuch.txt");
    EXPECT_NE(text.find(zeile), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace morvane
