#include "indicators/bausteine.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "indicators/festkomma.h"
#include "indicators/rechenvorrat.h"
#include "indicators/schaetzung.h"

namespace morvane {

void DivisionDurchNull() {
  throw EIndikator(std::string(kMeldungDivisionDurchNull));
}

TZeitreihe Preisbereich(const TKurse& kurse) {
  return TZeitreihe(kurse.ErsterTag(), kurse.LetzterTag());
}

std::uint64_t Fenstergewicht(int gewichtung, int n, int j) {
  if (gewichtung == kgLinear) return static_cast<std::uint64_t>(j);
  if (gewichtung != kgExponentiell) return 1;
  const int stelle = j - n + 63;
  return stelle < 0 ? 0 : std::uint64_t{1} << stelle;
}

namespace {

// The running sums of a window as estimates: the value sum and, for linear
// weighting, the sum of position * value.
struct TFensterschaetzung {
  TSchaetzsumme Summe;
  TSchaetzsumme Gewichtet;

  // Both afresh over the window ending at d, positions weighted 1..n.
  void Neu(const TDichteReihe& werte, int d, int n) {
    *this = {};
    for (int p = std::max(d - n + 1, 0); p <= d; ++p) {
      if (!werte.Da(p)) continue;
      Summe.Plus(werte.Wert(p));
      Gewichtet.PlusProdukt(werte.Wert(p), static_cast<double>(p - (d - n)));
    }
  }
};

// The unweighted or linear window means of FenstermittelAblegen as whole
// multiples of a unit in which every value is whole: exact running sums.
template <class Ablage>
void GanzFenstermittel(const TDichteReihe& werte, int n, bool linear, int einheit, Ablage ablegen) {
  const auto ganz = werte.Ganzwerte();  // 0 where absent
  TGanz summe = 0;
  TGanz gewichtet = 0;
  std::uint64_t anzahl = 0;
  std::uint64_t gewichte = 0;
  const auto un = static_cast<std::uint64_t>(n);
  for (int d = 0; d < werte.Laenge(); ++d) {
    if (linear) {
      // Every value moves one position back: its weight drops by one.
      gewichtet -= summe;
      gewichte -= anzahl;
    }
    const int weg = d - n;
    if (weg >= 0) {
      summe -= ganz[static_cast<std::size_t>(weg)];
      anzahl -= werte.Da(weg);
    }
    const TGanz z = ganz[static_cast<std::size_t>(d)];
    summe += z;
    const bool da = werte.Da(d);
    anzahl += da;
    if (linear) {
      gewichtet += z * n;
      gewichte += da ? un : 0;
    }
    if (anzahl == 0) continue;
    ablegen(d, linear ? GanzQuotient(gewichtet, einheit, gewichte)
                      : GanzQuotient(summe, einheit, anzahl));
  }
}

// Fenstermittel handing each window's mean, where it has one, to
// ablegen(d, mittel) as it is found: no list of them in between.
template <class Ablage>
void FenstermittelAblegen(const TDichteReihe& werte, int n, int gewichtung, Ablage ablegen) {
  const int laenge = werte.Laenge();
  if (n < 1) return;
  if (gewichtung == kgExponentiell) {
    // Every weight halves each step: few positions count, so each window is
    // summed afresh.
    for (int d = 0; d < laenge; ++d) {
      if (const auto m = werte.Mittel(d - n + 1, d, gewichtung)) ablegen(d, *m);
    }
    return;
  }
  const bool linear = gewichtung == kgLinear;
  const auto un = static_cast<std::uint64_t>(n);
  const std::uint64_t gewicht = linear ? un * (un + 1) / 2 : un;
  const auto einheit = werte.Einheit();
  if (einheit && gewicht <= TDichteReihe::kGewichtsgrenze) {
    GanzFenstermittel(werte, n, linear, *einheit, ablegen);
    return;
  }
  // Running estimates settle nearly every window; where one cannot, the
  // window is summed afresh and exactly, and the estimates start over.
  TFensterschaetzung s;
  std::uint64_t anzahl = 0;
  std::uint64_t gewichte = 0;
  for (int d = 0; d < laenge; ++d) {
    if (linear) {
      // Every value moves one position back: its weight drops by one.
      s.Gewichtet.Minus(s.Summe);
      gewichte -= anzahl;
    }
    const int weg = d - n;
    if (weg >= 0 && werte.Da(weg)) {
      s.Summe.Plus(-werte.Wert(weg));
      --anzahl;
    }
    if (werte.Da(d)) {
      s.Summe.Plus(werte.Wert(d));
      ++anzahl;
      if (linear) {
        s.Gewichtet.PlusProdukt(werte.Wert(d), static_cast<double>(n));
        gewichte += un;
      }
    }
    if (anzahl == 0) continue;
    double q;
    const bool belegt = linear ? QuotientBelegen(s.Gewichtet.Schaetzung(), gewichte, q)
                               : QuotientBelegen(s.Summe.Schaetzung(), anzahl, q);
    if (belegt) {
      ablegen(d, q);
    } else {
      if (const auto m = werte.Mittel(d - n + 1, d, gewichtung)) ablegen(d, *m);
      s.Neu(werte, d, n);
    }
  }
}

}  // namespace

std::vector<std::optional<double>> Fenstermittel(const TDichteReihe& werte, int n, int gewichtung) {
  std::vector<std::optional<double>> mittel(static_cast<std::size_t>(werte.Laenge()));
  FenstermittelAblegen(werte, n, gewichtung,
                       [&](int d, double m) { mittel[static_cast<std::size_t>(d)] = m; });
  return mittel;
}

namespace {
TZeitreihe KursdurchschnittRechnen(const TKurse& kurse, int gewichtung, int n);
}  // namespace

TZeitreihe Kursdurchschnitt(const TKurse& kurse, int gewichtung, int n) {
  const std::string schluessel =
      "Kursdurchschnitt/" + std::to_string(gewichtung) + "/" + std::to_string(n);
  return TRechenvorrat::Holen<TZeitreihe>(
      kurse, schluessel, [&] { return KursdurchschnittRechnen(kurse, gewichtung, n); });
}

namespace {

TZeitreihe KursdurchschnittRechnen(const TKurse& kurse, int gewichtung, int n) {
  TZeitreihe ergebnis = Preisbereich(kurse);
  const auto k = kurse.Alle();
  const TDichteReihe schluss = TDichteReihe::Schlusskurse(kurse);
  FenstermittelAblegen(schluss, n, gewichtung, [&](int i, double m) {
    if (schluss.Da(i)) ergebnis.Setzen(k[i].Datum, m);
  });
  return ergebnis;
}

TZeitreihe Fensterdurchschnitt(const TZeitreihe& reihe, int n, int gewichtung) {
  TZeitreihe ergebnis(reihe.Von(), reihe.Bis());
  const TDichteReihe werte(reihe);
  FenstermittelAblegen(werte, n, gewichtung,
                       [&](int d, double m) { ergebnis.Setzen(werte.Von() + d, m); });
  return ergebnis;
}

}  // namespace

TZeitreihe Durchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, kgUngewichtet);
}

TZeitreihe LinearerDurchschnitt(const TZeitreihe& reihe, int n) {
  return Fensterdurchschnitt(reihe, n, kgLinear);
}

double PotenzAllgemein(double basis, double exponent) {
  return std::pow(basis, exponent);
}

TDichteReihe::TDichteReihe(const TZeitreihe& reihe)
    : von_(reihe.Von()),
      wert_(reihe.Werte().begin(), reihe.Werte().end()),
      da_(reihe.Belegt().begin(), reihe.Belegt().end()) {}

TDichteReihe TDichteReihe::Schlusskurse(const TKurse& kurse) {
  const auto alle = kurse.Alle();
  TDichteReihe reihe;
  reihe.wert_.resize(alle.size());
  reihe.da_.resize(alle.size());
  for (std::size_t i = 0; i < alle.size(); ++i) {
    const double schluss = alle[i].Schluss;
    reihe.wert_[i] = Vorhanden(schluss) ? schluss : 0.0;
    reihe.da_[i] = Vorhanden(schluss);
  }
  return reihe;
}

std::optional<double> TDichteReihe::Mittel(int von, int bis, int gewichtung) const {
  const int n = bis - von + 1;
  TExakteSumme summe;
  std::uint64_t gewichte = 0;
  for (int p = std::max(von, 0); p <= std::min(bis, Laenge() - 1); ++p) {
    if (!Da(p)) continue;
    const std::uint64_t g = Fenstergewicht(gewichtung, n, p - von + 1);
    summe.PlusProdukt(Wert(p), static_cast<double>(g));
    gewichte += g;
  }
  if (gewichte == 0) return std::nullopt;
  return summe.Quotient(gewichte);
}

std::optional<int> TDichteReihe::Einheit() const {
  if (!einheit_) einheit_ = GemeinsameEinheit(wert_, kGewichtsgrenze);
  return *einheit_;
}

std::span<const TGanz> TDichteReihe::Ganzwerte() const {
  const auto einheit = Einheit();
  if (einheit && ganz_.size() != wert_.size()) {
    ganz_.resize(wert_.size());
    for (std::size_t i = 0; i < wert_.size(); ++i)
      ganz_[i] = InEinheiten(wert_[i], *einheit);
  }
  return ganz_;
}

std::optional<double> TDichteReihe::MittlereBetragsabweichung(int von, int bis,
                                                              double bezug) const {
  const int erste = std::max(von, 0);
  const int letzte = std::min(bis, Laenge() - 1);
  const auto einheit = Einheit();
  // In whole units where the reference has one: |v - b| at once, exactly.
  const auto b = einheit ? AlsGanz(bezug, *einheit) : std::nullopt;
  if (b && static_cast<std::uint64_t>(letzte - erste + 1) <= kGewichtsgrenze / 2) {
    const auto ganz = Ganzwerte();
    TGanz summe = 0;
    std::uint64_t anzahl = 0;
    for (int p = erste; p <= letzte; ++p) {
      if (!Da(p)) continue;
      const TGanz abstand = ganz[Index(p)] - *b;
      summe += abstand < 0 ? -abstand : abstand;
      ++anzahl;
    }
    if (anzahl == 0) return std::nullopt;
    return GanzQuotient(summe, *einheit, anzahl);
  }
  // sum |v - b| = sum of +v or -v - b * (values from b up less those below):
  // one addition per value, into two sums side by side that the processor
  // works on at once. The estimate settles nearly every window, the exact sum
  // the rest.
  TSchaetzsumme schaetzung[2];
  std::uint64_t anzahl = 0;
  std::int64_t ueberzahl = 0;
  for (int p = erste; p <= letzte; ++p) {
    if (!Da(p)) continue;
    const bool darueber = Wert(p) >= bezug;
    schaetzung[p & 1].Plus(darueber ? Wert(p) : -Wert(p));
    ueberzahl += darueber ? 1 : -1;
    ++anzahl;
  }
  if (anzahl == 0) return std::nullopt;
  schaetzung[0].Plus(schaetzung[1]);
  schaetzung[0].PlusProdukt(-bezug, static_cast<double>(ueberzahl));
  if (const auto q = BelegterQuotient(schaetzung[0].Schaetzung(), anzahl)) return *q;
  TExakteSumme summe;
  for (int p = erste; p <= letzte; ++p) {
    if (Da(p)) ExakteDifferenz(Wert(p), bezug).BetragBuchen(summe, false);
  }
  return summe.Quotient(anzahl);
}

double MittlereQuadratabweichung(const TExakteSumme& summe, const TExakteSumme& quadrate,
                                 std::uint64_t anzahl, double bezug) {
  // sum (v - b)^2 = sum v^2 - 2 b sum v + k b^2, every term exact.
  TExakteSumme q = quadrate;
  q.PlusVielfaches(summe, -2.0 * bezug);
  const double p = bezug * bezug;
  q.PlusProdukt(p, static_cast<double>(anzahl));
  q.PlusProdukt(std::fma(bezug, bezug, -p), static_cast<double>(anzahl));
  return q.Quotient(anzahl);
}

std::optional<double> MittlereQuadratabweichung(const TSchaetzsumme& summe,
                                                const TSchaetzsumme& quadrate, std::uint64_t anzahl,
                                                double bezug) {
  const TSchaetzung s = summe.Schaetzung();
  const TSchaetzung q = quadrate.Schaetzung();
  const double f = -2.0 * bezug;
  TSchaetzsumme v;
  v.Plus(q.Hoch);
  v.Plus(q.Tief);
  v.PlusProdukt(s.Hoch, f);
  v.PlusProdukt(s.Tief, f);
  const double p = bezug * bezug;
  v.PlusProdukt(p, static_cast<double>(anzahl));
  v.PlusProdukt(std::fma(bezug, bezug, -p), static_cast<double>(anzahl));
  TSchaetzung ergebnis = v.Schaetzung();
  ergebnis.Fehler += (q.Fehler + s.Fehler * std::fabs(f)) * (1 + 0x1p-50);
  return BelegterQuotient(ergebnis, anzahl);
}

std::optional<double> TDichteReihe::MittlereQuadratabweichung(int von, int bis,
                                                              double bezug) const {
  TExakteSumme summe;
  TExakteSumme quadrate;
  std::uint64_t anzahl = 0;
  for (int p = std::max(von, 0); p <= std::min(bis, Laenge() - 1); ++p) {
    if (!Da(p)) continue;
    summe.Plus(Wert(p));
    quadrate.PlusProdukt(Wert(p), Wert(p));
    ++anzahl;
  }
  if (anzahl == 0) return std::nullopt;
  return morvane::MittlereQuadratabweichung(summe, quadrate, anzahl, bezug);
}

}  // namespace morvane
