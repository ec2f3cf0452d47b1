#include "indicators/ui/dialogindikatorbearbeiten.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "indicators/indikatortypen.h"
#include "indicators/indvorlagen.h"
#include "indicators/ui/feldseite.h"
#include "layoutpruefung.h"
#include "testhilfe/qt/dialogtesthilfe.h"

namespace morvane::test {
namespace {

std::string Bytes(const TIndikator& indikator) {
  TBinaerSchreiber d;
  indikator.Speichern(d);
  for (const auto& k : indikator.AllgemeinWerte())
    d.Byte(k ? 1 : 0);
  for (const std::string& t : indikator.BerechnungTexte())
    d.Text(t);
  return d.Entnehmen();
}

QString Klar(QString text) {
  return text.remove(QRegularExpression(QStringLiteral("&(?!&)")))
      .replace(QStringLiteral("&&"), QStringLiteral("&"));
}

constexpr int kSignal = static_cast<int>(TParameterSeite::Signalgenerierung);

// Every entry of the default set: all 19 kinds and the three aggregates.
TEST(DialogIndikatorBearbeiten, JederEintragOeffnetMitSeinenWertenUndBleibtBeiOk) {
  TIndVorlagen vorlagen;
  auto liste = vorlagen.Kopie();
  int geprueft = 0;
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    for (int i = 0; i < liste->Anzahl(gruppe); ++i) {
      TIndikator& ind = liste->Indikator(gruppe, i);
      SCOPED_TRACE(ind.Titel());
      const std::string vorher = Bytes(ind);
      TDialogIndikatorBearbeiten d(ind, [] {});
      d.show();
      EXPECT_EQ(d.windowTitle().toStdString(), "Indikator bearbeiten");
      EXPECT_EQ(d.Seiten()->currentIndex(), 0);
      EXPECT_EQ(d.Typ()->text().toStdString(),
                ind.Schluessel().empty() ? "Gesamtsignal der Gruppe" : ind.Typname());
      EXPECT_EQ(d.Bezeichnung()->text().toStdString(), ind.Bezeichnung());
      EXPECT_EQ(d.Kurzbezeichnung()->text().toStdString(), ind.Kurzbezeichnung());
      EXPECT_EQ(d.Bezeichnung()->isEnabled(), !ind.Schluessel().empty());
      EXPECT_EQ(d.Kurzbezeichnung()->isEnabled(), !ind.Schluessel().empty());
      if (d.Bezeichnung()->isEnabled()) {
        EXPECT_EQ(d.focusWidget(), d.Bezeichnung());
      }
      const auto felder = ind.AllgemeinFelder();
      ASSERT_EQ(d.Kaestchen().size(), felder.size());
      for (std::size_t k = 0; k < felder.size(); ++k) {
        EXPECT_EQ(Klar(d.Kaestchen()[k]->text()).toStdString(), felder[k]);
        EXPECT_EQ(d.Kaestchen()[k]->isChecked(), ind.AllgemeinWerte()[k]);
      }
      EXPECT_EQ(d.Berechnung()->Texte(), ind.BerechnungTexte());
      EXPECT_EQ(d.Seiten()->isTabVisible(kSignal), ind.HatSignalgenerierung());
      for (int seite = 0; seite < d.Seiten()->count(); ++seite) {
        if (!d.Seiten()->isTabVisible(seite)) continue;
        d.Seiten()->setCurrentIndex(seite);
        EXPECT_EQ(Maengel(d), std::vector<std::string>{}) << "Seite " << seite;
        Bild(d, QStringLiteral("bearbeiten-%1-%2-%3").arg(gruppe).arg(i).arg(seite));
      }
      d.accept();
      EXPECT_EQ(d.result(), QDialog::Accepted);
      EXPECT_EQ(Bytes(ind), vorher);
      ++geprueft;
    }
  }
  EXPECT_EQ(geprueft, 22);
}

TEST(DialogIndikatorBearbeiten, ObereExtremzoneFolgtBeimTippen) {
  auto rsi = ErzeugeIndikator("IndRSI");
  TDialogIndikatorBearbeiten d(*rsi, {});
  d.show();
  EXPECT_EQ(d.ExtremzoneOben()->text().toStdString(), std::to_string(100 - rsi->ExtremzoneUnten));
  EXPECT_TRUE(d.ExtremzoneOben()->isReadOnly());
  QLineEdit* unten = d.Signal()->Eingabe(kSignalExtremzone);
  const struct {
    const char* getippt;
    const char* oben;
  } faelle[] = {{"30", "70"}, {"51", ""}, {"x", ""}, {"0", "100"}};
  for (const auto& f : faelle) {
    unten->clear();
    QTest::keyClicks(unten, QString::fromLatin1(f.getippt));
    EXPECT_EQ(d.ExtremzoneOben()->text().toStdString(), f.oben) << f.getippt;
  }
}

// OK with a wrong field: the dialog stays open on the field's page with the
// field focused and says why; the indicator keeps its values.
TEST(DialogIndikatorBearbeiten, OkMeldetDenFehlerAufSeinerSeite) {
  const struct {
    const char* art;
    TParameterSeite seite;
    int feld;
    const char* text;
    const char* meldung;
  } faelle[] = {
      {"IndRSI", TParameterSeite::Signalgenerierung, kSignalEntfernung, "101",
       "Das maximale Entfernungssignal muss zwischen 0% und 100% liegen!"},
      {"IndRSI", TParameterSeite::Signalgenerierung, kSignalSteigung, "1000,5",
       "Ungültige Angabe bei der Steigung des Annäherungssignals!"},
      {"IndRSI", TParameterSeite::Signalgenerierung, kSignalExtremzone, "51",
       "Die Grenze der unteren Extremzone muss zwischen 0 und 50 Punkte liegen!"},
      {"IndRSI", TParameterSeite::Berechnung, 0, "0", kMeldungZeitraum.data()},
      {"Ind2GD", TParameterSeite::Berechnung, 0, "500", kMeldungKurzLang.data()},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.meldung);
    auto ind = ErzeugeIndikator(f.art);
    const std::string vorher = Bytes(*ind);
    TDialogIndikatorBearbeiten d(*ind, {});
    d.show();
    TFeldseite* seite = f.seite == TParameterSeite::Berechnung ? d.Berechnung() : d.Signal();
    seite->Eingabe(f.feld)->setText(QString::fromUtf8(f.text));
    std::string gezeigt;
    ModalBeantworten([&] { d.accept(); },
                     [&](QWidget* box) {
                       auto* m = qobject_cast<QMessageBox*>(box);
                       ASSERT_NE(m, nullptr);
                       EXPECT_EQ(m->icon(), QMessageBox::Warning);
                       gezeigt = m->text().toStdString();
                       EXPECT_EQ(d.Seiten()->currentIndex(), static_cast<int>(f.seite));
                       EXPECT_EQ(d.focusWidget(), seite->Eingabe(f.feld));
                       m->accept();
                     });
    EXPECT_EQ(gezeigt, f.meldung);
    EXPECT_TRUE(d.isVisible());
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_EQ(Bytes(*ind), vorher);
  }
}

TEST(DialogIndikatorBearbeiten, OkUebernimmtAlleSeitenUndAbbrechenNichts) {
  auto ind = ErzeugeIndikator("Ind2GD");
  const std::string vorher = Bytes(*ind);
  const auto aendern = [](TDialogIndikatorBearbeiten& d) {
    d.Bezeichnung()->setText(QStringLiteral("Schnelle Linien"));
    d.Kurzbezeichnung()->setText(QStringLiteral("SL"));
    d.Kaestchen()[0]->setChecked(!d.Kaestchen()[0]->isChecked());
    d.Berechnung()->Eingabe(0)->setText(QStringLiteral("5"));
    d.Berechnung()->Knoepfe(2)[1]->click();  // linear weighting
    d.Signal()->Eingabe(kSignalSteigung)->setText(QStringLiteral("1.5"));
  };
  {
    TDialogIndikatorBearbeiten d(*ind, {});
    aendern(d);
    d.reject();
  }
  EXPECT_EQ(Bytes(*ind), vorher);
  TDialogIndikatorBearbeiten d(*ind, {});
  const bool kurzVorher = d.Kaestchen()[0]->isChecked();
  aendern(d);
  d.accept();
  ASSERT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(ind->Titel(), "Schnelle Linien (SL)");
  EXPECT_EQ(ind->AllgemeinWerte()[0], !kurzVorher);
  EXPECT_EQ(ind->BerechnungTexte()[0], "5");
  EXPECT_EQ(ind->BerechnungTexte()[2], "1");
  EXPECT_DOUBLE_EQ(ind->Annaeherungssteigung, 1.5);
  // The next opening shows what was taken over.
  TDialogIndikatorBearbeiten wieder(*ind, {});
  EXPECT_EQ(wieder.Berechnung()->Texte(), ind->BerechnungTexte());
  EXPECT_TRUE(wieder.Berechnung()->Knoepfe(2)[1]->isChecked());
}

}  // namespace
}  // namespace morvane::test
