#include "indicators/ui/dialogindikatorenanpassen.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "indicators/ui/dialogindikatorbearbeiten.h"
#include "indicators/ui/dialogindikatorneu.h"
#include "indicators/ui/feldseite.h"
#include "layoutpruefung.h"
#include "testhilfe/qt/dialogtesthilfe.h"

namespace morvane::test {
namespace {

std::string Bytes(const TIndVorlagen& vorlagen) {
  TBinaerSchreiber d;
  vorlagen.Speichern(d);
  return d.Entnehmen();
}

std::vector<std::string> Zeilen(const QListWidget& liste) {
  std::vector<std::string> texte;
  for (int i = 0; i < liste.count(); ++i)
    texte.push_back(liste.item(i)->text().toStdString());
  return texte;
}

// Up, down, edit, delete as enabled now.
std::vector<bool> Frei(const TGruppenseite& s) {
  return {s.Auf->isEnabled(), s.Ab->isEnabled(), s.Bearbeiten->isEnabled(),
          s.Loeschen->isEnabled()};
}

struct Anpassen : testing::Test {
  TIndVorlagen vorlagen;
  TIndAnpassen anpassen{vorlagen};
  TDialogIndikatorenAnpassen d{anpassen, [] {}};
};

TEST_F(Anpassen, SeitenListenUndFreigabenFolgenDerAuswahl) {
  d.show();
  ASSERT_EQ(d.Seiten()->count(), 3);
  EXPECT_EQ(d.Seiten()->tabText(2).toStdString(), "Trendintensitäts-Indikatoren");
  EXPECT_EQ(Maengel(d), std::vector<std::string>{});
  Bild(d, QStringLiteral("anpassen"));
  const TGruppenseite& s = d.Seite(3);  // RTI, ADX, VHF, aggregate
  EXPECT_EQ(Zeilen(*s.Liste), anpassen.Eintraege(3));
  const struct {
    int zeile;
    std::vector<bool> frei;
  } faelle[] = {{0, {false, true, true, true}},
                {1, {true, true, true, true}},
                {2, {true, false, true, true}},
                {3, {false, false, true, false}},
                {-1, {false, false, false, false}}};
  for (const auto& f : faelle) {
    s.Liste->setCurrentRow(f.zeile);
    EXPECT_EQ(Frei(s), f.frei) << f.zeile;
  }
}

TEST_F(Anpassen, AufUndAbTauschenUndDasGesamtBleibtLetztes) {
  const TGruppenseite& s = d.Seite(3);
  const auto vorher = Zeilen(*s.Liste);
  s.Liste->setCurrentRow(0);
  s.Ab->click();
  EXPECT_EQ(d.Auswahl(3), 1);
  s.Ab->click();
  EXPECT_EQ(d.Auswahl(3), 2);
  EXPECT_FALSE(s.Ab->isEnabled()) << "nothing moves past the aggregate";
  s.Ab->click();
  EXPECT_EQ(Zeilen(*s.Liste),
            (std::vector<std::string>{vorher[1], vorher[2], vorher[0], vorher[3]}));
  s.Auf->click();
  EXPECT_EQ(d.Auswahl(3), 1);
  s.Liste->setCurrentRow(3);
  d.Auf(3);
  d.Ab(3);
  EXPECT_EQ(Zeilen(*s.Liste).back(), vorher.back());
  EXPECT_EQ(d.Auswahl(3), 3);
}

TEST_F(Anpassen, HinzufuegenVorDerAuswahl) {
  const TGruppenseite& s = d.Seite(2);
  s.Liste->setCurrentRow(2);
  ModalBeantworten([&] { s.Hinzufuegen->click(); },
                   [](QWidget* w) {
                     auto* neu = dynamic_cast<TDialogIndikatorNeu*>(w);
                     ASSERT_NE(neu, nullptr);
                     EXPECT_EQ(neu->windowTitle().toStdString(), "Indikator hinzufügen");
                     ASSERT_EQ(neu->Typen()->count(), 10);
                     EXPECT_EQ(neu->Typen()->currentRow(), 0);
                     Bild(*neu, QStringLiteral("hinzufuegen"));
                     EXPECT_EQ(Maengel(*neu), std::vector<std::string>{});
                     neu->Typen()->setCurrentRow(9);
                     EXPECT_EQ(neu->Schluessel(), "IndTSF");
                     emit neu->Typen()->itemDoubleClicked(neu->Typen()->item(9));
                     EXPECT_EQ(neu->result(), QDialog::Accepted) << "a double click is OK";
                   });
  EXPECT_EQ(anpassen.Liste().Indikator(2, 2).Schluessel(), "IndTSF");
  EXPECT_EQ(d.Auswahl(2), 2);
  EXPECT_EQ(Zeilen(*s.Liste), anpassen.Eintraege(2));
  // Cancelled: nothing is added.
  const auto vorher = Zeilen(*s.Liste);
  ModalBeantworten([&] { d.Hinzufuegen(2); },
                   [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(Zeilen(*s.Liste), vorher);
}

TEST_F(Anpassen, BearbeitenPerDoppelklickBehaeltDieAuswahl) {
  const TGruppenseite& s = d.Seite(1);
  s.Liste->setCurrentRow(1);
  ModalBeantworten([&] { emit s.Liste->itemDoubleClicked(s.Liste->item(1)); },
                   [](QWidget* w) {
                     auto* b = dynamic_cast<TDialogIndikatorBearbeiten*>(w);
                     ASSERT_NE(b, nullptr);
                     b->Bezeichnung()->setText(QStringLiteral("Mein Stochastik"));
                     b->Kurzbezeichnung()->setText(QStringLiteral("MS"));
                     b->accept();
                   });
  EXPECT_EQ(s.Liste->item(1)->text().toStdString(), "Mein Stochastik (MS)");
  EXPECT_EQ(d.Auswahl(1), 1);
}

TEST_F(Anpassen, LoeschenNachRueckfrage) {
  const TGruppenseite& s = d.Seite(1);
  const auto vorher = Zeilen(*s.Liste);
  s.Liste->setCurrentRow(2);
  const auto antworten = [](const char* knopf, std::string& frage) {
    return [knopf, &frage](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      frage = box->text().toStdString();
      for (QAbstractButton* b : box->buttons()) {
        if (b->text() == QString::fromLatin1(knopf)) b->click();
      }
    };
  };
  std::string frage;
  ModalBeantworten([&] { s.Loeschen->click(); }, antworten("&Nein", frage));
  EXPECT_EQ(frage, "Indikator '" + vorher[2] + "' wirklich löschen?");
  EXPECT_EQ(Zeilen(*s.Liste), vorher);
  ModalBeantworten([&] { s.Loeschen->click(); }, antworten("&Ja", frage));
  EXPECT_EQ(Zeilen(*s.Liste).size(), vorher.size() - 1);
  EXPECT_EQ(s.Liste->item(2)->text().toStdString(), vorher[3]);
  EXPECT_EQ(d.Auswahl(2 - 1), 2) << "the entry now at that place is selected";
  // The aggregate is never deleted, not even by calling the action.
  s.Liste->setCurrentRow(s.Liste->count() - 1);
  d.Loeschen(1);
  EXPECT_EQ(Zeilen(*s.Liste).size(), vorher.size() - 1);
}

TEST(IndikatorenAnpassen, EinEintragDirekt) {
  TIndVorlagen vorlagen;
  const std::string vorher = Bytes(vorlagen);
  EXPECT_FALSE(IndikatorAnpassen(nullptr, vorlagen, 3, 4, {})) << "no such entry: nothing opens";
  EXPECT_FALSE(IndikatorAnpassen(nullptr, vorlagen, 0, 0, {}));
  bool ergebnis = true;
  ModalBeantworten([&] { ergebnis = IndikatorAnpassen(nullptr, vorlagen, 3, 1, {}); },
                   [](QWidget* w) {
                     auto* b = dynamic_cast<TDialogIndikatorBearbeiten*>(w);
                     ASSERT_NE(b, nullptr);
                     b->Berechnung()->Eingabe(0)->setText(QStringLiteral("99"));
                     b->reject();
                   });
  EXPECT_FALSE(ergebnis);
  EXPECT_EQ(Bytes(vorlagen), vorher);
}

// An aggregate of a long group scrolls instead of outgrowing the screen.
TEST(IndikatorenAnpassen, LangesGesamtRollt) {
  TIndVorlagen vorlagen;
  TIndAnpassen anpassen(vorlagen);
  for (int i = 0; i < 20; ++i)
    anpassen.Hinzufuegen(1, 0, "IndMOM");
  TIndikator& gesamt = anpassen.Liste().Indikator(1, anpassen.Liste().Anzahl(1) - 1);
  TDialogIndikatorBearbeiten b(gesamt, {});
  b.show();
  b.Seiten()->setCurrentIndex(1);
  EXPECT_TRUE(b.Berechnung()->parentWidget()->parentWidget()->inherits("QScrollArea"));
  EXPECT_LT(b.height(), 600);
  Bild(b, QStringLiteral("gesamt-lang"));
  EXPECT_EQ(b.Berechnung()->Texte().size(), 26u);
}

}  // namespace
}  // namespace morvane::test
