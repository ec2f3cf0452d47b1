#pragma once

#include <memory>
#include <vector>

#include "core/exception.h"
#include "core/transaktion.h"

namespace morvane {

MORVANE_EXCEPTION(EWPTransaktionen, Exception);

// A security's transactions, owned and kept sorted: by Datum, on the same day
// splits before purchases before sales before other cash events, equal ones in
// the order they were inserted. At most one split per day.
class TWPTransaktionen {
 public:
  TWPTransaktionen() = default;
  // Deep copies.
  TWPTransaktionen(const TWPTransaktionen& andere) { Zuweisen(andere); }
  TWPTransaktionen& operator=(const TWPTransaktionen& andere) {
    Zuweisen(andere);
    return *this;
  }
  TWPTransaktionen(TWPTransaktionen&&) noexcept = default;
  TWPTransaktionen& operator=(TWPTransaktionen&&) noexcept = default;

  int Anzahl() const { return static_cast<int>(liste_.size()); }
  // Throws EWPTransaktionen for an index outside 0..Anzahl()-1.
  const TTransaktion& Transaktion(int i) const;

  // Inserts a copy of t after every transaction that does not sort after it and
  // returns its index. A second split on the same day is refused with
  // EWPTransaktionen and leaves the list unchanged.
  int Einfuegen(const TTransaktion& t);
  // Removes the transaction at i; throws EWPTransaktionen for a bad index.
  void Entfernen(int i);
  // As Entfernen, but hands the removed transaction to the caller.
  std::unique_ptr<TTransaktion> Entnehmen(int i);
  void Leeren() { liste_.clear(); }
  // Replaces the content by copies of the other list's transactions.
  void Zuweisen(const TWPTransaktionen& andere);

  // Replays the holding in list order (purchases add, sales subtract, a split
  // rescales and rounds half to even); false as soon as it turns negative.
  bool BestandGueltig() const;
  // The same test as if the transaction at `ohne` were not in the list.
  bool BestandGueltigOhne(int ohne) const;
  // Empty or nothing but splits: the security has never been held.
  bool NurSplits() const;

  friend bool operator==(const TWPTransaktionen& a, const TWPTransaktionen& b);

 private:
  void IndexPruefen(int i) const;

  std::vector<std::unique_ptr<TTransaktion>> liste_;
};

}  // namespace morvane
