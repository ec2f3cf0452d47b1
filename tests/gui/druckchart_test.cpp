#include "platform/druckchart.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <cstdlib>
#include <functional>
#include <string>

#include "chart/chartfeld.h"
#include "platform/chartbild.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

constexpr int kDpi = 600;
// pdftoppm renders the page at this resolution: one raster pixel is 20 device
// pixels of the print.
constexpr int kRasterDpi = 30;

class DruckChart : public testing::Test {
 protected:
  DruckChart() : store_(dir_.Pfad()) {
    ansicht_.Indikatoren = true;
    ansicht_.Infobereich = true;
    ansicht_.Tage = 100;
    id_ = store_.NeueID("Aktien", "Microsoft");
    store_.WertpapierSpeichern(id_, test::BeispielPapier("MSFT_2003_matplotlib.csv", "Microsoft"));
  }

  // The PDF's only page as pdftoppm rasters it.
  QImage Raster(const std::string& pdf) {
    const std::string ziel = dir_.Pfad() + "seite";
    const std::string befehl = "pdftoppm -r " + std::to_string(kRasterDpi) + " -singlefile -png '" +
                               pdf + "' '" + ziel + "'";
    EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
    return QImage(QString::fromStdString(ziel + ".png"));
  }

  test::TTempVerzeichnis dir_;
  TWPVerwaltung store_;
  TChartAnsicht ansicht_;
  TIndVorlagen vorlagen_;
  std::string id_;
};

bool ZeileWeiss(const QImage& bild, int y) {
  for (int x = 0; x < bild.width(); ++x)
    if (bild.pixelColor(x, y) != QColor(Qt::white)) return false;
  return true;
}

struct TBandFall {
  TDruckWahl wahl;
  const char* weg;
};

// Printed to a PDF file through the printer and through the command line's
// export, a band of the page holds the chart and everything outside it stays
// white.
TEST_F(DruckChart, PdfZeigtDenChartNurInSeinemBand) {
  const TBandFall faelle[] = {
      {{true, 2, 3}, "Drucker"}, {{true, 3, 2}, "Drucker"}, {{false, 2, 1}, "Drucker"},
      {{true, 1, 2}, "Drucker"}, {{true, 3, 3}, "Export"},  {{false, 2, 3}, "Export"},
  };
  for (const TBandFall& f : faelle) {
    SCOPED_TRACE(std::string(f.weg) + " " + std::to_string(f.wahl.ChartsProSeite) + "/" +
                 std::to_string(f.wahl.Position) + (f.wahl.Hochformat ? " hoch" : " quer"));
    TChartFeld feld(store_, ansicht_, vorlagen_);
    feld.ZeigeWertpapier(id_);
    feld.SetzeGrenzen({0, 0, 799, 599});
    const std::string pdf = dir_.Pfad() + "druck.pdf";
    int breite = 0, hoehe = 0;
    if (std::string(f.weg) == "Drucker") {
      QPrinter drucker(QPrinter::HighResolution);
      drucker.setOutputFormat(QPrinter::PdfFormat);
      drucker.setOutputFileName(QString::fromStdString(pdf));
      drucker.setResolution(kDpi);
      drucker.setPageSize(QPageSize(QPageSize::A4));
      drucker.setPageMargins(QMarginsF(0, 0, 0, 0));
      drucker.setPageOrientation(f.wahl.Hochformat ? QPageLayout::Portrait
                                                   : QPageLayout::Landscape);
      TDruckChart::Drucke(drucker, feld, f.wahl, "Morvane");
      breite = drucker.width();
      hoehe = drucker.height();
      // The screen layout is back.
      EXPECT_EQ(feld.Grenzen(), (TRechteck{0, 0, 799, 599}));
    } else {
      TChartBildOptionen o;
      o.Datei = pdf;
      o.Druck = f.wahl;
      FeldAlsBildSpeichern(feld, "Microsoft", o);
      breite = feld.Grenzen().Rechts + 1;
      hoehe = feld.Grenzen().Unten + 1;
    }
    const QImage bild = Raster(pdf);
    ASSERT_FALSE(bild.isNull());
    const int teiler = kDpi / kRasterDpi;
    EXPECT_NEAR(bild.height(), hoehe / teiler, 1);
    const TRechteck band = DruckBand(breite, hoehe, kDpi / 60, f.wahl);
    // One raster pixel of slack for the rounding of the band's edges.
    const int oben = band.Oben / teiler - 1, unten = band.Unten / teiler + 1;
    int leer = 0;
    for (int y = 0; y < bild.height(); ++y) {
      if (y < oben || y > unten) {
        EXPECT_TRUE(ZeileWeiss(bild, y)) << "Zeile " << y << " außerhalb des Bandes";
      } else if (ZeileWeiss(bild, y)) {
        ++leer;
      }
    }
    // The chart fills its band: its frame lines and axes leave few white rows.
    EXPECT_LT(leer, (unten - oben) / 2);
  }
}

TEST_F(DruckChart, EinDruckerDerNichtBeginntWirdGemeldet) {
  TChartFeld feld(store_, ansicht_, vorlagen_);
  QPrinter drucker;
  drucker.setOutputFormat(QPrinter::PdfFormat);
  drucker.setOutputFileName(QString::fromStdString(dir_.Pfad() + "fehlt/druck.pdf"));
  EXPECT_THROW_MSG(
      TDruckChart::Drucke(drucker, feld, {}, "Morvane"), EDruckChart,
      "Der Druck auf \"" + dir_.Pfad() + "fehlt/druck.pdf\" ließ sich nicht beginnen.");
}

}  // namespace
}  // namespace morvane
