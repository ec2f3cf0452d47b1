#pragma once

#include <memory>
#include <string>

#include "chart/chartansicht.h"
#include "chart/grafikfeld.h"
#include "chart/indikatorbalken.h"
#include "chart/indikatorebene.h"
#include "chart/infobereich.h"
#include "chart/wpchart.h"
#include "core/wertpapier.h"
#include "indicators/indvorlagen.h"
#include "store/wpverwaltung.h"

namespace morvane {

// The field the main window hosts: the price chart with the indicator layer,
// the indicator bar below it and the info area to its right. It is the one
// object through which the main window shows a security, applies a chart view
// and scrolls.
//
// The store, the settings' current view and the indicator templates are not
// owned and must outlive the field. The field keeps the settings' view equal to
// the chart's own copy. The security shown is a fresh copy loaded from the
// store and owned by the field; the children only point to it.
class TChartFeld : public TGrafikfeld {
 public:
  // Applies `einstellungsAnsicht` to the chart and the visibility of the bar
  // and the info area.
  TChartFeld(const TWPVerwaltung& verwaltung, TChartAnsicht& einstellungsAnsicht,
             const TIndVorlagen& vorlagen);
  ~TChartFeld() override;

  // Loads the security with this ID and shows it. When loading fails the field
  // stays empty and the store's EWPVerwaltung reaches the caller.
  void ZeigeWertpapier(const std::string& id);
  // Shows no security.
  void Leeren();
  // Loads the shown security anew when its ID is exactly `id` (after its
  // prices or master data changed); any other ID does nothing.
  void Aktualisiere(const std::string& id);
  // Computes the indicators anew from the (possibly edited) templates.
  void IndikatorenNeuBerechnen();

  // The chart's view with the visibility of the bar and the info area.
  TChartAnsicht Ansicht() const;
  // Applies the view to the chart and the children's visibility, lays the
  // field out and stores the view in the settings.
  void SetzeAnsicht(const TChartAnsicht& ansicht);
  // Moves the chart's visible range; returns its new last day.
  Boersentag Scrolle(int code, int position);
  // 0 ... 1000.
  int ScrollPosition() const { return chart_.ScrollPosition(); }

  void GroesseGeaendert() override;
  // Chart, bar and info area in this order, each only when visible.
  void Zeichne(TGrafikfenster& fenster) override;
  // The first visible child containing the point takes the click.
  void MausKlick(TMausTaste taste, TUmschaltStatus status, TPunkt bildschirm, TPunkt feld) override;

  const TWertpapier* Wertpapier() const { return wertpapier_.get(); }
  TChart_WPChart& Chart() { return chart_; }
  const TChart_WPChart& Chart() const { return chart_; }
  // The main window wires the bar's popup menu and parameter dialog.
  TChart_Indikatoren& IndikatorBalken() { return balken_; }
  const TChart_Indikatoren& IndikatorBalken() const { return balken_; }
  const TChart_Infobereich& Info() const { return info_; }

 private:
  // The chart reports a new last visible day.
  void TagGeaendert(Boersentag tag);
  // The security (or none) to every child.
  void Weitergeben(const TWertpapier* wertpapier);

  const TWPVerwaltung& verwaltung_;
  TChartAnsicht& einstellungsAnsicht_;
  // Destroyed in reverse order: layer, chart, bar, info, then the security,
  // so that nothing outlives what it points to.
  std::unique_ptr<TWertpapier> wertpapier_;
  TChart_Infobereich info_;
  TChart_Indikatoren balken_;
  TChart_WPChart chart_;
  TChart_WPChart_IndikatorenEbene ebene_;
};

}  // namespace morvane
