#include "online/internetverbindung.h"

#include <gtest/gtest.h>

#include <deque>

namespace morvane {
namespace {

using namespace std::chrono_literals;

// A dialler that plays back a script of dial outcomes and records what the
// connection did, without waiting.
class TFalscherWaehler : public TInternetVerbindung {
 public:
  bool Installiert = true;
  bool Aktiv = false;
  int ParameterFehler = 0;
  std::deque<int> Waehlfehler;        // per attempt; missing = 0
  std::deque<TWahlstand> Staende;     // polled states; missing = Fehler
  std::function<void()> BeimWaehlen;  // e.g. the user presses "Abbrechen"
  std::vector<std::string> Protokoll;

  bool DFUeInstalliert() const override { return Installiert; }

 protected:
  bool VerbindungAktiv() override { return Aktiv; }
  int DialParameterLesen(const std::string&) override { return ParameterFehler; }
  int Waehlen(const std::string& eintrag) override {
    Protokoll.push_back("waehle " + eintrag);
    if (BeimWaehlen) BeimWaehlen();
    return Naechster(Waehlfehler, 0);
  }
  TWahlstand Wahlstand() override { return Naechster(Staende, TWahlstand::Fehler); }
  bool Auflegen() override {
    Protokoll.push_back("auflegen");
    return true;
  }
  std::string SystemFehlertext(int code) const override {
    return "Leitung " + std::to_string(code);
  }
  void Pause(std::chrono::milliseconds dauer) override {
    Protokoll.push_back("pause " + std::to_string(dauer.count()));
  }

 private:
  template <class T>
  static T Naechster(std::deque<T>& liste, T sonst) {
    if (liste.empty()) return sonst;
    const T wert = liste.front();
    liste.pop_front();
    return wert;
  }
};

TWahlEinstellungen Waehlen(int wiederholungen, int pause) {
  return {true, "Provider", wiederholungen, pause, true};
}

TEST(InternetVerbindung, WahlwiederholungenUndPausen) {
  struct Fall {
    int wiederholungen;
    std::vector<std::string> protokoll;
  };
  const Fall faelle[] = {
      {0, {"status 1", "waehle Provider", "auflegen", "pause 1000"}},
      {2,
       {"status 1", "waehle Provider", "auflegen", "pause 1000", "status 2", "pause 5000",
        "waehle Provider", "auflegen", "pause 1000", "status 3", "pause 5000", "waehle Provider",
        "auflegen", "pause 1000"}},
  };
  for (const auto& f : faelle) {
    TFalscherWaehler w;
    w.OnStatus = [&](std::uint16_t n) { w.Protokoll.push_back("status " + std::to_string(n)); };
    EXPECT_FALSE(w.Connect(Waehlen(f.wiederholungen, 5)));
    EXPECT_EQ(w.Protokoll, f.protokoll) << f.wiederholungen;
    EXPECT_EQ(w.Fehlertext(), "Beim Wählen gab es Probleme");
  }
}

TEST(InternetVerbindung, ErfolgImZweitenVersuchUndAuflegenDanach) {
  TFalscherWaehler w;
  w.Waehlfehler = {633, 0};
  w.Staende = {TFalscherWaehler::TWahlstand::Laeuft, TFalscherWaehler::TWahlstand::Verbunden};
  EXPECT_TRUE(w.Connect(Waehlen(3, 2)));
  EXPECT_EQ(w.Fehlertext(), "");
  EXPECT_EQ(w.Protokoll, (std::vector<std::string>{"waehle Provider", "auflegen", "pause 1000",
                                                   "pause 2000", "waehle Provider", "pause 100"}));
  w.Protokoll.clear();
  auto ohneTrennen = Waehlen(3, 2);
  ohneTrennen.DFUeTrennen = false;
  w.Disconnect(ohneTrennen);
  EXPECT_TRUE(w.Protokoll.empty());
  w.Disconnect(Waehlen(3, 2));
  w.Disconnect(Waehlen(3, 2));  // only once
  EXPECT_EQ(w.Protokoll, (std::vector<std::string>{"auflegen", "pause 1000"}));
}

TEST(InternetVerbindung, NichtsZuWaehlen) {
  struct Fall {
    const char* name;
    TWahlEinstellungen einstellungen;
    bool installiert, aktiv;
    int parameterFehler;
    bool ergebnis;
    const char* fehler;
  };
  const Fall faelle[] = {
      {"aus", {false, "Provider", 1, 1, true}, true, false, 0, true, ""},
      {"ohne Eintrag", {true, "", 1, 1, true}, false, false, 0, true, ""},
      {"nicht installiert", Waehlen(1, 1), false, false, 0, false,
       "DFÜ-Netzwerk ist auf diesem System nicht installiert"},
      {"schon verbunden", Waehlen(1, 1), true, true, 0, true, ""},
      {"Parameter", Waehlen(1, 1), true, false, 623, false,
       "Die Wählparameter konnten nicht gelesen werden: Leitung 623"},
  };
  for (const auto& f : faelle) {
    TFalscherWaehler w;
    w.Installiert = f.installiert;
    w.Aktiv = f.aktiv;
    w.ParameterFehler = f.parameterFehler;
    EXPECT_EQ(w.Connect(f.einstellungen), f.ergebnis) << f.name;
    EXPECT_EQ(w.Fehlertext(), f.fehler) << f.name;
    w.Disconnect(f.einstellungen);
    EXPECT_TRUE(w.Protokoll.empty()) << f.name;  // neither dialled nor hung up
  }
  // The plain object stands for a system without dial-up networking.
  TInternetVerbindung ohne;
  EXPECT_FALSE(ohne.Connect(Waehlen(1, 1)));
  EXPECT_EQ(ohne.Fehlertext(), "DFÜ-Netzwerk ist auf diesem System nicht installiert");
}

TEST(InternetVerbindung, AbbruchBeendetDieVersuche) {
  TFalscherWaehler w;
  w.Staende = {TFalscherWaehler::TWahlstand::Laeuft, TFalscherWaehler::TWahlstand::Laeuft};
  w.BeimWaehlen = [&] { w.Abbrechen(); };
  EXPECT_FALSE(w.Connect(Waehlen(5, 1)));
  EXPECT_EQ(w.Fehlertext(), "Verbindungsaufbau abgebrochen");
  EXPECT_EQ(w.Protokoll, (std::vector<std::string>{"waehle Provider", "auflegen", "pause 1000"}));
}

TEST(InternetVerbindung, PauseLaesstDieFensterArbeiten) {
  int pumpen = 0;
  struct TOffen : TInternetVerbindung {
    using TInternetVerbindung::Pause;
  };
  TOffen o;
  o.Pumpe = [&] { ++pumpen; };
  const auto beginn = std::chrono::steady_clock::now();
  o.Pause(350ms);
  EXPECT_GE(std::chrono::steady_clock::now() - beginn, 350ms);
  EXPECT_EQ(pumpen, 4);
  o.Abbrechen();
  o.Pause(10s);  // returns at once
  EXPECT_EQ(pumpen, 4);
}

}  // namespace
}  // namespace morvane
