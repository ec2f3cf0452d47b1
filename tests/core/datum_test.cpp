#include "core/datum.h"

#include <gtest/gtest.h>

#include "core/datumtext.h"
#include "core/uhr.h"

namespace morvane {
namespace {

// Independent closed forms: day 1 of year 1 is a Monday, so the n-th weekday
// lies (n-1)/5 weeks and (n-1)%5 days after it.
Boersentag BoersentagGeschlossen(Kalendertag k) {
  const int woche = (k - 1) / 7;
  const int tagInWoche = (k - 1) % 7;  // 0 = Monday
  return 5 * woche + std::min(tagInWoche, 4) + 1;
}

TEST(Kalender, GrundwerteUndSchaltjahre) {
  EXPECT_EQ(KalendertagAusDatum(1, 1, 1), 1);
  EXPECT_EQ(KalendertagAusDatum(1, 1, 1900), 693596);
  EXPECT_EQ(Wochentag(1, 1, 1), 1);
  EXPECT_EQ(Wochentag(3, 1, 1998), 6);
  EXPECT_EQ(TageImMonat(2, 2000), 29);
  EXPECT_EQ(TageImMonat(2, 1900), 28);
  EXPECT_EQ(TageImMonat(2, 2024), 29);
  EXPECT_EQ(TageImMonat(12, 1999), 31);
  EXPECT_EQ(TageImMonat(0, 1999), 31);
  EXPECT_EQ(TageImJahr(2100), 365);
  EXPECT_EQ(TageImJahr(2400), 366);
}

TEST(Boersentag, BekannteNummern) {
  EXPECT_EQ(BoersentagAusDatum(1, 1, 1), 1);
  EXPECT_EQ(BoersentagAusDatum(5, 1, 1), 5);
  EXPECT_EQ(BoersentagAusDatum(8, 1, 1), 6);
  EXPECT_EQ(BoersentagAusDatum(1, 1, 1000), kErsterBoersentag);
  EXPECT_EQ(BoersentagAusDatum(31, 12, 4999), kLetzterBoersentag);
  const Boersentag freitag = BoersentagAusDatum(2, 1, 1998);
  EXPECT_EQ(BoersentagAusDatum(3, 1, 1998), freitag);
  EXPECT_EQ(BoersentagAusDatum(4, 1, 1998), freitag);
  EXPECT_EQ(BoersentagAusDatum(5, 1, 1998), freitag + 1);
}

// Every day of the years 1000 to 4999: both day numbers round-trip, weekends
// map to the Friday before, and the block algorithm agrees with the closed form.
TEST(Boersentag, GanzerBereichHinUndZurueck) {
  const Kalendertag erster = KalendertagAusDatum(1, 1, 1000);
  const Kalendertag letzter = KalendertagAusDatum(31, 12, 4999);
  Boersentag letzterFreitag = 0;
  for (Kalendertag k = erster; k <= letzter; ++k) {
    const TDatum d = DatumAusKalendertag(k);
    ASSERT_EQ(KalendertagAusDatum(d.Tag, d.Monat, d.Jahr), k);
    const Boersentag b = BoersentagAusDatum(d.Tag, d.Monat, d.Jahr);
    ASSERT_EQ(b, BoersentagGeschlossen(k)) << DatumZuText(d);
    const int w = k % 7;
    if (w == 0 || w == 6) {
      ASSERT_EQ(b, letzterFreitag) << DatumZuText(d);
      ASSERT_FALSE(IstBoersentag(d.Tag, d.Monat, d.Jahr));
    } else {
      ASSERT_EQ(DatumAusBoersentag(b), d) << DatumZuText(d);
      ASSERT_TRUE(IstBoersentag(d.Tag, d.Monat, d.Jahr));
      ASSERT_EQ(BoersentagZuText(b), DatumZuText(d));
      if (w == 5) letzterFreitag = b;
    }
  }
}

// Plain day-by-day count from 1 January of year 1 on a sample of dates.
TEST(Boersentag, BlockalgorithmusGegenTagZaehlung) {
  Boersentag gezaehlt = 0;
  Kalendertag naechsteProbe = 1;
  for (Kalendertag k = 1; k <= KalendertagAusDatum(31, 12, 2100); ++k) {
    if (k % 7 != 0 && k % 7 != 6) ++gezaehlt;
    if (k == naechsteProbe) {
      const TDatum d = DatumAusKalendertag(k);
      ASSERT_EQ(BoersentagAusDatum(d.Tag, d.Monat, d.Jahr), gezaehlt) << DatumZuText(d);
      naechsteProbe += 997;
    }
  }
}

TEST(Boersentag, GueltigkeitUndHeute) {
  EXPECT_FALSE(IstGueltigesKalenderdatum(31, 2, 1998));
  EXPECT_FALSE(IstBoersentag(31, 2, 1998));
  EXPECT_TRUE(IstGueltigesKalenderdatum(3, 1, 1998));
  EXPECT_FALSE(IstBoersentag(3, 1, 1998));
  EXPECT_FALSE(IstBoersentag(1, 13, 1998));
  EXPECT_FALSE(IstGueltigesKalenderdatum(1, 1, 999));
  EXPECT_FALSE(IstBoersentag(0, 1, 1998));

  UhrErsetzen([] { return TUhrzeit{{4, 1, 1998}, 12, 0, 0}; });  // a Sunday
  EXPECT_EQ(HeuteBoersentag(), BoersentagAusDatum(2, 1, 1998));
  EXPECT_EQ(HeuteKalendertag(), KalendertagAusDatum(4, 1, 1998));
  EXPECT_EQ(HeuteZuText(), "04.01.1998");
  UhrErsetzen(nullptr);
}

TEST(DatumText, Formate) {
  EXPECT_EQ(DatumZuText(5, 1, 1998), "05.01.1998");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfLeerzeichen), " 5. 1.1998");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfWochentagKurz), "Mo 05.01.1998");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfWochentagLang), "Montag 05.01.1998");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfMonatLang), "05. Januar 1998");
  EXPECT_EQ(DatumZuText(5, 3, 1998, dfMonatKurz), "05. Mär 1998");
  EXPECT_EQ(DatumZuText(5, 12, 1998, dfMonatKurz), "05. Dez 1998");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfJahrKurz), "05.01.98");
  EXPECT_EQ(DatumZuText(5, 1, 2005, dfJahrKurz), "05.01.05");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfOhneJahr), "05.01.");
  EXPECT_EQ(DatumZuText(5, 1, 1998, dfOhneJahr | dfMonatLang), "05. Januar");
}

TEST(DatumText, Parser) {
  for (const char* text : {"5.1.98", "05-01-1998", "5/1/1998", " 5 1 1998", "5,1,1998"}) {
    const auto d = TextZuDatum(text);
    ASSERT_TRUE(d) << text;
    EXPECT_EQ(*d, (TDatum{5, 1, 1998})) << text;
  }
  EXPECT_EQ(TextZuDatum("5.1.49")->Jahr, 2049);
  EXPECT_EQ(TextZuDatum("5.1.50")->Jahr, 1950);
  EXPECT_EQ(TextZuDatum("5.1.0")->Jahr, 2000);
  EXPECT_EQ(TextZuDatum("5.1.100")->Jahr, 100);
  EXPECT_EQ(TextZuDatum("5.1.")->Jahr, 0);
  EXPECT_FALSE(TextZuKalendertag("5.1."));
  EXPECT_FALSE(TextZuDatum("5.1"));
  EXPECT_FALSE(TextZuDatum("x.1.1998"));
  EXPECT_FALSE(TextZuDatum("70000.1.1998"));
  EXPECT_FALSE(TextZuDatum(""));

  EXPECT_EQ(TextZuBoersentag("5.1.98"), BoersentagAusDatum(5, 1, 1998));
  EXPECT_FALSE(TextZuBoersentag("3.1.1998"));
  EXPECT_EQ(TextZuKalendertag("3.1.1998"), KalendertagAusDatum(3, 1, 1998));
  EXPECT_FALSE(TextZuKalendertag("31.2.1998"));
  EXPECT_FALSE(TextZuBoersentag("31.2.1998"));
  EXPECT_FALSE(TextZuBoersentag("1.1.5000"));
  EXPECT_FALSE(TextZuBoersentag("5.65535.1998"));
}

}  // namespace
}  // namespace morvane
