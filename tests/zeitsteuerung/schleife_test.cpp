#include "zeitsteuerung/schleife.h"

#include <gtest/gtest.h>

#include "testhilfe/tempverzeichnis.h"
#include "testumgebung.h"
#include "zeitsteuerung/dateien.h"

namespace morvane::test {
namespace {

// The loop against a fake clock that moves only while the loop waits or a
// run takes time; it is asked to end once the clock passes `ende_`.
class Zeitschleife : public testing::Test {
 protected:
  void Laufen(std::time_t start, std::time_t ende) {
    uhr_ = start;
    ende_ = ende;
    TSchleifenUmgebung u;
    u.Uhr = [this] { return uhr_; };
    u.Warten = [this](std::chrono::seconds s) {
      EXPECT_GE(s.count(), 1);
      EXPECT_LE(s, kHoechsteWartezeit);
      uhr_ += s.count();
    };
    u.Beendet = [this] { return uhr_ >= ende_; };
    u.Plan = [this] { return plan_; };
    u.Aktualisieren = [this](const TAuftrag& a) {
      laeufe_.push_back({uhr_, a.Kataloge});
      uhr_ += laufdauer_;
    };
    u.Herunterfahren = [this] { heruntergefahren_.push_back(uhr_); };
    u.Protokoll = [this](const std::string& z) { protokoll_.push_back(z); };
    ZeitschleifeAusfuehren(dir_.Pfad(), u);
  }

  struct TLauf {
    std::time_t zeit;
    std::vector<std::string> kataloge;
  };

  TBerlinerZeit berlin_;
  TTempVerzeichnis dir_;
  TZeitplaner plan_;
  std::time_t uhr_ = 0;
  std::time_t ende_ = 0;
  std::time_t laufdauer_ = 120;
  std::vector<TLauf> laeufe_;
  std::vector<std::time_t> heruntergefahren_;
  std::vector<std::string> protokoll_;
};

// Monday 23 March 2026, 18:30 CET = 17:30 UTC.
const std::time_t k1830 = Utc(2026, 3, 23, 17, 30);

TEST_F(Zeitschleife, LaeuftZumZeitpunktUndFaehrtNurAufWunschHerunter) {
  plan_ = Plan(
      {Punkt(18, 30, "xxxxx--", false, {"Aktien"}), Punkt(18, 45, "xxxxx--", true, {"Indizes"})});
  Laufen(k1830 - 59, k1830 + 3600);
  ASSERT_EQ(laeufe_.size(), 2u);
  EXPECT_EQ(laeufe_[0].zeit, k1830) << "woken exactly at the time point";
  EXPECT_EQ(laeufe_[0].kataloge, std::vector<std::string>{"Aktien"});
  EXPECT_EQ(laeufe_[1].zeit, k1830 + 15 * 60);
  EXPECT_EQ(laeufe_[1].kataloge, std::vector<std::string>{"Indizes"});
  EXPECT_EQ(heruntergefahren_, std::vector<std::time_t>{k1830 + 15 * 60 + laufdauer_});
  EXPECT_EQ(protokoll_.front(), "Zeitsteuerung: Zeitpunkt 18:30 Uhr, Kataloge: Aktien");
}

TEST_F(Zeitschleife, VerpassterZeitpunktLaeuftBeimStartEinmalUndNichtWieder) {
  plan_ = Plan({Punkt(18, 30, "xxxxxxx", false, {"Aktien"})});
  StandSchreiben(dir_.Pfad(), k1830 - 3 * 3600);  // off since 15:30
  Laufen(k1830 + 3600, k1830 + 3700);
  ASSERT_EQ(laeufe_.size(), 1u);
  EXPECT_EQ(laeufe_[0].zeit, k1830 + 3600);
  EXPECT_EQ(protokoll_.front(), "Zeitsteuerung: Verpasster Zeitpunkt 18:30 Uhr, Kataloge: Aktien");
  // Ended and started again later the same evening: nothing to catch up.
  Laufen(k1830 + 7200, k1830 + 7300);
  EXPECT_EQ(laeufe_.size(), 1u);
  EXPECT_TRUE(heruntergefahren_.empty());
}

TEST_F(Zeitschleife, OhneStandGiltNichtsAlsVerpasst) {
  plan_ = Plan({Punkt(18, 30, "xxxxxxx")});
  Laufen(k1830 + 60, k1830 + 600);
  EXPECT_TRUE(laeufe_.empty());
  // The state it leaves lies after the time point: a restart runs nothing.
  const std::optional<std::time_t> stand = StandLesen(dir_.Pfad());
  ASSERT_TRUE(stand);
  EXPECT_GT(*stand, k1830);
  EXPECT_LE(*stand, k1830 + 600);
}

TEST_F(Zeitschleife, ZeitpunktWaehrendEinesLangenLaufsFolgtDanach) {
  plan_ = Plan({Punkt(18, 30, "xxxxxxx", false, {"A"}), Punkt(18, 35, "xxxxxxx", false, {"B"})});
  laufdauer_ = 10 * 60;
  Laufen(k1830 - 10, k1830 + 3600);
  ASSERT_EQ(laeufe_.size(), 2u);
  EXPECT_EQ(laeufe_[1].zeit, k1830 + laufdauer_);
  EXPECT_EQ(laeufe_[1].kataloge, std::vector<std::string>{"B"});
}

TEST_F(Zeitschleife, EndeImLaufFaehrtNichtHerunter) {
  plan_ = Plan({Punkt(18, 30, "xxxxxxx", true, {"A"})});
  laufdauer_ = 600;
  Laufen(k1830 - 10, k1830 + 300);  // asked to end while the run goes on
  EXPECT_EQ(laeufe_.size(), 1u);
  EXPECT_TRUE(heruntergefahren_.empty());
  EXPECT_EQ(protokoll_.back(), "Zeitsteuerung: Beendet; der Rechner wird nicht heruntergefahren.");
  EXPECT_EQ(StandLesen(dir_.Pfad()), k1830);
}

TEST_F(Zeitschleife, AusgeschalteterPlanBeendetDieSchleife) {
  plan_ = Plan({Punkt(18, 30, "xxxxxxx")}, false);
  Laufen(k1830 - 10, k1830 + 3600);
  EXPECT_TRUE(laeufe_.empty());
  EXPECT_EQ(protokoll_,
            std::vector<std::string>{
                "Zeitsteuerung: Die zeitgesteuerte Kursaktualisierung ist ausgeschaltet."});
  EXPECT_LT(uhr_, k1830);
}

TEST_F(Zeitschleife, ZurueckgestellteUhrHaeltDieZeitpunkteNichtAuf) {
  plan_ = Plan({Punkt(18, 30, "xxxxxxx")});
  StandSchreiben(dir_.Pfad(), k1830 + 3600);  // written while the clock ran ahead
  Laufen(k1830 - 60, k1830 + 60);
  ASSERT_EQ(laeufe_.size(), 1u);
  EXPECT_EQ(laeufe_[0].zeit, k1830);
}

}  // namespace
}  // namespace morvane::test
