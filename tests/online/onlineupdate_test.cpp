#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "core/datei.h"
#include "online/onlineupdate.h"
#include "online/quellendatei.h"
#include "online/signatur.h"
#include "online/updateindex.h"
#include "online/updateverzeichnis.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

const Kalendertag kAlt = KalendertagAusDatum(1, 11, 2026);
const Kalendertag kNeu = KalendertagAusDatum(1, 12, 2026);

const std::string kScript =
    "datensatz\n  datum(format \"TT.MM.JJJJ\")\n  schluss(trennzeichen \";\")\nende\n";

std::string Quellen(Kalendertag datum, const std::string& script = kScript,
                    TQuellenKopf kopf = TQuellenKopf::Programm) {
  TQuelle q;
  q.Name = "Wertpapiere von Beispiel [ISIN]";
  q.UrlVorlage = "https://kurse.example/<isin>?jahr=<jahr kurz>";
  q.Script = script;
  return QuellenSchreiben({q}, kopf, datum);
}

std::set<std::string> Inhalt(const std::string& verzeichnis) {
  std::set<std::string> namen;
  for (const auto& e : std::filesystem::directory_iterator(verzeichnis))
    namen.insert(e.path().filename().string());
  return namen;
}

// An update address served by nginx with a test certificate authority from a
// directory the test fills, and a program directory with an installed
// Quellen35.mvq of 1 November and the user's anwender.mvq.
class OnlineUpdateTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { paar_ = SchluesselpaarErzeugen(); }
  void SetUp() override {
    if (!Server().Fehlt().empty())
      GTEST_SKIP() << Server().Fehlt() << " fehlt: tools/pakete.sh installiert es";
    Leeren();
    programm_.Schreibe("Quellen35.mvq", Quellen(kAlt));
    programm_.Schreibe("anwender.mvq", Quellen(kAlt, kScript, TQuellenKopf::Persoenlich));
    installiert_ = programm_.Lies("Quellen35.mvq");
    anwender_ = programm_.Lies("anwender.mvq");
  }

  // Serves `dateien` and the index that lists them, signed with the test key.
  void Veroeffentlichen(const std::vector<std::pair<std::string, std::string>>& dateien,
                        bool deaktiviert = false) {
    TUpdateIndex index;
    index.Deaktiviert = deaktiviert;
    for (const auto& [name, daten] : dateien) {
      Ablegen(name, daten);
      std::vector<TQuelle> quellen;
      const Kalendertag datum = QuellenSignatur(daten) ? QuellenLesen(daten, quellen) : kNeu;
      index.Dateien.push_back(
          {name, datum, static_cast<std::int64_t>(daten.size()), HexText(Sha256(daten))});
    }
    IndexSchreiben(UpdateIndexSigniert(UpdateIndexText(index), paar_.PrivatPem));
  }
  void IndexSchreiben(const std::string& text) { Ablegen("index.txt", text); }
  static const test::TTlsServer& Server() { return test::TlsServer(); }
  // The served folder of this suite.
  static std::string Wurzel() { return Server().Wurzel() + "update/"; }
  static void Leeren() {
    std::filesystem::remove_all(Wurzel());
    std::filesystem::create_directory(Wurzel());
  }
  static void Ablegen(const std::string& name, std::string_view inhalt) {
    test::DateiAnlegen(Wurzel() + name, inhalt);
  }
  static std::string Abgelegt(const std::string& name) {
    return test::DateiInhalt(Wurzel() + name);
  }

  TUpdateErgebnis Update(const std::string& adresse = "") {
    TDownload download(einstellungen_);
    TOnlineUpdateKontext k{
        programm_.Pfad(), adresse.empty() ? Server().Https("/update/index.txt") : adresse,
        logbuch_,         nullptr,
        nullptr,          paar_.Oeffentlich};
    k.Abrufen = [&](const std::string& url, const std::function<void(std::string_view)>& senke) {
      ++abrufe_;
      return download.Download(url, senke);
    };
    return OnlineUpdate(k);
  }

  // The installed files as before, and nothing else left in the directory.
  void Unveraendert() {
    EXPECT_EQ(programm_.Lies("Quellen35.mvq"), installiert_);
    EXPECT_EQ(programm_.Lies("anwender.mvq"), anwender_);
    EXPECT_EQ(Inhalt(programm_.Pfad()),
              (std::set<std::string>{"Quellen35.mvq", "anwender.mvq", "logbuch.txt"}));
  }

  static inline TSchluesselpaar paar_;
  test::TTempVerzeichnis programm_;
  TEinstellungen einstellungen_{programm_.Pfad()};
  TLogbuch logbuch_{einstellungen_};
  std::string installiert_, anwender_;
  int abrufe_ = 0;
};

TEST_F(OnlineUpdateTest, NeuereDateiWirdInstalliertDieAlteGesichert) {
  const std::string neu = Quellen(kNeu);
  // anwender.mvq is listed, newer, and still never touched.
  Veroeffentlichen({{"Quellen35.mvq", neu}, {"anwender.mvq", Quellen(kNeu)}});
  const TUpdateErgebnis e = Update();
  EXPECT_EQ(e.Ausgang, TUpdateAusgang::Erfolgreich) << e.Grund;
  EXPECT_EQ(e.Grund, "Quellen35.mvq vom 01.12.2026 statt vom 01.11.2026");
  EXPECT_EQ(programm_.Lies("Quellen35.mvq"), neu);
  EXPECT_EQ(programm_.Lies("Quellen35.mvq.bak"), installiert_);
  EXPECT_EQ(programm_.Lies("anwender.mvq"), anwender_);
  const std::string log = programm_.Lies("logbuch.txt");
  EXPECT_NE(log.find("Online-Update: 'anwender.mvq' aus dem Index wird nicht übernommen"),
            std::string::npos);
  EXPECT_NE(log.find("Online-Update: Online-Update wurde erfolgreich durchgeführt. (Quellen35.mvq "
                     "vom 01.12.2026 statt vom 01.11.2026)"),
            std::string::npos)
      << log;
  // The same index once more: nothing newer now.
  EXPECT_EQ(Update().Ausgang, TUpdateAusgang::NichtNotwendig);
}

TEST_F(OnlineUpdateTest, NichtNotwendigUndDeaktiviert) {
  Veroeffentlichen({{"Quellen35.mvq", Quellen(kAlt)}, {"anwender.mvq", Quellen(kNeu)}});
  TUpdateErgebnis e = Update();
  EXPECT_EQ(e.Ausgang, TUpdateAusgang::NichtNotwendig);
  EXPECT_EQ(e.Grund, "Kursquellen vom 01.11.2026");
  Unveraendert();
  Veroeffentlichen({{"Quellen35.mvq", Quellen(kNeu)}}, true);
  e = Update();
  EXPECT_EQ(e.Ausgang, TUpdateAusgang::Deaktiviert);
  EXPECT_EQ(e.Grund, "der Index sperrt Version 3.5");
  Unveraendert();
  EXPECT_NE(programm_.Lies("logbuch.txt")
                .find("Online-Update: " + UpdateAusgangText(TUpdateAusgang::Deaktiviert) +
                      " (der Index sperrt Version 3.5)"),
            std::string::npos);
}

// Whatever is wrong, the installed file stays byte for byte and no file is
// left behind.
TEST_F(OnlineUpdateTest, AbgelehnteUpdates) {
  const std::string neu = Quellen(kNeu);
  struct Fall {
    const char* was;
    std::function<void()> vorbereiten;
    std::string grund;
  };
  const Fall faelle[] = {
      {"Datei nach dem Signieren verändert",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", neu}});
         std::string falsch = neu;
         falsch[falsch.size() - 3] ^= 1;
         Ablegen("Quellen35.mvq", falsch);
       },
       "Quellen35.mvq: SHA-256-Summe stimmt nicht"},
      {"Index um ein Byte verändert",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", neu}});
         std::string index = Abgelegt("index.txt");
         index[index.find("2026-12-01") + 9] = '2';
         IndexSchreiben(index);
       },
       "Die Signatur des Update-Index ist ungültig."},
      {"Index mit fremdem Schlüssel",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", neu}});
         const std::string text = Abgelegt("index.txt");
         IndexSchreiben(UpdateIndexSigniert(text.substr(0, text.find("Signatur ")),
                                            SchluesselpaarErzeugen().PrivatPem));
       },
       "Die Signatur des Update-Index ist ungültig."},
      {"Datei größer als angegeben",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", neu}});
         Ablegen("Quellen35.mvq", neu + "x");
       },
       "'" + Server().Https("/update/Quellen35.mvq") + "' ist größer als " +
           std::to_string(neu.size()) + " Bytes"},
      {"Datei kleiner als angegeben",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", neu}});
         Ablegen("Quellen35.mvq", neu.substr(1));
       },
       "Quellen35.mvq hat " + std::to_string(neu.size() - 1) + " statt " +
           std::to_string(neu.size()) + " Bytes"},
      {"keine Kursquellendatei",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", "Morvane 3  Kursquellen"}});
       },
       "Quellen35.mvq lässt sich nicht laden: Die Datei ist keine Morvane-Kursquellendatei."},
      {"Script einer Quelle fehlerhaft",
       [&] {
         Veroeffentlichen({{"Quellen35.mvq", Quellen(kNeu, "datensatz\n")}});
       },
       ""},
      {"Index fehlt", [] {},
       "'" + Server().Https("/update/index.txt") + "' konnte nicht geladen werden"},
      {"Index für eine andere Version",
       [&] {
         TUpdateIndex index;
         index.Programmversion = "3.6";
         IndexSchreiben(UpdateIndexSigniert(UpdateIndexText(index), paar_.PrivatPem));
       },
       "der Index gilt für Version 3.6, nicht für 3.5"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    Leeren();
    f.vorbereiten();
    const TUpdateErgebnis e = Update();
    EXPECT_EQ(e.Ausgang, TUpdateAusgang::Fehlgeschlagen);
    if (f.grund.empty()) {
      EXPECT_TRUE(
          e.Grund.starts_with("Quellen35.mvq, Kursquelle 'Internet: Wertpapiere von "
                              "Beispiel [ISIN]': "))
          << e.Grund;
    } else {
      EXPECT_EQ(e.Grund, f.grund);
    }
    Unveraendert();
  }
}

// Refused before any request: only https protects the index on its way.
TEST_F(OnlineUpdateTest, AdresseOhneHttpsWirdNichtAbgefragt) {
  Veroeffentlichen({{"Quellen35.mvq", Quellen(kNeu)}});
  const std::string klar = Server().Http("/update/index.txt");
  for (const std::string& adresse :
       {klar, std::string("ftp://127.0.0.1/index.txt"), std::string("https:///index.txt")}) {
    const TUpdateErgebnis e = Update(adresse);
    EXPECT_EQ(e.Ausgang, TUpdateAusgang::Fehlgeschlagen);
    EXPECT_EQ(e.Grund, "die Update-Adresse '" + adresse + "' beginnt nicht mit https://");
  }
  EXPECT_EQ(UpdateAdresseFehler("https://a.example/i.txt x"),
            "die Update-Adresse 'https://a.example/i.txt x' enthält Leer- oder Steuerzeichen");
  EXPECT_EQ(abrufe_, 0);
  Unveraendert();
}

// A download that breaks off (the user's "Abbrechen", a lost connection)
// after half of the file leaves nothing behind.
TEST_F(OnlineUpdateTest, AbgebrochenerDownloadHinterlaesstNichts) {
  const std::string neu = Quellen(kNeu);
  Veroeffentlichen({{"Quellen35.mvq", neu}});
  for (const TDownload::TErgebnis ende : {TDownload::Abgebrochen, TDownload::Fehlgeschlagen}) {
    TOnlineUpdateKontext k{programm_.Pfad(), "https://update.example/3.5/index.txt",
                           logbuch_,         nullptr,
                           nullptr,          paar_.Oeffentlich};
    std::vector<std::string> urls;
    k.Abrufen = [&](const std::string& url, const std::function<void(std::string_view)>& senke) {
      urls.push_back(url);
      const std::string datei = Abgelegt(url.substr(url.rfind('/') + 1));
      if (url.ends_with("index.txt")) {
        senke(datei);
        return TDownload::Fertig;
      }
      senke(std::string_view(datei).substr(0, datei.size() / 2));
      return ende;
    };
    const TUpdateErgebnis e = OnlineUpdate(k);
    EXPECT_EQ(e.Ausgang, TUpdateAusgang::Fehlgeschlagen);
    EXPECT_EQ(urls, (std::vector<std::string>{"https://update.example/3.5/index.txt",
                                              "https://update.example/3.5/Quellen35.mvq"}));
    Unveraendert();
  }
}

TEST_F(OnlineUpdateTest, VerzeichnisVeroeffentlichen) {
  Ablegen("Quellen35.mvq", Quellen(kNeu));
  Ablegen("anwender.mvq", Quellen(kNeu));
  Ablegen("liesmich.txt", "kein Index-Eintrag");
  const TUpdateIndex index = UpdateVerzeichnisSignieren(Wurzel(), paar_.PrivatPem, false);
  ASSERT_EQ(index.Dateien.size(), 1u);
  EXPECT_EQ(index.Dateien[0].Name, "Quellen35.mvq");
  EXPECT_EQ(UpdateIndexLesen(Abgelegt("index.txt"), paar_.Oeffentlich), index);
  EXPECT_EQ(Update().Ausgang, TUpdateAusgang::Erfolgreich);
  // A file the program would refuse is not published; the index stays.
  const std::string vorher = Abgelegt("index.txt");
  Ablegen("Kaputt.mvq", Quellen(kNeu, "datensatz\n"));
  EXPECT_THROW(UpdateVerzeichnisSignieren(Wurzel(), paar_.PrivatPem, true), EQuellendatei);
  EXPECT_EQ(Abgelegt("index.txt"), vorher);
}

}  // namespace
}  // namespace morvane
