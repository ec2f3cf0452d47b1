#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTabWidget>
#include <map>
#include <string>

#include "chart/chartvorlagen.h"
#include "chart/ui/dialogchartansicht.h"
#include "chart/ui/dialogchartansichtvorlagen.h"
#include "chart/ui/dialogdruckenchart.h"
#include "chart/ui/druckvorschau.h"

namespace morvane {
namespace {

// The accelerator letter of a caption ("Z&eit" -> 'e'), 0 for none.
QChar Kuerzel(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;  // "&&" is a literal ampersand
  }
  return QChar();
}

// Faults of what `fenster` shows now: a caption cut off, a control reaching
// out of the window, an accelerator given twice.
std::vector<std::string> Maengel(QWidget& fenster, const QStringList& weitereKuerzel = {}) {
  std::vector<std::string> maengel;
  std::map<QChar, QString> kuerzel;
  const auto merken = [&](const QString& text) {
    const QChar k = Kuerzel(text);
    if (k.isNull()) return;
    if (auto [it, neu] = kuerzel.emplace(k, text); !neu) {
      maengel.push_back("Kürzel doppelt: " + it->second.toStdString() + " / " + text.toStdString());
    }
  };
  for (const QString& text : weitereKuerzel)
    merken(text);
  const QRect innen = fenster.rect();
  for (QWidget* w : fenster.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&fenster)) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const auto* knopf = qobject_cast<QAbstractButton*>(w);
    const QString text = label ? label->text() : knopf ? knopf->text() : QString();
    const std::string name = (w->objectName() + " '" + text + "'").toStdString();
    if (!innen.contains(QRect(w->mapTo(&fenster, QPoint(0, 0)), w->size()))) {
      maengel.push_back(name + " ragt aus dem Fenster");
    }
    if ((label && !label->wordWrap()) || knopf) {
      const QSize noetig = w->sizeHint();
      if (w->width() < noetig.width() || w->height() < noetig.height()) {
        maengel.push_back(name + " abgeschnitten");
      }
    }
    if (knopf) merken(knopf->text());
    if (label && label->buddy()) merken(label->text());
  }
  return maengel;
}

void Speichern(QWidget& fenster, const QString& name) {
  QDir().mkpath(QStringLiteral(MORVANE_BILDER));
  fenster.grab().save(QStringLiteral(MORVANE_BILDER "/") + name + QStringLiteral(".png"));
}

TEST(DialogLayout, JedeSeiteJedesCharttypsVollstaendigSichtbar) {
  TChartVorlagen vorlagen;
  TDialogChartAnsicht d(vorlagen, [](int) {});
  d.Fuellen(TChartAnsicht{});
  d.show();
  QTabWidget* seiten = d.Seiten();
  QStringList tabs;
  for (int i = 0; i < seiten->count(); ++i)
    tabs << seiten->tabText(i);
  const QSize groesse = d.size();
  for (int seite = 0; seite < seiten->count(); ++seite) {
    seiten->setCurrentIndex(seite);
    for (int typ = 1; typ <= 5; ++typ) {
      d.Steuerelemente().Charttyp[static_cast<std::size_t>(typ - 1)]->click();
      const QString name = QStringLiteral("chart_seite%1_typ%2").arg(seite + 1).arg(typ);
      SCOPED_TRACE(name.toStdString());
      EXPECT_EQ(Maengel(d, tabs), std::vector<std::string>{});
      // Switching pages or types never resizes the dialog.
      EXPECT_EQ(d.size(), groesse);
      Speichern(d, name);
    }
  }
}

TEST(DialogLayout, VorlagendialogVollstaendigSichtbar) {
  TChartVorlagen vorlagen;
  vorlagen.SetzeVorlage(10, "Eine recht lange Bezeichnung für Wochen & Monate", {});
  TDialogChartAnsichtVorlagen d(vorlagen, [](int) {});
  d.Oeffnen(TChartAnsicht{});
  d.show();
  EXPECT_EQ(Maengel(d), std::vector<std::string>{});
  Speichern(d, QStringLiteral("vorlagen"));
}

TEST(DialogLayout, DruckdialogJederWahlVollstaendigSichtbar) {
  QPrinter drucker;
  TDialogDruckenChart d(drucker, [](int) {});
  d.show();
  const QSize groesse = d.size();
  for (const TDruckVorschau& v : kDruckVorschauen) {
    d.Fuellen(v.Wahl);
    SCOPED_TRACE(v.Name);
    EXPECT_EQ(Maengel(d), std::vector<std::string>{});
    // Landscape and portrait pictures take the same room.
    EXPECT_EQ(d.size(), groesse);
    Speichern(d, QStringLiteral("drucken_") + QString::fromLatin1(v.Name));
  }
}

}  // namespace
}  // namespace morvane
