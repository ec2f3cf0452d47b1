#pragma once

#include <QWidget>
#include <functional>
#include <optional>

namespace morvane {

// A splitter bar the user drags with the left button. It reports the mouse
// position in its parent's coordinates together with the offset inside the
// bar where the drag began; the owner sizes its neighbours from that.
class TTeiler : public QWidget {
 public:
  TTeiler(Qt::Orientation richtung, QWidget* eltern);

  // (mouse position in the parent, offset where the drag began)
  std::function<void(QPoint maus, QPoint start)> OnGezogen;

 protected:
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;

 private:
  std::optional<QPoint> start_;
};

}  // namespace morvane
