#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/cli/befehle.h"
#include "indicators/indvorlagen.h"
#include "store/einstellungen.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

struct TErgebnis {
  int Code;
  std::string Aus;
  std::string Meldung;
};

class Einstellungsmeldung : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(Pfad("daten"));
    const TErgebnis r = Lauf({"anlegen", "Depot", "Test AG"});
    ASSERT_EQ(r.Code, 0) << r.Meldung;
    id_ = r.Aus.substr(0, r.Aus.size() - 1);
    Schreibe(Pfad("k.csv"), "Datum;Schluss\n02.01.2024;10,5\n03.01.2024;11\n04.01.2024;12\n");
    ASSERT_EQ(Lauf({"importiere", id_, Pfad("k.csv")}).Code, 0);
  }

  TErgebnis Lauf(std::vector<std::string> argumente) const {
    argumente.insert(argumente.begin(), {"--programmverzeichnis", dir_.Pfad(), "--datenverzeichnis",
                                         dir_.Pfad() + "daten"});
    std::ostringstream aus, meldung;
    const int code = CliAusfuehren(argumente, aus, meldung);
    return {code, aus.str(), meldung.str()};
  }
  std::string Pfad(const std::string& name) const { return dir_.Pfad() + name; }
  static void Schreibe(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
  }
  // The settings file as the program writes it, with the default indicator set.
  std::string Einstellungsdatei() const {
    TEinstellungen e(dir_.Pfad());
    IndEinstellungenEinstecken(e);
    return e.Dateiinhalt();
  }

  test::TTempVerzeichnis dir_;
  std::string id_;
};

TEST_F(Einstellungsmeldung, UnbrauchbareEinstellungenWerdenEinmalGemeldet) {
  const TErgebnis ohne = Lauf({"signale", id_, "04.01.2024"});
  ASSERT_EQ(ohne.Code, 0);
  EXPECT_EQ(ohne.Meldung, "");
  const std::string gut = Einstellungsdatei();
  std::string fremderTyp = gut;
  fremderTyp.replace(fremderTyp.find("IndRSI"), 6, "IndXYZ");
  struct TFall {
    std::string Inhalt;
    std::string Zustand;
    bool GleicheAusgabe;
  };
  const TFall faelle[] = {
      {"MORVANE",
       "ist keine Einstellungsdatei dieser Programmversion; es gelten die "
       "Voreinstellungen.",
       true},
      {gut.substr(0, 60),
       "ist beschädigt (Lesefehler: unerwartetes Dateiende); ab dieser Stelle gelten die "
       "Voreinstellungen.",
       true},
      // The set is kept up to the unknown kind.
      {fremderTyp,
       "ist beschädigt (Block 'Indikatorvorlagen': Unbekannter Indikatortyp 'IndXYZ' im "
       "Indikatorsatz); ab dieser Stelle gelten die Voreinstellungen.",
       false},
  };
  for (const TFall& f : faelle) {
    Schreibe(Pfad("morvane.cfg"), f.Inhalt);
    std::filesystem::remove(Pfad("logbuch.txt"));
    const std::string zeile = "Die Einstellungsdatei '" + Pfad("morvane.cfg") + "' " + f.Zustand;
    const TErgebnis r = Lauf({"signale", id_, "04.01.2024"});
    EXPECT_EQ(r.Code, 0) << f.Zustand;
    EXPECT_EQ(r.Meldung, zeile + "\n");
    if (f.GleicheAusgabe) {
      EXPECT_EQ(r.Aus, ohne.Aus);
    }
    std::ifstream log(Pfad("logbuch.txt"));
    const std::string text{std::istreambuf_iterator<char>(log), {}};
    EXPECT_NE(text.find(zeile + "\n"), std::string::npos) << text;
  }

  Schreibe(Pfad("morvane.cfg"), gut);
  EXPECT_EQ(Lauf({"signale", id_, "04.01.2024"}).Meldung, "");
}

}  // namespace
}  // namespace morvane
