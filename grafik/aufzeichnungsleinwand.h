#pragma once

#include <string>
#include <vector>

#include "grafik/leinwand.h"

namespace morvane {

// One drawing call as the recording canvas saw it, with the pen, brush and font
// in effect at that moment. Coordinates are device coordinates as passed.
struct TAufruf {
  enum class TArt { Linie, Rechteck, Ellipse, Vieleck, Text, Bild };
  TArt Art = TArt::Linie;
  // Linie: the two points; Rechteck, Ellipse, Bild: the (target) rectangle;
  // Text: the position in x1, y1.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::vector<TPunkt> Punkte;
  std::string Text;
  TStift Stift;
  TPinsel Pinsel;
  TSchrift Schrift;
  std::optional<TRechteck> Clip;
};

// A canvas that draws nothing and stores every call, so that tests can check
// geometry exactly. Text width is deterministic: every character (not byte) is
// half the font height wide, rounded up.
class TAufzeichnungsLeinwand : public TLeinwand {
 public:
  void Linie(int x1, int y1, int x2, int y2) override;
  void Rechteck(int links, int oben, int rechts, int unten) override;
  void Ellipse(int links, int oben, int rechts, int unten) override;
  void Vieleck(std::span<const TPunkt> punkte) override;
  void Text(int x, int y, std::string_view text) override;
  int TextBreite(std::string_view text) override;
  void BildKopieren(const TBild& bild, const TRechteck& quelle, const TRechteck& ziel) override;

  const std::vector<TAufruf>& Aufrufe() const { return aufrufe_; }
  void Leeren() { aufrufe_.clear(); }

  // Calls of one kind; texts equal to `text` (all texts when empty).
  std::vector<TAufruf> Alle(TAufruf::TArt art) const;
  std::vector<TAufruf> Texte(std::string_view text = {}) const;
  // The first text call whose text equals `text`; nullptr when there is none.
  const TAufruf* SucheText(std::string_view text) const;

 private:
  TAufruf& Neu(TAufruf::TArt art);

  std::vector<TAufruf> aufrufe_;
};

}  // namespace morvane
