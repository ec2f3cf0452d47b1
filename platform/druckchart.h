#pragma once

#include <string>

#include "chart/chartdruck.h"
#include "chart/grafikfeld.h"
#include "core/exception.h"

class QPrinter;

namespace morvane {

MORVANE_EXCEPTION(EDruckChart, Exception);

// Prints a chart field on a page of its own.
class TDruckChart {
 public:
  // Starts a job named `titel` on `drucker` (a printer or a PDF file, already
  // chosen with its orientation), paints `feld` into the band `wahl` of the
  // page with the printer's factors (dpi / 60) and ends the job, which ejects
  // the page. The field gets its screen layout back afterwards, also when
  // painting fails; a failed painting aborts the job and reaches the caller.
  // Throws EDruckChart when the job cannot be started.
  static void Drucke(QPrinter& drucker, TGrafikfeld& feld, const TDruckWahl& wahl,
                     const std::string& titel);
};

}  // namespace morvane
