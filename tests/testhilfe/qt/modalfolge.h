#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

namespace morvane::test {

using TModalAntwort = std::function<void(QWidget*)>;

// Runs `aktion` and answers the modal windows it opens one after the other,
// each with the next of `antworten` (a window that stays open after its
// answer is not answered again). Returns how many were answered.
inline std::size_t ModalsBeantworten(const std::function<void()>& aktion,
                                     const std::vector<TModalAntwort>& antworten) {
  QTimer zeitgeber;
  zeitgeber.setInterval(5);
  std::size_t naechste = 0;
  QPointer<QWidget> letzte;
  QObject::connect(&zeitgeber, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == letzte || naechste == antworten.size()) return;
    letzte = modal;
    antworten[naechste++](modal);
  });
  zeitgeber.start();
  aktion();
  return naechste;
}

}  // namespace morvane::test
