#include "portfolio/ui/dialoglistenauswahl.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

#include "core/datumtext.h"
#include "indicators/indvorlagen.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

const std::vector<std::string> kKataloge = {"Aktien", "Fonds", "USA"};

TEST(DialogListenAuswahl, ChoicesLandInTheSettingsOnlyOnOk) {
  const TIndVorlagen vorlagen;
  struct Fall {
    TAuswahlArt art;
    int indikatorZeile;
  };
  const Fall faelle[] = {
      {{"Katalogauswahl für Depot-Übersicht", true, false, nullptr}, -1},
      {{"Katalogauswahl für Depot-Gewinne", false, false, nullptr}, -1},
      {{"Volatilität der Wertpapiere", false, true, nullptr}, -1},
      {{"Katalogauswahl für Depot-Einzelindikator", false, false, &vorlagen.Liste()}, 1}};
  for (const Fall& f : faelle) {
    const test::TTempVerzeichnis programm;
    TEinstellungen einstellungen(programm.Pfad());
    einstellungen.ListenKataloge = {"Fonds"};
    einstellungen.ListenDatum = *TextZuKalendertag("10.01.1998");
    TDialogListenAuswahl dialog(f.art, kKataloge, einstellungen);
    EXPECT_TRUE(dialog.KatalogListe()->item(1)->isSelected()) << f.art.Titel;
    EXPECT_EQ(dialog.DatumFeld()->text(), QStringLiteral("10.01.1998"));
    dialog.KatalogListe()->item(2)->setSelected(true);
    dialog.DatumFeld()->setText("3.2.2026");
    if (dialog.BestandFeld()) dialog.BestandFeld()->setChecked(true);
    if (dialog.ZeitraumFeld()) {
      EXPECT_EQ(dialog.ZeitraumFeld()->text(), QStringLiteral("150"));
      dialog.ZeitraumFeld()->setText("20");
    }
    if (dialog.IndikatorListe()) {
      dialog.IndikatorListe()->setCurrentRow(0);  // a heading
      EXPECT_FALSE(dialog.OkMoeglich());
      dialog.IndikatorListe()->setCurrentRow(f.indikatorZeile);
    }
    ASSERT_TRUE(dialog.OkMoeglich());
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(einstellungen.ListenKataloge, (std::vector<std::string>{"Fonds", "USA"}));
    EXPECT_EQ(einstellungen.ListenDatum, *TextZuKalendertag("3.2.2026"));
    EXPECT_EQ(dialog.Wahl().Kataloge, einstellungen.ListenKataloge);
    EXPECT_EQ(dialog.Wahl().NurMitBestand, f.art.MitBestandOption);
    EXPECT_EQ(dialog.Wahl().Zeitraum, f.art.MitZeitraum ? 20 : 0);
    EXPECT_EQ(dialog.Wahl().Indikator, (TIndWahl{1, 0}));
  }
}

TEST(DialogListenAuswahl, RefusedEntriesKeepTheDialogAndTheSettings) {
  struct Fall {
    QString datum, zeitraum;
    QString meldung;
  };
  for (const Fall& f : {Fall{"30.2.2026", "150", "Ungültiges Datum eingegeben!"},
                        Fall{"1.2.2026", "0", "Ungültigen Berechnungszeitraum eingegeben!"},
                        Fall{"1.2.2026", "x", "Ungültigen Berechnungszeitraum eingegeben!"}}) {
    const test::TTempVerzeichnis programm;
    TEinstellungen einstellungen(programm.Pfad());
    einstellungen.ListenKataloge = {"Aktien"};
    const Kalendertag vorher = einstellungen.ListenDatum;
    TDialogListenAuswahl dialog({"Volatilität der Wertpapiere", false, true, nullptr}, kKataloge,
                                einstellungen);
    dialog.show();
    dialog.KatalogListe()->item(2)->setSelected(true);
    dialog.DatumFeld()->setText(f.datum);
    dialog.ZeitraumFeld()->setText(f.zeitraum);
    const QString meldung = test::Meldung([&] { dialog.accept(); });
    EXPECT_EQ(meldung, f.meldung);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(einstellungen.ListenKataloge, (std::vector<std::string>{"Aktien"}));
    EXPECT_EQ(einstellungen.ListenDatum, vorher);
    if (f.datum == "30.2.2026") test::BildSpeichern(dialog, "auswahl");
  }
}

TEST(DialogListenAuswahl, OkNeedsACatalog) {
  const test::TTempVerzeichnis programm;
  TEinstellungen einstellungen(programm.Pfad());
  TDialogListenAuswahl dialog({"Katalogauswahl für Depot-Gewinne"}, kKataloge, einstellungen);
  EXPECT_FALSE(dialog.OkMoeglich());
  dialog.KatalogListe()->item(0)->setSelected(true);
  EXPECT_TRUE(dialog.OkMoeglich());
}

}  // namespace
}  // namespace morvane
