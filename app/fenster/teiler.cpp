#include "app/fenster/teiler.h"

#include <QMouseEvent>

namespace morvane {

TTeiler::TTeiler(Qt::Orientation richtung, QWidget* eltern) : QWidget(eltern) {
  setCursor(richtung == Qt::Horizontal ? Qt::SplitVCursor : Qt::SplitHCursor);
  setAutoFillBackground(true);
  QPalette farben = palette();
  farben.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(farben);
}

void TTeiler::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->button() == Qt::LeftButton) start_ = ereignis->position().toPoint();
}

void TTeiler::mouseMoveEvent(QMouseEvent* ereignis) {
  if (start_ && OnGezogen) OnGezogen(mapToParent(ereignis->position().toPoint()), *start_);
}

void TTeiler::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (ereignis->button() == Qt::LeftButton) start_.reset();
}

}  // namespace morvane
