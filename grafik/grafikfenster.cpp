#include "grafik/grafikfenster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace morvane {

TGrafikfenster::TGrafikfenster(TLeinwand& leinwand, const TRechteck& rechteck,
                               std::uint16_t faktorX, std::uint16_t faktorY)
    : leinwand_(leinwand),
      rechteck_(rechteck),
      faktorX_(faktorX),
      faktorY_(faktorY),
      alterClip_(leinwand.Clip()) {
  SetzeSchriftName("Arial");
  leinwand_.SetzeClip(
      TRechteck{rechteck.Links, rechteck.Oben, rechteck.Rechts + 1, rechteck.Unten + 1});
}

TGrafikfenster::~TGrafikfenster() {
  leinwand_.SetzeClip(alterClip_);
}

std::unique_ptr<TGrafikfenster> TGrafikfenster::Teilfenster(const TRechteck& rechteck) const {
  return std::make_unique<TGrafikfenster>(leinwand_, ZuLeinwand(rechteck), faktorX_, faktorY_);
}

TRechteck TGrafikfenster::ZuLeinwand(const TRechteck& r) const {
  return {r.Links + rechteck_.Links, r.Oben + rechteck_.Oben, r.Rechts + rechteck_.Links,
          r.Unten + rechteck_.Oben};
}

void TGrafikfenster::Linie(int x1, int y1, int x2, int y2) {
  const int l = rechteck_.Links, o = rechteck_.Oben;
  leinwand_.Linie(x1 + l, y1 + o, x2 + l, y2 + o);
}

void TGrafikfenster::Rechteck(int x1, int y1, int x2, int y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  // The canvas leaves out the right and bottom edge, and a pen-less rectangle
  // is filled one more pixel short.
  const int zugabe = Stift().Stil == TStiftStil::Leer ? 2 : 1;
  const int l = rechteck_.Links, o = rechteck_.Oben;
  leinwand_.Rechteck(x1 + l, y1 + o, x2 + zugabe + l, y2 + zugabe + o);
}

void TGrafikfenster::Ellipse(int x1, int y1, int x2, int y2) {
  const int l = rechteck_.Links, o = rechteck_.Oben;
  leinwand_.Ellipse(x1 + l, y1 + o, x2 + l, y2 + o);
}

void TGrafikfenster::Vieleck(std::span<const TPunkt> punkte) {
  std::vector<TPunkt> verschoben(punkte.begin(), punkte.end());
  for (TPunkt& p : verschoben)
    p = ZuLeinwand(p);
  leinwand_.Vieleck(verschoben);
}

void TGrafikfenster::Text(int x, int y, std::string_view text) {
  const int l = rechteck_.Links, o = rechteck_.Oben;
  if (IstDruck() && leinwand_.Pinsel().Stil != TPinselStil::Leer) {
    // Printers do not all paint an opaque text background; fill the box first.
    const TStift stift = leinwand_.Stift();
    TStift ohne = stift;
    ohne.Stil = TStiftStil::Leer;
    leinwand_.SetzeStift(ohne);
    leinwand_.Rechteck(x + l, y + o, x + l + TextBreite(text) + 1, y + o + SchriftHoehe() + 1);
    leinwand_.SetzeStift(stift);
  }
  leinwand_.Text(x + l, y + o, text);
}

void TGrafikfenster::TextMitte(int x, int y, std::string_view text) {
  Text(x - TextBreite(text) / 2, y, text);
}

void TGrafikfenster::TextRechts(int x, int y, std::string_view text) {
  Text(x - TextBreite(text), y, text);
}

void TGrafikfenster::BildKopieren(const TBild& bild, const TRechteck& quelle,
                                  const TRechteck& ziel) {
  const TRechteck q{quelle.Links, quelle.Oben, quelle.Rechts + 1, quelle.Unten + 1};
  const TRechteck z = ZuLeinwand(TRechteck{ziel.Links, ziel.Oben, ziel.Rechts + 1, ziel.Unten + 1});
  leinwand_.BildKopieren(bild, q, z);
}

int TGrafikfenster::TextBreite(std::string_view text) const {
  return leinwand_.TextBreite(text);
}

namespace {

// Changes one property of the canvas's pen, brush or font.
template <class T, class Lesen, class Setzen, class Aendern>
void Aendere(TLeinwand& l, Lesen lesen, Setzen setzen, Aendern aendern) {
  T wert = (l.*lesen)();
  aendern(wert);
  (l.*setzen)(wert);
}

void StiftAendern(TLeinwand& l, auto aendern) {
  Aendere<TStift>(l, &TLeinwand::Stift, &TLeinwand::SetzeStift, aendern);
}
void PinselAendern(TLeinwand& l, auto aendern) {
  Aendere<TPinsel>(l, &TLeinwand::Pinsel, &TLeinwand::SetzePinsel, aendern);
}
void SchriftAendern(TLeinwand& l, auto aendern) {
  Aendere<TSchrift>(l, &TLeinwand::Schrift, &TLeinwand::SetzeSchrift, aendern);
}

}  // namespace

void TGrafikfenster::SetzeStiftFarbe(TFarbe farbe) {
  StiftAendern(leinwand_, [&](TStift& s) { s.Farbe = farbe; });
}
void TGrafikfenster::SetzeStiftBreite(int breite) {
  StiftAendern(leinwand_, [&](TStift& s) { s.Breite = breite; });
}
void TGrafikfenster::SetzeStiftStil(TStiftStil stil) {
  StiftAendern(leinwand_, [&](TStift& s) { s.Stil = stil; });
}
void TGrafikfenster::SetzePinselFarbe(TFarbe farbe) {
  PinselAendern(leinwand_, [&](TPinsel& p) { p.Farbe = farbe; });
}
void TGrafikfenster::SetzePinselStil(TPinselStil stil) {
  PinselAendern(leinwand_, [&](TPinsel& p) { p.Stil = stil; });
}
void TGrafikfenster::SetzeSchriftFarbe(TFarbe farbe) {
  SchriftAendern(leinwand_, [&](TSchrift& s) { s.Farbe = farbe; });
}
void TGrafikfenster::SetzeSchriftFett(bool fett) {
  SchriftAendern(leinwand_, [&](TSchrift& s) { s.Fett = fett; });
}
void TGrafikfenster::SetzeSchriftName(std::string_view name) {
  SchriftAendern(leinwand_, [&](TSchrift& s) { s.Name = name; });
}
void TGrafikfenster::SetzeSchriftWinkel(int winkel) {
  SchriftAendern(leinwand_, [&](TSchrift& s) { s.Winkel = winkel; });
}

void TGrafikfenster::SetzeSchriftHoehe(int hoehe) {
  const int h = faktorY_ > 1 ? static_cast<int>(std::lround(hoehe * faktorY_ * 0.75)) : hoehe;
  SchriftAendern(leinwand_, [&](TSchrift& s) { s.Hoehe = h; });
}

}  // namespace morvane
