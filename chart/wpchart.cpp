#include "chart/wpchart.h"

#include <algorithm>
#include <cmath>

#include "chart/chartfehler.h"
#include "chart/kurscode.h"

namespace morvane {

int PixelRunden(double x) {
  if (std::isnan(x)) return 0;
  return static_cast<int>(std::lround(std::clamp(x, -1e9, 1e9)));
}

// --- Security, view and visible range -------------------------------------

TChart_WPChart::TModus TChart_WPChart::Modus() const {
  if (ansicht_.Charttyp == 4) return TModus::PointFigure;
  return ansicht_.TageOhneKursWeglassen ? TModus::Index : TModus::Kalender;
}

void TChart_WPChart::SetzeWertpapier(const TWertpapier* wertpapier) {
  wertpapier_ = wertpapier;
  // The price fields are checked before the columns are built, so that a
  // security without closes gets its columns from the field that replaces it.
  KursfelderPruefen();
  PFNeuAufbauen();
  AlleTageAnwenden();
  if (Modus() == TModus::Kalender)
    ende_ = AnzahlSaetze() > 0 ? wertpapier_->Kurse.LetzterTag() : 0;
  else
    ende_ = LetzterGueltigerIndex();
  eqGueltig_ = false;
  endeDatum_ = LetztesDatum();
  if (onTag_) onTag_(LetztesDatum());
  EndeSetzen(endeDatum_);
  NeuZeichnen(true);
}

void TChart_WPChart::Leeren() {
  wertpapier_ = nullptr;
  pfListe_.Leeren();
  ende_ = 0;
  endeDatum_ = 0;
  eqGueltig_ = false;
  NeuZeichnen(true);
}

void TChart_WPChart::SetzeAnsicht(const TChartAnsicht& ansicht) {
  ansicht_ = ansicht;
  PFNeuAufbauen();
  AlleTageAnwenden();
  EndeSetzen(endeDatum_);
  if (onTag_) onTag_(LetztesDatum());
}

void TChart_WPChart::PFNeuAufbauen() {
  pfListe_.Leeren();
  if (wertpapier_ && ansicht_.Charttyp == 4)
    pfListe_.Aufbauen(wertpapier_->Kurse, ansicht_.PFKurs, ansicht_.Umkehrminimum);
}

void TChart_WPChart::AlleTageAnwenden() {
  if (ansicht_.AlleTage)
    ansicht_.Tage = static_cast<std::uint16_t>(std::clamp(LetzterGueltigerIndex() + 1, 10, 50000));
}

void TChart_WPChart::KursfelderPruefen() {
  if (AnzahlSaetze() == 0) return;
  const TKurs& erster = Satz(0);
  auto pruefe = [&](std::uint8_t& code) {
    if (KursNachCode(erster, code) > 0) return;
    for (int ersatz : {4, 5, 1, 2, 3})
      if (KursNachCode(erster, ersatz) > 0) {
        code = static_cast<std::uint8_t>(ersatz);
        return;
      }
  };
  pruefe(ansicht_.LinienKurs);
  pruefe(ansicht_.PFKurs);
}

int TChart_WPChart::LetzterGueltigerIndex() const {
  if (!wertpapier_) return -1;
  return (Modus() == TModus::PointFigure ? pfListe_.Anzahl() : AnzahlSaetze()) - 1;
}

int TChart_WPChart::LetzterIndex() const {
  if (Modus() != TModus::Kalender) return ende_;
  return wertpapier_ ? wertpapier_->Kurse.IndexBis(ende_) : -1;
}

int TChart_WPChart::ErsterIndex() const {
  if (Modus() != TModus::Kalender) return std::max(0, LetzterIndex() - Tage() + 1);
  return wertpapier_ ? wertpapier_->Kurse.IndexAb(ende_ - Tage() + 1) : 0;
}

Boersentag TChart_WPChart::ErstesDatum() const {
  if (AnzahlSaetze() == 0) return 0;
  switch (Modus()) {
    case TModus::PointFigure: {
      const TPunktFigurSaeule* s = pfListe_.Saeule(ErsterIndex());
      return s ? s->Datum : 0;
    }
    case TModus::Index: {
      const TKurs* k = wertpapier_->Kurse.Kurs(ErsterIndex());
      return k ? k->Datum : 0;
    }
    case TModus::Kalender:
      break;
  }
  return ende_ - Tage() + 1;
}

Boersentag TChart_WPChart::LetztesDatum() const {
  if (AnzahlSaetze() == 0) return 0;
  switch (Modus()) {
    case TModus::PointFigure: {
      const TPunktFigurSaeule* s = pfListe_.Saeule(LetzterIndex());
      return s ? s->Datum : 0;
    }
    case TModus::Index: {
      const TKurs* k = wertpapier_->Kurse.Kurs(LetzterIndex());
      return k ? k->Datum : 0;
    }
    case TModus::Kalender:
      break;
  }
  return ende_;
}

void TChart_WPChart::SetzeEndeDatum(Boersentag d) {
  EndeSetzen(d);
  Melden();
}

void TChart_WPChart::EndeSetzen(Boersentag d) {
  eqGueltig_ = false;
  if (!wertpapier_) return;
  const TKurse& kurse = wertpapier_->Kurse;
  switch (Modus()) {
    case TModus::PointFigure:
      ende_ = pfListe_.SucheDatum(d);
      if (ende_ == 0) ende_ = pfListe_.Anzahl() - 1;
      break;
    case TModus::Index:
      ende_ = kurse.IndexAb(d);
      if (ende_ <= 0 || ende_ >= kurse.Anzahl()) ende_ = kurse.Anzahl() - 1;
      break;
    case TModus::Kalender:
      ende_ = d;
      if (d <= 0 || d < kurse.ErsterTag() || d > kurse.LetzterTag()) ende_ = kurse.LetzterTag();
      break;
  }
  endeDatum_ = LetztesDatum();
}

// --- Scrolling --------------------------------------------------------------

Boersentag TChart_WPChart::Scrolle(int code, int position) {
  if (code == scScrollEnde) return LetztesDatum();
  // Without prices (or columns) there is nothing to move.
  if (LetzterGueltigerIndex() < 0) return LetztesDatum();
  const bool kalender = Modus() == TModus::Kalender;
  const int erster = kalender ? wertpapier_->Kurse.ErsterTag() : 0;
  const int letzter = kalender ? wertpapier_->Kurse.LetzterTag() : LetzterGueltigerIndex();
  long long neu = ende_;
  switch (code) {
    case scZeileLinks:
      neu = ende_ - 1LL;
      break;
    case scZeileRechts:
      neu = ende_ + 1LL;
      break;
    case scSeiteLinks:
      neu = static_cast<long long>(ende_) - Tage();
      break;
    case scSeiteRechts:
      neu = static_cast<long long>(ende_) + Tage();
      break;
    case scSchieberZiehen:
      neu = erster + PixelRunden((letzter - erster) * (position / 1000.0));
      break;
    case scAnfang:
      neu = erster;
      break;
    case scEnde:
      neu = letzter;
      break;
    default:
      break;
  }
  neu = std::clamp<long long>(neu, erster, letzter);
  if (neu != ende_) {
    ende_ = static_cast<int>(neu);
    eqGueltig_ = false;
    NeuZeichnen(true);
  }
  return Melden();
}

Boersentag TChart_WPChart::Melden() {
  endeDatum_ = LetztesDatum();
  if (onTag_) onTag_(endeDatum_);
  return endeDatum_;
}

int TChart_WPChart::ScrollPosition() const {
  if (Modus() == TModus::Kalender) {
    if (AnzahlSaetze() == 0) return 1000;
    const Boersentag erster = wertpapier_->Kurse.ErsterTag();
    const Boersentag letzter = wertpapier_->Kurse.LetzterTag();
    if (erster >= letzter) return 1000;
    return PixelRunden(static_cast<double>(ende_ - erster) / (letzter - erster) * 1000);
  }
  const int letzter = LetzterGueltigerIndex();
  if (letzter < 1) return 1000;
  return PixelRunden(static_cast<double>(ende_) / letzter * 1000);
}

void TChart_WPChart::SetzeDruckkopf(std::string titel, std::string hinweis) {
  druckTitel_ = std::move(titel);
  druckHinweis_ = std::move(hinweis);
}

// --- Geometry ---------------------------------------------------------------

void TChart_WPChart::GeometrieBerechnen(const TGrafikfenster& f) {
  const int fx = f.FaktorX(), fy = f.FaktorY();
  g_.RahmenLinks = 10 * fx;
  g_.RahmenOben = 46 * fy;
  g_.RahmenRechts = Breite() - 10 * fx - 1;
  g_.RahmenUnten = Hoehe() - 19 * fy - 1;
  if (ansicht_.Monatsbalken || ansicht_.Wochentag) g_.RahmenUnten -= 12 * fy;
  if (ansicht_.Jahresbalken) g_.RahmenUnten -= 12 * fy;
  g_.PlotLinks = g_.RahmenLinks + 30 * fx;
  g_.PlotOben = g_.RahmenOben + 5 * fy;
  g_.PlotRechts = g_.RahmenRechts - 30 * fx;
  g_.PlotUnten = g_.RahmenUnten - 10 * fy;
  if (ansicht_.UmsatzAnzeigen && ansicht_.Charttyp >= 1 && ansicht_.Charttyp <= 3) {
    const int h = g_.PlotUnten - g_.PlotOben;
    g_.PlotUnten -= h * ansicht_.UmsatzHoehe / 100 + 10 * fy;
  }
  g_.UmsatzLinks = g_.PlotLinks;
  g_.UmsatzOben = g_.PlotUnten + 30 * fy;
  g_.UmsatzRechts = g_.PlotRechts;
  g_.UmsatzUnten = g_.RahmenUnten - 15 * fy;
  const int breite = g_.PlotRechts - g_.PlotLinks;
  if (ansicht_.Charttyp == 5) {
    if (Tage() == 0) GanzzahlDivisionDurchNull();
    g_.Tagesbreite = static_cast<double>(breite) / Tage();
    UmsatzFaktorBerechnen();
  } else {
    if (Tage() == 1) GanzzahlDivisionDurchNull();
    g_.Tagesbreite = static_cast<double>(breite) / (Tage() - 1);
    g_.UmsatzFaktor = 0;
  }
  legendeY_ = 2 * fy;
  eqGueltig_ = false;
}

void TChart_WPChart::UmsatzFaktorBerechnen() {
  double p = g_.PlotRechts - g_.PlotLinks;
  double s = 0;
  const int erster = ErsterIndex(), letzter = LetzterIndex();
  for (int i = erster; i <= letzter; ++i) {
    const TKurs& k = Satz(i);
    if (k.Hoch > 0 && k.Tief > 0 && k.Umsatz > 0)
      s += k.Umsatz;
    else
      p -= g_.Tagesbreite;
  }
  const int r = std::max(0, letzter - erster + 1);
  g_.UmsatzFaktor = s == 0 ? 0 : (p - g_.Tagesbreite * (Tage() - r)) / s;
}

double TChart_WPChart::EquivolumeBreite(const TKurs* k) const {
  if (k && k->Hoch > 0 && k->Tief > 0 && k->Umsatz > 0) return k->Umsatz * g_.UmsatzFaktor;
  return g_.Tagesbreite;
}

// Box centres of the visible range, as distances leftwards from PlotRechts.
void TChart_WPChart::EquivolumeVorbereiten() const {
  if (eqGueltig_) return;
  eqMitte_.clear();
  double summe = 0;
  if (Modus() == TModus::Kalender) {
    eqAnfang_ = ende_ - Tage() + 1;
    eqMitte_.resize(static_cast<std::size_t>(std::max(0, Tage())));
    int i = LetzterIndex();
    for (Boersentag d = ende_; d >= eqAnfang_; --d) {
      const TKurs* k = nullptr;
      while (i >= 0 && Satz(i).Datum > d)
        --i;
      if (i >= 0 && Satz(i).Datum == d) k = &Satz(i);
      const double w = EquivolumeBreite(k);
      eqMitte_[static_cast<std::size_t>(d - eqAnfang_)] = summe + w / 2;
      summe += w;
    }
  } else {
    eqAnfang_ = ErsterIndex();
    const int letzter = LetzterIndex();
    eqMitte_.resize(static_cast<std::size_t>(std::max(0, letzter - eqAnfang_ + 1)));
    for (int i = letzter; i >= eqAnfang_; --i) {
      const double w = EquivolumeBreite(&Satz(i));
      eqMitte_[static_cast<std::size_t>(i - eqAnfang_)] = summe + w / 2;
      summe += w;
    }
  }
  eqGueltig_ = true;
}

double TChart_WPChart::EquivolumeXIndex(int i) const {
  EquivolumeVorbereiten();
  const int letzter = LetzterIndex();
  if (i >= eqAnfang_ && i - eqAnfang_ < static_cast<int>(eqMitte_.size()))
    return g_.PlotRechts - eqMitte_[static_cast<std::size_t>(i - eqAnfang_)];
  // Outside the visible range: keep walking in the same manner.
  double summe = 0;
  if (i > letzter) {
    for (int j = letzter + 1; j < i; ++j)
      summe += EquivolumeBreite(&Satz(j));
    return g_.PlotRechts + summe + EquivolumeBreite(&Satz(i)) / 2;
  }
  for (int j = i + 1; j <= letzter; ++j)
    summe += EquivolumeBreite(&Satz(j));
  return g_.PlotRechts - summe - EquivolumeBreite(&Satz(i)) / 2;
}

double TChart_WPChart::EquivolumeXDatum(Boersentag d) const {
  EquivolumeVorbereiten();
  if (d >= eqAnfang_ && d - eqAnfang_ < static_cast<int>(eqMitte_.size()))
    return g_.PlotRechts - eqMitte_[static_cast<std::size_t>(d - eqAnfang_)];
  const TKurse& kurse = wertpapier_->Kurse;
  double summe = 0;
  if (d > ende_) {
    for (Boersentag t = ende_ + 1; t < d; ++t)
      summe += EquivolumeBreite(kurse.Suche(t));
    return g_.PlotRechts + summe + EquivolumeBreite(kurse.Suche(d)) / 2;
  }
  for (Boersentag t = d + 1; t <= ende_; ++t)
    summe += EquivolumeBreite(kurse.Suche(t));
  return g_.PlotRechts - summe - EquivolumeBreite(kurse.Suche(d)) / 2;
}

// --- Mapping days and values to pixels -------------------------------------

std::optional<int> TChart_WPChart::IndexZuX(int i) const {
  if (!wertpapier_ || i < 0 || i > LetzterGueltigerIndex()) return std::nullopt;
  switch (Modus()) {
    case TModus::Kalender:
      return DatumZuX(Satz(i).Datum);
    case TModus::Index:
      if (ansicht_.Charttyp == 5) return PixelRunden(EquivolumeXIndex(i));
      break;
    case TModus::PointFigure:
      break;
  }
  return PixelRunden(g_.PlotRechts - (LetzterIndex() - i) * g_.Tagesbreite);
}

std::optional<int> TChart_WPChart::DatumZuX(Boersentag d) const {
  if (!wertpapier_) return std::nullopt;
  switch (Modus()) {
    case TModus::PointFigure:
      return std::nullopt;
    case TModus::Index:
      return IndexModusDatumZuX(d);
    case TModus::Kalender:
      break;
  }
  if (ansicht_.Charttyp == 5) return PixelRunden(EquivolumeXDatum(d));
  return PixelRunden(g_.PlotRechts - (static_cast<double>(ende_) - d) * g_.Tagesbreite);
}

std::optional<int> TChart_WPChart::IndexModusDatumZuX(Boersentag d) const {
  const TKurse& kurse = wertpapier_->Kurse;
  const int i = kurse.IndexAb(d);
  if (i >= kurse.Anzahl()) return std::nullopt;
  if (Satz(i).Datum == d) return IndexZuX(i);
  if (i < 1) return *IndexZuX(0) - PixelRunden(g_.Tagesbreite / 2);
  return (*IndexZuX(i) + *IndexZuX(i - 1)) / 2;
}

int TChart_WPChart::WertZuY(double v) {
  if (skalaMax_ == skalaMin_) return (g_.PlotOben + g_.PlotUnten) / 2;
  const double hoehe = g_.PlotUnten - g_.PlotOben;
  if (!ansicht_.Logarithmisch)
    return PixelRunden(g_.PlotOben + hoehe / (skalaMax_ - skalaMin_) * (skalaMax_ - v));
  if (skalaMin_ == 0) skalaMin_ = skalaMax_ >= 10 ? 0.1 : skalaMax_ * 0.01;
  v = std::max(v, skalaMin_);
  const double nenner = std::log(skalaMax_ / skalaMin_);
  if (nenner == 0) FliesskommaDivisionDurchNull();
  return PixelRunden(g_.PlotOben + std::log(skalaMax_ / v) * hoehe / nenner);
}

namespace {

int LinearZuY(int oben, int unten, double max, double min, double v) {
  if (max == min) return (oben + unten) / 2;
  return PixelRunden(oben + (unten - oben) / (max - min) * (max - v));
}

}  // namespace

int TChart_WPChart::UmsatzZuY(double max, double min, double v) const {
  return LinearZuY(g_.UmsatzOben, g_.UmsatzUnten, max, min, v);
}

int TChart_WPChart::SkalaZuY(double max, double min, double v) const {
  return LinearZuY(g_.PlotOben, g_.PlotUnten, max, min, v);
}

// --- Painting ---------------------------------------------------------------

void TChart_WPChart::Zeichne(TGrafikfenster& f) {
  if (!wertpapier_) return;
  if (Breite() < 120 * f.FaktorX() || Hoehe() < 100 * f.FaktorY()) return;
  f.SetzeSchriftName("Arial");
  GeometrieBerechnen(f);
  if (f.IstDruck()) Druckkopf(f);
  Titel(f);
  Rahmen(f);
  Zeitachse(f);
  Kurszeichnung(f);
  if (ansicht_.UmsatzAnzeigen && ansicht_.Charttyp >= 1 && ansicht_.Charttyp <= 3)
    Umsatzhistogramm(f);
  if (ansicht_.Charttyp != 4 && ansicht_.Charttyp >= 1 && ansicht_.Charttyp <= 5 &&
      (ansicht_.KaufVerkauf || ansicht_.GVGrenze))
    Transaktionen(f);
  for (TChart_WPChart_Ebene* ebene : ebenen_)
    ebene->Zeichne(f);
}

}  // namespace morvane
