#include <gtest/gtest.h>

#include <filesystem>

#include "core/wertpapier.h"
#include "online/internetverbindung.h"
#include "online/konto.h"
#include "online/programmupdate.h"
#include "online/quellendatei.h"
#include "online/signatur.h"
#include "online/updateverzeichnis.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/wpverwaltung.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// Downloads for real; remembers what the run fetched and which text files it
// asked for in which pass.
class TTestUmgebung : public TKursaktuUmgebung {
 public:
  explicit TTestUmgebung(const TEinstellungen& e) : download_(e) {}
  void Status(const std::string&) override {}
  void Fortschritt(const std::string& quelle, int anzahl, int, int) override {
    Fortschritte.push_back(quelle + " " + std::to_string(anzahl));
  }
  TSeitenabruf Abrufen(const std::string& anfrage, const std::string&,
                       const std::function<void(std::string_view)>& senke) override {
    Abrufe.push_back(anfrage.substr(anfrage.rfind('/') + 1));
    return {download_.Download(anfrage, senke), download_.Status(), download_.Inhaltstyp()};
  }
  void Meldung(const std::string&) override {}

  std::vector<std::string> Fortschritte, Abrufe;

 private:
  TDownload download_;
};

// Two securities whose prices come from text files "<WKN>.csv". The installed
// source reads them from the folder alt/, which holds A's file only; the
// published one from neu/, which holds both, A's with another price.
class ZweiterLauf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::TlsServer().Fehlt().empty()) GTEST_SKIP() << test::TlsServer().Fehlt() << " fehlt";
    std::filesystem::remove_all(Wurzel());
    programm_.Schreibe("Quellen35.mvq", Quellen(1, "alt"));
    test::DateiAnlegen(Wurzel() + "Quellen35.mvq", Quellen(2, "neu"));
    UpdateVerzeichnisSignieren(Wurzel(), paar_.PrivatPem, false);
    daten_.Schreibe("alt/A.csv", "05.01.2026;10,5;\n");
    daten_.Schreibe("neu/A.csv", "05.01.2026;999;\n");
    daten_.Schreibe("neu/B.csv", "05.01.2026;20,25;\n");
    a_ = Anlegen("A");
    b_ = Anlegen("B");
    konto_.UpdateAdresse = test::TlsServer().Https("/zweiterlauf/index.txt");
  }

  static std::string Wurzel() { return test::TlsServer().Wurzel() + "zweiterlauf/"; }
  std::string Quellen(int tag, const std::string& ordner) const {
    TQuelle q;
    q.Art = qaTextdatei;
    q.Name = "Kursdatei";
    q.UrlVorlage = daten_.Pfad() + ordner + "/<wkn>.csv";
    q.Seitentyp = 0;
    q.Script =
        "datensatz\n  datum(format \"TT.MM.JJJJ\") position(spalte +1)\n"
        "  schluss(trennzeichen \";\")\nende\n";
    return QuellenSchreiben({q}, TQuellenKopf::Programm, KalendertagAusDatum(tag, 12, 2026));
  }
  std::string Anlegen(const std::string& wkn) {
    TWertpapier wp;
    wp.Bezeichnung = wkn;
    wp.WKN = wkn;
    wp.KursquellenManuell = true;
    wp.QuelleAktuell[0] = "Textdatei: Kursdatei";
    const std::string id = store_.NeueID("Aktien", wkn);
    store_.WertpapierSpeichern(id, wp);
    return id;
  }
  std::vector<double> Schluesse(const std::string& id) const {
    std::vector<double> werte;
    const TKurse kurse = store_.WertpapierLaden(id).Kurse;
    for (int i = 0; i < kurse.Anzahl(); ++i)
      werte.push_back(kurse.Kurs(i)->Schluss);
    return werte;
  }
  TAktuErgebnis Aktualisieren(bool mitUpdate = true) {
    TKursaktuKontext k{store_, einstellungen_, logbuch_, verbindung_, konto_, programm_.Pfad()};
    const TProgrammUpdate update = ProgrammUpdateFuer(k, umgebung_, paar_.Oeffentlich);
    return KursaktuMitUpdate(k, umgebung_, {a_, b_}, true, false,
                             mitUpdate ? update : TProgrammUpdate{});
  }

  static inline const TSchluesselpaar paar_ = SchluesselpaarErzeugen();
  test::TTempVerzeichnis programm_, daten_;
  TWPVerwaltung store_{daten_.Pfad()};
  TEinstellungen einstellungen_{programm_.Pfad()};
  TLogbuch logbuch_{einstellungen_};
  TInternetVerbindung verbindung_;
  TKonto konto_;
  TTestUmgebung umgebung_{einstellungen_};
  std::string a_, b_;
};

TEST_F(ZweiterLauf, NachErfolgreichemUpdateNurFuerWertpapiereOhneKurse) {
  const TAktuErgebnis e = Aktualisieren();
  EXPECT_EQ(e.Ausgang, TAktuAusgang::MitUpdateErfolgreich);
  EXPECT_TRUE(e.OhneKurse.empty());
  EXPECT_EQ(umgebung_.Abrufe, (std::vector<std::string>{"index.txt", "Quellen35.mvq"}));
  // First run: A and B; after the update only B, so A keeps its first price.
  EXPECT_EQ(umgebung_.Fortschritte,
            (std::vector<std::string>{"Textdatei: Kursdatei 2", "Textdatei: Kursdatei 2",
                                      "Online-Update: Update-Index 1",
                                      "Online-Update: Quellen35.mvq 1", "Textdatei: Kursdatei 1"}));
  EXPECT_EQ(Schluesse(a_), std::vector<double>{10.5});
  EXPECT_EQ(Schluesse(b_), std::vector<double>{20.25});
  EXPECT_EQ(programm_.Lies("Quellen35.mvq"), Quellen(2, "neu"));
}

TEST_F(ZweiterLauf, OhneErfolgOderOhneAutoUpdateKeinZweiterLauf) {
  struct Fall {
    const char* was;
    bool autoUpdate, mitUpdate, nichtsNeueres;
    std::vector<std::string> abrufe;
  };
  const Fall faelle[] = {
      {"AutoUpdate aus", false, true, false, {}},
      {"kein Programm-Update", true, false, false, {}},
      {"nichts Neueres", true, true, true, {"index.txt"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    einstellungen_.AutoUpdate = f.autoUpdate;
    umgebung_.Abrufe.clear();
    umgebung_.Fortschritte.clear();
    // "Nothing newer": the published file is no newer than the installed one.
    if (std::string(f.was) == "nichts Neueres")
      programm_.Schreibe("Quellen35.mvq", Quellen(2, "alt"));
    const TAktuErgebnis e = Aktualisieren(f.mitUpdate);
    EXPECT_EQ(e.Ausgang, TAktuAusgang::OhneKurse);
    ASSERT_EQ(e.OhneKurse.size(), 1u);
    EXPECT_EQ(e.OhneKurse[0].ID, b_);
    EXPECT_EQ(umgebung_.Abrufe, f.abrufe);
    EXPECT_TRUE(Schluesse(b_).empty());
  }
}

}  // namespace
}  // namespace morvane
