#pragma once

#include <optional>

#include "core/datum.h"
#include "core/exception.h"
#include "core/transaktion.h"
#include "core/wertpapier.h"
#include "core/wpstammdaten.h"

namespace morvane {

MORVANE_EXCEPTION(ETransaktionsRechner, Exception);

// Result of a sale or other cash event and its return on the cost basis.
struct TErtrag {
  double Ertrag = 0;
  double Rendite = 0;
};

// A gain and its return (a fraction: 0.05 for 5 %).
struct TGewinn {
  double Gewinn = 0;
  double Rendite = 0;
};

// Replays one security's transactions in list order and keeps the running
// portfolio figures: holding, cost basis of the holding (average cost), cash
// flow, amount invested and realised gains. The holding is valued at the close
// of the day the calculator stands on, net of the fees a sale of the whole
// holding would cost. The security is not owned and must outlive the
// calculator; its transaction count is taken on creation.
class TTransaktionsRechner {
 public:
  explicit TTransaktionsRechner(const TWertpapier& wertpapier);

  // Books the next transaction and moves Stichtag to its date; false (and no
  // change) when all are booked.
  bool Naechste();
  // Books every transaction dated up to `tag`, then stands on `tag`.
  void BisDatum(Boersentag tag);

  const TWertpapier& Wertpapier() const { return wertpapier_; }
  // Index of the last booked transaction, -1 before the first.
  int Index() const { return index_; }
  int AnzahlTransaktionen() const { return anzahl_; }
  Boersentag Stichtag() const { return stichtag_; }
  // The last booked transaction; throws EWPTransaktionen before the first.
  const TTransaktion& AktuelleTransaktion() const;

  double Bestand() const { return bestand_; }
  double Einstand() const { return einstand_; }
  double Kasse() const { return kasse_; }
  double Realisiert() const { return realisiert_; }
  double Investiert() const { return investiert_; }
  double VerkaufEinstand() const { return verkaufEinstand_; }

  // Close of the record dated exactly Stichtag; none without such a record or
  // with a missing close. There is no fallback to an earlier day.
  std::optional<double> Kurs() const;
  // Result of the last booked transaction when it is a sale or other cash
  // event; its return is taken on the cost basis sold (sale) or held (other).
  std::optional<TErtrag> LetzterErtrag() const;
  // Holding times Kurs; 0 without a holding even when no price is known.
  std::optional<double> Marktwert() const;
  // What a sale of the whole holding at Kurs would gain over its cost basis;
  // none while Kurs is unknown, 0 without a holding.
  std::optional<TGewinn> Buchgewinn() const;
  // Realised gains plus the book gain when known, on the amount invested.
  TGewinn Gesamtgewinn() const;
  double RenditeRealisiert() const;
  // Price at which selling the whole holding returns exactly its cost basis,
  // 0 without a holding. Throws ETransaktionsRechner "Fließkomma-Division
  // durch 0" for a sale fee of exactly 100 %.
  double GVGrenze() const;

  // Amount of a purchase or sale of `stueck` units at `kurs` with the
  // security's fees (see core/gebuehren.h).
  static double KaufBetrag(const TWPStammdaten& wertpapier, double kurs, double stueck);
  static double VerkaufBetrag(const TWPStammdaten& wertpapier, double kurs, double stueck);

 private:
  void Buchen(const TTransaktion& t);
  void Verkaufen(const TTransaktionVerkauf& verkauf);

  const TWertpapier& wertpapier_;
  int index_ = -1;
  int anzahl_ = 0;
  Boersentag stichtag_ = 0;
  double letzterErtrag_ = 0;
  double verkaufEinstand_ = 0;
  double bestand_ = 0;
  double einstand_ = 0;
  double realisiert_ = 0;
  double kasse_ = 0;
  double investiert_ = 0;
};

}  // namespace morvane
