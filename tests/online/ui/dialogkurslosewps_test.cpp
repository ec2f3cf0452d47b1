#include "online/ui/dialogkurslosewps.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "core/datei.h"
#include "platform/ui/dialogdrucken.h"
#include "platform/ui/druckerwahl.h"
#include "testhilfe/pdftext.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/qt/modalfolge.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

using VS = std::vector<std::string>;
using TAntwort = test::TModalAntwort;
using test::ModalsBeantworten;

const std::string kGrund = "Kursquellen haben keinen Kurs geliefert.";

TAntwort DateiWaehlen(const std::string& pfad) {
  return [pfad](QWidget* modal) {
    auto* waehler = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(waehler, nullptr);
    EXPECT_EQ(waehler->windowTitle(), "Liste speichern");
    EXPECT_EQ(waehler->nameFilters(), (QStringList{"Textdateien (*.txt)", "Alle Dateien (*)"}));
    waehler->selectFile(QString::fromStdString(pfad));
    static_cast<QDialog*>(waehler)->accept();
  };
}

TAntwort Frage(bool ja, QString* text) {
  return [ja, text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    *text = box->text();
    (ja ? box->button(QMessageBox::Yes) : box->button(QMessageBox::No))->click();
  };
}

class DialogKursloseWPs : public testing::Test {
 protected:
  DialogKursloseWPs() : dialog_(zeilen_) {
    dialog_.SetzeVerzeichnis(QString::fromStdString(tmp_.Pfad()));
  }

  test::TTempVerzeichnis tmp_;
  const VS zeilen_{"Indizes / S&P 500\t" + kGrund, "Aktien / Öl AG\t" + kGrund,
                   "Aktien / apple\t" + kGrund};
  TDialogKursloseWPs dialog_;
};

TEST_F(DialogKursloseWPs, ShowsTheSortedLinesInTwoColumns) {
  EXPECT_EQ(dialog_.windowTitle(), "Ergebnis der Kursaktualisierung");
  const QTreeWidget& liste = *dialog_.Liste();
  EXPECT_EQ(liste.headerItem()->text(0), "Katalog / WP-Bezeichnung");
  EXPECT_EQ(liste.headerItem()->text(1), "Grund");
  ASSERT_EQ(liste.topLevelItemCount(), 3);
  const VS erwartet{"Aktien / apple", "Aktien / Öl AG", "Indizes / S&P 500"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(liste.topLevelItem(i)->text(0).toStdString(), erwartet[i]);
    EXPECT_EQ(liste.topLevelItem(i)->text(1).toStdString(), kGrund);
  }
  dialog_.show();
  test::BildSpeichern(dialog_, "kurslosewps", false);
}

TEST_F(DialogKursloseWPs, SavesUnderTheDefaultNameAndAsksBeforeReplacing) {
  const std::string datei = tmp_.Datei("WPsOhneKurse.txt");
  const std::string text = "Aktien / apple\t" + kGrund + "\nAktien / Öl AG\t" + kGrund +
                           "\nIndizes / S&P 500\t" + kGrund + "\n";
  // The chooser offers the default name in the directory it starts in.
  EXPECT_EQ(ModalsBeantworten([&] { dialog_.Speichern(); }, {[&](QWidget* modal) {
                                auto* waehler = qobject_cast<QFileDialog*>(modal);
                                ASSERT_NE(waehler, nullptr);
                                EXPECT_EQ(waehler->selectedFiles().value(0).toStdString(), datei);
                                static_cast<QDialog*>(waehler)->accept();
                              }}),
            1u);
  EXPECT_EQ(DateiLesen(datei), text);

  DateiAtomarSchreiben(datei, "alt");
  QString frage;
  EXPECT_EQ(
      ModalsBeantworten([&] { dialog_.Speichern(); }, {DateiWaehlen(datei), Frage(false, &frage)}),
      2u);
  EXPECT_EQ(frage.toStdString(),
            "Die Datei „" + datei + "“ gibt es bereits. Soll sie überschrieben werden?");
  EXPECT_EQ(DateiLesen(datei), "alt") << "declined";
  EXPECT_EQ(
      ModalsBeantworten([&] { dialog_.Speichern(); }, {DateiWaehlen(datei), Frage(true, &frage)}),
      2u);
  EXPECT_EQ(DateiLesen(datei), text);
}

TEST_F(DialogKursloseWPs, ANameWithoutExtensionGetsTxtAndCancelWritesNothing) {
  ModalsBeantworten([&] { dialog_.Speichern(); }, {DateiWaehlen(tmp_.Datei("fehlend"))});
  EXPECT_NO_THROW(DateiLesen(tmp_.Datei("fehlend.txt")));
  ModalsBeantworten([&] { dialog_.Speichern(); },
                    {[](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); }});
  EXPECT_THROW(DateiLesen(tmp_.Datei("WPsOhneKurse.txt")), EDatei);
}

TEST_F(DialogKursloseWPs, PrintsTheTableToAPdfThroughThePrintDialog) {
  const std::string pdf = tmp_.Datei("ergebnis.pdf");
  EXPECT_EQ(ModalsBeantworten([&] { dialog_.DruckenKnopf()->click(); }, {[&](QWidget* modal) {
                                auto* d = dynamic_cast<TDialogDrucken*>(modal);
                                ASSERT_NE(d, nullptr);
                                QComboBox* ausgabe = d->Wahl()->Liste();
                                ausgabe->setCurrentIndex(ausgabe->findText("PDF-Datei"));
                                d->Wahl()->DateiFeld()->setText(QString::fromStdString(pdf));
                                d->accept();
                              }}),
            1u);
  const std::string text = test::PdfText(pdf);
  EXPECT_EQ(test::PdfSeiten(text), 1);
  std::size_t pos = 0;
  for (const char* teil : {"Ergebnis der Kursaktualisierung", "Katalog / WP-Bezeichnung", "Grund",
                           "Aktien / apple", "Aktien / Öl AG", "Indizes / S&P 500"}) {
    pos = text.find(teil, pos);
    ASSERT_NE(pos, std::string::npos) << teil << "\n" << text;
  }
}

}  // namespace
}  // namespace morvane
