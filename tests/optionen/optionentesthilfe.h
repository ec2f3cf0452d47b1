#pragma once

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

namespace morvane::test {

// Runs `aktion` and hands the first modal window it opens to `antworten`.
inline void Modal(const std::function<void()>& aktion,
                  const std::function<void(QWidget*)>& antworten) {
  QTimer zeitgeber;
  zeitgeber.setSingleShot(true);
  QObject::connect(&zeitgeber, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) antworten(modal);
  });
  zeitgeber.start(0);
  aktion();
}

// The text of the message box `aktion` shows (closed at once); empty when
// none opened.
inline std::string Meldung(const std::function<void()>& aktion) {
  std::string text;
  Modal(aktion, [&](QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      text = box->text().toStdString();
      box->accept();
    }
  });
  return text;
}

}  // namespace morvane::test
