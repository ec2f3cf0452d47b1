#pragma once

#include <QWidget>
#include <memory>

namespace morvane {

// The start screen: the program's logo and its version text. A click on the
// logo closes it.
class TSplash : public QWidget {
 public:
  TSplash();

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
};

// Shows the start screen and pumps the event loop until its timer (2000 ms)
// has fired or it was closed by a click. The screen is returned still shown,
// so that the caller frees it once the main window is up.
std::unique_ptr<TSplash> SplashZeigen(int millisekunden = 2000);

}  // namespace morvane
