#include "core/zahltext.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(ZahlText, RundungUndNegativeNull) {
  EXPECT_EQ(ZahlZuText(2, -0.001), "0,00");
  EXPECT_EQ(ZahlZuText(2, -0.0), "0,00");
  EXPECT_EQ(ZahlZuText(2, -0.005001), "-0,01");
  EXPECT_EQ(ZahlZuText(2, 1.005), "1,00");  // 1.005 is stored below the half
  EXPECT_EQ(ZahlZuText(0, 2.4), "2");
  EXPECT_EQ(ZahlZuText(4, 12.3456), "12,3456");
}

TEST(ZahlText, Gruppierung) {
  EXPECT_EQ(ZahlZuTextGruppiert(2, 1234567.891), "1 234 567,89");
  EXPECT_EQ(ZahlZuTextGruppiert(2, 1234.56), "1 234,56");
  EXPECT_EQ(ZahlZuTextGruppiert(2, -1234.56), "-1 234,56");
  EXPECT_EQ(ZahlZuTextGruppiert(1, 12345678.9), "12 345 678,9");
  EXPECT_EQ(ZahlZuTextGruppiert(2, -123.4), "-123,40");
  EXPECT_EQ(ZahlZuTextGruppiert(0, 999), "999");
  EXPECT_EQ(ZahlZuTextGruppiert(0, 1000), "1 000");
  EXPECT_EQ(ZahlZuTextGruppiert(0, -1000), "-1 000");
  EXPECT_EQ(ZahlZuTextGruppiert(2, -999.99), "-999,99");
  EXPECT_EQ(ZahlZuTextGruppiert(2, -0.001), "0,00");
}

TEST(ZahlText, Kurse) {
  EXPECT_EQ(KursZuText(12.3456), "12,3456");
  EXPECT_EQ(KursZuText(12.5), "12,50");
  EXPECT_EQ(KursZuText(12), "12,00");
  EXPECT_EQ(KursZuText(12, true), "12");
  EXPECT_EQ(KursZuText(12.5, true), "12,50");
  EXPECT_EQ(KursZuText(100, true), "100");
  EXPECT_EQ(KursZuTextGruppiert(1234567, true), "1 234 567");
  EXPECT_EQ(KursZuTextGruppiert(1234.5), "1 234,50");
}

TEST(ZahlText, Lesen) {
  EXPECT_DOUBLE_EQ(*TextZuZahl("1,239", 2), 1.23);
  EXPECT_DOUBLE_EQ(*TextZuZahl("-1,239", 2), -1.23);
  EXPECT_FALSE(TextZuZahl("1 234,5", 2));
  EXPECT_DOUBLE_EQ(*TextZuZahl("7", 2), 7);
  EXPECT_DOUBLE_EQ(*TextZuZahl(" 7.5 ", 2), 7.5);
  EXPECT_DOUBLE_EQ(*TextZuZahl("7,99", 0), 7);
  EXPECT_DOUBLE_EQ(*TextZuZahl("+3", 2), 3);
  EXPECT_DOUBLE_EQ(*TextZuZahl("1e3", 2), 1000);
  EXPECT_FALSE(TextZuZahl("", 2));
  EXPECT_FALSE(TextZuZahl(",", 2));
  EXPECT_FALSE(TextZuZahl("1,2,3", 2));
  EXPECT_FALSE(TextZuZahl("2.560,00", 2));  // grouped thousands, not 2,56
  EXPECT_FALSE(TextZuZahl("1.000.000", 2));
  EXPECT_FALSE(TextZuZahl("abc", 2));
  EXPECT_FALSE(TextZuZahl("nan", 2));
  EXPECT_FALSE(TextZuZahl("1e999", 2));

  EXPECT_EQ(TextZuGanzzahl(" 42 "), 42);
  EXPECT_EQ(TextZuGanzzahl("-42"), -42);
  EXPECT_FALSE(TextZuGanzzahl("4 2"));
  EXPECT_FALSE(TextZuGanzzahl("2147483648"));
  EXPECT_FALSE(TextZuGanzzahl("1.0"));
  EXPECT_EQ(TextZuByte("255"), 255);
  EXPECT_FALSE(TextZuByte("256"));
  EXPECT_FALSE(TextZuByte("-1"));
  EXPECT_EQ(TextZuWord("65535"), 65535);
  EXPECT_FALSE(TextZuWord("65536"));
}

TEST(ZahlText, NaechstesFeld) {
  std::string zeile = "a\tb\t\tc";
  EXPECT_EQ(NaechstesFeld(zeile, '\t'), "a");
  EXPECT_EQ(NaechstesFeld(zeile, '\t'), "b");
  EXPECT_EQ(NaechstesFeld(zeile, '\t'), "");
  EXPECT_EQ(NaechstesFeld(zeile, '\t'), "c");
  EXPECT_EQ(zeile, "");
  EXPECT_EQ(NaechstesFeld(zeile, '\t'), "");
}

}  // namespace
}  // namespace morvane
