#include "chart/ui/dialogdruckenchart.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <set>
#include <string>
#include <vector>

#include "chart/ui/druckerwahl.h"
#include "chart/ui/druckvorschau.h"
#include "testhilfe/qt/dialogtesthilfe.h"

namespace morvane {
namespace {

struct TOffenerDruckdialog {
  QPrinter Drucker;
  TDialogDruckenChart Dialog{Drucker, {}};

  explicit TOffenerDruckdialog(const TDruckWahl& wahl) {
    Dialog.Fuellen(wahl);
    Dialog.show();
  }
  QRadioButton* Knopf(const std::string& name) const {
    return Dialog.findChild<QRadioButton*>(QString::fromStdString(name));
  }
  // The names of the radio buttons that are checked / enabled.
  std::string Namen(bool (QWidget::*zustand)() const) const {
    std::string namen;
    for (const char* n : {"Hochformat", "Querformat", "Charts1", "Charts2", "Charts3", "PosOben",
                          "PosMitte", "PosUnten"}) {
      QRadioButton* k = Knopf(n);
      const bool an = zustand == nullptr ? k->isChecked() : (k->*zustand)();
      if (an) namen += std::string(namen.empty() ? "" : " ") + n;
    }
    return namen;
  }
  // The preview pictures shown.
  std::string Bilder() const {
    std::string namen;
    for (const TDruckVorschau& v : kDruckVorschauen)
      if (Dialog.findChild<QLabel*>(QString::fromLatin1(v.Name))->isVisible()) namen += v.Name;
    return namen;
  }
};

struct TKlickFall {
  TDruckWahl start;
  std::vector<std::string> klicks;
  const char* angekreuzt;
  const char* frei;
  const char* bild;
  const char* warum;
};

TEST(DialogDruckenChart, RegelnNachJedemKlick) {
  const char* alleFrei = "Hochformat Querformat Charts1 Charts2 Charts3 PosOben PosMitte PosUnten";
  const TKlickFall faelle[] = {
      {{true, 3, 2},
       {"Querformat"},
       "Querformat Charts2 PosOben",
       "Hochformat Querformat Charts1 Charts2 PosOben PosUnten",
       "ImageQ2o",
       "Querformat macht aus drei Charts zwei, die Mitte wird oben"},
      {{true, 3, 3},
       {"Querformat"},
       "Querformat Charts2 PosUnten",
       "Hochformat Querformat Charts1 Charts2 PosOben PosUnten",
       "ImageQ2u",
       "unten bleibt unten"},
      {{true, 2, 3},
       {"Charts1"},
       "Hochformat Charts1 PosOben",
       "Hochformat Querformat Charts1 Charts2 Charts3",
       "ImageH1",
       "ein Chart sperrt alle Positionen"},
      {{false, 1, 3},
       {},
       "Querformat Charts1 PosOben",
       "Hochformat Querformat Charts1 Charts2",
       "ImageQ1",
       "eine gespeicherte Position zählt bei einem Chart nicht"},
      {{true, 1, 1},
       {"Charts3", "PosMitte"},
       "Hochformat Charts3 PosMitte",
       alleFrei,
       "ImageH3m",
       "drei Charts, Mitte"},
      {{true, 3, 2},
       {"Charts2"},
       "Hochformat Charts2 PosOben",
       "Hochformat Querformat Charts1 Charts2 Charts3 PosOben PosUnten",
       "ImageH2o",
       "zwei Charts haben keine Mitte"},
      {{false, 2, 3},
       {"Hochformat", "Charts3"},
       "Hochformat Charts3 PosUnten",
       alleFrei,
       "ImageH3u",
       "zurück ins Hochformat"},
  };
  for (const TKlickFall& f : faelle) {
    SCOPED_TRACE(f.warum);
    TOffenerDruckdialog d(f.start);
    for (const std::string& k : f.klicks)
      d.Knopf(k)->click();
    EXPECT_EQ(d.Namen(nullptr), f.angekreuzt);
    EXPECT_EQ(d.Namen(&QWidget::isEnabled), f.frei);
    EXPECT_EQ(d.Bilder(), f.bild);
  }
}

// The dialog answered with "PDF-Datei", landscape and bottom, then `knopf`:
// only OK hands choice, printer and orientation on.
TEST(DialogDruckenChart, NurOkUebernimmtWahlDruckerUndAusrichtung) {
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Abbrechen");
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::NativeFormat);
    drucker.setPageOrientation(QPageLayout::Portrait);
    const QString vorher = DruckerName(drucker);
    TDruckWahl wahl{true, 3, 2};
    bool ergebnis = !ok;
    test::ModalBeantworten([&] { ergebnis = ChartDruckWaehlen(nullptr, wahl, drucker); },
                           [ok](QWidget* modal) {
                             auto* liste = modal->findChild<QComboBox*>("DruckerListe");
                             // "PDF-Datei" is always there, last.
                             ASSERT_EQ(liste->itemText(liste->count() - 1), kPdfDatei);
                             liste->setCurrentIndex(liste->count() - 1);
                             modal->findChild<QRadioButton*>("Querformat")->click();
                             modal->findChild<QRadioButton*>("PosUnten")->click();
                             modal->findChild<QPushButton*>(ok ? "OK" : "Abbrechen")->click();
                           });
    EXPECT_EQ(ergebnis, ok);
    EXPECT_EQ(wahl, (ok ? TDruckWahl{false, 2, 3} : TDruckWahl{true, 3, 2}));
    EXPECT_EQ(DruckerName(drucker), ok ? QString(kPdfDatei) : vorher);
    EXPECT_EQ(drucker.pageLayout().orientation(),
              ok ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
}

// A PDF file has no printer properties: "Eigenschaften" is for printers only.
TEST(DialogDruckenChart, EigenschaftenNurFuerEinenDrucker) {
  QPrinter drucker;
  TDialogDruckenChart d(drucker, {});
  auto* liste = d.findChild<QComboBox*>("DruckerListe");
  auto* eigenschaften = d.findChild<QPushButton*>("Eigenschaften");
  for (int i = 0; i < liste->count(); ++i) {
    liste->setCurrentIndex(i);
    EXPECT_EQ(eigenschaften->isEnabled(), liste->itemText(i) != kPdfDatei) << i;
  }
}

TEST(DialogDruckenChart, TabulatorFolgtDerLeserichtung) {
  TOffenerDruckdialog d({true, 3, 1});
  std::vector<std::string> reihe;
  QWidget* w = d.Dialog.findChild<QWidget*>("DruckerListe");
  for (int i = 0; i < 60 && w && reihe.size() < 13; ++i, w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus && !w->objectName().isEmpty())
      reihe.push_back(w->objectName().toStdString());
  EXPECT_EQ(reihe,
            (std::vector<std::string>{"DruckerListe", "Eigenschaften", "Hochformat", "Querformat",
                                      "Charts1", "Charts2", "Charts3", "PosOben", "PosMitte",
                                      "PosUnten", "OK", "Abbrechen", "Hilfe"}));
}

// The rows of the picture that hold the small chart's background.
std::pair<int, int> ChartZeilen(const QImage& bild) {
  int oben = bild.height(), unten = -1;
  for (int y = 0; y < bild.height(); ++y)
    for (int x = 0; x < bild.width(); ++x)
      if (bild.pixelColor(x, y) == QColor(232, 240, 255)) {
        oben = std::min(oben, y);
        unten = std::max(unten, y);
      }
  return {oben, unten};
}

TEST(DialogDruckenChart, NeunVerschiedeneVorschauenMitDemChartImGewaehltenBand) {
  std::set<std::vector<QRgb>> verschieden;
  std::vector<std::pair<int, int>> zeilen;
  for (const TDruckVorschau& v : kDruckVorschauen) {
    const QImage bild = DruckVorschauMalen(v.Wahl).toImage();
    const auto* anfang = reinterpret_cast<const QRgb*>(bild.constBits());
    verschieden.emplace(anfang, anfang + bild.sizeInBytes() / sizeof(QRgb));
    zeilen.push_back(ChartZeilen(bild));
    EXPECT_GE(zeilen.back().second, 0) << v.Name << " ohne Chart";
  }
  EXPECT_EQ(verschieden.size(), kDruckVorschauen.size());
  // Portrait, three bands: top above middle above bottom, none overlapping.
  EXPECT_LT(zeilen[3].second, zeilen[4].first);
  EXPECT_LT(zeilen[4].second, zeilen[5].first);
  // Two bands, landscape: top above bottom; one band spans both.
  EXPECT_LT(zeilen[7].second, zeilen[8].first);
  EXPECT_LE(zeilen[6].first, zeilen[7].first);
  EXPECT_GE(zeilen[6].second, zeilen[8].second);
}

}  // namespace
}  // namespace morvane
