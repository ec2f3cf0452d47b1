#include "app/fenster/splash.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "store/einstellungen.h"

namespace morvane {

TSplash::TSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("DlgSplash"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  resize(500, 220);
  if (const QScreen* schirm = QGuiApplication::primaryScreen())
    move(schirm->availableGeometry().center() - rect().center());
}

void TSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor(0, 32, 96));
  // The logo: a rising line over three candles.
  p.setPen(QPen(QColor(255, 255, 255), 1));
  const int kerzen[][2] = {{40, 120}, {70, 100}, {100, 80}};
  for (const auto& k : kerzen) {
    p.drawLine(k[0] + 6, k[1] - 12, k[0] + 6, k[1] + 50);
    p.setBrush(QColor(0, 160, 0));
    p.drawRect(k[0], k[1], 12, 36);
  }
  p.setPen(QPen(QColor(255, 200, 0), 4));
  p.drawLine(30, 170, 130, 60);
  p.setPen(Qt::white);
  QFont schrift = font();
  schrift.setPixelSize(38);
  schrift.setBold(true);
  p.setFont(schrift);
  p.drawText(QRect(150, 50, 340, 60), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromStdString(std::string(kProgrammtitel)));
  schrift.setPixelSize(14);
  schrift.setBold(false);
  p.setFont(schrift);
  p.drawText(QRect(150, 115, 340, 50), Qt::AlignLeft | Qt::TextWordWrap,
             QStringLiteral("Version " MORVANE_VERSION "\nWertpapiere, Charts, Indikatoren"));
}

void TSplash::mousePressEvent(QMouseEvent*) {
  close();
}

std::unique_ptr<TSplash> SplashZeigen(int millisekunden) {
  auto splash = std::make_unique<TSplash>();
  splash->show();
  QEventLoop schleife;
  QTimer uhr;
  uhr.setSingleShot(true);
  QObject::connect(&uhr, &QTimer::timeout, &schleife, &QEventLoop::quit);
  // Closing by a click ends the wait as well.
  QTimer blick;
  QObject::connect(&blick, &QTimer::timeout, &schleife, [&] {
    if (!splash->isVisible()) schleife.quit();
  });
  uhr.start(millisekunden);
  blick.start(50);
  schleife.exec();
  return splash;
}

}  // namespace morvane
