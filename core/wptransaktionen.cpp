#include "core/wptransaktionen.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/datumtext.h"

namespace morvane {

namespace {

// Quantities are entered with at most four decimals, so a holding below zero by
// less than this is the rounding noise of adding and subtracting fractional
// units (0,3 - 0,1 - 0,2), not a real short position.
constexpr double kBestandToleranz = 1e-6;

bool SortiertVor(const TTransaktion& a, const TTransaktion& b) {
  if (a.Datum != b.Datum) return a.Datum < b.Datum;
  return a.Art() < b.Art();
}

// Holding after booking t onto h.
double BestandNach(double h, const TTransaktion& t) {
  switch (t.Art()) {
    case TTransaktionsArt::Kauf:
      return h + static_cast<const TTransaktionHandel&>(t).Stueck;
    case TTransaktionsArt::Verkauf:
      return h - static_cast<const TTransaktionHandel&>(t).Stueck;
    case TTransaktionsArt::Split: {
      const auto& s = static_cast<const TTransaktionSplit&>(t);
      // nearbyint rounds halves to even in the default rounding mode.
      return std::nearbyint(h / s.Von * s.Nach);
    }
    case TTransaktionsArt::Sonstige:
      break;
  }
  return h;
}

}  // namespace

const TTransaktion& TWPTransaktionen::Transaktion(int i) const {
  IndexPruefen(i);
  return *liste_[static_cast<std::size_t>(i)];
}

int TWPTransaktionen::Einfuegen(const TTransaktion& t) {
  const auto pos = std::upper_bound(
      liste_.begin(), liste_.end(), t,
      [](const TTransaktion& neu, const auto& vorhanden) { return SortiertVor(neu, *vorhanden); });
  if (t.Art() == TTransaktionsArt::Split && pos != liste_.begin()) {
    const TTransaktion& davor = **std::prev(pos);
    if (davor.Art() == TTransaktionsArt::Split && davor.Datum == t.Datum) {
      throw EWPTransaktionen("Am " + BoersentagZuText(t.Datum) + " gibt es bereits einen Split.");
    }
  }
  const auto index = pos - liste_.begin();
  liste_.insert(pos, t.Kopie());
  return static_cast<int>(index);
}

void TWPTransaktionen::Entfernen(int i) {
  Entnehmen(i);
}

std::unique_ptr<TTransaktion> TWPTransaktionen::Entnehmen(int i) {
  IndexPruefen(i);
  const auto pos = liste_.begin() + i;
  auto t = std::move(*pos);
  liste_.erase(pos);
  return t;
}

void TWPTransaktionen::Zuweisen(const TWPTransaktionen& andere) {
  if (&andere == this) return;
  std::vector<std::unique_ptr<TTransaktion>> kopien;
  kopien.reserve(andere.liste_.size());
  for (const auto& t : andere.liste_)
    kopien.push_back(t->Kopie());
  liste_ = std::move(kopien);
}

bool TWPTransaktionen::BestandGueltig() const {
  return BestandGueltigOhne(-1);
}

bool TWPTransaktionen::BestandGueltigOhne(int ohne) const {
  double h = 0;
  for (int i = 0; i < Anzahl(); ++i) {
    if (i == ohne) continue;
    h = BestandNach(h, *liste_[static_cast<std::size_t>(i)]);
    if (h < -kBestandToleranz) return false;
  }
  return true;
}

bool TWPTransaktionen::NurSplits() const {
  return std::all_of(liste_.begin(), liste_.end(),
                     [](const auto& t) { return t->Art() == TTransaktionsArt::Split; });
}

bool operator==(const TWPTransaktionen& a, const TWPTransaktionen& b) {
  return std::equal(a.liste_.begin(), a.liste_.end(), b.liste_.begin(), b.liste_.end(),
                    [](const auto& x, const auto& y) { return *x == *y; });
}

void TWPTransaktionen::IndexPruefen(int i) const {
  if (i < 0 || i >= Anzahl()) throw EWPTransaktionen("Index ist außerhalb des gültigen Bereichs.");
}

}  // namespace morvane
