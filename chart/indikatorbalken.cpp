#include "chart/indikatorbalken.h"

#include <algorithm>
#include <cmath>

#include "core/datumtext.h"

namespace morvane {

namespace {

constexpr std::string_view kHinweis =
    "Bitte auf einen Balken klicken, um den Indikator anzuzeigen.";

// Rounds a pixel count, halves away from zero.
int Runden(double x) {
  return static_cast<int>(std::lround(x));
}

// Fills one row of a picture.
void Zeile(TBild& bild, int y, TFarbe farbe) {
  if (y < 0 || y >= bild.Hoehe) return;
  for (int x = 0; x < bild.Breite; ++x)
    bild.At(x, y) = farbe;
}

// A signal as a gauge can show it: -100..100 for the signal groups, 0..100
// for the intensities; anything unreadable counts as no signal.
double Messwert(int gruppe, double s) {
  if (!std::isfinite(s)) return 0;
  return std::clamp(s, gruppe == 3 ? 0.0 : -100.0, 100.0);
}

}  // namespace

TChart_Indikatoren::TChart_Indikatoren(const TIndVorlagen& vorlagen)
    : vorlagen_(vorlagen), analyse_(vorlagen) {}

// --- Layout -----------------------------------------------------------------

TChart_Indikatoren::TLayout TChart_Indikatoren::Layout(int faktorY) const {
  TLayout l;
  l.Zellhoehe = std::max(5, Hoehe() - 40 * faktorY);
  const int n = analyse_.Anzahl(1) + analyse_.Anzahl(2) + analyse_.Anzahl(3);
  l.Zellbreite = std::max(Breite() / (n + 1), 25);
  l.Zellbreite = std::max(std::min(l.Zellbreite, l.Zellhoehe / 2), 5);
  return l;
}

void TChart_Indikatoren::LayoutSetzen(int faktorY) {
  const TLayout l = Layout(faktorY);
  if (l.Zellbreite == zellbreite_ && l.Zellhoehe == zellhoehe_) return;
  zellbreite_ = l.Zellbreite;
  zellhoehe_ = l.Zellhoehe;
  BilderAufbauen();
}

TChart_Indikatoren::TGruppenLage TChart_Indikatoren::GruppenLage(int zellbreite) const {
  TGruppenLage lage;
  int x = zellbreite / 4;
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    lage.Start[gruppe] = x;
    const int anzahl = analyse_.Anzahl(gruppe);
    if (anzahl > 0) x += anzahl * (zellbreite - 1) + zellbreite / 4;
  }
  lage.Ende = x;
  return lage;
}

// Green at the middle line shading to blue at the top, yellow at the middle
// shading to red at the bottom; cyan at the bottom of the intensity gradient
// turning slightly darker towards the top.
void TChart_Indikatoren::BilderAufbauen() {
  const int w = zellbreite_;
  const int h = zellhoehe_;
  if (h <= 0) return;
  const int m = h / 2;
  signalBild_ = TBild(w, h);
  for (int i = 0; i <= m; ++i) {
    const unsigned k = static_cast<unsigned>(Runden(i * 255.0 / m));
    Zeile(signalBild_, m - i, TFarbe::RGB(0, 255 - k, k));
    // For an even height the last step lies one row below the picture; the
    // gauges never copy that far.
    Zeile(signalBild_, m + i, TFarbe::RGB(255, 255 - k, 0));
  }
  intensitaetBild_ = TBild(w, h + 1);
  for (int i = 0; i <= h; ++i) {
    const unsigned v = static_cast<unsigned>(Runden(i * 79.0 / h));
    Zeile(intensitaetBild_, h - i, TFarbe::RGB(0, 255 - v, 255 - v));
  }
}

// --- Painting ---------------------------------------------------------------

void TChart_Indikatoren::Zeichne(TGrafikfenster& f) {
  LayoutSetzen(f.FaktorY());
  f.PinselLeer();
  f.SetzeSchriftFarbe(kSchwarz);
  f.SetzeSchriftFett(false);
  f.SetzeSchriftHoehe(12);
  const TGruppenLage lage = GruppenLage(zellbreite_);
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (int index = 0; index < analyse_.Anzahl(gruppe); ++index)
      ZeichneMesser(f, gruppe, index, lage.Start[gruppe] + index * (zellbreite_ - 1));
  }
  ZeichneBeschriftung(f, lage);
}

void TChart_Indikatoren::ZeichneMesser(TGrafikfenster& f, int gruppe, int index, int x) const {
  const int w = zellbreite_;
  const int h = zellhoehe_;
  const int t = 18 * f.FaktorY();
  const int c = t + h / 2;

  f.SetzeStiftFarbe(kSchwarz);
  f.SetzeStiftStil(TStiftStil::Durchgezogen);
  f.SetzeStiftBreite(1);
  f.SetzePinselFarbe(kWeiss);
  f.SetzePinselStil(TPinselStil::Voll);
  f.Rechteck(x, t, x + w - 1, t + h - 1);

  f.SetzeStiftFarbe(kSilber);
  f.SetzeStiftStil(TStiftStil::Punkt);
  f.PinselLeer();
  f.Linie(x + 1, t + h / 4, x + w - 1, t + h / 4);
  f.Linie(x + 1, t + h - 1 - h / 4, x + w - 1, t + h - 1 - h / 4);
  if (gruppe != 3) {
    f.SetzeStiftFarbe(kSchwarz);
    f.SetzeStiftStil(TStiftStil::Durchgezogen);
  }
  f.Linie(x + 1, c, x + w - 1, c);

  const double s = tag_ >= 1 ? analyse_.SignalAm(gruppe, index, tag_) : 0;
  ZeichneBalken(f, gruppe, x, t, Messwert(gruppe, s));

  if (analyse_.Angezeigt(gruppe, index)) {
    f.SetzeStiftFarbe(kDunkelrot);
    f.SetzeStiftStil(TStiftStil::Durchgezogen);
    f.SetzeStiftBreite(2);
    f.Rechteck(x + 2, t + 2, x + w - 2, t + h - 2);
    f.SetzeStiftBreite(1);
  }
  f.TextMitte(x + w / 2, Hoehe() - 22 * f.FaktorY(), analyse_.Kurzbezeichnung(gruppe, index));
}

// Signals grow up (buy) or down (sell) from the middle line, intensities up
// from the bottom edge.
void TChart_Indikatoren::ZeichneBalken(TGrafikfenster& f, int gruppe, int x, int t,
                                       double s) const {
  const int w = zellbreite_;
  const int h = zellhoehe_;
  const int m = h / 2;
  const int c = t + h / 2;
  if (gruppe == 3) {
    const int b = Runden(s * (h - 2) * 0.01);
    if (b > 0)
      f.BildKopieren(intensitaetBild_, {1, h + 1 - b, w - 2, h},
                     {x + 1, t + h - 1 - b, x + w - 2, t + h - 2});
  } else if (s >= 0) {
    const int b = Runden(s * (c - t - 1) * 0.01);
    if (b > 0)
      f.BildKopieren(signalBild_, {1, m - b, w - 2, m - 1}, {x + 1, c - b, x + w - 2, c - 1});
  } else {
    const int b = Runden(-s * (t + h - 1 - c - 1) * 0.01);
    if (b > 0)
      f.BildKopieren(signalBild_, {1, m + 1, w - 2, m + b}, {x + 1, c + 1, x + w - 2, c + b});
  }
}

void TChart_Indikatoren::ZeichneBeschriftung(TGrafikfenster& f, const TGruppenLage& lage) const {
  const int w = Breite();
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    const int anzahl = analyse_.Anzahl(gruppe);
    if (anzahl == 0) continue;
    const int links = lage.Start[gruppe];
    const int rechts = links + anzahl * (zellbreite_ - 1);
    f.TextMitte((links + rechts) / 2, Hoehe() - 12 * f.FaktorY(), kGruppentext[gruppe]);
  }
  if (!f.IstDruck()) {
    f.SetzeSchriftFarbe(kSilber);
    f.TextRechts(std::min(lage.Ende - 10, w - 2), 5, kHinweis);
    f.SetzeSchriftFarbe(kSchwarz);
  }
  f.Text(zellbreite_ / 4, 5 * f.FaktorY(), Titeltext());
}

std::string TChart_Indikatoren::Titeltext() const {
  if (tag_ < 1) return "Indikator-Signale";
  return "Indikator-Signale zum " + BoersentagZuText(tag_, 0);
}

// --- Hit test and clicks ------------------------------------------------------

std::optional<TIndikatorWahl> TChart_Indikatoren::Treffer(TPunkt p) const {
  if (p.y < 17 || p.y > Hoehe() - 12) return std::nullopt;
  const int zellbreite = Layout(1).Zellbreite;
  const int schritt = zellbreite - 1;
  const TGruppenLage lage = GruppenLage(zellbreite);
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    const int anzahl = analyse_.Anzahl(gruppe);
    if (anzahl == 0) continue;
    const int start = lage.Start[gruppe];
    if (p.x > start + anzahl * schritt) continue;
    if (p.x < start) return std::nullopt;
    return TIndikatorWahl{gruppe, std::min((p.x - start) / schritt, anzahl - 1)};
  }
  return std::nullopt;
}

void TChart_Indikatoren::MausKlick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm,
                                   TPunkt feld) {
  if (!Sichtbar() || taste == TMausTaste::Mitte) return;
  const std::optional<TIndikatorWahl> treffer = Treffer(feld);
  if (taste == TMausTaste::Links) {
    if (treffer)
      analyse_.Umschalten(status.Strg, treffer->Gruppe, treffer->Index);
    else if (analyse_.AnzahlAngezeigt() > 0)
      analyse_.AllesAus();
    else
      return;
    MesserNeuZeichnen();
    Melden();
    return;
  }
  if (treffer)
    analyse_.NurDieses(treffer->Gruppe, treffer->Index);
  else
    analyse_.AllesAus();
  MesserNeuZeichnen();
  Melden();
  popup_ = treffer;
  if (onPopup_) onPopup_(bildschirm, treffer.has_value());
}

void TChart_Indikatoren::IndikatorAnpassen() {
  if (!PopupGueltig()) return;
  const TIndikatorWahl wahl = *popup_;
  if (anpassenDialog_) anpassenDialog_(wahl.Gruppe, wahl.Index);
  IndikatorenNeuBerechnen();
}

// The remembered entry must still exist both in the working copy and in the
// templates the dialog edits; a recompute after the set was edited may have
// removed it.
bool TChart_Indikatoren::PopupGueltig() const {
  if (!popup_ || popup_->Gruppe < 1 || popup_->Gruppe > 3 || popup_->Index < 0) return false;
  return popup_->Index < analyse_.Anzahl(popup_->Gruppe) &&
         popup_->Index < vorlagen_.Liste().Anzahl(popup_->Gruppe);
}

// --- Security, day, recompute, visibility -------------------------------------

void TChart_Indikatoren::Berechnen() {
  static const TKurse keineKurse;
  analyse_.Berechnen(wertpapier_ ? wertpapier_->Kurse : keineKurse);
  if (!PopupGueltig()) popup_.reset();
}

void TChart_Indikatoren::SetzeWertpapier(const TWertpapier* wertpapier) {
  wertpapier_ = wertpapier;
  const int vorher[] = {analyse_.Anzahl(1), analyse_.Anzahl(2), analyse_.Anzahl(3)};
  Berechnen();
  // Edited templates may bring a different number of gauges, which moves the
  // captions below the gauge area as well.
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    if (vorher[gruppe - 1] != analyse_.Anzahl(gruppe)) return NeuZeichnen(true);
  }
  MesserNeuZeichnen();
}

void TChart_Indikatoren::SetzeTag(Boersentag tag) {
  if (tag == tag_) return;
  tag_ = tag;
  MesserNeuZeichnen();
}

void TChart_Indikatoren::IndikatorenNeuBerechnen() {
  Berechnen();
  NeuZeichnen(true);
  Melden();
}

void TChart_Indikatoren::SetzeSichtbar(bool sichtbar) {
  TGrafikfeld::SetzeSichtbar(sichtbar);
  if (sichtbar) return;
  analyse_.AllesAus();
  Melden();
}

void TChart_Indikatoren::GroesseGeaendert() {
  LayoutSetzen(1);
  NeuZeichnen(true);
}

void TChart_Indikatoren::MesserNeuZeichnen() {
  const TLayout l = Layout(1);
  NeuZeichnenTeil({l.Zellbreite / 4, 5, Breite() - 1, l.Zellhoehe + 18}, false);
}

void TChart_Indikatoren::Melden() const {
  if (onAnzeigeGeaendert_) onAnzeigeGeaendert_();
}

}  // namespace morvane
