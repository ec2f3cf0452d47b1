#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "app/cli/befehle.h"
#include "online/konto.h"
#include "online/quellendatei.h"
#include "store/einstellungen.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

struct TErgebnis {
  int Code;
  std::string Aus;
  std::string Meldung;
};

// The example data in catalog "Beispiele", shipped sources of the automatic
// candidates pointing to a local server that serves "<ISIN>.txt" pages.
class AktualisierenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(Lauf({"beispieldaten", Daten()}).Code, 0);
    const std::string vorlage = "http://127.0.0.1:" + server_.Port() + "/<isin>.txt";
    std::vector<TQuelle> quellen;
    for (const char* name :
         {"Fonds außerbörslich von Onvista [ISIN]", "Indizes von Onvista [ISIN]"})
      quellen.push_back({qaInternetAktuell, name, "", "", vorlage, "", 0, kSkript});
    QuellendateiSchreiben(tmp_.Pfad() + "Quellen35.mvq", quellen, TQuellenKopf::Programm, 0);
    QuellendateiSchreiben(tmp_.Pfad() + "anwender.mvq", {}, TQuellenKopf::Persoenlich, 0);
    // With AutoUpdate the online update runs when a security got nothing: here.
    TKonto konto;
    konto.UpdateAdresse = "https://127.0.0.1:9/index.txt";
    KontoSpeichern(tmp_.Pfad(), konto);
    for (const char* isin : kIsins)
      tmp_.Schreibe(std::string("www/") + isin + ".txt", "05.01.2026;123,45\n");
  }

  TErgebnis Lauf(std::vector<std::string> argumente) const {
    argumente.insert(argumente.begin(), {"--programmverzeichnis", tmp_.Pfad()});
    std::ostringstream aus, meldung;
    const int code = CliAusfuehren(argumente, aus, meldung);
    return {code, aus.str(), meldung.str()};
  }
  std::string Daten() const { return tmp_.Pfad() + "daten/"; }
  std::string ID(const std::string& name) const { return Daten() + "Beispiele/" + name + ".mv3"; }
  std::string Kurs(const std::string& name, const std::string& tag) const {
    return Lauf({"--datenverzeichnis", Daten(), "kurse", ID(name), "--von", tag, "--bis", tag}).Aus;
  }
  TErgebnis Aktualisieren(std::vector<std::string> argumente) const {
    argumente.insert(argumente.begin(), {"--datenverzeichnis", Daten(), "aktualisieren"});
    return Lauf(argumente);
  }

  static constexpr const char* kSkript =
      "datensatz\n datum(format \"TT.MM.JJJJ\") position(spalte +1)\n"
      " schluss(trennzeichen \";\")\nende\n";
  static constexpr const char* kIsins[] = {"US0378331005", "US5949181045", "US38259P5089",
                                           "US30303M1027", "US78378X1072"};
  test::TTempVerzeichnis tmp_;
  test::TServerProzess server_{
      {"python3", test::ServerSkript("kursseiten.py"), tmp_.Pfad() + "www"}};
};

TEST_F(AktualisierenTest, BeispieldatenVomLokalenServer) {
  const TErgebnis alle = Aktualisieren({"--katalog", "Beispiele"});
  EXPECT_EQ(alle.Code, 0) << alle.Meldung;
  EXPECT_EQ(alle.Aus, "Kursaktualisierung erfolgreich durchgeführt. 5 Wertpapiere aktualisiert.\n");
  EXPECT_NE(
      alle.Meldung.find("Internet (aktuell): Indizes von Onvista [ISIN]: Adresse 5 von 5 (Lauf 1)"),
      std::string::npos)
      << alle.Meldung;
  for (const char* name : {"Apple", "Microsoft", "Google", "Facebook", "SP 500"})
    EXPECT_EQ(Kurs(name, "05.01.2026"), "05.01.2026\t-\t-\t-\t123.45\t-\t-\n") << name;

  std::filesystem::remove(tmp_.Pfad() + "www/US38259P5089.txt");
  tmp_.Schreibe("www/US0378331005.txt", "06.01.2026;124\n");
  const TErgebnis teil = Aktualisieren({ID("Apple"), "--katalog", "Beispiele", "--tageskurse"});
  EXPECT_EQ(teil.Code, 1) << teil.Meldung;
  EXPECT_EQ(teil.Aus,
            "Beispiele / Google\tTageskurse\tKursquellen haben keinen Kurs geliefert.\n"
            "Kursaktualisierung abgeschlossen: 1 von 5 Wertpapieren ohne Kurse.\n");
  EXPECT_EQ(Kurs("Apple", "06.01.2026"), "06.01.2026\t-\t-\t-\t124\t-\t-\n");
  EXPECT_EQ(Kurs("Apple", "05.01.2026"), "05.01.2026\t-\t-\t-\t123.45\t-\t-\n");
}

TEST_F(AktualisierenTest, AufrufFehlerUndKeineVerbindung) {
  struct TFall {
    std::vector<std::string> argumente;
    int code;
    const char* meldung;
  };
  const TFall faelle[] = {
      {{}, 2, "Keine Wertpapiere angegeben."},
      {{"--katalog", "Fehlt"}, 2, "Den Katalog 'Fehlt' gibt es nicht."},
      {{"--katalog"}, 2, "Die Option --katalog verlangt einen Wert."},
      {{"/nirgends/x.mv3"}, 2, "Das Wertpapier '/nirgends/x.mv3' gibt es nicht."},
      {{"--heute", "x"}, 2, "Unbekannte Option: --heute"},
  };
  for (const TFall& f : faelle) {
    const TErgebnis r = Aktualisieren(f.argumente);
    EXPECT_EQ(r.Code, f.code);
    EXPECT_EQ(r.Meldung.substr(0, r.Meldung.find('\n')), f.meldung);
  }
  TEinstellungen einstellungen(tmp_.Pfad());
  einstellungen.DFUeVerbinden = true;
  einstellungen.DFUeEintrag = "Modem";
  einstellungen.Speichern();
  const TErgebnis ohne = Aktualisieren({ID("Google")});
  EXPECT_EQ(ohne.Code, 3);
  EXPECT_EQ(ohne.Aus,
            "Beispiele / Google\tTageskurse\tKursquellen haben keinen Kurs geliefert.\n"
            "Kursaktualisierung abgeschlossen: 1 von 1 Wertpapieren ohne Kurse (keine Verbindung "
            "zum Internet).\n");
  EXPECT_NE(ohne.Meldung.find("Es konnte keine Verbindung zum Internet hergestellt werden.\n"),
            std::string::npos);
}

// Two processes write into the same security at once: the update run and an
// import, three times over, each import on a day of its own. The store's file lock lets neither
// lose the other's prices.
TEST_F(AktualisierenTest, ZweiProzesseGleichzeitig) {
  for (int runde = 0; runde < 3; ++runde) {
    const std::string tag = "0" + std::to_string(7 + runde) + ".01.2026";
    tmp_.Schreibe("import.csv", "Datum;Schluss\n" + tag + ";200\n");
    std::vector<pid_t> kinder;
    for (int i = 0; i < 2; ++i) {
      const pid_t kind = fork();
      ASSERT_GE(kind, 0);
      if (kind == 0) {
        const TErgebnis r = i == 0 ? Aktualisieren({ID("Apple")})
                                   : Lauf({"--datenverzeichnis", Daten(), "importiere", ID("Apple"),
                                           tmp_.Pfad() + "import.csv"});
        _exit(r.Code);
      }
      kinder.push_back(kind);
    }
    for (pid_t kind : kinder) {
      int status = 0;
      waitpid(kind, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(Kurs("Apple", "05.01.2026"), "05.01.2026\t-\t-\t-\t123.45\t-\t-\n");
    EXPECT_EQ(Kurs("Apple", tag), tag + "\t-\t-\t-\t200\t-\t-\n");
  }
}

}  // namespace
}  // namespace morvane
