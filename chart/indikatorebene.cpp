#include "chart/indikatorebene.h"

#include "chart/wpchart.h"

namespace morvane {

namespace {

// Calls f(indicator) for every displayed entry, groups 1..3 in list order.
template <class F>
void FuerAngezeigte(const TIndAnalyse& analyse, F&& f) {
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (int index = 0; index < analyse.Anzahl(gruppe); ++index) {
      TIndikator& indikator = analyse.Indikator(gruppe, index);
      if (indikator.Anzeige != 0) f(indikator);
    }
  }
}

}  // namespace

std::optional<std::string> IndikatorUntertitel(const TIndAnalyse& analyse) {
  const int anzahl = analyse.AnzahlAngezeigt();
  if (anzahl <= 0) return std::nullopt;
  std::string text = anzahl == 1 ? "Indikator: " : "Indikatoren: ";
  bool erster = true;
  FuerAngezeigte(analyse, [&](const TIndikator& indikator) {
    if (!erster) text += ", ";
    erster = false;
    text += anzahl == 1 ? indikator.Titel() : indikator.Kurzbezeichnung();
  });
  return text;
}

TChart_WPChart_IndikatorenEbene::TChart_WPChart_IndikatorenEbene(TChart_WPChart& chart,
                                                                 TIndAnalyse& analyse)
    : TChart_WPChart_Ebene(chart), analyse_(analyse) {}

void TChart_WPChart_IndikatorenEbene::Geaendert() {
  Chart().NeuZeichnen(true);
}

void TChart_WPChart_IndikatorenEbene::Zeichne(TGrafikfenster& f) {
  const std::optional<std::string> untertitel = IndikatorUntertitel(analyse_);
  if (!untertitel) return;
  TChart_WPChart& chart = Chart();
  chart.Untertitel(f, *untertitel);
  FuerAngezeigte(analyse_, [&](TIndikator& indikator) { indikator.Zeichnen(f, chart); });
}

}  // namespace morvane
