#pragma once

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace morvane::test {

// Runs `aktion` and answers the first modal window it opens with
// `antworten`, which sees that window (a message box, another dialog).
inline void ModalBeantworten(const std::function<void()>& aktion,
                             const std::function<void(QWidget*)>& antworten) {
  // A timer of its own, so it cannot fire later when no window opened.
  QTimer zeitgeber;
  zeitgeber.setSingleShot(true);
  QObject::connect(&zeitgeber, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) antworten(modal);
  });
  zeitgeber.start(0);
  aktion();
}

// Keeps a picture of `fenster` under the build tree for people to look at
// (MORVANE_BILDER, set by each dialog test folder).
inline void BildSpeichern(QWidget& fenster, const char* name, bool anpassen = true) {
  if (anpassen) fenster.adjustSize();
  QDir().mkpath(QStringLiteral(MORVANE_BILDER));
  fenster.grab().save(QStringLiteral(MORVANE_BILDER "/") + QString::fromUtf8(name) +
                      QStringLiteral(".png"));
}

// Runs `aktion` and confirms the message box it opens; returns the box's
// text, empty when none opened.
inline QString Meldung(const std::function<void()>& aktion) {
  QString text;
  ModalBeantworten(aktion, [&](QWidget* fenster) {
    if (auto* box = qobject_cast<QMessageBox*>(fenster)) {
      text = box->text();
      box->accept();
    }
  });
  return text;
}

}  // namespace morvane::test
