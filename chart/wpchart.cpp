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

TChart_WPChart::TChart_WPChart() : zeichnung_(NeueKurszeichnung(ansicht_.Charttyp)) {}

TChart_WPChart::TModus TChart_WPChart::Modus() const {
  if (zeichnung_->Saeulen()) return TModus::PointFigure;
  return ansicht_.TageOhneKursWeglassen ? TModus::Index : TModus::Kalender;
}

void TChart_WPChart::SetzeWertpapier(const TWertpapier* wertpapier) {
  wertpapier_ = wertpapier;
  // The price fields are checked before the columns are built, so that a
  // security without closes gets its columns from the field that replaces it.
  KursfelderPruefen();
  ZeichnungAufbauen();
  AlleTageAnwenden();
  if (Modus() == TModus::Kalender)
    ende_ = AnzahlSaetze() > 0 ? wertpapier_->Kurse.LetzterTag() : 0;
  else
    ende_ = LetzterGueltigerIndex();
  BereichGeaendert();
  endeDatum_ = LetztesDatum();
  if (onTag_) onTag_(LetztesDatum());
  EndeSetzen(endeDatum_);
  NeuZeichnen(true);
}

void TChart_WPChart::Leeren() {
  wertpapier_ = nullptr;
  ZeichnungAufbauen();
  ende_ = 0;
  endeDatum_ = 0;
  BereichGeaendert();
  NeuZeichnen(true);
}

void TChart_WPChart::SetzeAnsicht(const TChartAnsicht& ansicht) {
  ansicht_ = ansicht;
  zeichnung_ = NeueKurszeichnung(ansicht_.Charttyp);
  ZeichnungAufbauen();
  AlleTageAnwenden();
  EndeSetzen(endeDatum_);
  if (onTag_) onTag_(LetztesDatum());
}

void TChart_WPChart::ZeichnungAufbauen() {
  zeichnung_->Aufbauen(wertpapier_, ansicht_);
}

const TPointFigureListe& TChart_WPChart::PFListe() const {
  static const TPointFigureListe keine;
  const TPointFigureListe* saeulen = zeichnung_->Saeulen();
  return saeulen ? *saeulen : keine;
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
  const TPointFigureListe* saeulen = zeichnung_->Saeulen();
  return (saeulen ? saeulen->Anzahl() : AnzahlSaetze()) - 1;
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
      const TPunktFigurSaeule* s = PFListe().Saeule(ErsterIndex());
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
      const TPunktFigurSaeule* s = PFListe().Saeule(LetzterIndex());
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
  BereichGeaendert();
  if (!wertpapier_) return;
  const TKurse& kurse = wertpapier_->Kurse;
  switch (Modus()) {
    case TModus::PointFigure:
      ende_ = PFListe().SucheDatum(d);
      if (ende_ == 0) ende_ = PFListe().Anzahl() - 1;
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
    BereichGeaendert();
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
  if (ansicht_.UmsatzAnzeigen && zeichnung_->HatUmsatzbereich()) {
    const int h = g_.PlotUnten - g_.PlotOben;
    g_.PlotUnten -= h * ansicht_.UmsatzHoehe / 100 + 10 * fy;
  }
  g_.UmsatzLinks = g_.PlotLinks;
  g_.UmsatzOben = g_.PlotUnten + 30 * fy;
  g_.UmsatzRechts = g_.PlotRechts;
  g_.UmsatzUnten = g_.RahmenUnten - 15 * fy;
  zeichnung_->Spaltenbreite(*this, g_);
  legendeY_ = 2 * fy;
  BereichGeaendert();
}

// --- Mapping days and values to pixels -------------------------------------

std::optional<int> TChart_WPChart::IndexZuX(int i) const {
  if (!wertpapier_ || i < 0 || i > LetzterGueltigerIndex()) return std::nullopt;
  return zeichnung_->IndexZuX(*this, i);
}

std::optional<int> TChart_WPChart::DatumZuX(Boersentag d) const {
  if (!wertpapier_) return std::nullopt;
  return zeichnung_->DatumZuX(*this, d);
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
  wertbeschriftungen_.clear();
  zeichnung_->Zeichne(*this, f);
  if (ansicht_.UmsatzAnzeigen && zeichnung_->HatUmsatzbereich()) Umsatzhistogramm(f);
  Wertbeschriftungen(f);
  if (zeichnung_->ZeigtTransaktionen() && (ansicht_.KaufVerkauf || ansicht_.GVGrenze))
    Transaktionen(f);
  for (TChart_WPChart_Ebene* ebene : ebenen_)
    ebene->Zeichne(f);
}

}  // namespace morvane
