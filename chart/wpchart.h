#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chartansicht.h"
#include "chart/chartebene.h"
#include "chart/grafikfeld.h"
#include "chart/kurszeichnung.h"
#include "chart/pointfigure.h"
#include "core/wertpapier.h"
#include "indicators/indikatorchart.h"

namespace morvane {

// Pixel geometry of the last paint, in field coordinates.
struct TChartGeometrie {
  int RahmenLinks = 0, RahmenOben = 0, RahmenRechts = 0, RahmenUnten = 0;
  int PlotLinks = 0, PlotOben = 0, PlotRechts = 0, PlotUnten = 0;
  int UmsatzLinks = 0, UmsatzOben = 0, UmsatzRechts = 0, UmsatzUnten = 0;
  // Pixels per day (column spacing).
  double Tagesbreite = 0;
  // Equivolume: pixels of box width per unit of volume.
  double UmsatzFaktor = 0;
};

// Scroll codes of the platform's scroll bars.
enum TScrollCode : int {
  scZeileLinks = 0,
  scZeileRechts = 1,
  scSeiteLinks = 2,
  scSeiteRechts = 3,
  scSchieberLosgelassen = 4,
  scSchieberZiehen = 5,
  scAnfang = 6,
  scEnde = 7,
  scScrollEnde = 8,
};

// The field that draws one security's price history: title, frame, time and
// value axes, the prices in one of five chart types, the volume histogram,
// transaction markers and break-even lines, and the layers added on top. What
// depends on the chart type is asked of the drawing for the view's type
// (TKurszeichnung), which the chart owns and replaces with each view.
//
// The visible range ends at `Ende`, whose unit depends on the mode: a column
// index in point-and-figure mode (a drawing that counts columns), a record
// index in index mode (TageOhneKursWeglassen), a trading day otherwise
// (calendar mode).
//
// The security and the layers are not owned; the security must stay alive
// while it is shown (until Leeren or the next SetzeWertpapier). Painting raises
// EChart "Integer-Division durch 0" for a view of 1 day (0 in equivolume) and
// "Fließkomma-Division durch 0" for a logarithmic scale of zero extent.
class TChart_WPChart : public TGrafikfeld, public TIndikatorChart {
 public:
  using TTagEreignis = std::function<void(Boersentag)>;
  enum class TModus { PointFigure, Index, Kalender };

  TChart_WPChart();

  void SetzeWertpapier(const TWertpapier* wertpapier);
  void Leeren();
  const TWertpapier* Wertpapier() const { return wertpapier_; }

  // A copy of the chart's view.
  TChartAnsicht Ansicht() const { return ansicht_; }
  void SetzeAnsicht(const TChartAnsicht& ansicht);
  void SetzeOnTag(TTagEreignis ereignis) { onTag_ = std::move(ereignis); }
  // Appends a layer (not owned) painted after everything else.
  void NeueEbene(TChart_WPChart_Ebene* ebene) { ebenen_.push_back(ebene); }
  // Sets the last visible day as applying a view does (a day without a record
  // or outside the prices shows the end of the prices) and reports it.
  void SetzeEndeDatum(Boersentag datum);

  // Moves the visible range; returns the new last visible date.
  Boersentag Scrolle(int code, int position);
  // 0 ... 1000.
  int ScrollPosition() const;

  void Zeichne(TGrafikfenster& fenster) override;
  void GroesseGeaendert() override { NeuZeichnen(true); }
  void MausKlick(TMausTaste, TUmschaltStatus, TPunkt, TPunkt) override {}

  TModus Modus() const;
  int Tage() const { return ansicht_.Tage; }
  int Ende() const { return ende_; }
  Boersentag EndeDatum() const { return endeDatum_; }
  // The point-and-figure columns; empty for the other types.
  const TPointFigureListe& PFListe() const;
  // The drawing of the view's chart type.
  const TKurszeichnung& Kurszeichnung() const { return *zeichnung_; }

  // Visible range: indices of columns or records, and their dates.
  int LetzterGueltigerIndex() const;
  int LetzterIndex() const;
  int ErsterIndex() const;
  Boersentag ErstesDatum() const override;
  Boersentag LetztesDatum() const override;

  // Services for layers and overlays, using the geometry of the last paint.
  std::optional<int> IndexZuX(int i) const;
  std::optional<int> DatumZuX(Boersentag d) const override;
  int WertZuY(double v) override;
  int UmsatzZuY(double max, double min, double v) const;
  // The value axis on the left of the price plot (umsatz false; it sets the
  // scale WertZuY maps to) or of the volume pane. Its numbers wait for
  // Wertbeschriftungen, after the data, so that no bar or candle covers them.
  void Wertachse(TGrafikfenster& f, bool umsatz, double max, double min);
  int SkalaZuY(double max, double min, double v) const override;
  // A scale on the right of the price plot for a value drawn into it.
  void Skalenachse(TGrafikfenster& f, std::string_view suffix, TFarbe farbe, double max,
                   double min) override;
  // Dotted lines at `niveau` and 100 - `niveau` of a 0..100 scale.
  void Bandlinien(TGrafikfenster& f, double niveau, TFarbe farbe) override;
  // One legend line in the top right corner, below the previous one.
  void Legende(TGrafikfenster& f, std::string_view text, TFarbe farbe) override;
  // A centred line below the title.
  void Untertitel(TGrafikfenster& f, std::string_view text) override;
  bool GraphStrecken() const override { return ansicht_.GraphStrecken; }

  const TChartGeometrie& Geometrie() const { return g_; }
  double Tagesbreite() const { return g_.Tagesbreite; }
  double SkalaMin() const { return skalaMin_; }
  double SkalaMax() const { return skalaMax_; }
  int LegendeY() const { return legendeY_; }
  int TitelUnten() const { return titelUnten_; }

  // The two lines of the printer header.
  void SetzeDruckkopf(std::string titel, std::string hinweis);

 private:
  const TKurs& Satz(int i) const { return *wertpapier_->Kurse.Kurs(i); }
  int AnzahlSaetze() const { return wertpapier_ ? wertpapier_->Kurse.Anzahl() : 0; }
  void ZeichnungAufbauen();
  void AlleTageAnwenden();
  void KursfelderPruefen();
  Boersentag Melden();
  // SetzeEndeDatum without the report.
  void EndeSetzen(Boersentag datum);
  void Klemmen();

  void GeometrieBerechnen(const TGrafikfenster& f);
  // The visible range moved: the drawing forgets what it cached for it.
  void BereichGeaendert() { zeichnung_->BereichGeaendert(); }

  // Axes, frame, title (wpchartachsen.cpp).
  void Punktlinie(TGrafikfenster& f, TPunkt p1, TPunkt p2) const;
  void Rahmen(TGrafikfenster& f) const;
  void Zeitachse(TGrafikfenster& f);
  void Tagesbeschriftung(TGrafikfenster& f, int x, Boersentag datum) const;
  void Periodenbalken(TGrafikfenster& f, bool jahre);
  std::optional<int> PeriodenX(Boersentag datum, bool anfang) const;
  void Wertbeschriftungen(TGrafikfenster& f);
  void Titel(TGrafikfenster& f);
  std::string Bereichstext() const;
  void Druckkopf(TGrafikfenster& f) const;

  // Overlays (wpchartumsatz.cpp, wpcharttransaktionen.cpp).
  void Umsatzhistogramm(TGrafikfenster& f);
  void Transaktionen(TGrafikfenster& f);
  void GVSegment(TGrafikfenster& f, int l, int r, double gv);
  void Transaktionszeichen(TGrafikfenster& f, int x, std::string_view text);

  const TWertpapier* wertpapier_ = nullptr;
  TChartAnsicht ansicht_;
  std::unique_ptr<TKurszeichnung> zeichnung_;
  std::vector<TChart_WPChart_Ebene*> ebenen_;
  TTagEreignis onTag_;
  int ende_ = 0;
  Boersentag endeDatum_ = 0;

  TChartGeometrie g_;
  double skalaMin_ = 0;
  double skalaMax_ = 0;
  struct TBeschriftung {
    int X;
    int Y;
    std::string Text;
  };
  std::vector<TBeschriftung> wertbeschriftungen_;  // of this paint's value axes
  int legendeY_ = 0;
  int titelUnten_ = 0;
  std::string druckTitel_ = "Morvane 3.5";
  std::string druckHinweis_ = "Erstellt mit Morvane. Alle Angaben ohne Gewähr.";
};

// Rounds to the nearest integer (halves away from zero) and keeps the result
// within +-1e9 so that coordinate sums cannot overflow; NaN gives 0.
int PixelRunden(double x);

}  // namespace morvane
