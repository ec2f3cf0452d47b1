#include "zeitsteuerung/termine.h"

#include <gtest/gtest.h>

#include "testumgebung.h"

namespace morvane::test {
namespace {

constexpr const char* kWerktags = "xxxxx--";
constexpr const char* kTaeglich = "xxxxxxx";

// Berlin: CET is UTC+1, CEST UTC+2; 2026 the clocks go forward on Sunday
// 29 March at 01:00 UTC and back on Sunday 25 October at 01:00 UTC. 23 March
// 2026 is a Monday.
struct TNaechsterFall {
  const char* warum;
  TZeitplaner plan;
  std::time_t nach;
  std::optional<std::time_t> erwartet;
};

TEST(Termine, NaechsterTerminNachDemOrtskalender) {
  TBerlinerZeit berlin;
  const TNaechsterFall faelle[] = {
      {"later the same day", Plan({Punkt(18, 30, kWerktags)}), Utc(2026, 3, 23, 9, 0),
       Utc(2026, 3, 23, 17, 30)},
      {"exactly at the time point: the next day's", Plan({Punkt(18, 30, kWerktags)}),
       Utc(2026, 3, 23, 17, 30), Utc(2026, 3, 24, 17, 30)},
      {"Friday evening wraps to Monday", Plan({Punkt(18, 30, kWerktags)}), Utc(2026, 3, 27, 18, 0),
       Utc(2026, 3, 30, 16, 30)},
      {"only today's weekday, already past: a week later", Plan({Punkt(8, 0, "x------")}),
       Utc(2026, 3, 23, 8, 0), Utc(2026, 3, 30, 6, 0)},
      {"the earliest of several time points",
       Plan({Punkt(20, 0, kTaeglich), Punkt(7, 0, "-x-----")}), Utc(2026, 3, 23, 20, 0),
       Utc(2026, 3, 24, 6, 0)},
      {"across the spring change: same clock time, 23 hours later",
       Plan({Punkt(18, 30, kTaeglich)}), Utc(2026, 3, 28, 17, 30), Utc(2026, 3, 29, 16, 30)},
      {"inside the skipped hour: when the clock has jumped", Plan({Punkt(2, 30, "------x")}),
       Utc(2026, 3, 28, 12, 0), Utc(2026, 3, 29, 1, 30)},
      {"across the autumn change: same clock time, 25 hours later",
       Plan({Punkt(18, 30, kTaeglich)}), Utc(2026, 10, 24, 16, 30), Utc(2026, 10, 25, 17, 30)},
      {"across the year end", Plan({Punkt(9, 0, "----x--")}), Utc(2026, 12, 31, 22, 0),
       Utc(2027, 1, 1, 8, 0)},
      {"schedule off", Plan({Punkt(18, 30, kTaeglich)}, false), Utc(2026, 3, 23, 9, 0),
       std::nullopt},
      {"no weekday ticked", Plan({Punkt(18, 30, "-------")}), Utc(2026, 3, 23, 9, 0), std::nullopt},
      {"no time point", Plan({}), Utc(2026, 3, 23, 9, 0), std::nullopt},
  };
  for (const TNaechsterFall& f : faelle) {
    EXPECT_EQ(NaechsterTermin(f.plan, f.nach), f.erwartet) << f.warum << ", nach " << f.nach;
  }
}

TEST(Termine, DieWiederholteHerbststundeBringtDenZeitpunktNurEinmal) {
  TBerlinerZeit berlin;
  const TZeitplaner plan = Plan({Punkt(2, 30, "------x")});
  const std::optional<std::time_t> erster = NaechsterTermin(plan, Utc(2026, 10, 24, 12, 0));
  ASSERT_TRUE(erster);
  EXPECT_TRUE(*erster == Utc(2026, 10, 25, 0, 30) || *erster == Utc(2026, 10, 25, 1, 30));
  EXPECT_EQ(NaechsterTermin(plan, *erster), Utc(2026, 11, 1, 1, 30));
  // Looking from before the first to after the second 02:30 finds it once.
  EXPECT_EQ(Faellig(plan, Utc(2026, 10, 24, 23, 0), Utc(2026, 10, 25, 3, 0)).size(), 1u);
}

struct TFaelligFall {
  const char* warum;
  std::time_t seit;
  std::time_t jetzt;
  std::vector<std::size_t> erwartet;
};

TEST(Termine, FaelligSindDieZeitpunkteSeitDemStandAmSelbenTag) {
  TBerlinerZeit berlin;
  // 18:30 daily and 06:00 on Monday; Monday 23 March 2026.
  const TZeitplaner plan = Plan({Punkt(18, 30, kTaeglich), Punkt(6, 0, "x------")});
  const TFaelligFall faelle[] = {
      {"off since the morning: today's 18:30 once",
       Utc(2026, 3, 23, 10, 0),
       Utc(2026, 3, 23, 19, 0),
       {0}},
      {"off since Friday: Monday's own time points only",
       Utc(2026, 3, 20, 12, 0),
       Utc(2026, 3, 23, 19, 0),
       {0, 1}},
      {"state after the time point: nothing", Utc(2026, 3, 23, 18, 0), Utc(2026, 3, 23, 19, 0), {}},
      {"state exactly at the time point: it ran",
       Utc(2026, 3, 23, 17, 30),
       Utc(2026, 3, 23, 19, 0),
       {}},
      {"the second it falls due", Utc(2026, 3, 23, 17, 29, 59), Utc(2026, 3, 23, 17, 30), {0}},
      {"one second before", Utc(2026, 3, 23, 17, 0), Utc(2026, 3, 23, 17, 29, 59), {}},
      {"yesterday's evening is not caught up after midnight",
       Utc(2026, 3, 22, 16, 0),
       Utc(2026, 3, 23, 4, 0),
       {}},
  };
  for (const TFaelligFall& f : faelle) {
    EXPECT_EQ(Faellig(plan, f.seit, f.jetzt), f.erwartet) << f.warum;
  }
  TZeitplaner aus = plan;
  aus.Aktiv = false;
  EXPECT_TRUE(Faellig(aus, Utc(2026, 3, 22, 16, 0), Utc(2026, 3, 23, 19, 0)).empty());
}

TEST(Termine, AuftragVereintKatalogeUndHerunterfahren) {
  const TZeitplaner plan = Plan({Punkt(18, 30, kTaeglich, false, {"Aktien", "Fonds"}),
                                 Punkt(9, 5, kTaeglich, true, {"Fonds", "Indizes"}),
                                 Punkt(7, 0, kTaeglich, true, {"Renten"})});
  const TAuftrag beide = AuftragFuer(plan, {0, 1});
  EXPECT_EQ(beide.Kataloge, (std::vector<std::string>{"Aktien", "Fonds", "Indizes"}));
  EXPECT_TRUE(beide.Herunterfahren);
  EXPECT_EQ(beide.Zeiten, "18:30 Uhr, 09:05 Uhr");
  EXPECT_FALSE(AuftragFuer(plan, {0}).Herunterfahren);
}

}  // namespace
}  // namespace morvane::test
