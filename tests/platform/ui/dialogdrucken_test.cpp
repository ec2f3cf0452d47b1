#include "platform/ui/dialogdrucken.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/ui/druckerwahl.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TEST(DialogDrucken, PdfAlwaysOfferedAndPreselectedWithoutPrinters) {
  struct Fall {
    std::vector<std::string> drucker;
    TDruckAuftrag auftrag;
    QString gewaehlt;
    bool dateiAktiv;
  };
  const TDruckAuftrag drucker2{false, "Zwei", "", false};
  const TDruckAuftrag weg{false, "Weg", "", false};
  for (const Fall& f :
       {Fall{{}, weg, "PDF-Datei", true}, Fall{{"Eins", "Zwei"}, drucker2, "Zwei", false},
        Fall{{"Eins", "Zwei"}, weg, "Eins", false},
        Fall{{"Eins"}, TDruckAuftrag{}, "PDF-Datei", true}}) {
    TDruckerWahl wahl(f.drucker);
    wahl.Setzen(f.auftrag);
    EXPECT_EQ(wahl.Liste()->count(), static_cast<int>(f.drucker.size()) + 1);
    EXPECT_EQ(wahl.Liste()->itemText(wahl.Liste()->count() - 1), QStringLiteral("PDF-Datei"));
    EXPECT_EQ(wahl.Liste()->currentText(), f.gewaehlt);
    EXPECT_EQ(wahl.DateiFeld()->isEnabled(), f.dateiAktiv);
    EXPECT_EQ(wahl.WaehlenKnopf()->isEnabled(), f.dateiAktiv);
  }
}

TEST(DialogDrucken, PdfNameIsCheckedAndCompleted) {
  struct Fall {
    QString eingabe;
    std::string fehler;
    QString danach;
  };
  for (const Fall& f : {Fall{"  ", "Bitte den Namen der PDF-Datei angeben.", "  "},
                        Fall{"liste", "", "liste.pdf"}, Fall{"a/liste.PDF", "", "a/liste.PDF"},
                        Fall{"/tmp", "Das ist ein Verzeichnis, keine Datei: /tmp", "/tmp"}}) {
    TDruckerWahl wahl(std::vector<std::string>{});
    wahl.DateiFeld()->setText(f.eingabe);
    EXPECT_EQ(wahl.Pruefen(), f.fehler) << f.eingabe.toStdString();
    EXPECT_EQ(wahl.DateiFeld()->text(), f.danach);
  }
}

TEST(DialogDrucken, OrientationShowsItsPictureAndChoiceLeavesOnlyOnOk) {
  const TDruckAuftrag start{false, "Eins", "", false};
  TDialogDrucken dialog(start, {"Eins"});
  EXPECT_TRUE(dialog.Hochformat()->isChecked());
  EXPECT_FALSE(dialog.BildHoch()->isHidden());
  EXPECT_TRUE(dialog.BildQuer()->isHidden());
  dialog.Querformat()->setChecked(true);
  EXPECT_TRUE(dialog.BildHoch()->isHidden());
  EXPECT_FALSE(dialog.BildQuer()->isHidden());
  dialog.Wahl()->Liste()->setCurrentIndex(1);
  test::TTempVerzeichnis verzeichnis;
  dialog.Wahl()->DateiFeld()->setText(QString::fromStdString(verzeichnis.Datei("x")));
  test::BildSpeichern(dialog, "drucken");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  const TDruckAuftrag a = dialog.Auftrag();
  EXPECT_TRUE(a.Pdf);
  EXPECT_TRUE(a.Querformat);
  EXPECT_EQ(a.Datei, verzeichnis.Datei("x.pdf"));
}

TEST(DialogDrucken, OkWithoutPdfNameWarnsAndStaysOpen) {
  TDialogDrucken dialog(TDruckAuftrag{}, {});
  dialog.show();
  const QString meldung = test::Meldung([&] { dialog.accept(); });
  EXPECT_EQ(meldung, QStringLiteral("Bitte den Namen der PDF-Datei angeben."));
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace morvane
