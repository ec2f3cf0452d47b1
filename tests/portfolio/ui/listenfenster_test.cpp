#include "portfolio/ui/listenfenster.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QLabel>
#include <QTableView>

#include "core/datumtext.h"
#include "testhilfe/beispieldaten.h"
#include "testhilfe/pdftext.h"
#include "testhilfe/qt/dialogtesthilfe.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

TListenInhalt Beispiel() {
  return {
      "Depot-Übersicht am 09.01.1998",
      {{"Katalog / WP-Bezeichnung", TDruckAusrichtung::Links},
       {"Bestand", TDruckAusrichtung::Rechts},
       {"Buchgewinn", TDruckAusrichtung::Zentriert}},
      {"Aktien / Alpha AG\t10\t-5,00 EUR", "-1", "Aktien / Beta\t2", "-1", "\t\t12,00 EUR", "-2"},
      {"Wertpapier übersprungen: Aktien/kaputt.mv3 ist beschädigt"}};
}

TEST(ListenFenster, CellsAlignmentRedNegativesAndMarkers) {
  TDruckAuftrag auftrag;
  TListenFenster fenster(Beispiel(), auftrag);
  const QAbstractItemModel& m = *fenster.Tabelle()->model();
  ASSERT_EQ(m.rowCount(), 6);
  ASSERT_EQ(m.columnCount(), 3);
  struct Fall {
    int zeile, spalte;
    QVariant text;
    bool rot;
  };
  for (const Fall& f : {Fall{0, 0, "Aktien / Alpha AG", false}, Fall{0, 2, "-5,00 EUR", true},
                        Fall{2, 2, QVariant(), false}, Fall{1, 0, QVariant(), false},
                        Fall{5, 1, QVariant(), false}, Fall{4, 2, "12,00 EUR", false}}) {
    const QModelIndex i = m.index(f.zeile, f.spalte);
    EXPECT_EQ(m.data(i), f.text) << f.zeile << "/" << f.spalte;
    EXPECT_EQ(m.data(i, Qt::ForegroundRole) == QVariant(QColor(255, 0, 0)), f.rot);
  }
  EXPECT_EQ(m.data(m.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_EQ(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Buchgewinn"));
  EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Depot-Übersicht am 09.01.1998"));
  EXPECT_FALSE(fenster.Hinweis()->isHidden());
  EXPECT_TRUE(fenster.Hinweis()->text().contains(QStringLiteral("Aktien/kaputt.mv3")));
  fenster.resize(600, 320);
  test::BildSpeichern(fenster, "liste", false);
}

TEST(ListenFenster, CopyGivesHeaderAndRowsWithoutMarkers) {
  TDruckAuftrag auftrag;
  TListenFenster fenster(Beispiel(), auftrag);
  fenster.Kopieren();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            "Katalog / WP-Bezeichnung\tBestand\tBuchgewinn\n"
            "Aktien / Alpha AG\t10\t-5,00 EUR\nAktien / Beta\t2\n\t\t12,00 EUR\n");
  TListenInhalt ohne = Beispiel();
  ohne.Uebersprungen.clear();
  EXPECT_TRUE(TListenFenster(ohne, auftrag).Hinweis()->isHidden());
}

TEST(ListenFenster, PrintedOverviewOfTheExampleDataReadsInOrder) {
  test::TTempVerzeichnis verzeichnis;
  TWPVerwaltung verwaltung(verzeichnis.Pfad());
  const struct {
    const char* katalog;
    const char* datei;
    const char* name;
  } papiere[] = {{"Aktien", "MSFT_2003_matplotlib.csv", "Microsoft"},
                 {"Aktien", "GOOG_2004-2008_matplotlib.csv", "Google"},
                 {"Index", "SP500_2000-2020_vega.csv", "S&P 500"}};
  for (const auto& p : papiere) {
    verwaltung.WertpapierSpeichern(verwaltung.NeueID(p.katalog, p.name),
                                   test::BeispielPapier(p.datei, p.name));
  }
  const TDepotListe liste =
      DepotUebersicht(verwaltung, {"Index", "Aktien"}, *TextZuKalendertag("05.05.2006"), false);
  ASSERT_GE(liste.Zeilen.size(), 3u);
  const TListenInhalt inhalt = ListenInhalt(liste);
  const std::string datei = verzeichnis.Datei("uebersicht.pdf");
  ListeDrucken(inhalt.Titel, inhalt.Spalten, inhalt.Zeilen, {true, "", datei, true});
  const std::string text = test::PdfText(datei);
  EXPECT_EQ(test::PdfSeiten(text), 1);
  std::size_t pos = 0;
  for (const TDruckSpalte& s : inhalt.Spalten) {
    pos = text.find(s.Titel, pos);
    ASSERT_NE(pos, std::string::npos) << s.Titel;
  }
  for (const std::string& zeile : inhalt.Zeilen) {
    for (const std::string_view zelle : ZellenTeilen(zeile)) {
      if (zeile == "-1" || zeile == "-2" || zelle.empty()) continue;
      pos = text.find(zelle, pos);
      ASSERT_NE(pos, std::string::npos) << zelle;
    }
  }
}

}  // namespace
}  // namespace morvane
