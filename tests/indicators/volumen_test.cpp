// The kinds that use high, low and volume: worked cases and plain
// re-computations over real prices.
#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "indicators/indcha.h"
#include "indicators/inddmi.h"
#include "indicators/indemv.h"
#include "indicators/indmfi.h"
#include "indicators/indnv.h"
#include "referenz.h"
#include "testhilfe/ausnahme.h"
#include "testkurse.h"

namespace morvane {
namespace {

using namespace referenz;
using test::Start;

// Records with high, low, close and volume on consecutive trading days.
TKurse Kurse(const std::vector<std::array<double, 4>>& hlcv) {
  TKurse kurse;
  for (std::size_t i = 0; i < hlcv.size(); ++i) {
    TKurs k;
    k.Datum = Start() + static_cast<Boersentag>(i);
    k.Hoch = hlcv[i][0];
    k.Tief = hlcv[i][1];
    k.Schluss = hlcv[i][2];
    k.Umsatz = hlcv[i][3];
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  return kurse;
}

TEST(IndNV, SchlussAmHoch) {
  TIndNV nv;
  nv.Param.Glaettung = 1;
  nv.Berechnen(Kurse({{12, 10, 12, 0}, {11, 11, 11, 0}}));
  EXPECT_EQ(*nv.PositiveLinie()->Lesen(Start()), 2.0);
  EXPECT_EQ(*nv.NegativeLinie()->Lesen(Start()), 0.0);
  EXPECT_EQ(*nv.Oszillator()->Lesen(Start()), 100.0);
  // No range at all: 50.
  EXPECT_EQ(*nv.Oszillator()->Lesen(Start() + 1), 50.0);
  EXPECT_EQ(nv.Info(Start()), "Signal: 0 %\rOszillator: 100,0 Punkte");
}

TEST(IndCHA, TagOhneSpanneZaehltNicht) {
  TIndCHA cha;
  cha.Param.KurzGlaettung = 1;
  cha.Param.LangGlaettung = 3;
  cha.Param.Empfindlichkeit = 1;
  // Close at the high adds the volume, at the low subtracts it.
  cha.Berechnen(Kurse({{12, 10, 12, 100}, {11, 11, 11, 500}, {12, 10, 10, 40}}));
  EXPECT_EQ(*cha.AdLinie()->Lesen(Start()), 100.0);
  EXPECT_FALSE(cha.AdLinie()->Lesen(Start() + 1));
  EXPECT_EQ(*cha.AdLinie()->Lesen(Start() + 2), 60.0);
  // The day without an AD value: the long line has its neighbour's value.
  EXPECT_EQ(*cha.LangeLinie()->Lesen(Start() + 1), 100.0);
  EXPECT_FALSE(cha.KurzeLinie()->Lesen(Start() + 1));
  EXPECT_FALSE(cha.Oszillator()->Lesen(Start() + 1));
  // Short 60 against long (1 * 100 + 3 * 60) / 4 = 70, at a close of 10.
  EXPECT_DOUBLE_EQ(*cha.LangeLinie()->Lesen(Start() + 2), 70.0);
  EXPECT_DOUBLE_EQ(*cha.Oszillator()->Lesen(Start() + 2), 100.0 / 3);

  cha.Param.Empfindlichkeit = 0;  // only a damaged file holds it
  EXPECT_THROW_MSG(cha.Berechnen(Kurse({{12, 10, 12, 100}, {12, 10, 11, 100}})), EIndikator,
                   "Fließkomma-Division durch 0");
  EXPECT_EQ(cha.Oszillator(), nullptr);
  EXPECT_EQ(cha.AdLinie(), nullptr);
}

TEST(IndEMV, FlacherTagIstNull) {
  TIndEMV emv;
  emv.Param.Glaettung = 1;
  emv.Berechnen(Kurse({{12, 10, 11, 100}, {11, 11, 11, 100}, {13, 11, 12, 200}}));
  EXPECT_FALSE(emv.MidpointMove()->Lesen(Start()));
  EXPECT_FALSE(emv.BoxRatio()->Lesen(Start() + 1));
  EXPECT_EQ(*emv.EmvGeglaettet()->Lesen(Start() + 1), 0.0);
  EXPECT_EQ(*emv.Oszillator()->Lesen(Start() + 1), 50.0);
  // Day 3: midpoint (24 - 22) / 24 * 1000; mean volume 400 / 3, mean close 34 / 3.
  const double mm = 2.0 / 24 * 1000;
  const double box = (200 / (400.0 / 3) * 10) / (2 / (34.0 / 3) * 25);
  EXPECT_NEAR(*emv.MidpointMove()->Lesen(Start() + 2), mm, 1e-12);
  EXPECT_NEAR(*emv.BoxRatio()->Lesen(Start() + 2), box, 1e-12);
  EXPECT_NEAR(*emv.EmvGeglaettet()->Lesen(Start() + 2), mm / box, 1e-9);
}

TEST(IndMFI, NurSteigendUndOhneAenderung) {
  TIndMFI mfi;
  mfi.Param.Zeitraum = 3;
  mfi.Berechnen(Kurse({{11, 9, 10, 5}, {12, 10, 11, 5}, {13, 11, 12, 5}, {14, 12, 13, 5}}));
  EXPECT_TRUE(test::Werte(*mfi.MoneyRatio()).empty());
  EXPECT_TRUE(test::Werte(*mfi.Oszillator()).empty());
  EXPECT_EQ(mfi.Info(Start() + 3),
            "Signal: 0 %\rOszillator: -\rMoney Ratio: -\rTypischer Preis: 13,00");

  mfi.Berechnen(Kurse({{11, 9, 10, 5}, {11, 9, 10, 7}, {11, 9, 10, 0}, {11, 9, 10, 3}}));
  EXPECT_EQ(*mfi.MoneyRatio()->Lesen(Start() + 1), 1.0);
  EXPECT_FALSE(mfi.MoneyRatio()->Lesen(Start() + 2));  // no volume, no flow
  EXPECT_EQ(*mfi.Oszillator()->Lesen(Start() + 3), 50.0);

  // Typical prices 10, 11, 10: over two days P = 11, N = 10.
  mfi.Param.Zeitraum = 2;
  mfi.Berechnen(Kurse({{11, 9, 10, 1}, {12, 10, 11, 1}, {11, 9, 10, 1}}));
  EXPECT_DOUBLE_EQ(*mfi.MoneyRatio()->Lesen(Start() + 2), 1.1);
  EXPECT_NEAR(*mfi.Oszillator()->Lesen(Start() + 2), 100 - 100 / (1 + std::pow(1.1, 3)), 1e-12);
  // Only falling: ratio 0, oscillator 0.
  mfi.Berechnen(Kurse({{12, 10, 11, 1}, {11, 9, 10, 1}}));
  EXPECT_EQ(*mfi.Oszillator()->Lesen(Start() + 1), 0.0);
}

TEST(IndDMI, GleicheBewegungen) {
  TIndDMI dmi;
  dmi.Berechnen(Kurse(std::vector<std::array<double, 4>>(20, {12, 10, 11, 0})));
  EXPECT_FALSE(dmi.Oszillator()->Lesen(Start()));
  for (int i = 1; i < 20; ++i) {
    EXPECT_EQ(*dmi.Oszillator()->Lesen(Start() + i), 50.0);
    EXPECT_EQ(*dmi.PosDI()->Lesen(Start() + i), 0.0);
  }
  // Both extensions at once count both, neither is cleared.
  dmi.Berechnen(Kurse({{12, 10, 11, 0}, {13, 9, 11, 0}, {15, 10, 13, 0}}));
  EXPECT_EQ(*dmi.Oszillator()->Lesen(Start() + 1), 50.0);
  EXPECT_EQ(*dmi.PosDI()->Lesen(Start() + 1), 0.25);
  // Day 3: +DM 1 + 2, -DM 1 + 0, true range 4 + 5.
  EXPECT_EQ(*dmi.Oszillator()->Lesen(Start() + 2), 75.0);
  EXPECT_EQ(dmi.Info(Start() + 2), "Signal: 0 %\rOszillator: 75,0 Punkte\rposDI: 0,3\rnegDI: 0,1");
  EXPECT_EQ(dmi.Info(Start()), "Signal: 0 %\rOszillator: -\rposDI: -\rnegDI: -");
}

TEST(IndCHA, DatensatzUndPruefung) {
  TIndCHA cha;
  TBinaerSchreiber datei;
  cha.Speichern(datei);
  // Two words, the divisor as a 32-bit integer (15000), three check boxes.
  const std::string erwartet("\x05\x00\x14\x00\x98\x3a\x00\x00\x00\x01\x00", 11);
  EXPECT_EQ(datei.Daten().substr(datei.Daten().size() - 11), erwartet);

  auto pruefe = [&](std::vector<std::string> texte) {
    return cha.BerechnungPruefen(texte).value_or(TEingabefehler{-1, ""});
  };
  EXPECT_EQ(pruefe({"20", "20", "0"}),
            (TEingabefehler{0,
                            "Der Glättungszeitraum der kurzfristigen AD-Linie muss kleiner sein "
                            "als der der langfristigen AD-Linie."}));
  EXPECT_EQ(pruefe({"5", "0", "0"}).Meldung, kMeldungGlaettungszeitraum);
  EXPECT_EQ(pruefe({"5", "20", "0"}),
            (TEingabefehler{2,
                            "Im Nenner der Empfindlichkeit muss eine Zahl angegeben werden, die "
                            "größer oder gleich 1 ist."}));
  EXPECT_EQ(pruefe({"5", "20", "2000000"}).Feld, -1);
}

// The example prices with a day without volume, a day without a low and a day
// without a range besides the gaps of the base data.
class VolumenReferenz : public Referenz {
 protected:
  VolumenReferenz() {
    Aendern(30, [](TKurs& k) { k.Umsatz = 0; });
    Aendern(45, [](TKurs& k) { k.Tief = 0; });
    Aendern(50, [](TKurs& k) { k.Eroeffnung = k.Hoch = k.Tief = k.Schluss; });
    d = Aus(kurse);
  }
  template <typename F>
  void Aendern(int index, F f) {
    TKurs k = *kurse.Kurs(index);
    f(k);
    kurse.Setze(k, TSetzModus::Ersetzen);
  }
  bool HLC(int i) const { return d.k[i].Hoch > 0 && d.k[i].Tief > 0 && d.C(i) > 0; }
};

TEST_F(VolumenReferenz, NvUndCha) {
  TIndNV nv;
  nv.Berechnen(kurse);
  Reihe pos, neg;
  for (int i = 0; i < std::ssize(d.k); ++i) {
    if (!HLC(i)) continue;
    pos[d.k[i].Datum] = d.C(i) - d.k[i].Tief;
    neg[d.k[i].Datum] = d.k[i].Hoch - d.C(i);
  }
  const Reihe p = Mittel(pos, d.von, d.bis, 14, false);
  const Reihe n = Mittel(neg, d.von, d.bis, 14, false);
  Reihe o;
  for (const auto& [t, w] : p)
    o[t] = w + n.at(t) == 0 ? 50 : w / (w + n.at(t)) * 100;
  Vergleiche(nv.PositiveLinie(), p, "N%V positiv");
  VergleicheSignal(nv, o, "N%V");

  TIndCHA cha;
  cha.Param.Empfindlichkeit = 3;
  cha.Berechnen(kurse);
  Reihe ad;
  double summe = 0;
  for (const TKurs& k : d.k) {
    if (k.Hoch > 0 && k.Tief > 0 && k.Schluss > 0 && k.Umsatz > 0 && k.Hoch > k.Tief) {
      summe += k.Umsatz * (2 * k.Schluss - k.Tief - k.Hoch) / (k.Hoch - k.Tief);
      ad[k.Datum] = summe;
    }
  }
  const Reihe kurz = Mittel(ad, d.von, d.bis, 5, true);
  const Reihe lang = Mittel(ad, d.von, d.bis, 20, true);
  Reihe oc;
  for (const TKurs& k : d.k) {
    if (k.Schluss > 0 && kurz.count(k.Datum) && lang.count(k.Datum)) {
      oc[k.Datum] = Diff((kurz.at(k.Datum) - lang.at(k.Datum)) / k.Schluss, 1.0 / 3);
    }
  }
  Vergleiche(cha.AdLinie(), ad, "AD");
  Vergleiche(cha.LangeLinie(), lang, "AD lang");
  VergleicheSignal(cha, oc, "CHA");
}

TEST_F(VolumenReferenz, Emv) {
  TIndEMV emv;
  emv.Param.Empfindlichkeit = 20;
  emv.Berechnen(kurse);
  Reihe mm, box, roh;
  for (int i = 0; i < std::ssize(d.k); ++i) {
    const TKurs& k = d.k[i];
    if (i > 0 && k.Hoch > 0 && k.Tief > 0 && d.k[i - 1].Hoch > 0 && d.k[i - 1].Tief > 0 &&
        k.Schluss > 0) {
      mm[k.Datum] =
          ((k.Hoch + k.Tief) - (d.k[i - 1].Hoch + d.k[i - 1].Tief)) / (2 * k.Schluss) * 1000;
    }
    if (k.Umsatz <= 0 || k.Hoch <= 0 || k.Tief <= 0) continue;
    double sv = 0, sc = 0;
    int nv = 0, nc = 0;
    for (int r = std::max(0, i - 9); r <= i; ++r) {
      if (d.k[r].Umsatz > 0) sv += d.k[r].Umsatz, ++nv;
      if (d.C(r) > 0) sc += d.C(r), ++nc;
    }
    if (nv == 0 || nc == 0) continue;
    if (k.Hoch == k.Tief) {
      roh[k.Datum] = 0;
      continue;
    }
    box[k.Datum] = (k.Umsatz / (sv / nv) * 10) / ((k.Hoch - k.Tief) / (sc / nc) * 25);
    if (mm.count(k.Datum)) roh[k.Datum] = mm.at(k.Datum) / box.at(k.Datum);
  }
  ASSERT_EQ(roh.at(d.k[50].Datum), 0.0);
  const Reihe glatt = Mittel(roh, d.von, d.bis, 5, false);
  Reihe o;
  for (const auto& [t, w] : glatt)
    o[t] = Diff(w, 20);
  Vergleiche(emv.MidpointMove(), mm, "Midpoint Move");
  Vergleiche(emv.BoxRatio(), box, "Box Ratio");
  Vergleiche(emv.EmvGeglaettet(), glatt, "EMV");
  VergleicheSignal(emv, o, "EMV");
}

TEST_F(VolumenReferenz, MfiUndDmi) {
  TIndMFI mfi;
  mfi.Param.Zeitraum = 6;
  mfi.Berechnen(kurse);
  Reihe tp, pos, neg;
  for (int i = 0; i < std::ssize(d.k); ++i) {
    if (HLC(i)) tp[d.k[i].Datum] = (d.k[i].Hoch + d.k[i].Tief + d.C(i)) / 3;
  }
  for (int i = 1; i < std::ssize(d.k); ++i) {
    const Boersentag t = d.k[i].Datum;
    if (d.k[i].Umsatz <= 0 || !tp.count(t) || !tp.count(d.k[i - 1].Datum)) continue;
    const double heute = tp.at(t), gestern = tp.at(d.k[i - 1].Datum);
    pos[t] = heute > gestern ? heute * d.k[i].Umsatz : 0;
    neg[t] = heute < gestern ? heute * d.k[i].Umsatz : 0;
  }
  Reihe ratio, o;
  for (const auto& [t, w] : pos) {
    double P = 0, N = 0;
    for (Boersentag s = t - 5; s <= t; ++s) {
      if (pos.count(s)) P += pos.at(s), N += neg.at(s);
    }
    if (N == 0 && P != 0) continue;
    ratio[t] = N != 0 ? P / N : 1;
    o[t] = ratio[t] > 0 ? 100 - 100 / (1 + std::pow(ratio[t], 3)) : 0;
  }
  Vergleiche(mfi.TypischerPreis(), tp, "Typischer Preis");
  Vergleiche(mfi.MoneyRatio(), ratio, "Money Ratio");
  VergleicheSignal(mfi, o, "MFI");

  TIndDMI dmi;
  dmi.Berechnen(kurse);
  const int n = 14;
  const auto& k = d.k;
  auto auf = [&](int i) { return k[i].Hoch > 0 && k[i - 1].Hoch > 0; };
  auto ab = [&](int i) { return k[i].Tief > 0 && k[i - 1].Tief > 0; };
  auto tr = [&](int i) { return k[i].Hoch > 0 && k[i].Tief > 0 && k[i - 1].Schluss > 0; };
  Reihe posDI, oszDmi;
  for (int i = 1; i < std::ssize(k); ++i) {
    if (!auf(i) || !ab(i) || !tr(i)) continue;
    double P = 0, N = 0, T = 0;
    for (int r = std::max(1, i - n + 1); r <= i; ++r) {
      if (auf(r)) P += std::max(0.0, k[r].Hoch - k[r - 1].Hoch);
      if (ab(r)) N += std::max(0.0, k[r - 1].Tief - k[r].Tief);
      if (tr(r)) {
        T += std::max({k[r].Hoch - k[r].Tief, std::fabs(k[r].Hoch - k[r - 1].Schluss),
                       std::fabs(k[r].Tief - k[r - 1].Schluss)});
      }
    }
    if (T != 0) posDI[k[i].Datum] = P / T;
    oszDmi[k[i].Datum] = P + N == 0 ? 50 : P / (P + N) * 100;
  }
  Vergleiche(dmi.PosDI(), posDI, "posDI");
  VergleicheSignal(dmi, oszDmi, "DMI");
}

}  // namespace
}  // namespace morvane
