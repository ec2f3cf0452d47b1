#pragma once

#include <array>
#include <cstdint>

namespace morvane {

// An exact sum of doubles: a fixed-point number spanning the whole double
// range in 32-bit digits. Every digit sits in a 64-bit cell, so the carries
// wait until a result is read; adding or removing a value touches three cells
// whatever the sum holds, and the order of the values never matters. Results
// are rounded once, to nearest (ties to even); an exact zero reads +0.
class TExakteSumme {
 public:
  void Plus(double x) { Buchen(x, false); }
  void Minus(double x) { Buchen(x, true); }
  // x*y exactly, as the rounded product and its error.
  void PlusProdukt(double x, double y);
  void MinusProdukt(double x, double y) { PlusProdukt(-x, y); }
  // this += f * andere and this -= andere, exactly.
  void PlusVielfaches(const TExakteSumme& andere, double f);
  void Minus(const TExakteSumme& andere);
  void Leeren();

  // The sum, rounded once.
  double Wert() const { return Quotient(1); }
  // The sum divided by teiler, rounded once; teiler 0 gives what a
  // floating-point division by zero gives.
  double Quotient(std::uint64_t teiler) const;
  // -1, 0 or 1.
  int Vorzeichen() const;

  // Digits of the sum's magnitude, carries settled: digit c weighs
  // 2^(32c - 1074).
  struct TBetrag {
    std::array<std::uint32_t, 72> Ziffer;  // set from Unten to Oben only
    int Unten = 0;                         // lowest and highest digit that may be non-zero
    int Oben = -1;
    bool Negativ = false;
    bool Endlich = true;
  };
  TBetrag Betrag() const;

 private:
  static constexpr int kZellen = 69;
  void Buchen(double x, bool abziehen);
  // Settles the carries into the cells above, so that no cell overflows
  // however long the sum runs; the top cell keeps the sign.
  void Ausgleichen();
  void Gebucht(int anzahl);

  std::array<std::int64_t, kZellen> zelle_{};
  int unten_ = kZellen;  // range of the cells touched so far
  int oben_ = -1;
  int nichtEndlich_ = 0;  // infinities and NaNs held
  // Additions since the carries were last settled; each moves a cell by less
  // than 2^33.
  std::int64_t offen_ = 0;
};

// a - b exactly, as the rounded difference and its error; the sign of Wert
// is the sign of the whole (it is 0 only when a = b).
struct TDifferenz {
  double Wert = 0;
  double Fehler = 0;
  // |a - b| into `summe`, added or taken away.
  void BetragBuchen(TExakteSumme& summe, bool abziehen) const;
};
TDifferenz ExakteDifferenz(double a, double b);

}  // namespace morvane
