#include "grafik/aufzeichnungsleinwand.h"

#include "core/textkodierung.h"

namespace morvane {

TAufruf& TAufzeichnungsLeinwand::Neu(TAufruf::TArt art) {
  TAufruf& a = aufrufe_.emplace_back();
  a.Art = art;
  a.Stift = Stift();
  a.Pinsel = Pinsel();
  a.Schrift = Schrift();
  a.Clip = Clip();
  return a;
}

void TAufzeichnungsLeinwand::Linie(int x1, int y1, int x2, int y2) {
  TAufruf& a = Neu(TAufruf::TArt::Linie);
  a.x1 = x1, a.y1 = y1, a.x2 = x2, a.y2 = y2;
}

void TAufzeichnungsLeinwand::Rechteck(int links, int oben, int rechts, int unten) {
  TAufruf& a = Neu(TAufruf::TArt::Rechteck);
  a.x1 = links, a.y1 = oben, a.x2 = rechts, a.y2 = unten;
}

void TAufzeichnungsLeinwand::Ellipse(int links, int oben, int rechts, int unten) {
  TAufruf& a = Neu(TAufruf::TArt::Ellipse);
  a.x1 = links, a.y1 = oben, a.x2 = rechts, a.y2 = unten;
}

void TAufzeichnungsLeinwand::Vieleck(std::span<const TPunkt> punkte) {
  TAufruf& a = Neu(TAufruf::TArt::Vieleck);
  a.Punkte.assign(punkte.begin(), punkte.end());
}

void TAufzeichnungsLeinwand::Text(int x, int y, std::string_view text) {
  TAufruf& a = Neu(TAufruf::TArt::Text);
  a.x1 = x, a.y1 = y;
  a.Text = text;
}

int TAufzeichnungsLeinwand::TextBreite(std::string_view text) {
  return static_cast<int>(Utf8Laenge(text)) * ((Schrift().Hoehe + 1) / 2);
}

void TAufzeichnungsLeinwand::BildKopieren(const TBild&, const TRechteck&, const TRechteck& ziel) {
  TAufruf& a = Neu(TAufruf::TArt::Bild);
  a.x1 = ziel.Links, a.y1 = ziel.Oben, a.x2 = ziel.Rechts, a.y2 = ziel.Unten;
}

std::vector<TAufruf> TAufzeichnungsLeinwand::Alle(TAufruf::TArt art) const {
  std::vector<TAufruf> ergebnis;
  for (const TAufruf& a : aufrufe_)
    if (a.Art == art) ergebnis.push_back(a);
  return ergebnis;
}

std::vector<TAufruf> TAufzeichnungsLeinwand::Texte(std::string_view text) const {
  std::vector<TAufruf> ergebnis;
  for (const TAufruf& a : aufrufe_)
    if (a.Art == TAufruf::TArt::Text && (text.empty() || a.Text == text)) ergebnis.push_back(a);
  return ergebnis;
}

const TAufruf* TAufzeichnungsLeinwand::SucheText(std::string_view text) const {
  for (const TAufruf& a : aufrufe_)
    if (a.Art == TAufruf::TArt::Text && a.Text == text) return &a;
  return nullptr;
}

}  // namespace morvane
