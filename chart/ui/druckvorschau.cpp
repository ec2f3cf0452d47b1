#include "chart/ui/druckvorschau.h"

#include <QPainter>
#include <QPolygon>

namespace morvane {
namespace {

// The sheet's long and short side in pixels, roughly A4.
constexpr int kLang = 99;
constexpr int kKurz = 70;
constexpr int kRand = 3;

QRect QtRechteck(const TRechteck& r) {
  return QRect(QPoint(r.Links, r.Oben), QPoint(r.Rechts, r.Unten));
}

// A rising price line with a frame, filling `r`.
void KleinerChart(QPainter& p, const QRect& r) {
  p.fillRect(r, QColor(232, 240, 255));
  p.setPen(QColor(128, 128, 128));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  const QRect innen = r.adjusted(4, 4, -5, -5);
  // Closes of a made-up price series, per mille of the inner height.
  constexpr int kVerlauf[] = {300, 450, 380, 600, 520, 700, 650, 820, 760, 900};
  constexpr int n = static_cast<int>(std::size(kVerlauf));
  QPolygon linie;
  for (int i = 0; i < n; ++i) {
    const int x = innen.left() + innen.width() * i / (n - 1);
    const int y = innen.bottom() - innen.height() * kVerlauf[i] / 1000;
    linie << QPoint(x, y);
  }
  p.setPen(QPen(QColor(0, 0, 160), 1));
  p.drawPolyline(linie);
}

}  // namespace

QPixmap DruckVorschauMalen(const TDruckWahl& wahl) {
  const int breite = wahl.Hochformat ? kKurz : kLang;
  const int hoehe = wahl.Hochformat ? kLang : kKurz;
  QPixmap bild(kLang + 2 * kRand, kLang + 2 * kRand);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  // The sheet sits in the middle of a square, so that both orientations take
  // the same room in the dialog.
  p.translate((bild.width() - breite) / 2, (bild.height() - hoehe) / 2);
  p.fillRect(QRect(2, 2, breite, hoehe), QColor(96, 96, 96));
  p.fillRect(QRect(0, 0, breite, hoehe), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(0, 0, breite - 1, hoehe - 1);

  const TDruckWahl w = DruckWahlBereinigt(wahl);
  KleinerChart(p, QtRechteck(DruckBand(breite, hoehe, 1, w)).adjusted(3, 3, -3, -3));
  p.setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
  for (int i = 1; i < w.ChartsProSeite; ++i) {
    const int y = hoehe * i / w.ChartsProSeite;
    p.drawLine(3, y, breite - 4, y);
  }
  return bild;
}

}  // namespace morvane
