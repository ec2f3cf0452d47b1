#include <gtest/gtest.h>

#include <QTest>

#include "app/fenster/info.h"
#include "app/fenster/splash.h"
#include "app/fenster/start.h"
#include "app/fenster/uebersetzung.h"
#include "fenstertesthilfe.h"
#include "testhilfe/ausnahme.h"

namespace morvane::test {
namespace {

TEST(Start, Optionen) {
  const TStartoptionen o = StartoptionenLesen({"--ohne-splash", "--datenverzeichnis", "/d"});
  EXPECT_TRUE(o.OhneSplash);
  EXPECT_EQ(o.Datenverzeichnis, "/d");
  EXPECT_FALSE(StartoptionenLesen({}).OhneSplash);
  EXPECT_THROW_MSG(StartoptionenLesen({"--datenverzeichnis"}), Exception,
                   "Der Option --datenverzeichnis fehlt das Verzeichnis.");
  EXPECT_THROW_MSG(StartoptionenLesen({"--splash"}), Exception, "Unbekannte Option: --splash");
}

TEST(Start, QtSprichtDeutsch) {
  ASSERT_TRUE(QtDeutschLaden(*QCoreApplication::instance()))
      << "qt6-translations-l10n is installed by tools/pakete.sh";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Ja");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Abbrechen");
  EXPECT_EQ(QLocale().toString(1234.5, 'f', 2).toStdString(), "1.234,50");
}

TEST(Start, SplashEndetNachSeinerZeitOderPerKlick) {
  const auto splash = SplashZeigen(30);
  ASSERT_TRUE(splash);
  EXPECT_TRUE(splash->isVisible()) << "freed by the caller once the main window is up";
  QTest::mouseClick(splash.get(), Qt::LeftButton);
  EXPECT_FALSE(splash->isVisible());
  const std::string info = Infotext();
  EXPECT_NE(info.find("Morvane 3.5\nVersion 3.5"), std::string::npos) << info;
  EXPECT_NE(info.find("beispieldaten/HERKUNFT.md"), std::string::npos) << info;
}

using Chartbereich = FensterTest;

TEST_F(Chartbereich, RechtsklickAufDenIndikatorBalkenOeffnetSeinMenue) {
  THauptfenster& f = Oeffnen();
  f.Werkzeugleiste().Schalter(TAnsichtSchalter::Indikatoren)->trigger();
  ASSERT_TRUE(f.Feld().IndikatorBalken().Sichtbar());
  const TRechteck balken = f.Feld().IndikatorBalken().Grenzen();
  // The first gauge of the bar.
  const QPoint messer(balken.Links + 20, balken.Oben + 40);
  QTest::mouseClick(&f.Bereich(), Qt::RightButton, Qt::NoModifier, messer);
  QMenu& menue = f.IndikatorenPopupMenu();
  EXPECT_TRUE(menue.isVisible());
  ASSERT_EQ(menue.actions().size(), 2);
  EXPECT_EQ(menue.actions()[0]->text().toStdString(), "Diesen Indikator anpassen...");
  EXPECT_FALSE(menue.actions()[0]->isEnabled()) << "no parameter dialog connected";
  EXPECT_EQ(f.Feld().IndikatorBalken().Analyse().AnzahlAngezeigt(), 1) << "this one alone";
  menue.close();

  f.IndikatorDialogVerbinden([](int, int) {});
  QTest::mouseClick(&f.Bereich(), Qt::RightButton, Qt::NoModifier, messer);
  EXPECT_TRUE(menue.actions()[0]->isEnabled());
  menue.close();
  // A left click beside the gauges switches all off.
  QTest::mouseClick(&f.Bereich(), Qt::LeftButton, Qt::NoModifier,
                    QPoint(balken.Rechts - 3, balken.Unten - 3));
  EXPECT_EQ(f.Feld().IndikatorBalken().Analyse().AnzahlAngezeigt(), 0);
}

TEST_F(Chartbereich, TeilerSindBegrenzt) {
  THauptfenster& f = Oeffnen();
  f.resize(800, 600);
  auto* senkrecht = f.findChild<TTeiler*>(QStringLiteral("TeilerSenkrecht"));
  ASSERT_NE(senkrecht, nullptr);
  const int client = senkrecht->parentWidget()->width();
  QTest::mousePress(senkrecht, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
  QTest::mouseMove(senkrecht, QPoint(5000, 10));
  QTest::mouseRelease(senkrecht, Qt::LeftButton, Qt::NoModifier, QPoint(5000, 10));
  EXPECT_EQ(f.Panel().width(), client - kTeilerSenkrechtBreite);
  QTest::mousePress(senkrecht, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
  QTest::mouseMove(senkrecht, QPoint(-senkrecht->x() + 250, 10));
  QTest::mouseRelease(senkrecht, Qt::LeftButton);
  EXPECT_EQ(f.Panel().width(), 249);
  EXPECT_EQ(f.Bereich().x(), 249 + kTeilerSenkrechtBreite);
  EXPECT_EQ(f.ScrollBar().x(), f.Bereich().x()) << "the scroll bar starts right of the splitter";
  EXPECT_EQ(f.Feld().Breite(), f.Bereich().width()) << "the chart field follows its area";

  TTeiler* waagerecht = f.Panel().Teiler();
  QTest::mousePress(waagerecht, Qt::LeftButton, Qt::NoModifier, QPoint(10, 2));
  QTest::mouseMove(waagerecht, QPoint(10, 5000));
  QTest::mouseRelease(waagerecht, Qt::LeftButton);
  const auto* kopf = f.Panel().findChild<QLabel*>(QStringLiteral("KatalogPanel"));
  EXPECT_EQ(f.Panel().KataloglistenHoehe(),
            f.Panel().height() - kTeilerWaagerechtHoehe - kopf->height());
  EXPECT_LE(f.Panel().Wertpapiere()->y(), f.Panel().height()) << "its header stays in view";
}

}  // namespace
}  // namespace morvane::test
