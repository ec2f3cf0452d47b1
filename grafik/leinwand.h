#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Colour as 0xRRGGBB.
struct TFarbe {
  std::uint32_t Wert = 0;
  constexpr TFarbe() = default;
  constexpr explicit TFarbe(std::uint32_t wert) : Wert(wert) {}
  static constexpr TFarbe RGB(unsigned r, unsigned g, unsigned b) {
    return TFarbe((r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF));
  }
  constexpr unsigned Rot() const { return Wert >> 16 & 0xFF; }
  constexpr unsigned Gruen() const { return Wert >> 8 & 0xFF; }
  constexpr unsigned Blau() const { return Wert & 0xFF; }
  friend constexpr bool operator==(TFarbe, TFarbe) = default;
};

inline constexpr TFarbe kSchwarz = TFarbe::RGB(0, 0, 0);
inline constexpr TFarbe kWeiss = TFarbe::RGB(255, 255, 255);
inline constexpr TFarbe kRot = TFarbe::RGB(255, 0, 0);
// Dark green, as the classic palette names it; kHellgruen is the bright one.
inline constexpr TFarbe kGruen = TFarbe::RGB(0, 128, 0);
inline constexpr TFarbe kHellgruen = TFarbe::RGB(0, 255, 0);
inline constexpr TFarbe kBlau = TFarbe::RGB(0, 0, 255);
inline constexpr TFarbe kCyan = TFarbe::RGB(0, 255, 255);
inline constexpr TFarbe kMagenta = TFarbe::RGB(255, 0, 255);
inline constexpr TFarbe kOliv = TFarbe::RGB(128, 128, 0);
inline constexpr TFarbe kDunkelrot = TFarbe::RGB(128, 0, 0);
inline constexpr TFarbe kSilber = TFarbe::RGB(192, 192, 192);

struct TPunkt {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(TPunkt, TPunkt) = default;
};

// Rectangle with the meaning its user gives it: fields and surfaces treat all
// four sides as inclusive, the canvas primitives the right and bottom edge as
// exclusive.
struct TRechteck {
  int Links = 0;
  int Oben = 0;
  int Rechts = 0;
  int Unten = 0;
  friend constexpr bool operator==(const TRechteck&, const TRechteck&) = default;
};

enum class TStiftStil : std::uint8_t { Durchgezogen, Punkt, Leer };
enum class TPinselStil : std::uint8_t { Voll, Leer };

struct TStift {
  TFarbe Farbe = kSchwarz;
  int Breite = 1;
  TStiftStil Stil = TStiftStil::Durchgezogen;
  friend bool operator==(const TStift&, const TStift&) = default;
};

struct TPinsel {
  TFarbe Farbe = kWeiss;
  TPinselStil Stil = TPinselStil::Voll;
  friend bool operator==(const TPinsel&, const TPinsel&) = default;
};

struct TSchrift {
  std::string Name = "Arial";
  // Height of the character cell in device pixels.
  int Hoehe = 12;
  bool Fett = false;
  TFarbe Farbe = kSchwarz;
  // Direction of the text line in tenths of a degree, counter-clockwise;
  // 900 reads upwards.
  int Winkel = 0;
  friend bool operator==(const TSchrift&, const TSchrift&) = default;
};

// A small RGB picture in memory (gradients and the like), copied onto a canvas
// with BildKopieren.
struct TBild {
  int Breite = 0;
  int Hoehe = 0;
  std::vector<TFarbe> Pixel;  // row by row

  TBild() = default;
  TBild(int breite, int hoehe)
      : Breite(breite), Hoehe(hoehe), Pixel(static_cast<std::size_t>(breite) * hoehe) {}
  TFarbe& At(int x, int y) { return Pixel[static_cast<std::size_t>(y) * Breite + x]; }
  TFarbe At(int x, int y) const { return Pixel[static_cast<std::size_t>(y) * Breite + x]; }
};

// The device a chart paints on: screen, picture, printer page or a recording.
// The canvas keeps the current pen, brush and font; the drawing primitives use
// them with the coordinate rules of the classic 2-D device interface:
// - Linie draws from the first point towards the second without the end pixel.
// - Rechteck and Ellipse take exclusive right and bottom edges; an outlined
//   rectangle covers Links..Rechts-1, a pen-less one only Links..Rechts-2.
// - Text puts the top-left corner of the (unrotated) text cell at the point; a
//   solid brush paints the cell's background first.
// - The clip rectangle has exclusive right and bottom edges.
class TLeinwand {
 public:
  virtual ~TLeinwand() = default;

  void SetzeStift(const TStift& stift) { stift_ = stift; }
  void SetzePinsel(const TPinsel& pinsel) { pinsel_ = pinsel; }
  void SetzeSchrift(const TSchrift& schrift) { schrift_ = schrift; }
  const TStift& Stift() const { return stift_; }
  const TPinsel& Pinsel() const { return pinsel_; }
  const TSchrift& Schrift() const { return schrift_; }

  virtual void Linie(int x1, int y1, int x2, int y2) = 0;
  virtual void Rechteck(int links, int oben, int rechts, int unten) = 0;
  virtual void Ellipse(int links, int oben, int rechts, int unten) = 0;
  // Filled polygon through all points.
  virtual void Vieleck(std::span<const TPunkt> punkte) = 0;
  virtual void Text(int x, int y, std::string_view text) = 0;
  // Width of the text in the current font, in device pixels.
  virtual int TextBreite(std::string_view text) = 0;
  // Copies the part `quelle` of the picture onto `ziel` (both exclusive).
  virtual void BildKopieren(const TBild& bild, const TRechteck& quelle, const TRechteck& ziel) = 0;

  // No clip rectangle means the whole device.
  virtual void SetzeClip(const std::optional<TRechteck>& clip) { clip_ = clip; }
  const std::optional<TRechteck>& Clip() const { return clip_; }

 private:
  TStift stift_;
  TPinsel pinsel_;
  TSchrift schrift_;
  std::optional<TRechteck> clip_;
};

}  // namespace morvane
