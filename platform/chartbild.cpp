#include "platform/chartbild.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

#include "chart/wpchart.h"
#include "grafik/grafikfenster.h"
#include "platform/qtleinwand.h"

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

[[noreturn]] void Schreibfehler(const std::string& datei, const QString& grund) {
  throw EChartBild("Konnte Datei '" + datei + "' nicht schreiben: " + grund.toStdString());
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

void Festschreiben(QSaveFile& datei, const std::string& name) {
  if (!datei.commit()) Schreibfehler(name, datei.errorString());
}

void Oeffnen(QSaveFile& datei, const std::string& name) {
  if (!datei.open(QIODevice::WriteOnly)) Schreibfehler(name, datei.errorString());
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
  QSaveFile datei(QString::fromStdString(o.Datei));
  switch (format) {
    case TFormat::Png: {
      QImage bild(breite, hoehe, QImage::Format_RGB32);
      if (bild.isNull()) Schreibfehler(o.Datei, QStringLiteral("zu wenig Speicher"));
      bild.fill(::Qt::white);
      {
        QPainter painter(&bild);
        Malen(painter, breite, hoehe, 1, 1, feld);
      }
      Oeffnen(datei, o.Datei);
      if (!bild.save(&datei, "PNG")) Schreibfehler(o.Datei, datei.errorString());
      break;
    }
    case TFormat::Svg: {
      Oeffnen(datei, o.Datei);
      QSvgGenerator svg;
      svg.setOutputDevice(&datei);
      svg.setSize(QSize(breite, hoehe));
      svg.setViewBox(QRect(0, 0, breite, hoehe));
      svg.setTitle(QString::fromStdString(titel));
      QPainter painter;
      if (!painter.begin(&svg)) Schreibfehler(o.Datei, datei.errorString());
      painter.fillRect(QRect(0, 0, breite, hoehe), ::Qt::white);
      Malen(painter, breite, hoehe, 1, 1, feld);
      painter.end();
      break;
    }
    case TFormat::Pdf: {
      Oeffnen(datei, o.Datei);
      QPdfWriter pdf(&datei);
      pdf.setResolution(o.PdfAufloesung);
      pdf.setTitle(QString::fromStdString(titel));
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      if (o.Breite || o.Hoehe)
        pdf.setPageSize(
            QPageSize(QSizeF(breite * 25.4 / 96, hoehe * 25.4 / 96), QPageSize::Millimeter));
      else
        pdf.setPageSize(QPageSize(QPageSize::A4));
      pdf.setPageOrientation(o.Breite || o.Hoehe ? QPageLayout::Portrait : QPageLayout::Landscape);
      QPainter painter;
      if (!painter.begin(&pdf)) Schreibfehler(o.Datei, datei.errorString());
      const QRect seite = painter.viewport();
      const int faktor = std::max(1, o.PdfAufloesung / 60);
      Malen(painter, seite.width(), seite.height(), faktor, faktor, feld);
      painter.end();
      break;
    }
  }
  Festschreiben(datei, o.Datei);
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
  daten_->anwendung = std::make_unique<QGuiApplication>(daten_->argc, daten_->argv);
}

TQtUmgebung::~TQtUmgebung() = default;

}  // namespace morvane
