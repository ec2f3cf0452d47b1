#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "grafik/leinwand.h"

namespace morvane {

// A drawing surface: a rectangle on a canvas to which every coordinate is
// relative and to which drawing is clipped, with the number of device pixels
// that stand for one screen pixel (1 on the screen, dpi / 60 on a printer).
// The canvas is not owned and must outlive the surface. Destroying the surface
// gives the canvas back the clip rectangle it had before.
class TGrafikfenster {
 public:
  // The rectangle is inclusive on all four sides.
  TGrafikfenster(TLeinwand& leinwand, const TRechteck& rechteck, std::uint16_t faktorX = 1,
                 std::uint16_t faktorY = 1);
  ~TGrafikfenster();
  TGrafikfenster(const TGrafikfenster&) = delete;
  TGrafikfenster& operator=(const TGrafikfenster&) = delete;

  // A surface for a sub-rectangle given in this surface's coordinates, with
  // the same factors.
  std::unique_ptr<TGrafikfenster> Teilfenster(const TRechteck& rechteck) const;

  // From the first point to the second, without the end pixel.
  void Linie(int x1, int y1, int x2, int y2);
  // Both corners included, in either order.
  void Rechteck(int x1, int y1, int x2, int y2);
  // Exclusive right and bottom edge, as the canvas takes it.
  void Ellipse(int x1, int y1, int x2, int y2);
  void Vieleck(std::span<const TPunkt> punkte);
  // Top-left corner of the text at (x, y).
  void Text(int x, int y, std::string_view text);
  void TextMitte(int x, int y, std::string_view text);
  void TextRechts(int x, int y, std::string_view text);
  // Copies `quelle` of the picture (inclusive) onto `ziel` (inclusive, surface
  // coordinates).
  void BildKopieren(const TBild& bild, const TRechteck& quelle, const TRechteck& ziel);

  void SetzeStiftFarbe(TFarbe farbe);
  void SetzeStiftBreite(int breite);
  void SetzeStiftStil(TStiftStil stil);
  void StiftLeer() { SetzeStiftStil(TStiftStil::Leer); }
  void SetzePinselFarbe(TFarbe farbe);
  void SetzePinselStil(TPinselStil stil);
  void PinselLeer() { SetzePinselStil(TPinselStil::Leer); }
  void SetzeSchriftFarbe(TFarbe farbe);
  void SetzeSchriftFett(bool fett);
  void SetzeSchriftName(std::string_view name);
  // Tenths of a degree, 900 reads upwards.
  void SetzeSchriftWinkel(int winkel);
  // The height in screen pixels; on a printer surface it becomes
  // round(h * FaktorY * 0.75).
  void SetzeSchriftHoehe(int hoehe);
  int SchriftHoehe() const { return leinwand_.Schrift().Hoehe; }
  int TextBreite(std::string_view text) const;

  const TStift& Stift() const { return leinwand_.Stift(); }
  const TPinsel& Pinsel() const { return leinwand_.Pinsel(); }

  int FaktorX() const { return faktorX_; }
  int FaktorY() const { return faktorY_; }
  bool IstDruck() const { return faktorX_ > 1; }
  TLeinwand& Leinwand() const { return leinwand_; }
  const TRechteck& Rechteck() const { return rechteck_; }
  int Breite() const { return rechteck_.Rechts - rechteck_.Links + 1; }
  int Hoehe() const { return rechteck_.Unten - rechteck_.Oben + 1; }
  TPunkt ZuLeinwand(TPunkt p) const { return {p.x + rechteck_.Links, p.y + rechteck_.Oben}; }
  TRechteck ZuLeinwand(const TRechteck& r) const;

 private:
  TLeinwand& leinwand_;
  TRechteck rechteck_;
  std::uint16_t faktorX_;
  std::uint16_t faktorY_;
  std::optional<TRechteck> alterClip_;
};

}  // namespace morvane
