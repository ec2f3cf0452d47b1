#include "platform/chartbild.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "chart/wpchart.h"
#include "core/datei.h"
#include "grafik/grafikfenster.h"
#include "platform/qtleinwand.h"
#include "platform/qtstart.h"

namespace morvane {
namespace {

enum class TFormat { Png, Svg, Pdf };

TFormat FormatVon(const std::string& datei) {
  const auto punkt = datei.find_last_of('.');
  std::string endung = punkt == std::string::npos ? "" : datei.substr(punkt + 1);
  std::transform(endung.begin(), endung.end(), endung.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (endung == "png") return TFormat::Png;
  if (endung == "svg") return TFormat::Svg;
  if (endung == "pdf") return TFormat::Pdf;
  throw EChartBild("Unbekanntes Ausgabeformat der Datei '" + datei +
                   "': erlaubt sind .png, .svg und .pdf.");
}

int Groesse(const std::optional<int>& wert, int standard) {
  const int g = wert.value_or(standard);
  if (g < 1 || g > kChartBildMaximum)
    throw EChartBild("Die Bildgröße muss zwischen 1 und " + std::to_string(kChartBildMaximum) +
                     " Pixeln liegen.");
  return g;
}

[[noreturn]] void Schreibfehler(const std::string& datei, const std::string& grund) {
  throw EChartBild("Konnte Datei '" + datei + "' nicht schreiben: " + grund);
}

// Paints the field over the whole device at the given factors.
void Malen(QPainter& painter, int breite, int hoehe, int faktorX, int faktorY, TGrafikfeld& feld) {
  const TRechteck seite{0, 0, breite - 1, hoehe - 1};
  feld.SetzeGrenzen(seite);
  TQtLeinwand leinwand(painter);
  TGrafikfenster fenster(leinwand, seite, static_cast<std::uint16_t>(faktorX),
                         static_cast<std::uint16_t>(faktorY));
  feld.ZeichneIn(fenster);
}

void PngMalen(QIODevice& ziel, int breite, int hoehe, TGrafikfeld& feld, const std::string& datei) {
  QImage bild(breite, hoehe, QImage::Format_RGB32);
  if (bild.isNull()) Schreibfehler(datei, "zu wenig Arbeitsspeicher für das Bild");
  bild.fill(::Qt::white);
  {
    QPainter painter(&bild);
    Malen(painter, breite, hoehe, 1, 1, feld);
  }
  if (!bild.save(&ziel, "PNG")) Schreibfehler(datei, "das Bild ließ sich nicht kodieren");
}

void SvgMalen(QIODevice& ziel, int breite, int hoehe, TGrafikfeld& feld, const std::string& titel,
              const std::string& datei) {
  QSvgGenerator svg;
  svg.setOutputDevice(&ziel);
  svg.setSize(QSize(breite, hoehe));
  svg.setViewBox(QRect(0, 0, breite, hoehe));
  svg.setTitle(QString::fromStdString(titel));
  QPainter painter;
  if (!painter.begin(&svg)) Schreibfehler(datei, "die Grafik ließ sich nicht anlegen");
  painter.fillRect(QRect(0, 0, breite, hoehe), ::Qt::white);
  Malen(painter, breite, hoehe, 1, 1, feld);
  painter.end();
}

void PdfMalen(QIODevice& ziel, int breite, int hoehe, TGrafikfeld& feld, const std::string& titel,
              const TChartBildOptionen& o) {
  QPdfWriter pdf(&ziel);
  pdf.setResolution(o.PdfAufloesung);
  pdf.setTitle(QString::fromStdString(titel));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  const bool eigeneGroesse = o.Breite || o.Hoehe;
  if (eigeneGroesse)
    pdf.setPageSize(
        QPageSize(QSizeF(breite * 25.4 / 96, hoehe * 25.4 / 96), QPageSize::Millimeter));
  else
    pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(eigeneGroesse || o.Druck.Hochformat ? QPageLayout::Portrait
                                                             : QPageLayout::Landscape);
  QPainter painter;
  if (!painter.begin(&pdf)) Schreibfehler(o.Datei, "die Seite ließ sich nicht anlegen");
  const QRect seite = painter.viewport();
  const int faktor = std::max(1, o.PdfAufloesung / 60);
  const TRechteck ganz{0, 0, seite.width() - 1, seite.height() - 1};
  feld.SetzeGrenzen(ganz);
  TQtLeinwand leinwand(painter);
  FeldInBandDrucken(feld, leinwand, ganz, faktor, faktor, o.Druck);
  painter.end();
}

}  // namespace

void ChartAlsBildSpeichern(const TWertpapier& wp, const TChartAnsicht& ansicht,
                           const TChartBildOptionen& o) {
  TChart_WPChart chart;
  chart.SetzeAnsicht(ansicht);
  chart.SetzeWertpapier(&wp);
  if (o.Bis) chart.SetzeEndeDatum(*o.Bis);
  FeldAlsBildSpeichern(chart, wp.Bezeichnung, o);
}

void FeldAlsBildSpeichern(TGrafikfeld& feld, const std::string& titel,
                          const TChartBildOptionen& o) {
  const TFormat format = FormatVon(o.Datei);
  const int breite = Groesse(o.Breite, kChartBildBreite);
  const int hoehe = Groesse(o.Hoehe, kChartBildHoehe);
  // Rendered into memory first: the file is then written in one checked,
  // atomic step, and no encoder ever meets a failing disk.
  QByteArray daten;
  QBuffer puffer(&daten);
  puffer.open(QIODevice::WriteOnly);
  switch (format) {
    case TFormat::Png:
      PngMalen(puffer, breite, hoehe, feld, o.Datei);
      break;
    case TFormat::Svg:
      SvgMalen(puffer, breite, hoehe, feld, titel, o.Datei);
      break;
    case TFormat::Pdf:
      PdfMalen(puffer, breite, hoehe, feld, titel, o);
      break;
  }
  puffer.close();
  try {
    DateiAtomarSchreiben(o.Datei, std::string_view(daten.constData(), daten.size()));
  } catch (const EDatei& e) {
    Schreibfehler(o.Datei, e.Meldung());
  }
}

struct TQtUmgebung::TDaten {
  int argc = 1;
  char name[8] = "morvane";
  char* argv[2] = {name, nullptr};
  std::unique_ptr<QGuiApplication> anwendung;
};

TQtUmgebung::TQtUmgebung() : daten_(std::make_unique<TDaten>()) {
  if (QGuiApplication::instance()) return;
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const TQtStartmeldungen leise;
  daten_->anwendung = std::make_unique<QGuiApplication>(daten_->argc, daten_->argv);
}

TQtUmgebung::~TQtUmgebung() = default;

}  // namespace morvane
