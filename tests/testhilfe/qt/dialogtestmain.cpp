#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>
#include <cstdlib>

namespace {

QtMessageHandler vorheriger = nullptr;

// The offscreen platform cannot size windows to a fixed-size layout and says
// so for every dialog; that says nothing about the dialogs.
void Meldungen(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
  if (text.contains(QLatin1String("propagateSizeHints"))) return;
  vorheriger(typ, kontext, text);
}

}  // namespace

int main(int argc, char** argv) {
  vorheriger = qInstallMessageHandler(Meldungen);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication anwendung(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
