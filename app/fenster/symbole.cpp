#include "app/fenster/symbole.h"

#include <QPainter>
#include <QPixmap>

namespace morvane {
namespace {

void Linie(QPainter& p) {
  p.setPen(QPen(QColor(0, 0, 160), 2));
  const QPoint punkte[] = {{2, 16}, {7, 10}, {11, 13}, {16, 5}, {21, 8}};
  p.drawPolyline(punkte, 5);
}

void Balken(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  const int hoch[] = {6, 4, 8, 3};
  for (int i = 0; i < 4; ++i) {
    const int x = 3 + i * 5;
    p.drawLine(x, hoch[i], x, hoch[i] + 10);
    p.drawLine(x - 2, hoch[i] + 3, x, hoch[i] + 3);
    p.drawLine(x, hoch[i] + 7, x + 2, hoch[i] + 7);
  }
}

void Kerzen(QPainter& p) {
  p.setPen(Qt::black);
  const int oben[] = {5, 8, 3};
  for (int i = 0; i < 3; ++i) {
    const int x = 4 + i * 7;
    p.drawLine(x + 2, oben[i] - 3, x + 2, oben[i] + 12);
    p.setBrush(i == 1 ? QColor(Qt::red) : QColor(Qt::white));
    p.drawRect(x, oben[i], 4, 8);
  }
}

void PointFigure(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  for (int i = 0; i < 3; ++i) {
    const int y = 12 - i * 4;
    p.drawLine(3, y, 7, y + 3);
    p.drawLine(7, y, 3, y + 3);
  }
  p.setPen(QPen(Qt::red, 1));
  for (int i = 0; i < 3; ++i)
    p.drawEllipse(10, 5 + i * 4, 3, 3);
  p.setPen(QPen(Qt::black, 1));
  for (int i = 0; i < 2; ++i) {
    const int y = 14 - i * 4;
    p.drawLine(16, y, 20, y + 3);
    p.drawLine(20, y, 16, y + 3);
  }
}

void Equivolume(QPainter& p) {
  p.setPen(Qt::black);
  p.setBrush(QColor(0, 128, 0));
  p.drawRect(2, 8, 3, 7);
  p.drawRect(7, 5, 7, 8);
  p.setBrush(QColor(Qt::red));
  p.drawRect(16, 3, 5, 9);
}

}  // namespace

QIcon CharttypSymbol(TCharttyp typ) {
  QPixmap bild(24, 20);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  switch (typ) {
    case TCharttyp::Linie:
      Linie(p);
      break;
    case TCharttyp::Balken:
      Balken(p);
      break;
    case TCharttyp::Kerze:
      Kerzen(p);
      break;
    case TCharttyp::PointFigure:
      PointFigure(p);
      break;
    case TCharttyp::Equivolume:
      Equivolume(p);
      break;
  }
  p.end();
  return QIcon(bild);
}

}  // namespace morvane
