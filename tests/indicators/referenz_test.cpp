// Every kind against a plain re-computation over real prices (Microsoft, summer
// 2003, with the 4 July holiday), made harder by a day without a close and a
// second gap. The re-computation follows the rules word by word, with ordered
// maps and naive sums, and shares no code with the indicators.
#include <cmath>
#include <map>

#include <gtest/gtest.h>

#include "indicators/ind1gd.h"
#include "indicators/ind2gd.h"
#include "indicators/indbol.h"
#include "indicators/indcci.h"
#include "indicators/indcdo.h"
#include "indicators/indkst.h"
#include "indicators/indmac.h"
#include "indicators/indmom.h"
#include "indicators/indrsi.h"
#include "indicators/indsto.h"
#include "referenz.h"
#include "testkurse.h"

namespace morvane {
namespace {

using namespace referenz;

TEST_F(Referenz, GleitendeDurchschnitte) {
  for (int art : {0, 1, 2}) {
    TInd1GD gd;
    gd.Param.Gewichtungsart = static_cast<std::uint8_t>(art);
    gd.Param.Zeitraum = art == 2 ? 12 : 30;
    gd.Berechnen(kurse);
    const Reihe a = KDurchschnitt(d, art, gd.Param.Zeitraum);
    Reihe o;
    for (const TKurs& k : d.k) {
      if (k.Schluss > 0) o[k.Datum] = Verh(k.Schluss, a.at(k.Datum), 15);
    }
    Vergleiche(gd.Durchschnittslinie(), a, "1GD Durchschnitt");
    VergleicheSignal(gd, o, "1GD");
  }
  TInd2GD zwei;
  zwei.Berechnen(kurse);
  const Reihe k = KDurchschnitt(d, 0, 10), l = KDurchschnitt(d, 0, 20);
  Reihe o;
  for (const auto& [t, w] : k)
    o[t] = Verh(w, l.at(t), 45);
  Vergleiche(zwei.KurzerDurchschnitt(), k, "2GD kurz");
  Vergleiche(zwei.LangerDurchschnitt(), l, "2GD lang");
  VergleicheSignal(zwei, o, "2GD");
}

TEST_F(Referenz, MacUndCdo) {
  TIndMAC mac;
  mac.Param.KurzZeitraum = 5;
  mac.Param.LangZeitraum = 12;
  mac.Param.TriggerZeitraum = 4;
  mac.Berechnen(kurse);
  const Reihe k = KDurchschnitt(d, 1, 5), l = KDurchschnitt(d, 1, 12);
  Reihe macd;
  for (const auto& [t, w] : k)
    macd[t] = w - l.at(t);
  const Reihe trigger = Mittel(macd, d.von, d.bis, 4, true);
  Reihe m;
  for (const TKurs& kurs : d.k) {
    if (kurs.Schluss > 0 && macd.count(kurs.Datum)) {
      m[kurs.Datum] = Diff((macd.at(kurs.Datum) - trigger.at(kurs.Datum)) / kurs.Schluss, 500);
    }
  }
  Vergleiche(mac.Macd(), macd, "MACD");
  Vergleiche(mac.Trigger(), trigger, "Trigger");
  VergleicheSignal(mac, m, "MAC");

  TIndCDO cdo;
  cdo.Param.KurzZeitraum = 5;
  cdo.Param.LangZeitraum = 12;
  cdo.Param.TriggerZeitraum = 4;
  cdo.Param.CdoZeitraum = 10;
  cdo.Berechnen(kurse);
  Reihe roh;
  for (const auto& [t, w] : m) {
    if (m.count(t - 9)) roh[t] = w / (w + m.at(t - 9)) * 100;
  }
  Vergleiche(cdo.MacdOszillator(), m, "CDO M");
  VergleicheSignal(cdo, Mittel(roh, d.von, d.bis, 3, false), "CDO");
}

TEST_F(Referenz, RsiStoMom) {
  TIndRSI rsi;
  rsi.Berechnen(kurse);
  Reihe o;
  for (int i = 0; i < std::ssize(d.k); ++i) {
    if (d.C(i) <= 0) continue;
    std::vector<double> c;
    for (int x = std::max(0, i - 9); x <= i; ++x) {
      if (d.C(x) > 0) c.push_back(d.C(x));
    }
    double u = 0, f = 0;
    for (std::size_t j = 1; j < c.size(); ++j) {
      u += std::max(0.0, c[j] - c[j - 1]);
      f += std::max(0.0, c[j - 1] - c[j]);
    }
    o[d.k[i].Datum] = u + f == 0 ? 50 : u / (u + f) * 100;
  }
  VergleicheSignal(rsi, o, "RSI");

  TIndSTO sto;
  sto.Berechnen(kurse);
  Reihe kl;
  for (int i = 0; i < std::ssize(d.k); ++i) {
    double lo = 1e300, hi = -1e300;
    for (int x = std::max(0, i - 19); x <= i; ++x) {
      lo = std::min(lo, d.C(x));
      hi = std::max(hi, d.C(x));
    }
    if (hi > 0 && d.C(i) > 0) kl[d.k[i].Datum] = hi > lo ? (d.C(i) - lo) / (hi - lo) * 100 : 50;
  }
  Vergleiche(sto.KLinie(), kl, "%K");
  VergleicheSignal(sto, Mittel(kl, d.von, d.bis, 5, false), "STO");

  TIndMOM mom;
  mom.Berechnen(kurse);
  Reihe roc, mo;
  for (int i = 19; i < std::ssize(d.k); ++i) {
    const double c = d.C(i), c0 = d.C(i - 19);
    if (c <= 0 || c0 <= 0) continue;
    roc[d.k[i].Datum] = (c - c0) / c0 * 100;
    mo[d.k[i].Datum] = Verh(c, c0, 15);
  }
  Vergleiche(mom.Roc(), roc, "RoC");
  VergleicheSignal(mom, mo, "MOM");
}

TEST_F(Referenz, Kst) {
  TIndKST kst;
  kst.Param.N4 = 25;
  kst.Berechnen(kurse);
  const int n[] = {10, 15, 20, 25}, m[] = {10, 10, 10, 15}, f[] = {1, 2, 3, 4};
  std::vector<Reihe> r;
  for (int j = 0; j < 4; ++j) {
    Reihe roh;
    for (int i = n[j] - 1; i < std::ssize(d.k); ++i) {
      const double c = d.C(i), c0 = d.C(i - n[j] + 1);
      if (c > 0 && c0 > 0) roh[d.k[i].Datum] = (c - c0) / c0;
    }
    r.push_back(Mittel(roh, d.von, d.bis, m[j], false));
  }
  Reihe u;
  for (Boersentag t = d.von; t <= d.bis; ++t) {
    double s = 0;
    bool alle = true;
    for (int j = 0; j < 4; ++j) {
      alle = alle && r[j].count(t);
      if (alle) s += f[j] * r[j].at(t);
    }
    if (alle) u[t] = s;
  }
  const Reihe g = Mittel(u, d.von, d.bis, 5, false);
  Reihe o;
  for (const auto& [t, w] : g) {
    if (u.count(t)) o[t] = Diff(u.at(t) - w, 20);
  }
  Vergleiche(kst.KstUngeglaettet(), u, "KST ungeglättet");
  Vergleiche(kst.KstGeglaettet(), g, "KST geglättet");
  VergleicheSignal(kst, o, "KST");
}

TEST_F(Referenz, Bollinger) {
  for (int art : {0, 1}) {
    TIndBOL bol;
    bol.Param.Gewichtungsart = static_cast<std::uint8_t>(art);
    bol.Param.AbweichungZeitraum = 15;
    bol.Param.Bandfaktor = 1.5;
    bol.Berechnen(kurse);
    const Reihe a = KDurchschnitt(d, art, 20);
    Reihe oben, unten, o;
    for (int i = 0; i < std::ssize(d.k); ++i) {
      const Boersentag t = d.k[i].Datum;
      if (!a.count(t)) continue;
      double q = 0;
      int z = 0;
      for (int x = std::max(0, i - 14); x <= i; ++x) {
        if (d.C(x) > 0) q += (d.C(x) - a.at(t)) * (d.C(x) - a.at(t)), ++z;
      }
      oben[t] = a.at(t) + 1.5 * std::sqrt(q / z);
      unten[t] = a.at(t) - 1.5 * std::sqrt(q / z);
      const double c = d.C(i), u = oben[t], l = unten[t];
      o[t] = c > u                 ? 100 - 60 / (1 + std::pow(c / u, 20))
             : c < l               ? 60 - 60 / (1 + std::pow(c / l, 20))
             : u - l > 0 && l >= 0 ? (c - l) / (u - l) * 40 + 30
                                   : 50;
    }
    Vergleiche(bol.Durchschnittslinie(), a, "BOL Durchschnitt");
    Vergleiche(bol.ObereLinie(), oben, "BOL oben");
    Vergleiche(bol.UntereLinie(), unten, "BOL unten");
    VergleicheSignal(bol, o, "BOL");
  }
}

TEST_F(Referenz, Cci) {
  TIndCCI cci;
  cci.Param.TpGlaettung = 10;
  cci.Param.AbweichungZeitraum = 8;
  cci.Param.CciGlaettung = 5;
  cci.Berechnen(kurse);
  Reihe tp;
  for (const TKurs& k : d.k) {
    if (k.Hoch > 0 && k.Tief > 0 && k.Schluss > 0) tp[k.Datum] = (k.Hoch + k.Tief + k.Schluss) / 3;
  }
  const Reihe gtp = Mittel(tp, d.von, d.bis, 10, false);
  Reihe c;
  for (const auto& [t, w] : tp) {
    double summe = 0;
    int z = 0;
    for (Boersentag b = t - 7; b <= t; ++b) {
      if (tp.count(b)) summe += std::fabs(tp.at(b) - gtp.at(t)), ++z;
    }
    if (summe / z > 0) c[t] = (w - gtp.at(t)) / (0.015 * (summe / z));
  }
  const Reihe gc = Mittel(c, d.von, d.bis, 5, false);
  Reihe o;
  for (const auto& [t, w] : c)
    o[t] = Diff(w - gc.at(t), 1.0 / 15);
  Vergleiche(cci.TypischerPreis(), tp, "TP");
  Vergleiche(cci.TypischerPreisGeglaettet(), gtp, "TP geglättet");
  Vergleiche(cci.Cci(), c, "CCI");
  Vergleiche(cci.CciGeglaettet(), gc, "CCI geglättet");
  VergleicheSignal(cci, o, "CCI");
}

}  // namespace
}  // namespace morvane
