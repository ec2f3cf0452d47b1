#include "app/fenster/chartbereich.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qtleinwand.h"

namespace morvane {
namespace {

TUmschaltStatus Status(Qt::KeyboardModifiers tasten) {
  return {tasten.testFlag(Qt::ShiftModifier), tasten.testFlag(Qt::ControlModifier),
          tasten.testFlag(Qt::AltModifier)};
}

}  // namespace

TChartBereich::TChartBereich(TChartFeld& feld, const TBehandlung& behandlung, QWidget* eltern)
    : QWidget(eltern), feld_(feld), behandlung_(behandlung) {
  setObjectName(QStringLiteral("Chartbereich"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  feld_.SetzeOnNeuZeichnen([this](const TRechteck& r, bool) {
    update(QRect(r.Links, r.Oben, r.Rechts - r.Links + 2, r.Unten - r.Oben + 2));
  });
}

void TChartBereich::paintEvent(QPaintEvent* ereignis) {
  QPainter painter(this);
  painter.fillRect(ereignis->rect(), Qt::white);
  painter.setClipRect(ereignis->rect());
  // A paint must not open a modal box (which would ask for the next paint);
  // a chart that cannot be drawn shows the reason in its area instead.
  try {
    TQtLeinwand leinwand(painter);
    TGrafikfenster fenster(leinwand, TRechteck{0, 0, width() - 1, height() - 1});
    feld_.ZeichneIn(fenster);
  } catch (const Exception& e) {
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                     QString::fromStdString(e.Meldung()));
  }
}

void TChartBereich::resizeEvent(QResizeEvent*) {
  feld_.SetzeGrenzen(TRechteck{0, 0, width() - 1, height() - 1});
}

void TChartBereich::mousePressEvent(QMouseEvent* ereignis) {
  TMausTaste taste;
  switch (ereignis->button()) {
    case Qt::LeftButton:
      taste = TMausTaste::Links;
      break;
    case Qt::RightButton:
      taste = TMausTaste::Rechts;
      break;
    case Qt::MiddleButton:
      taste = TMausTaste::Mitte;
      break;
    default:
      return;
  }
  const QPoint global = ereignis->globalPosition().toPoint();
  const QPoint lokal = ereignis->position().toPoint();
  behandlung_([&] {
    feld_.Klick(taste, Status(ereignis->modifiers()), TPunkt{global.x(), global.y()},
                TPunkt{lokal.x(), lokal.y()});
  });
}

}  // namespace morvane
