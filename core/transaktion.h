#pragma once

#include <cstdint>
#include <memory>

#include "core/datum.h"

namespace morvane {

// Kind of a transaction. The value is its rank among transactions of the same
// day (splits first); it is not the kind code of the security file.
enum class TTransaktionsArt : std::uint8_t { Split = 1, Kauf = 2, Verkauf = 3, Sonstige = 4 };

// One of the investor's own transactions. Objects are owned by the list that
// holds them; Kopie gives an independent copy of the same class.
class TTransaktion {
 public:
  virtual ~TTransaktion() = default;

  virtual TTransaktionsArt Art() const = 0;
  virtual std::unique_ptr<TTransaktion> Kopie() const = 0;

  // Same class and same field values.
  friend bool operator==(const TTransaktion& a, const TTransaktion& b) {
    return a.Art() == b.Art() && a.Datum == b.Datum && a.GleicheWerte(b);
  }

  Boersentag Datum = 0;

 protected:
  TTransaktion() = default;
  explicit TTransaktion(Boersentag datum) : Datum(datum) {}
  TTransaktion(const TTransaktion&) = default;
  TTransaktion& operator=(const TTransaktion&) = default;

  // Compares the fields of the derived class; `andere` has the same Art.
  virtual bool GleicheWerte(const TTransaktion& andere) const = 0;
};

// Purchase or sale: the common fields of both.
class TTransaktionHandel : public TTransaktion {
 public:
  // Units traded, > 0.
  double Stueck = 0;
  // Price per unit, 0..1e9; for information only.
  double Kurs = 0;
  // What is booked: the total paid including fees for a purchase, the net
  // amount received for a sale.
  double Betrag = 0;

 protected:
  TTransaktionHandel() = default;
  TTransaktionHandel(Boersentag datum, double stueck, double kurs, double betrag)
      : TTransaktion(datum), Stueck(stueck), Kurs(kurs), Betrag(betrag) {}
  TTransaktionHandel(const TTransaktionHandel&) = default;
  TTransaktionHandel& operator=(const TTransaktionHandel&) = default;

  bool GleicheWerte(const TTransaktion& andere) const override;
};

class TTransaktionKauf final : public TTransaktionHandel {
 public:
  static constexpr TTransaktionsArt kArt = TTransaktionsArt::Kauf;
  TTransaktionKauf() = default;
  TTransaktionKauf(Boersentag datum, double stueck, double kurs, double betrag)
      : TTransaktionHandel(datum, stueck, kurs, betrag) {}
  TTransaktionsArt Art() const override { return kArt; }
  std::unique_ptr<TTransaktion> Kopie() const override;
};

class TTransaktionVerkauf final : public TTransaktionHandel {
 public:
  static constexpr TTransaktionsArt kArt = TTransaktionsArt::Verkauf;
  TTransaktionVerkauf() = default;
  TTransaktionVerkauf(Boersentag datum, double stueck, double kurs, double betrag)
      : TTransaktionHandel(datum, stueck, kurs, betrag) {}
  TTransaktionsArt Art() const override { return kArt; }
  std::unique_ptr<TTransaktion> Kopie() const override;
};

// `Von` old units become `Nach` new units (both > 0). Datum is the first
// trading day quoted in new units.
class TTransaktionSplit final : public TTransaktion {
 public:
  static constexpr TTransaktionsArt kArt = TTransaktionsArt::Split;
  TTransaktionSplit() = default;
  TTransaktionSplit(Boersentag datum, double von, double nach)
      : TTransaktion(datum), Von(von), Nach(nach) {}
  TTransaktionsArt Art() const override { return kArt; }
  std::unique_ptr<TTransaktion> Kopie() const override;

  double Von = 0;
  double Nach = 0;

 protected:
  bool GleicheWerte(const TTransaktion& andere) const override;
};

// Other cash event: income (dividend) positive, cost negative.
class TTransaktionSonstige final : public TTransaktion {
 public:
  static constexpr TTransaktionsArt kArt = TTransaktionsArt::Sonstige;
  TTransaktionSonstige() = default;
  TTransaktionSonstige(Boersentag datum, double betrag) : TTransaktion(datum), Betrag(betrag) {}
  TTransaktionsArt Art() const override { return kArt; }
  std::unique_ptr<TTransaktion> Kopie() const override;

  double Betrag = 0;

 protected:
  bool GleicheWerte(const TTransaktion& andere) const override;
};

// The transaction as class T (also TTransaktionHandel), nullptr when it is
// of another kind.
template <class T>
const T* Als(const TTransaktion& t) {
  return dynamic_cast<const T*>(&t);
}

}  // namespace morvane
