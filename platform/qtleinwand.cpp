#include "platform/qtleinwand.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

namespace morvane {
namespace {

QColor Farbe(TFarbe f) {
  return QColor(static_cast<int>(f.Rot()), static_cast<int>(f.Gruen()), static_cast<int>(f.Blau()));
}

QString QText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Cell height (ascent + descent) of the font at a pixel size.
int Zellhoehe(QFont font, int pixel, const QPaintDevice* geraet) {
  font.setPixelSize(pixel);
  return geraet ? QFontMetrics(font, geraet).height() : QFontMetrics(font).height();
}

// The search behind PixelGroesseFuerZelle: an estimate from the cell at the
// em size, then single steps to the exact size. A font that reports no cell
// at all stops at twice the height.
int PixelGroesseSuchen(const QFont& font, int zellhoehe, const QPaintDevice* geraet) {
  const int beiEm = Zellhoehe(font, zellhoehe, geraet);
  int pixel = std::max(1, beiEm > 0 ? zellhoehe * zellhoehe / beiEm : zellhoehe);
  while (pixel > 1 && Zellhoehe(font, pixel, geraet) > zellhoehe)
    --pixel;
  while (pixel < 2 * zellhoehe && Zellhoehe(font, pixel + 1, geraet) <= zellhoehe)
    ++pixel;
  return pixel;
}

}  // namespace

int PixelGroesseFuerZelle(const QFont& font, int zellhoehe, const QPaintDevice* geraet) {
  if (zellhoehe <= 1) return 1;
  using TSchluessel = std::tuple<QString, bool, int, int>;
  static std::mutex sperre;
  static std::map<TSchluessel, int> cache;
  const TSchluessel schluessel{font.family(), font.bold(), zellhoehe,
                               geraet ? geraet->logicalDpiY() : 0};
  {
    const std::lock_guard lock(sperre);
    if (auto it = cache.find(schluessel); it != cache.end()) return it->second;
  }
  // Measured outside the lock: two threads may both measure, with one result.
  const int pixel = PixelGroesseSuchen(font, zellhoehe, geraet);
  const std::lock_guard lock(sperre);
  cache.emplace(schluessel, pixel);
  return pixel;
}

void SchriftersatzEinrichten() {
  static bool eingerichtet = false;
  if (eingerichtet) return;
  eingerichtet = true;
  if (!QFontDatabase::hasFamily(QStringLiteral("Arial")))
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

TQtLeinwand::TQtLeinwand(QPainter& painter) : painter_(painter) {
  SchriftersatzEinrichten();
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void TQtLeinwand::StiftAnwenden() {
  if (stift_ == Stift()) return;
  stift_ = Stift();
  if (Stift().Stil == TStiftStil::Leer) {
    painter_.setPen(::Qt::NoPen);
    return;
  }
  QPen pen(Farbe(Stift().Farbe));
  pen.setWidth(std::max(1, Stift().Breite));
  pen.setStyle(Stift().Stil == TStiftStil::Punkt ? ::Qt::DotLine : ::Qt::SolidLine);
  pen.setCapStyle(Stift().Breite > 1 ? ::Qt::RoundCap : ::Qt::FlatCap);
  pen.setJoinStyle(::Qt::RoundJoin);
  painter_.setPen(pen);
}

void TQtLeinwand::PinselAnwenden() {
  if (pinsel_ == Pinsel()) return;
  pinsel_ = Pinsel();
  if (Pinsel().Stil == TPinselStil::Leer)
    painter_.setBrush(::Qt::NoBrush);
  else
    painter_.setBrush(Farbe(Pinsel().Farbe));
}

const QFont& TQtLeinwand::Font() {
  if (schrift_ != Schrift()) {
    schrift_ = Schrift();
    font_ = QFont(QText(Schrift().Name));
    font_.setBold(Schrift().Fett);
    font_.setStyleStrategy(QFont::PreferMatch);
    font_.setPixelSize(PixelGroesseFuerZelle(font_, Schrift().Hoehe, painter_.device()));
  }
  return font_;
}

bool TQtLeinwand::Sichtbar(const QRect& r) const {
  const auto& clip = Clip();
  if (!clip) return true;
  return r.left() < clip->Rechts && r.left() + r.width() > clip->Links && r.top() < clip->Unten &&
         r.top() + r.height() > clip->Oben;
}

void TQtLeinwand::SetzeClip(const std::optional<TRechteck>& clip) {
  TLeinwand::SetzeClip(clip);
  if (clip)
    painter_.setClipRect(
        QRect(clip->Links, clip->Oben, clip->Rechts - clip->Links, clip->Unten - clip->Oben));
  else
    painter_.setClipping(false);
}

void TQtLeinwand::Linie(int x1, int y1, int x2, int y2) {
  if (Stift().Stil == TStiftStil::Leer || (x1 == x2 && y1 == y2)) return;
  const int breite = std::max(1, Stift().Breite);
  if (!Sichtbar(QRect(std::min(x1, x2) - breite, std::min(y1, y2) - breite,
                      std::abs(x2 - x1) + 2 * breite + 1, std::abs(y2 - y1) + 2 * breite + 1)))
    return;
  StiftAnwenden();
  // With a flat cap the painter leaves out the end pixel, as the device's
  // line primitive does.
  painter_.drawLine(x1, y1, x2, y2);
}

void TQtLeinwand::Rechteck(int links, int oben, int rechts, int unten) {
  if (rechts < links) std::swap(links, rechts);
  if (unten < oben) std::swap(oben, unten);
  const QRect aussen(links, oben, rechts - links, unten - oben);
  if (aussen.isEmpty() || !Sichtbar(aussen)) return;
  const bool mitStift = Stift().Stil != TStiftStil::Leer;
  if (Pinsel().Stil == TPinselStil::Voll) {
    // Without a pen the device fills one pixel short on the right and bottom.
    const QRect innen = mitStift ? aussen : aussen.adjusted(0, 0, -1, -1);
    painter_.fillRect(innen, Farbe(Pinsel().Farbe));
  }
  if (!mitStift) return;
  const int b = std::min({std::max(1, Stift().Breite), aussen.width(), aussen.height()});
  const QColor farbe = Farbe(Stift().Farbe);
  const int w = aussen.width(), h = aussen.height();
  painter_.fillRect(QRect(links, oben, w, b), farbe);
  painter_.fillRect(QRect(links, unten - b, w, b), farbe);
  painter_.fillRect(QRect(links, oben, b, h), farbe);
  painter_.fillRect(QRect(rechts - b, oben, b, h), farbe);
}

void TQtLeinwand::Ellipse(int links, int oben, int rechts, int unten) {
  const QRect r(links, oben, rechts - links - 1, unten - oben - 1);
  if (!Sichtbar(r.adjusted(0, 0, 1, 1))) return;
  StiftAnwenden();
  PinselAnwenden();
  painter_.drawEllipse(r);
}

void TQtLeinwand::Vieleck(std::span<const TPunkt> punkte) {
  if (punkte.empty()) return;
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(punkte.size()));
  for (const TPunkt& p : punkte)
    polygon << QPoint(p.x, p.y);
  if (!Sichtbar(polygon.boundingRect().adjusted(0, 0, 1, 1))) return;
  StiftAnwenden();
  PinselAnwenden();
  painter_.drawPolygon(polygon);
}

void TQtLeinwand::Text(int x, int y, std::string_view text) {
  if (text.empty()) return;
  const QString t = QText(text);
  const QFontMetrics fm(Font(), painter_.device());
  // The cell is as high as the font asks for; the chosen size fits into it.
  const int breite = fm.horizontalAdvance(t), hoehe = std::max(1, Schrift().Hoehe);
  const int winkel = Schrift().Winkel;
  // Bounding box of the (possibly upright) text for the clip test.
  const QRect box =
      winkel == 900 ? QRect(x, y - breite, hoehe, breite) : QRect(x, y, breite, hoehe);
  if (!Sichtbar(box)) return;
  painter_.save();
  painter_.setFont(Font());
  painter_.translate(x, y);
  if (winkel != 0) painter_.rotate(-winkel / 10.0);
  if (Pinsel().Stil == TPinselStil::Voll)
    painter_.fillRect(QRect(0, 0, breite, hoehe), Farbe(Pinsel().Farbe));
  painter_.setPen(Farbe(Schrift().Farbe));
  painter_.drawText(0, fm.ascent(), t);
  painter_.restore();
  stift_.reset();
  pinsel_.reset();
}

int TQtLeinwand::TextBreite(std::string_view text) {
  return QFontMetrics(Font(), painter_.device()).horizontalAdvance(QText(text));
}

void TQtLeinwand::BildKopieren(const TBild& bild, const TRechteck& quelle, const TRechteck& ziel) {
  const QRect z(ziel.Links, ziel.Oben, ziel.Rechts - ziel.Links, ziel.Unten - ziel.Oben);
  if (bild.Pixel.empty() || z.isEmpty() || !Sichtbar(z)) return;
  QImage bildQ(bild.Breite, bild.Hoehe, QImage::Format_RGB32);
  for (int y = 0; y < bild.Hoehe; ++y) {
    auto* zeile = reinterpret_cast<QRgb*>(bildQ.scanLine(y));
    for (int x = 0; x < bild.Breite; ++x)
      zeile[x] = 0xFF000000u | bild.At(x, y).Wert;
  }
  painter_.drawImage(
      z, bildQ,
      QRect(quelle.Links, quelle.Oben, quelle.Rechts - quelle.Links, quelle.Unten - quelle.Oben));
}

}  // namespace morvane
