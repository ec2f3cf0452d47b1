#include "portfolio/transaktionsrechner.h"

#include <cmath>

#include "core/gebuehren.h"

namespace morvane {
namespace {

// Quantities carry four decimals; a holding closer to 0 than this is what is
// left of summing them in binary and counts as sold out.
constexpr double kStueckRest = 1e-9;

}  // namespace

TTransaktionsRechner::TTransaktionsRechner(const TWertpapier& wertpapier)
    : wertpapier_(wertpapier), anzahl_(wertpapier.Transaktionen.Anzahl()) {}

bool TTransaktionsRechner::Naechste() {
  if (index_ >= anzahl_ - 1) return false;
  ++index_;
  const TTransaktion& t = wertpapier_.Transaktionen.Transaktion(index_);
  stichtag_ = t.Datum;
  Buchen(t);
  return true;
}

void TTransaktionsRechner::BisDatum(Boersentag tag) {
  while (index_ < anzahl_ - 1 && wertpapier_.Transaktionen.Transaktion(index_ + 1).Datum <= tag)
    Naechste();
  stichtag_ = tag;
}

const TTransaktion& TTransaktionsRechner::AktuelleTransaktion() const {
  return wertpapier_.Transaktionen.Transaktion(index_);
}

void TTransaktionsRechner::Buchen(const TTransaktion& t) {
  switch (t.Art()) {
    case TTransaktionsArt::Kauf: {
      const auto& kauf = static_cast<const TTransaktionKauf&>(t);
      bestand_ += kauf.Stueck;
      einstand_ += kauf.Betrag;
      kasse_ -= kauf.Betrag;
      investiert_ += kauf.Betrag;
      break;
    }
    case TTransaktionsArt::Verkauf:
      Verkaufen(static_cast<const TTransaktionVerkauf&>(t));
      break;
    case TTransaktionsArt::Split: {
      const auto& split = static_cast<const TTransaktionSplit&>(t);
      bestand_ = bestand_ / split.Von * split.Nach;
      break;
    }
    case TTransaktionsArt::Sonstige: {
      const double betrag = static_cast<const TTransaktionSonstige&>(t).Betrag;
      kasse_ += betrag;
      letzterErtrag_ = betrag;
      realisiert_ += betrag;
      break;
    }
  }
}

void TTransaktionsRechner::Verkaufen(const TTransaktionVerkauf& verkauf) {
  if (bestand_ > 0) {
    // Average cost. Selling the whole holding (or, after an unrounded split,
    // a little more) takes all of its cost basis, never more.
    if (verkauf.Stueck >= bestand_ - kStueckRest)
      verkaufEinstand_ = einstand_;
    else
      verkaufEinstand_ = einstand_ * verkauf.Stueck / bestand_;
    einstand_ -= verkaufEinstand_;
  } else {
    // Nothing held: no cost basis goes with the units sold.
    verkaufEinstand_ = 0;
  }
  bestand_ -= verkauf.Stueck;
  if (std::abs(bestand_) < kStueckRest) bestand_ = 0;
  kasse_ += verkauf.Betrag;
  letzterErtrag_ = verkauf.Betrag - verkaufEinstand_;
  realisiert_ += letzterErtrag_;
}

std::optional<double> TTransaktionsRechner::Kurs() const {
  if (stichtag_ <= 0) return std::nullopt;
  const TKurs* kurs = wertpapier_.Kurse.Suche(stichtag_);
  if (kurs == nullptr || kurs->Schluss == 0) return std::nullopt;
  return kurs->Schluss;
}

std::optional<TErtrag> TTransaktionsRechner::LetzterErtrag() const {
  if (index_ < 0) return std::nullopt;
  const TTransaktionsArt art = AktuelleTransaktion().Art();
  if (art != TTransaktionsArt::Verkauf && art != TTransaktionsArt::Sonstige) return std::nullopt;
  const double basis = art == TTransaktionsArt::Verkauf ? verkaufEinstand_ : einstand_;
  return TErtrag{letzterErtrag_, basis > 0 ? letzterErtrag_ / basis : 0};
}

std::optional<double> TTransaktionsRechner::Marktwert() const {
  if (bestand_ == 0) return 0.0;
  const std::optional<double> kurs = Kurs();
  if (!kurs) return std::nullopt;
  return bestand_ * *kurs;
}

std::optional<TGewinn> TTransaktionsRechner::Buchgewinn() const {
  const std::optional<double> kurs = Kurs();
  if (!kurs) return std::nullopt;
  if (bestand_ <= 0) return TGewinn{};
  const double gewinn = VerkaufBetrag(wertpapier_, *kurs, bestand_) - einstand_;
  return TGewinn{gewinn, einstand_ > 0 ? gewinn / einstand_ : 0};
}

TGewinn TTransaktionsRechner::Gesamtgewinn() const {
  double gewinn = realisiert_;
  if (const std::optional<TGewinn> buch = Buchgewinn()) gewinn += buch->Gewinn;
  return TGewinn{gewinn, investiert_ > 0 ? gewinn / investiert_ : 0};
}

double TTransaktionsRechner::RenditeRealisiert() const {
  return investiert_ > 0 ? realisiert_ / investiert_ : 0;
}

double TTransaktionsRechner::GVGrenze() const {
  if (bestand_ <= 0) return 0;
  const double r = wertpapier_.VerkaufRel;
  const double a = wertpapier_.VerkaufAbs;
  const double m = wertpapier_.VerkaufMin;
  if (1 - r == 0) throw ETransaktionsRechner("Fließkomma-Division durch 0");
  const double preis = (einstand_ + a) / bestand_ / (1 - r);
  // Below the minimum fee the proportional fee does not apply.
  if (a + r * bestand_ * preis < m) return (einstand_ + m) / bestand_;
  return preis;
}

double TTransaktionsRechner::KaufBetrag(const TWPStammdaten& wertpapier, double kurs,
                                        double stueck) {
  return morvane::KaufBetrag(wertpapier, kurs, stueck);
}

double TTransaktionsRechner::VerkaufBetrag(const TWPStammdaten& wertpapier, double kurs,
                                           double stueck) {
  return morvane::VerkaufBetrag(wertpapier, kurs, stueck);
}

}  // namespace morvane
