// A chart for drawing tests: simple linear positions, and a record of the
// scales, zone lines and legends the indicators asked for.
#pragma once

#include <algorithm>
#include <cmath>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "grafik/aufzeichnungsleinwand.h"
#include "grafik/grafikfenster.h"
#include "indicators/indikatorchart.h"

namespace morvane::test {

struct TSkalenaufruf {
  std::string Einheit;
  TFarbe Farbe;
  double Max = 0;
  double Min = 0;
  friend bool operator==(const TSkalenaufruf&, const TSkalenaufruf&) = default;
  friend void PrintTo(const TSkalenaufruf& s, std::ostream* os) {
    *os << '"' << s.Einheit << "\" #" << std::hex << s.Farbe.Wert << std::dec << " " << s.Max
        << ".." << s.Min;
  }
};
using Skalen = std::vector<TSkalenaufruf>;

struct TLegendenaufruf {
  std::string Text;
  TFarbe Farbe;
  friend bool operator==(const TLegendenaufruf&, const TLegendenaufruf&) = default;
  friend void PrintTo(const TLegendenaufruf& l, std::ostream* os) {
    *os << '"' << l.Text << "\" #" << std::hex << l.Farbe.Wert << std::dec;
  }
};

// x = 10 per day from the first visible date; a price v lies at y = 5000 - v
// (so prices land far below any scale); a value on a scale max..min lies at
// y = 1000 (max - v) / (max - min), the middle 500 when max = min.
class TTestChart : public TIndikatorChart {
 public:
  TTestChart(Boersentag erstes, Boersentag letztes) : Erstes(erstes), Letztes(letztes) {}

  Boersentag Erstes = 0;
  Boersentag Letztes = 0;
  bool Strecken = true;
  std::set<Boersentag> OhneX;  // dates without an x position

  std::vector<TSkalenaufruf> Skalen;
  std::vector<std::pair<double, TFarbe>> Baender;
  std::vector<TLegendenaufruf> Legenden;
  // Whether a price was mapped to y.
  bool PreisGefragt = false;

  Boersentag ErstesDatum() const override { return Erstes; }
  Boersentag LetztesDatum() const override { return Letztes; }
  std::optional<int> DatumZuX(Boersentag d) const override {
    if (OhneX.contains(d)) return std::nullopt;
    return X(d);
  }
  int WertZuY(double wert) override {
    PreisGefragt = true;
    return Runden(5000 - wert);
  }
  int SkalaZuY(double max, double min, double wert) const override {
    skalenbereiche_.emplace(max, min);
    if (max == min) return 500;
    return Runden(1000 * (max - wert) / (max - min));
  }
  void Skalenachse(TGrafikfenster&, std::string_view einheit, TFarbe farbe, double max,
                   double min) override {
    Skalen.push_back({std::string(einheit), farbe, max, min});
  }
  void Bandlinien(TGrafikfenster&, double niveau, TFarbe farbe) override {
    Baender.emplace_back(niveau, farbe);
  }
  void Legende(TGrafikfenster&, std::string_view text, TFarbe farbe) override {
    Legenden.push_back({std::string(text), farbe});
  }
  void Untertitel(TGrafikfenster&, std::string_view) override {}
  bool GraphStrecken() const override { return Strecken; }

  int X(Boersentag d) const { return 10 * (d - Erstes); }
  // The scales values were mapped on (SkalaZuY is const, hence mutable).
  const std::set<std::pair<double, double>>& Bereiche() const { return skalenbereiche_; }

 private:
  static int Runden(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9)));
  }
  mutable std::set<std::pair<double, double>> skalenbereiche_;
};

// A line as drawn: from (x1, y1) to (x2, y2).
struct TStrecke {
  int x1, y1, x2, y2;
  friend bool operator==(const TStrecke&, const TStrecke&) = default;
  friend void PrintTo(const TStrecke& s, std::ostream* os) {
    *os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
  }
};

// A recording canvas with a surface over it, as the chart hands it over.
struct TTestFlaeche {
  TAufzeichnungsLeinwand Leinwand;
  TGrafikfenster Fenster{Leinwand, TRechteck{0, 0, 100000, 100000}};

  // The line calls drawn with a pen of the colour.
  std::vector<TAufruf> Linien(TFarbe farbe) const {
    std::vector<TAufruf> linien;
    for (const TAufruf& a : Leinwand.Alle(TAufruf::TArt::Linie))
      if (a.Stift.Farbe == farbe) linien.push_back(a);
    return linien;
  }
  std::vector<TStrecke> Strecken(TFarbe farbe) const {
    std::vector<TStrecke> strecken;
    for (const TAufruf& a : Linien(farbe))
      strecken.push_back({a.x1, a.y1, a.x2, a.y2});
    return strecken;
  }
  std::size_t AnzahlLinien() const { return Leinwand.Alle(TAufruf::TArt::Linie).size(); }
};

}  // namespace morvane::test
