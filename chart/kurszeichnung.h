#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chartansicht.h"
#include "chart/charttyp.h"
#include "core/datum.h"
#include "grafik/grafikfenster.h"

namespace morvane {

class TChart_WPChart;
class TPointFigureListe;
class TWertpapier;
struct TChartGeometrie;

// How one chart type draws the prices: where records (or columns) and days lie
// on the x axis, whether a volume pane sits below the prices, and the drawing
// itself. The security chart holds one for the type of its view and asks it
// whenever something depends on the type.
//
// The chart is passed into every call and must be the one holding this object;
// a drawing keeps no pointer to it. What a drawing derives from the security
// (the point-and-figure columns) is rebuilt by Aufbauen; what it caches per
// paint (the equivolume box positions) is dropped by BereichGeaendert.
//
// The default x mapping spaces trading days (calendar mode) or records (index
// mode) evenly, the last visible one at the right edge of the plot.
class TKurszeichnung {
 public:
  virtual ~TKurszeichnung() = default;

  virtual TCharttyp Typ() const = 0;
  // The type's part of the title, such as "Linienchart mit Schlusskurs".
  virtual std::string Titel(const TChartAnsicht& ansicht) const = 0;
  // Whether the volume histogram gets a pane below the prices.
  virtual bool HatUmsatzbereich() const { return false; }
  // Whether transaction markers and break-even lines are drawn over the prices.
  virtual bool ZeigtTransaktionen() const { return true; }
  // The columns the visible range counts instead of records or days; nullptr
  // for a type drawn by date.
  virtual const TPointFigureListe* Saeulen() const { return nullptr; }

  // Rebuilds what the drawing derives from the security (nullptr: none shown).
  virtual void Aufbauen(const TWertpapier* /*wertpapier*/, const TChartAnsicht& /*ansicht*/) {}
  // The visible range or the geometry changed.
  virtual void BereichGeaendert() {}
  // Sets the column spacing of the plot in `g` for the chart's number of days.
  // Raises EChart "Integer-Division durch 0" for 1 day.
  virtual void Spaltenbreite(const TChart_WPChart& chart, TChartGeometrie& g) const;

  // x of record (or column) i, which lies within the prices, and of a day.
  virtual std::optional<int> IndexZuX(const TChart_WPChart& chart, int i) const;
  virtual std::optional<int> DatumZuX(const TChart_WPChart& chart, Boersentag d) const;

  // Draws the value axis and the prices of the visible range.
  virtual void Zeichne(TChart_WPChart& chart, TGrafikfenster& f) const = 0;

 protected:
  // Index mode: a day without a record lies half way between its neighbours,
  // a day before the first record half a column left of it.
  static std::optional<int> ZwischenSaetzen(const TChart_WPChart& chart, Boersentag d);
  // "`typ` mit " and the name of price field `code` (nothing for an unknown code).
  static std::string MitKursfeld(std::string_view typ, int code);
  // x of record i (index mode) and of day d (calendar mode) before rounding.
  virtual double IndexX(const TChart_WPChart& chart, int i) const;
  virtual double TagX(const TChart_WPChart& chart, Boersentag d) const;
};

// The drawing for `typ`; one that draws no prices for a type byte that names
// none of the five.
std::unique_ptr<TKurszeichnung> NeueKurszeichnung(TCharttyp typ);

// The drawings of the five types, one file each.
std::unique_ptr<TKurszeichnung> NeueLinienzeichnung();
std::unique_ptr<TKurszeichnung> NeueBalkenzeichnung();
std::unique_ptr<TKurszeichnung> NeueKerzenzeichnung();
std::unique_ptr<TKurszeichnung> NeuePointFigureZeichnung();
std::unique_ptr<TKurszeichnung> NeueEquivolumeZeichnung();

}  // namespace morvane
