#include "app/hauptmodell/tagefeld.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

struct TTageFall {
  const char* Text;
  bool Angenommen;
  bool AlleTage;
  int Tage;
  const char* Warum;
};

TEST(TageFeld, TextWirdGelesenOderVerworfen) {
  const TTageFall faelle[] = {
      {"5", false, false, 0, "below the minimum of 10"},
      {"60000", false, false, 0, "fits 16 bits but is above 50000"},
      {"70000", false, false, 0, "does not fit 16 bits"},
      {" alle TAGE ", true, true, 0, "trimmed, any case"},
      {"Alle Tage", true, true, 0, "the list's first item"},
      {"250 Tage", true, false, 250, "the number before the first blank"},
      {"250", true, false, 250, "a number alone"},
      {"  250 irgendwas", true, false, 250, "leading blanks are trimmed first"},
      {"10", true, false, 10, "lower bound"},
      {"50000", true, false, 50000, "upper bound"},
      {"9", false, false, 0, "just below the lower bound"},
      {"250Tage", false, false, 0, "no blank: not a number"},
      {"-20", false, false, 0, "unsigned only"},
      {"", false, false, 0, "empty field"},
      {"alle", false, false, 0, "only the whole words select all days"},
  };
  TChartAnsicht ansicht;
  ansicht.Tage = 77;
  for (const TTageFall& f : faelle) {
    SCOPED_TRACE(std::string("'") + f.Text + "': " + f.Warum);
    const auto neu = TageAnwenden(ansicht, f.Text);
    ASSERT_EQ(neu.has_value(), f.Angenommen);
    if (!neu) continue;
    EXPECT_EQ(neu->AlleTage, f.AlleTage);
    EXPECT_EQ(neu->Tage, f.Tage);
    TChartAnsicht rest = *neu;
    rest.Tage = ansicht.Tage;
    rest.AlleTage = ansicht.AlleTage;
    EXPECT_EQ(rest, ansicht) << "only the two day fields change";
  }
}

TEST(TageFeld, TextDerAnsicht) {
  TChartAnsicht ansicht;
  ansicht.Tage = 250;
  EXPECT_EQ(TageText(ansicht), "250 Tage");
  ansicht.AlleTage = true;
  EXPECT_EQ(TageText(ansicht), "Alle Tage");
  // Every item of the list is accepted as it stands.
  for (std::string_view eintrag : kTageEintraege) {
    const auto neu = TageAnwenden(ansicht, eintrag);
    ASSERT_TRUE(neu) << eintrag;
    EXPECT_EQ(TageText(*neu), eintrag);
  }
}

}  // namespace
}  // namespace morvane
