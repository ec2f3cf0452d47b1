#include <gtest/gtest.h>

#include <QApplication>
#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <string>

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
  // Confirming the options writes or removes the scheduler's autostart entry:
  // never the one of the user running the tests.
  std::string konfig = (std::filesystem::temp_directory_path() / "morvane-xdg-XXXXXX").string();
  if (!mkdtemp(konfig.data())) return 1;
  setenv("XDG_CONFIG_HOME", konfig.c_str(), 1);
  QApplication anwendung(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  const int ergebnis = RUN_ALL_TESTS();
  std::filesystem::remove_all(konfig);
  return ergebnis;
}
