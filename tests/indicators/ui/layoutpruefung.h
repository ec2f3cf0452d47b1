#pragma once

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

namespace morvane::test {

// The accelerator letter of a caption ("Z&eit" -> 'e'), 0 for none.
inline QChar Kuerzel(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;  // "&&" is a literal ampersand
  }
  return QChar();
}

// Faults of what `fenster` shows now: a caption cut off, a control reaching
// out of the window, an accelerator given twice among the visible controls.
inline std::vector<std::string> Maengel(QWidget& fenster) {
  std::vector<std::string> maengel;
  std::map<QChar, QString> kuerzel;
  const QRect innen = fenster.rect();
  for (QWidget* w : fenster.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* knopf = qobject_cast<QAbstractButton*>(w);
    const QString text = label ? label->text() : knopf ? knopf->text() : QString();
    const std::string name = (w->objectName() + " '" + text + "'").toStdString();
    if (!innen.contains(QRect(w->mapTo(&fenster, QPoint(0, 0)), w->size())))
      maengel.push_back(name + " ragt aus dem Fenster");
    if (((label && !label->wordWrap()) || knopf) &&
        (w->width() < w->sizeHint().width() || w->height() < w->sizeHint().height()))
      maengel.push_back(name + " abgeschnitten");
    if (!knopf && !(label && label->buddy())) continue;
    const QChar k = Kuerzel(text);
    if (k.isNull()) continue;
    if (auto [it, neu] = kuerzel.emplace(k, text); !neu)
      maengel.push_back("Kürzel doppelt: " + it->second.toStdString() + " / " + text.toStdString());
  }
  return maengel;
}

// Keeps a picture of the window for people to look at.
inline void Bild(QWidget& fenster, const QString& name) {
  QDir().mkpath(QStringLiteral(MORVANE_BILDER));
  fenster.grab().save(QStringLiteral(MORVANE_BILDER "/") + name + QStringLiteral(".png"));
}

}  // namespace morvane::test
