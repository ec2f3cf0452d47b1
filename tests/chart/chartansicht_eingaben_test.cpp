#include <gtest/gtest.h>

#include "chart/chartansichteingaben.h"

namespace morvane {
namespace {

const std::string kTageMeldung =
    "Die Anzahl der Tage auf der Zeitachse muss zwischen 10 und 50000 liegen!";
const std::string kHoeheMeldung =
    "Das Umsatzvolumen-Histogramm muss eine Höhe zwischen 20% und 70% haben!";

// The dialog filled from the default view, then changed by the test.
TChartAnsichtEingaben Standard() {
  return EingabenAusAnsicht(TChartAnsicht{});
}

std::string Meldung(const TChartAnsichtEingaben& e) {
  const auto fehler = EingabenPruefen(e);
  return fehler ? fehler->Meldung : "gültig";
}

TChartAnsicht Uebernommen(const TChartAnsichtEingaben& e) {
  TChartAnsicht a;
  EingabenUebernehmen(e, a);
  return a;
}

TEST(ChartAnsichtEingaben, FuellenUndUnveraendertZurueckschreiben) {
  const TChartAnsichtEingaben e = Standard();
  EXPECT_EQ(e.Charttyp, TCharttyp::Kerze);
  EXPECT_EQ(e.L_Kurs, 3);
  EXPECT_EQ(kKursfelder[static_cast<std::size_t>(e.P_Kurs)], "Schlusskurs");
  EXPECT_EQ(e.P_Umkehrminimum, "0,25");
  EXPECT_EQ(e.Zeit_Tage, "50 Tage");
  EXPECT_EQ(e.Umsatz_Hoehe, "30 %");
  EXPECT_EQ(e.Umsatz_Extremwert, "250");
  EXPECT_EQ(Meldung(e), "gültig");

  TChartAnsicht a;
  a.AlleTage = true;
  a.Wochentag = true;
  a.Logarithmisch = true;
  a.Indikatoren = true;
  EXPECT_EQ(EingabenAusAnsicht(a).Zeit_Tage, "Alle Tage");
  EXPECT_EQ(Uebernommen(EingabenAusAnsicht(a)), a);
}

TEST(ChartAnsichtEingaben, KurslistenOhneAuswahl) {
  struct TFall {
    std::uint8_t Kurs;  // as read from a file, without range checks
    int Index;          // what the list selects
    std::uint8_t Zurueck;
  };
  const TFall faelle[] = {
      {1, 0, 1},
      {5, 4, 5},
      // Nothing selected: the field stays as it was.
      {0, -1, 0},
      {6, -1, 6},
      {255, -1, 255},
  };
  for (const TFall& fall : faelle) {
    TChartAnsicht a;
    a.LinienKurs = fall.Kurs;
    a.PFKurs = fall.Kurs;
    const TChartAnsichtEingaben e = EingabenAusAnsicht(a);
    EXPECT_EQ(e.L_Kurs, fall.Index) << int(fall.Kurs);
    EXPECT_EQ(e.P_Kurs, fall.Index) << int(fall.Kurs);
    EingabenUebernehmen(e, a);
    EXPECT_EQ(a.LinienKurs, fall.Zurueck) << int(fall.Kurs);
    EXPECT_EQ(a.PFKurs, fall.Zurueck) << int(fall.Kurs);
  }
  // A selection made in the dialog replaces a damaged value.
  TChartAnsicht a;
  a.LinienKurs = 9;
  auto e = EingabenAusAnsicht(a);
  e.L_Kurs = 1;
  EingabenUebernehmen(e, a);
  EXPECT_EQ(a.LinienKurs, 2);
}

TEST(ChartAnsichtEingaben, TageAufDerZeitachse) {
  auto e = Standard();
  for (const char* alle : {"Alle Tage", "  ALLE TAGE  ", "alle tage"}) {
    e.Zeit_Tage = alle;
    EXPECT_EQ(Meldung(e), "gültig") << alle;
    EXPECT_TRUE(Uebernommen(e).AlleTage) << alle;
  }
  for (const char* text : {"250 Tage", "250", "250 xyz", " 250 "}) {
    e.Zeit_Tage = text;
    EXPECT_EQ(Meldung(e), "gültig") << text;
    EXPECT_FALSE(Uebernommen(e).AlleTage);
    EXPECT_EQ(Uebernommen(e).Tage, 250) << text;
  }
  for (const char* text : {"9 Tage", "60000", "50001", "", "Tage", "alle"}) {
    e.Zeit_Tage = text;
    const auto fehler = EingabenPruefen(e);
    ASSERT_TRUE(fehler) << text;
    EXPECT_EQ(fehler->Meldung, kTageMeldung);
    EXPECT_EQ(fehler->Seite, "Z&eit- und Wertachse");
    EXPECT_EQ(fehler->Feld, "Zeit_Tage");
    EXPECT_EQ(Uebernommen(e).Tage, 50) << text;  // left as it was
  }
}

TEST(ChartAnsichtEingaben, UmkehrminimumNurBeimPointFigureChartGeprueft) {
  auto e = Standard();
  e.P_Umkehrminimum = "viel";
  e.Zeit_Tage = "5";
  EXPECT_EQ(Meldung(e), kTageMeldung);
  EXPECT_EQ(Uebernommen(e).Umkehrminimum, 0.25);

  e.Charttyp = TCharttyp::PointFigure;
  const auto fehler = EingabenPruefen(e);
  ASSERT_TRUE(fehler);
  EXPECT_EQ(fehler->Meldung, "Der Wert für das Umkehrminimum muss zwischen 0% und 100% liegen!");
  EXPECT_EQ(fehler->Seite, "&Allgemein");
  EXPECT_EQ(fehler->Feld, "P_Umkehrminimum");
  e.Zeit_Tage = "50";
  e.P_Umkehrminimum = "100,01";
  EXPECT_NE(Meldung(e), "gültig");
  e.P_Umkehrminimum = "1,239";
  EXPECT_EQ(Meldung(e), "gültig");
  EXPECT_EQ(Uebernommen(e).Umkehrminimum, 1.23);
  EXPECT_EQ(Uebernommen(e).Charttyp, TCharttyp::PointFigure);
}

TEST(ChartAnsichtEingaben, HistogrammHoeheUndExtremwert) {
  auto e = Standard();
  for (const char* hoehe : {"70%", "70 %", "20", " 45 % "}) {
    e.Umsatz_Hoehe = hoehe;
    EXPECT_EQ(Meldung(e), "gültig") << hoehe;
  }
  e.Umsatz_Hoehe = "70 %";
  EXPECT_EQ(Uebernommen(e).UmsatzHoehe, 70);
  for (const char* hoehe : {"75%", "19%", "%", "70%%", "300"}) {
    e.Umsatz_Hoehe = hoehe;
    EXPECT_EQ(Meldung(e), kHoeheMeldung) << hoehe;
    EXPECT_EQ(Uebernommen(e).UmsatzHoehe, 30) << hoehe;
  }
  e.Umsatz_Anzeigen = false;
  EXPECT_EQ(Meldung(e), "gültig");
  EXPECT_EQ(Uebernommen(e).UmsatzHoehe, 30);

  e = Standard();
  e.Umsatz_Extremwert = "1000";
  const auto fehler = EingabenPruefen(e);
  ASSERT_TRUE(fehler);
  EXPECT_EQ(fehler->Meldung, "Der Extremwert muss zwischen 0% und 999% liegen!");
  EXPECT_EQ(fehler->Seite, "&Zusätze");
  EXPECT_EQ(Uebernommen(e).UmsatzExtremwert, 250);
  e.Umsatz_Abschneiden = false;
  EXPECT_EQ(Meldung(e), "gültig");
  e.Umsatz_Extremwert = "0";
  EXPECT_EQ(Uebernommen(e).UmsatzExtremwert, 0);
}

TEST(ChartAnsichtEingaben, FreigabenJeCharttyp) {
  struct TFall {
    TCharttyp Typ;
    bool LinienKurs, PointFigure, Transaktionen, Umsatz;
  };
  const TFall faelle[] = {
      {TCharttyp::Linie, true, false, true, true},
      {TCharttyp::Balken, false, false, true, true},
      {TCharttyp::Kerze, false, false, true, true},
      {TCharttyp::PointFigure, false, true, false, false},
      {TCharttyp::Equivolume, false, false, true, false},
      // A type byte from a damaged file: no histogram to set up.
      {static_cast<TCharttyp>(0), false, false, true, false},
  };
  for (const TFall& fall : faelle) {
    auto e = Standard();
    e.Charttyp = fall.Typ;
    const TChartAnsichtFreigaben f = Freigaben(e);
    const int typ = static_cast<int>(fall.Typ);
    EXPECT_EQ(f.LinienKursSichtbar, fall.LinienKurs) << typ;
    EXPECT_EQ(f.PointFigureSichtbar, fall.PointFigure) << typ;
    EXPECT_EQ(f.TransaktionszeichenAktiv, fall.Transaktionen) << typ;
    EXPECT_EQ(f.WertachseUndUmsatzAktiv, fall.Umsatz) << typ;
    EXPECT_EQ(f.UmsatzHoeheAktiv, fall.Umsatz) << typ;
    EXPECT_EQ(f.UmsatzExtremwertAktiv, fall.Umsatz) << typ;
  }
}

TEST(ChartAnsichtEingaben, HistogrammFreigabenFolgenDenSchaltern) {
  auto e = Standard();
  e.Charttyp = TCharttyp::Linie;
  EXPECT_TRUE(Freigaben(e).UmsatzExtremwertAktiv);
  e.Umsatz_Abschneiden = false;
  EXPECT_FALSE(Freigaben(e).UmsatzExtremwertAktiv);
  EXPECT_TRUE(Freigaben(e).UmsatzHoeheAktiv);
  e.Umsatz_Anzeigen = false;
  EXPECT_FALSE(Freigaben(e).UmsatzHoeheAktiv);
  EXPECT_TRUE(Freigaben(e).WertachseUndUmsatzAktiv);
}

}  // namespace
}  // namespace morvane
