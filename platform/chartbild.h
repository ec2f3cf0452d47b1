#pragma once

#include <memory>
#include <optional>
#include <string>

#include "chart/chartansicht.h"
#include "chart/chartdruck.h"
#include "chart/grafikfeld.h"
#include "core/datum.h"
#include "core/exception.h"
#include "core/wertpapier.h"

namespace morvane {

MORVANE_EXCEPTION(EChartBild, Exception);

struct TChartBildOptionen {
  // The target file; its extension (.png, .svg or .pdf, any case) picks the
  // format.
  std::string Datei;
  // Picture size in screen pixels. A PDF page without a given size is A4
  // landscape; with one it has that size at 96 pixels per inch.
  std::optional<int> Breite;
  std::optional<int> Hoehe;
  // Last visible day, set as the chart sets the end of its range by date.
  std::optional<Boersentag> Bis;
  // Resolution of the PDF page (printer factors are dpi / 60).
  int PdfAufloesung = 600;
  // A PDF page is printed as on paper: the A4 page in portrait or landscape,
  // the picture in its band of it. PNG and SVG ignore this.
  TDruckWahl Druck = {};
};

inline constexpr int kChartBildBreite = 1000;
inline constexpr int kChartBildHoehe = 700;
inline constexpr int kChartBildMaximum = 20000;

// Renders the security's chart with the given view into a PNG or SVG (screen
// factors 1) or a one-page PDF (printer factors of its resolution, with the
// printer header, in the band of Druck; a page of a given size keeps that
// size whatever Druck.Hochformat says). The picture is made in memory, then
// written atomically (core's DateiAtomarSchreiben: a link is followed, a
// target that is no regular file is refused): on any failure the old file
// stays as it was.
// Throws EChartBild for an unknown extension, a size outside 1 ... 20000 or a
// file that cannot be written (German reason, naming the file), and EChart
// for the chart's own arithmetic errors. Needs a QGuiApplication (see
// TQtUmgebung).
void ChartAlsBildSpeichern(const TWertpapier& wertpapier, const TChartAnsicht& ansicht,
                           const TChartBildOptionen& optionen);

// The same for any field (a whole chart field with indicator bar and info
// area, say): its bounds become the picture or page; `titel` names the SVG or
// PDF document. The field keeps those bounds afterwards. Options.Bis is left to
// the caller.
void FeldAlsBildSpeichern(TGrafikfeld& feld, const std::string& titel,
                          const TChartBildOptionen& optionen);

// A QGuiApplication for programs without a window (command line, tests):
// created only when none exists, on the "offscreen" platform unless
// QT_QPA_PLATFORM names another.
class TQtUmgebung {
 public:
  TQtUmgebung();
  ~TQtUmgebung();
  TQtUmgebung(const TQtUmgebung&) = delete;
  TQtUmgebung& operator=(const TQtUmgebung&) = delete;

 private:
  struct TDaten;
  std::unique_ptr<TDaten> daten_;
};

}  // namespace morvane
