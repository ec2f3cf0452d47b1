#include "core/kurse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/exception.h"
#include "core/kursbearbeitung.h"
#include "testhilfe/ausnahme.h"

namespace morvane {
namespace {

const Boersentag kTag = BoersentagAusDatum(5, 1, 1998);

TKurs Voll(Boersentag tag) {
  return {tag, 10.5, 10, 11, 12, 9, 1000};
}

TKurs NurSchluss(Boersentag tag, double schluss) {
  TKurs k{tag};
  k.Schluss = schluss;
  return k;
}

TKurse Reihe(std::initializer_list<Boersentag> tage) {
  TKurse kurse;
  for (Boersentag t : tage)
    kurse.Setze(Voll(t), TSetzModus::Ersetzen);
  return kurse;
}

TEST(Kurs, GueltigkeitUndLeere) {
  EXPECT_TRUE(Voll(kTag).IstGueltig());
  TKurs k = Voll(kTag);
  k.Schluss = 13;
  EXPECT_FALSE(k.IstGueltig());
  k = Voll(kTag);
  k.Kassakurs = 8;
  EXPECT_FALSE(k.IstGueltig());
  k = Voll(kTag);
  k.Umsatz = -1;
  EXPECT_FALSE(k.IstGueltig());
  k = TKurs{kTag};
  k.Tief = 5;  // only a low: nothing to compare
  EXPECT_TRUE(k.IstGueltig());
  EXPECT_TRUE(TKurs{kTag}.IstLeer());
  EXPECT_FALSE(k.IstLeer());
}

TEST(Kurse, SetzeEinfuegenErsetzenLoeschen) {
  TKurse kurse = Reihe({kTag + 2, kTag, kTag + 1, kTag + 5});
  ASSERT_EQ(kurse.Anzahl(), 4);
  EXPECT_EQ(kurse.Kurs(0)->Datum, kTag);
  EXPECT_EQ(kurse.Kurs(2)->Datum, kTag + 2);
  EXPECT_EQ(kurse.ErsterTag(), kTag);
  EXPECT_EQ(kurse.LetzterTag(), kTag + 5);
  EXPECT_EQ(kurse.Kurs(4), nullptr);
  EXPECT_EQ(kurse.Kurs(-1), nullptr);

  EXPECT_FALSE(kurse.Setze(TKurs{kTag + 3}, TSetzModus::Ersetzen));  // empty, missing day
  EXPECT_EQ(kurse.Anzahl(), 4);
  EXPECT_TRUE(kurse.Setze(TKurs{kTag + 1}, TSetzModus::Ersetzen));  // empty: deletes the day
  EXPECT_EQ(kurse.Anzahl(), 3);
  EXPECT_EQ(kurse.Suche(kTag + 1), nullptr);

  TKurs falsch = Voll(kTag);
  falsch.Hoch = 1;
  EXPECT_FALSE(kurse.Setze(falsch, TSetzModus::Ersetzen));
  EXPECT_EQ(*kurse.Suche(kTag), Voll(kTag));

  EXPECT_FALSE(kurse.Setze(Voll(kErsterBoersentag - 1), TSetzModus::Ersetzen));
  EXPECT_FALSE(kurse.Setze(Voll(kLetzterBoersentag + 1), TSetzModus::Mischen));
  EXPECT_EQ(kurse.Anzahl(), 3);
  EXPECT_TRUE(kurse.Setze(Voll(kErsterBoersentag), TSetzModus::Mischen));
  EXPECT_EQ(kurse.ErsterTag(), kErsterBoersentag);
}

TEST(Kurse, MischenNimmtNurPositiveWerteUndHaeltDieSpanne) {
  TKurse kurse = Reihe({kTag});
  EXPECT_TRUE(kurse.Setze(NurSchluss(kTag, 11.5), TSetzModus::Mischen));
  TKurs erwartet = Voll(kTag);
  erwartet.Schluss = 11.5;
  EXPECT_EQ(*kurse.Suche(kTag), erwartet);

  EXPECT_FALSE(kurse.Setze(NurSchluss(kTag, 12.5), TSetzModus::Mischen));  // above the high
  EXPECT_FALSE(kurse.Setze(NurSchluss(kTag, 8.5), TSetzModus::Mischen));   // below the low
  TKurs negativ = NurSchluss(kTag, -3);
  negativ.Umsatz = -5;
  EXPECT_TRUE(kurse.Setze(negativ, TSetzModus::Mischen));  // nothing positive to take
  EXPECT_EQ(*kurse.Suche(kTag), erwartet);

  TKurse neu;
  neu.Setze(NurSchluss(kTag, 10.25), TSetzModus::Ersetzen);
  neu.Setze(NurSchluss(kTag + 1, 20), TSetzModus::Ersetzen);
  EXPECT_EQ(kurse.Mische(neu), 0);
  EXPECT_EQ(kurse.Anzahl(), 2);
  EXPECT_EQ(kurse.Suche(kTag)->Schluss, 10.25);
  EXPECT_EQ(kurse.Suche(kTag)->Hoch, 12);
  // A day the merge would spoil is counted and left as it was.
  neu.Setze(NurSchluss(kTag, 99), TSetzModus::Ersetzen);
  EXPECT_EQ(kurse.Mische(neu), 1);
  EXPECT_EQ(kurse.Suche(kTag)->Schluss, 10.25);
}

TEST(Kurs, UnbekanntesKursfeldScheitertLaut) {
  const TKurs kurs = Voll(kTag);
  EXPECT_EQ(KursFeld(kurs, kfUmsatz), 1000);
  EXPECT_EQ(KursFeld(kurs, kfKassakurs), 10.5);
  for (unsigned feld : {0u, 3u, unsigned{kfPreise}, unsigned{kfAlle}, 64u}) {
    EXPECT_THROW_MSG(KursFeld(kurs, static_cast<TKursFeld>(feld)), std::invalid_argument,
                     "Unbekanntes Kursfeld " + std::to_string(feld));
  }
}

TEST(Kurse, IndexGrenzen) {
  const TKurse kurse = Reihe({kTag, kTag + 2, kTag + 4});
  EXPECT_EQ(kurse.IndexAb(kTag + 1), 1);
  EXPECT_EQ(kurse.IndexAb(kTag + 2), 1);
  EXPECT_EQ(kurse.IndexAb(kTag + 5), 3);
  EXPECT_EQ(kurse.IndexBis(kTag + 3), 1);
  EXPECT_EQ(kurse.IndexBis(kTag - 1), -1);
  EXPECT_EQ(kurse.IndexBis(kTag + 4), 2);
  const TKurse leer;
  EXPECT_EQ(leer.IndexAb(kTag), 0);
  EXPECT_EQ(leer.IndexBis(kTag), -1);
  EXPECT_EQ(leer.ErsterTag(), 0);
  EXPECT_EQ(leer.LetzterTag(), 0);
}

TEST(Kurs, DerSchnelleTestErkenntNurGueltigeUndNichtLeereSaetze) {
  EXPECT_TRUE(Voll(kTag).IstVollstaendigGueltig());
  EXPECT_FALSE(NurSchluss(kTag, 5).IstVollstaendigGueltig());  // left to the full test
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double werte[] = {0, -1, 1, 2, 3, nan, inf};
  int schnell = 0;
  for (double kassa : werte)
    for (double eroeffnung : werte)
      for (double schluss : werte)
        for (double hoch : werte)
          for (double tief : werte)
            for (double umsatz : werte) {
              const TKurs k{kTag, kassa, eroeffnung, schluss, hoch, tief, umsatz};
              if (!k.IstVollstaendigGueltig()) continue;
              ++schnell;
              ASSERT_TRUE(k.IstGueltig() && !k.IstLeer())
                  << kassa << ' ' << eroeffnung << ' ' << schluss << ' ' << hoch << ' ' << tief
                  << ' ' << umsatz;
            }
  EXPECT_GT(schnell, 100);
}

// Equal records; a NaN equals a NaN here.
bool GleicheSaetze(std::span<const TKurs> a, std::span<const TKurs> b) {
  const auto gleich = [](double x, double y) { return x == y || (x != x && y != y); };
  return std::ranges::equal(a, b, [&](const TKurs& x, const TKurs& y) {
    return x.Datum == y.Datum && gleich(x.Kassakurs, y.Kassakurs) &&
           gleich(x.Eroeffnung, y.Eroeffnung) && gleich(x.Schluss, y.Schluss) &&
           gleich(x.Hoch, y.Hoch) && gleich(x.Tief, y.Tief) && gleich(x.Umsatz, y.Umsatz);
  });
}

TEST(Kurse, AnhaengenWirktWieSetzenSatzFuerSatz) {
  TKurs ungueltig = Voll(kTag + 4);
  ungueltig.Hoch = 1;
  TKurs negativerUmsatz = Voll(kTag + 5);
  negativerUmsatz.Umsatz = -1;
  TKurs mitNan = Voll(kTag + 6);
  mitNan.Kassakurs = std::numeric_limits<double>::quiet_NaN();
  TKurs ersatz = Voll(kTag + 1);
  ersatz.Schluss = 11.5;
  const std::vector<TKurs> saetze = {Voll(kTag + 1),
                                     Voll(kTag + 3),
                                     NurSchluss(kTag + 2, 7),
                                     ungueltig,
                                     Voll(kTag + 4),
                                     negativerUmsatz,
                                     mitNan,
                                     TKurs{kTag + 7},
                                     TKurs{kTag + 3},
                                     ersatz,
                                     Voll(kErsterBoersentag - 1),
                                     Voll(kTag - 5),
                                     Voll(kTag + 8),
                                     Voll(kLetzterBoersentag + 1),
                                     NurSchluss(kTag + 9, 3)};

  TKurse einzeln = Reihe({kTag});
  int abgelehnt = 0;
  for (const TKurs& k : saetze)
    abgelehnt += einzeln.Setze(k, TSetzModus::Ersetzen) ? 0 : 1;
  TKurse angehaengt = Reihe({kTag});
  std::size_t i = 0;
  const int verworfen = angehaengt.Anhaengen(static_cast<int>(saetze.size()), [&](TKurs& k) {
    EXPECT_TRUE(k.IstLeer());
    EXPECT_EQ(k.Datum, 0);
    k = saetze[i++];
  });

  EXPECT_EQ(i, saetze.size());
  EXPECT_EQ(einzeln.Anzahl(), 8);
  // The invalid one, the negative volume, the empty one for a missing day and
  // the two outside the years.
  EXPECT_EQ(abgelehnt, 5);
  EXPECT_EQ(verworfen, abgelehnt);
  EXPECT_TRUE(GleicheSaetze(angehaengt.Alle(), einzeln.Alle()));
}

TEST(Kurse, EinFehlerBeimLesenLaesstKeinenHalbenSatzZurueck) {
  TKurse kurse;
  int gelesen = 0;
  EXPECT_THROW_MSG(kurse.Anhaengen(5,
                                   [&](TKurs& k) {
                                     k.Datum = kTag + gelesen;
                                     if (++gelesen == 3) throw Exception("Lesefehler");
                                     k = Voll(k.Datum);
                                   }),
                   Exception, "Lesefehler");
  ASSERT_EQ(kurse.Anzahl(), 2);
  EXPECT_EQ(kurse.LetzterTag(), kTag + 1);
  kurse.Anhaengen(0, [](TKurs&) { FAIL(); });
  kurse.Anhaengen(-1, [](TKurs&) { FAIL(); });
  EXPECT_EQ(kurse.Anzahl(), 2);
}

TEST(Kurse, MitFaktorMultiplizieren) {
  TKurse kurse = Reihe({kTag, kTag + 1, kTag + 2});
  kurse.MitFaktorMultiplizieren(kTag, kTag + 1, kfPreise, 0.5);
  EXPECT_EQ(kurse.Suche(kTag)->Schluss, 5.5);
  EXPECT_EQ(kurse.Suche(kTag + 1)->Hoch, 6);
  EXPECT_EQ(kurse.Suche(kTag + 1)->Umsatz, 1000);
  EXPECT_EQ(*kurse.Suche(kTag + 2), Voll(kTag + 2));

  kurse.MitFaktorMultiplizieren(kTag + 2, kTag + 2, kfHoch, 0.5);  // high below the rest
  EXPECT_EQ(*kurse.Suche(kTag + 2), Voll(kTag + 2));
  kurse.MitFaktorMultiplizieren(kTag + 2, kTag + 2, kfUmsatz, 0);
  kurse.MitFaktorMultiplizieren(kTag + 2, kTag + 2, 0, 2);
  EXPECT_EQ(*kurse.Suche(kTag + 2), Voll(kTag + 2));
  kurse.MitFaktorMultiplizieren(kTag + 10, kTag + 20, kfAlle, 2);  // outside: nothing
  EXPECT_EQ(*kurse.Suche(kTag + 2), Voll(kTag + 2));

  TKurs nurSchluss = NurSchluss(kTag + 3, 4);
  kurse.Setze(nurSchluss, TSetzModus::Ersetzen);
  kurse.MitFaktorMultiplizieren(kTag + 3, kTag + 3, kfAlle, 3);
  EXPECT_EQ(kurse.Suche(kTag + 3)->Schluss, 12);
  EXPECT_EQ(kurse.Suche(kTag + 3)->Hoch, 0);
}

TEST(Kursbearbeitung, ZeitraumUndFaktor) {
  struct Zeitraum {
    const char* von;
    const char* bis;
    const char* grund;
  };
  const Zeitraum ungueltig[] = {
      {"31.2.1998", "5.1.1998", "February has no 31st"},
      {"6.1.1998", "5.1.1998", "ends before it starts"},
      {"x", "5.1.1998", "not a date"},
  };
  for (const Zeitraum& f : ungueltig) {
    SCOPED_TRACE(f.grund);
    EXPECT_THROW_MSG(ZeitraumLesen(f.von, f.bis), EKursbearbeitung, "Ungültiges Datum angegeben!");
  }
  const TKursZeitraum z = ZeitraumLesen("3.1.1998", "11.1.1998");  // Saturday to Sunday
  EXPECT_EQ(z.Von, kTag);
  EXPECT_EQ(z.Bis, BoersentagAusDatum(9, 1, 1998));

  EXPECT_DOUBLE_EQ(FaktorLesen("1,0"), 1.0);
  EXPECT_DOUBLE_EQ(FaktorLesen("0,1234567"), 0.123456);
  // Six decimals are kept, so 0,0000001 is read as zero.
  for (const char* falsch : {"0", "-1", "", "0,0000001"}) {
    SCOPED_TRACE(falsch);
    EXPECT_THROW_MSG(FaktorLesen(falsch), EKursbearbeitung,
                     "Es muss eine positive Zahl angegeben werden!");
  }

  const TKurse kurse = Reihe({kTag + 3});
  EXPECT_EQ(VorbelegterZeitraum(kurse, kTag + 5).Von, kTag + 3);
  EXPECT_EQ(VorbelegterZeitraum(kurse, kTag).Von, kTag);
  EXPECT_EQ(VorbelegterZeitraum(TKurse{}, kTag).Von, kTag);
  EXPECT_EQ(KurstabellenZeitraum(kurse, kTag + 20).Von, kTag + 3);
  EXPECT_EQ(KurstabellenZeitraum(kurse, kTag + 20).Bis, kTag + 20);
  EXPECT_EQ(KurstabellenZeitraum(kurse, kTag).Von, kTag - 9);
  EXPECT_EQ(KurstabellenZeitraum(kurse, kTag).Bis, kTag + 3);
}

TEST(Kursbearbeitung, BereichLoeschen) {
  TKurse kurse = Reihe({kTag, kTag + 1, kTag + 2, kTag + 3});
  KurseLoeschen(kurse, {kTag + 1, kTag + 2}, kfAlle);
  EXPECT_EQ(kurse.Anzahl(), 2);
  KurseLoeschen(kurse, {kTag, kTag + 3}, kfSchluss | kfUmsatz);
  EXPECT_EQ(kurse.Anzahl(), 2);
  EXPECT_EQ(kurse.Suche(kTag)->Schluss, 0);
  EXPECT_EQ(kurse.Suche(kTag)->Hoch, 12);
  KurseLoeschen(kurse, {kTag + 10, kTag + 20}, kfAlle);
  EXPECT_EQ(kurse.Anzahl(), 2);
}

TEST(Kursbearbeitung, Kurstabelle) {
  TKurse kurse = Reihe({kTag});
  EXPECT_TRUE(KurszelleAendern(kurse, kTag, 4, "11,55559"));
  EXPECT_DOUBLE_EQ(kurse.Suche(kTag)->Schluss, 11.5555);
  EXPECT_FALSE(KurszelleAendern(kurse, kTag, 4, "12,5"));  // above the high
  EXPECT_FALSE(KurszelleAendern(kurse, kTag, 4, "-1"));
  EXPECT_FALSE(KurszelleAendern(kurse, kTag, 4, "1e10"));
  EXPECT_FALSE(KurszelleAendern(kurse, kTag, 4, "abc"));
  EXPECT_DOUBLE_EQ(kurse.Suche(kTag)->Schluss, 11.5555);
  EXPECT_TRUE(KurszelleAendern(kurse, kTag, 6, "2500,7"));
  EXPECT_EQ(kurse.Suche(kTag)->Umsatz, 2500);
  EXPECT_FALSE(KurszelleAendern(kurse, kTag, 6, "2e12"));

  EXPECT_TRUE(KurszelleAendern(kurse, kTag + 1, 5, "7"));  // a new day
  EXPECT_EQ(kurse.Suche(kTag + 1)->Kassakurs, 7);
  EXPECT_TRUE(KurszelleAendern(kurse, kTag + 1, 5, ""));  // its last value cleared
  EXPECT_EQ(kurse.Suche(kTag + 1), nullptr);
  EXPECT_FALSE(KurszelleAendern(kurse, kTag, 7, "1"));
}

}  // namespace
}  // namespace morvane
