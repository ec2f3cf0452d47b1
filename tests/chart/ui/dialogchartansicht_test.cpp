#include "chart/ui/dialogchartansicht.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "chart/chartvorlagen.h"
#include "chart/ui/dialogchartansichtvorlagen.h"
#include "testhilfe/qt/dialogtesthilfe.h"

namespace morvane {
namespace {

using TSteuer = TChartAnsichtSteuerelemente;

struct TMeldung {
  QString Text;
  QString Seite;  // the page shown meanwhile
  QString Fokus;  // objectName of the dialog's focused control
};

// The dialog on screen (offscreen), filled with `ansicht`.
struct TOffenerDialog {
  TChartVorlagen Vorlagen;
  TDialogChartAnsicht Dialog{Vorlagen, {}};

  explicit TOffenerDialog(const TChartAnsicht& ansicht = {}) {
    Dialog.Fuellen(ansicht);
    Dialog.show();
  }
  const TSteuer& S() const { return Dialog.Steuerelemente(); }
  QPushButton* Knopf(const char* name) const {
    return Dialog.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  // Presses `knopf` and answers the message box it shows, if any.
  std::optional<TMeldung> Druecken(const char* knopf) {
    std::optional<TMeldung> meldung;
    test::ModalBeantworten(
        [&] { Knopf(knopf)->click(); },
        [&](QWidget* modal) {
          auto* box = qobject_cast<QMessageBox*>(modal);
          ASSERT_TRUE(box) << "kein Meldungsfenster";
          QWidget* fokus = Dialog.focusWidget();
          meldung = TMeldung{box->text(), Dialog.Seiten()->tabText(Dialog.Seiten()->currentIndex()),
                             fokus ? fokus->objectName() : QString()};
          box->accept();
        });
    return meldung;
  }
};

// The names of the controls in `elemente` whose state is not `erwartet`.
std::string Abweichend(std::initializer_list<const QWidget*> elemente, bool erwartet,
                       bool (QWidget::*zustand)() const = &QWidget::isEnabled) {
  std::string namen;
  for (const QWidget* w : elemente) {
    if ((w->*zustand)() != erwartet) namen += w->objectName().toStdString() + " ";
  }
  return namen;
}

TEST(DialogChartAnsicht, FreigabenJeCharttypUndUmsatzschalter) {
  struct TFall {
    int Typ;
    bool Linie, PointFigure, Transaktionen, Umsatz;
  };
  const TFall faelle[] = {
      {1, true, false, true, true},   {2, false, false, true, true},  {3, false, false, true, true},
      {4, false, true, false, false}, {5, false, false, true, false},
  };
  TOffenerDialog d;
  const TSteuer& s = d.S();
  for (const TFall& fall : faelle) {
    for (const int schalter : {0, 1, 2, 3}) {
      const bool anzeigen = schalter & 1, abschneiden = schalter & 2;
      s.Charttyp[static_cast<std::size_t>(fall.Typ - 1)]->click();
      if (s.Umsatz_Anzeigen->isChecked() != anzeigen) s.Umsatz_Anzeigen->click();
      if (s.Umsatz_Abschneiden->isChecked() != abschneiden) s.Umsatz_Abschneiden->click();
      SCOPED_TRACE("Typ " + std::to_string(fall.Typ) + " Schalter " + std::to_string(schalter));
      d.Dialog.Seiten()->setCurrentIndex(0);
      EXPECT_EQ(Abweichend({s.L_Kurs}, fall.Linie, &QWidget::isVisible), "");
      EXPECT_EQ(Abweichend({s.P_Kurs, s.P_Umkehrminimum}, fall.PointFigure, &QWidget::isVisible),
                "");
      EXPECT_EQ(Abweichend({s.Zeit_TageOhneKursWeglassen, s.Z_KaufVerkauf, s.Z_GVGrenze},
                           fall.Transaktionen),
                "");
      EXPECT_EQ(Abweichend({s.Wert_Linear, s.Wert_Logarithmisch, s.Umsatz_Anzeigen}, fall.Umsatz),
                "");
      const bool hoehe = fall.Umsatz && anzeigen;
      EXPECT_EQ(Abweichend({s.Umsatz_Hoehe, s.Umsatz_Label1, s.Umsatz_Abschneiden}, hoehe), "");
      EXPECT_EQ(
          Abweichend({s.Umsatz_Extremwert, s.Umsatz_Label2, s.Umsatz_Label3}, hoehe && abschneiden),
          "");
    }
  }
}

TEST(DialogChartAnsicht, UnbekannterCharttypBleibtErhalten) {
  // A type byte that names none of the five: nothing checked, nothing to set.
  TChartAnsicht a;
  a.Charttyp = static_cast<TCharttyp>(9);
  TOffenerDialog d(a);
  for (QRadioButton* typ : d.S().Charttyp)
    EXPECT_FALSE(typ->isChecked());
  EXPECT_EQ(d.S().Eigenschaften->currentWidget(), d.S().LeereSeite);
  EXPECT_FALSE(d.Druecken("OK"));
  EXPECT_EQ(d.Dialog.Ansicht().Charttyp, static_cast<TCharttyp>(9));
}

TEST(DialogChartAnsicht, FuellenZeigtDieTexteDesModells) {
  TChartAnsicht a;
  a.Umkehrminimum = 1.5;
  a.Tage = 1234;
  a.LinienKurs = 2;
  a.PFKurs = 5;
  a.Logarithmisch = true;
  TOffenerDialog d(a);
  const TSteuer& s = d.S();
  EXPECT_EQ(s.P_Umkehrminimum->text(), "1,50");
  EXPECT_EQ(s.Zeit_Tage->currentText(), "1234 Tage");
  EXPECT_EQ(s.Umsatz_Hoehe->currentText(), "30 %");
  EXPECT_EQ(s.L_Kurs->currentText(), QString::fromUtf8("Höchstkurs"));
  EXPECT_EQ(s.P_Kurs->currentText(), "Kassakurs");
  EXPECT_TRUE(s.Wert_Logarithmisch->isChecked());
  EXPECT_FALSE(s.Wert_Linear->isChecked());
  a.AlleTage = true;
  d.Dialog.Fuellen(a);
  EXPECT_EQ(s.Zeit_Tage->currentText(), "Alle Tage");
}

TEST(DialogChartAnsicht, JedeMeldungMitSeiteUndFokus) {
  struct TFall {
    const char* Name;
    std::function<void(const TSteuer&)> Eingeben;
    const char* Seite;
    const char* Fokus;
    const char* Meldung;
  };
  const TFall faelle[] = {
      {"Umkehrminimum",
       [](const TSteuer& s) {
         s.Charttyp[3]->click();
         s.P_Umkehrminimum->setText("100,5");
         s.Zeit_Tage->setEditText("5");  // the first fault wins
       },
       "&Allgemein", "P_Umkehrminimum",
       "Der Wert für das Umkehrminimum muss zwischen 0% und 100% liegen!"},
      {"Tage", [](const TSteuer& s) { s.Zeit_Tage->setEditText("60000"); }, "Z&eit- und Wertachse",
       "Zeit_Tage", "Die Anzahl der Tage auf der Zeitachse muss zwischen 10 und 50000 liegen!"},
      {"Hoehe", [](const TSteuer& s) { s.Umsatz_Hoehe->setEditText("75%"); }, "&Zusätze",
       "Umsatz_Hoehe", "Das Umsatzvolumen-Histogramm muss eine Höhe zwischen 20% und 70% haben!"},
      {"Extremwert", [](const TSteuer& s) { s.Umsatz_Extremwert->setText("1000"); }, "&Zusätze",
       "Umsatz_Extremwert", "Der Extremwert muss zwischen 0% und 999% liegen!"},
  };
  for (const char* knopf : {"OK", "Vorlage"}) {
    for (const TFall& fall : faelle) {
      SCOPED_TRACE(std::string(fall.Name) + " " + knopf);
      TOffenerDialog d;
      fall.Eingeben(d.S());
      d.Dialog.Seiten()->setCurrentIndex(1);
      const auto meldung = d.Druecken(knopf);
      ASSERT_TRUE(meldung);
      EXPECT_EQ(meldung->Text.toStdString(), fall.Meldung);
      EXPECT_EQ(meldung->Seite.toStdString(), fall.Seite);
      EXPECT_EQ(meldung->Fokus.toStdString(), fall.Fokus);
      // The dialog stays open and the template store untouched.
      EXPECT_TRUE(d.Dialog.isVisible());
      EXPECT_EQ(d.Dialog.result(), QDialog::Rejected);
      EXPECT_FALSE(d.Dialog.VorlagenGeaendert());
      EXPECT_FALSE(d.Vorlagen.Ansicht(4));
    }
  }
}

TEST(DialogChartAnsicht, ZurueckschreibenJedesFeldes) {
  // Each change on its own, so two controls wired to each other's field show.
  struct TFall {
    std::function<void(const TSteuer&)> Aendern;
    std::function<void(TChartAnsicht&)> Erwartet;
  };
  std::vector<TFall> faelle = {
      {[](auto& s) { s.Charttyp[0]->click(); }, [](auto& a) { a.Charttyp = TCharttyp::Linie; }},
      {[](auto& s) { s.L_Kurs->setCurrentIndex(0); }, [](auto& a) { a.LinienKurs = 1; }},
      {[](auto& s) { s.P_Kurs->setCurrentIndex(1); }, [](auto& a) { a.PFKurs = 2; }},
      {[](auto& s) { s.P_Umkehrminimum->setText("1,239"); },
       [](auto& a) { a.Umkehrminimum = 1.23; }},
      {[](auto& s) { s.Zeit_Tage->setEditText("250 Tage"); }, [](auto& a) { a.Tage = 250; }},
      {[](auto& s) { s.Zeit_Tage->setCurrentIndex(0); }, [](auto& a) { a.AlleTage = true; }},
      {[](auto& s) { s.Wert_Logarithmisch->click(); }, [](auto& a) { a.Logarithmisch = true; }},
      {[](auto& s) { s.Umsatz_Hoehe->setCurrentIndex(3); }, [](auto& a) { a.UmsatzHoehe = 70; }},
      {[](auto& s) { s.Umsatz_Extremwert->setText("999"); },
       [](auto& a) { a.UmsatzExtremwert = 999; }},
  };
  // The check boxes flip their flag.
  const std::pair<QCheckBox * TSteuer::*, bool TChartAnsicht::*> kreuze[] = {
      {&TSteuer::Zeit_Wochentag, &TChartAnsicht::Wochentag},
      {&TSteuer::Zeit_Monatsbalken, &TChartAnsicht::Monatsbalken},
      {&TSteuer::Zeit_Jahresbalken, &TChartAnsicht::Jahresbalken},
      {&TSteuer::Zeit_TageOhneKursWeglassen, &TChartAnsicht::TageOhneKursWeglassen},
      {&TSteuer::Wert_GraphStrecken, &TChartAnsicht::GraphStrecken},
      {&TSteuer::Z_Punkteraster, &TChartAnsicht::Punkteraster},
      {&TSteuer::Z_KaufVerkauf, &TChartAnsicht::KaufVerkauf},
      {&TSteuer::Z_GVGrenze, &TChartAnsicht::GVGrenze},
      {&TSteuer::Z_Indikatoren, &TChartAnsicht::Indikatoren},
      {&TSteuer::Z_Infobereich, &TChartAnsicht::Infobereich},
      {&TSteuer::Umsatz_Anzeigen, &TChartAnsicht::UmsatzAnzeigen},
      {&TSteuer::Umsatz_Abschneiden, &TChartAnsicht::UmsatzAbschneiden},
  };
  for (const auto& [box, feld] : kreuze) {
    faelle.push_back({[box](const TSteuer& s) { (s.*box)->click(); },
                      [feld](TChartAnsicht& a) { a.*feld = !(a.*feld); }});
  }
  for (std::size_t i = 0; i < faelle.size(); ++i) {
    SCOPED_TRACE("Fall " + std::to_string(i));
    TOffenerDialog d;
    faelle[i].Aendern(d.S());
    EXPECT_FALSE(d.Druecken("OK"));
    EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
    TChartAnsicht erwartet;
    faelle[i].Erwartet(erwartet);
    EXPECT_EQ(d.Dialog.Ansicht(), erwartet);
  }
}

TEST(DialogChartAnsicht, UngueltigeTexteOhnePruefungBleibenAlt) {
  TChartAnsicht a;
  a.Umkehrminimum = 3;
  a.UmsatzHoehe = 50;
  TOffenerDialog d(a);
  d.S().P_Umkehrminimum->setText("viel");  // not checked: no P&F chart
  d.S().Umsatz_Anzeigen->click();
  d.S().Umsatz_Hoehe->setEditText("90 %");  // not checked: no histogram
  d.S().Zeit_Tage->setEditText("  ALLE TAGE ");
  // Enter presses the default button.
  test::ModalBeantworten([&] { QTest::keyClick(d.S().Zeit_Tage, Qt::Key_Return); },
                         [](QWidget* modal) { FAIL() << modal->objectName().toStdString(); });
  EXPECT_EQ(d.Dialog.result(), QDialog::Accepted);
  EXPECT_EQ(d.Dialog.Ansicht().Umkehrminimum, 3);
  EXPECT_EQ(d.Dialog.Ansicht().UmsatzHoehe, 50);
  EXPECT_TRUE(d.Dialog.Ansicht().AlleTage);
}

TEST(DialogChartAnsicht, AbbrechenLaesstDieAnsichtUnveraendert) {
  TChartVorlagen vorlagen;
  TChartAnsicht ansicht;
  const auto bearbeiten = [&](const char* knopf) {
    TChartAnsichtErgebnis ergebnis;
    test::ModalBeantworten([&] { ergebnis = ChartAnsichtBearbeiten(nullptr, ansicht, vorlagen); },
                           [&](QWidget* modal) {
                             auto* d = dynamic_cast<TDialogChartAnsicht*>(modal);
                             ASSERT_TRUE(d);
                             d->Steuerelemente().Charttyp[1]->click();
                             d->findChild<QPushButton*>(knopf)->click();
                           });
    return ergebnis;
  };
  TChartAnsichtErgebnis ergebnis = bearbeiten("Abbrechen");
  EXPECT_FALSE(ergebnis.Ok);
  EXPECT_FALSE(ergebnis.VorlagenGeaendert);
  EXPECT_EQ(ansicht, TChartAnsicht{});
  ergebnis = bearbeiten("OK");
  EXPECT_TRUE(ergebnis.Ok);
  EXPECT_EQ(ansicht.Charttyp, TCharttyp::Balken);
}

TEST(DialogChartAnsicht, AlsVorlageSpeichernOeffnetDieSlotliste) {
  TOffenerDialog d;
  d.S().Charttyp[4]->click();
  d.S().P_Umkehrminimum->setText("2");
  QStringList zeilen;
  test::ModalBeantworten([&] { d.Knopf("Vorlage")->click(); },
                         [&](QWidget* modal) {
                           auto* v = dynamic_cast<TDialogChartAnsichtVorlagen*>(modal);
                           ASSERT_TRUE(v);
                           auto* liste = v->findChild<QListWidget*>("Liste");
                           for (int i = 0; i < liste->count(); ++i)
                             zeilen << liste->item(i)->text();
                           v->findChild<QLineEdit*>("Bezeichnung")->setText("Equivolumen");
                           QTest::keyClick(v->findChild<QLineEdit*>("Bezeichnung"), Qt::Key_Return);
                         });
  ASSERT_EQ(zeilen.size(), 10);
  EXPECT_EQ(zeilen[3], "4: (nicht verwendet)");
  // Saved into the first empty slot; the view dialog stays open.
  EXPECT_EQ(d.Vorlagen.Name(4), "Equivolumen");
  ASSERT_TRUE(d.Vorlagen.Ansicht(4));
  EXPECT_EQ(d.Vorlagen.Ansicht(4)->Charttyp, TCharttyp::Equivolume);
  EXPECT_EQ(d.Vorlagen.Ansicht(4)->Umkehrminimum, 2);
  EXPECT_TRUE(d.Dialog.VorlagenGeaendert());
  EXPECT_TRUE(d.Dialog.isVisible());
  EXPECT_NE(d.Dialog.result(), QDialog::Accepted);
}

TEST(DialogChartAnsicht, HilfeNurMitHilfefunktion) {
  TOffenerDialog ohne;
  EXPECT_FALSE(ohne.Knopf("Hilfe")->isEnabled());

  TChartVorlagen vorlagen;
  std::vector<int> kontexte;
  TDialogChartAnsicht d(vorlagen, [&](int kontext) { kontexte.push_back(kontext); });
  d.show();
  d.activateWindow();  // shortcuts need the active window
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  d.findChild<QPushButton*>("Hilfe")->click();
  QTest::keyClick(&d, Qt::Key_F1);
  EXPECT_EQ(kontexte, (std::vector<int>{kHilfeChartAnsicht, kHilfeChartAnsicht}));
}

}  // namespace
}  // namespace morvane
