#pragma once

#include <QWidget>

#include "app/fenster/behandlung.h"
#include "chart/chartfeld.h"

namespace morvane {

// The chart area: paints the chart field through the Qt canvas, gives it
// its bounds on every resize and passes mouse clicks on to it. The field's
// repaint requests invalidate the requested rectangle enlarged by one pixel
// to the right and bottom. The field is not owned.
class TChartBereich : public QWidget {
 public:
  TChartBereich(TChartFeld& feld, const TBehandlung& behandlung, QWidget* eltern);

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;

 private:
  TChartFeld& feld_;
  const TBehandlung& behandlung_;
};

}  // namespace morvane
