#include "core/zeitreihe.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(Zeitreihe, Grenzen) {
  TZeitreihe r(100, 104);
  for (Boersentag t = 100; t <= 104; ++t)
    r.Setzen(t, t * 1.5);
  EXPECT_FALSE(r.Lesen(99));
  EXPECT_FALSE(r.Lesen(105));
  EXPECT_EQ(r.Lesen(104), 156);
  r.Setzen(105, 1);
  EXPECT_FALSE(r.Lesen(105));

  TZeitreihe leer(10, 9);
  EXPECT_EQ(leer.Von(), 0);
  EXPECT_EQ(leer.Bis(), 0);
  leer.Setzen(0, 1);
  EXPECT_FALSE(leer.Lesen(0));
  EXPECT_FALSE(leer.Lesen(10));

  TZeitreihe luecke(1, 3);
  luecke.Setzen(2, 0.0);
  EXPECT_FALSE(luecke.Lesen(1));
  EXPECT_EQ(luecke.Lesen(2), 0.0);
}

}  // namespace
}  // namespace morvane
