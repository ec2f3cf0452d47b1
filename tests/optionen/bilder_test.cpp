#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTabWidget>

#include "app/optionen/dialogoptionen.h"
#include "app/optionen/dialogzeitpunkt.h"
#include "store/einstellungen.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// Every visible label and button of `fenster` gets at least the room it asks for.
void NichtsAbgeschnitten(QWidget& fenster, const std::string& bild) {
  QApplication::processEvents();
  QDir().mkpath(QStringLiteral(MORVANE_BILDER));
  EXPECT_TRUE(
      fenster.grab().save(QStringLiteral(MORVANE_BILDER "/") + QString::fromStdString(bild)));
  for (QWidget* teil : fenster.findChildren<QWidget*>()) {
    if (!teil->isVisible() ||
        !(qobject_cast<QLabel*>(teil) || qobject_cast<QAbstractButton*>(teil)))
      continue;
    EXPECT_GE(teil->width(), teil->sizeHint().width())
        << bild << ": " << teil->objectName().toStdString();
  }
}

TZeitpunkt Zeitpunkt(int stunde, std::vector<int> tage, std::vector<std::string> kataloge) {
  TZeitpunkt z;
  z.Stunde = static_cast<std::uint8_t>(stunde);
  for (int tag : tage)
    z.Wochentage[static_cast<std::size_t>(tag)] = true;
  z.Kataloge = std::move(kataloge);
  return z;
}

TEST(Bilder, JedeSeiteOhneAbgeschnittenes) {
  test::TTempVerzeichnis programm;
  TEinstellungen e(programm.Pfad());
  ZeitplanerEinstecken(e);
  e.SetzeDatenverzeichnis("/home/anna/Kurse");
  Zeitplaner(e).Aktiv = true;
  Zeitplaner(e).Anhaengen(Zeitpunkt(2, {0, 4}, {"Aktien", "Fonds"}));
  Zeitplaner(e).Anhaengen(Zeitpunkt(18, {0, 1, 2, 3, 4, 5, 6}, {"Aktien"}));
  e.ProxyAdresse = "proxy.beispiel.de";
  e.ProxyPort = "8080";
  TDialogOptionen dialog(nullptr, e, Zeitplaner(e), {});
  dialog.show();
  auto* seiten = dialog.findChild<QTabWidget*>();
  const char* namen[] = {"optionen-programm.png", "optionen-kursaktualisierung.png",
                         "optionen-internet.png"};
  for (int i = 0; i < seiten->count(); ++i) {
    seiten->setCurrentIndex(i);
    NichtsAbgeschnitten(dialog, namen[i]);
  }

  TDialogZeitpunktBearbeiten zeitpunkt(nullptr, *Zeitplaner(e).Zeitpunkt(0), false,
                                       {"Aktien", "Fonds", "Indizes", "Rohstoffe & Devisen"}, {});
  zeitpunkt.show();
  NichtsAbgeschnitten(zeitpunkt, "zeitpunkt.png");
}

}  // namespace
}  // namespace morvane
