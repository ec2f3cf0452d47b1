#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chartansicht.h"

namespace morvane {

// The controls of the chart view dialog ("Chart"), as the dialog holds them:
// texts of the edits and combo boxes, ticks, the checked radio button and the
// item indices of the drop-down lists. The dialog itself only moves these to
// and from its widgets; the rules live here.
struct TChartAnsichtEingaben {
  TCharttyp Charttyp = TCharttyp::Kerze;  // the checked radio button
  int L_Kurs = 3;                         // item index, -1 for no selection
  int P_Kurs = 3;
  std::string P_Umkehrminimum;
  std::string Zeit_Tage;
  bool Zeit_Wochentag = false;
  bool Zeit_Monatsbalken = false;
  bool Zeit_Jahresbalken = false;
  bool Zeit_TageOhneKursWeglassen = false;
  bool Wert_Logarithmisch = false;  // Wert_Linear is the other radio button
  bool Wert_GraphStrecken = false;
  bool Z_Punkteraster = false;
  bool Z_KaufVerkauf = false;
  bool Z_GVGrenze = false;
  bool Z_Indikatoren = false;
  bool Z_Infobereich = false;
  bool Umsatz_Anzeigen = false;
  std::string Umsatz_Hoehe;
  bool Umsatz_Abschneiden = false;
  std::string Umsatz_Extremwert;
};

// Which controls are visible or enabled for the current choices.
struct TChartAnsichtFreigaben {
  bool LinienKursSichtbar = false;        // L_Label, L_Kurs
  bool PointFigureSichtbar = false;       // P_Label1..3, P_Kurs, P_Umkehrminimum
  bool TransaktionszeichenAktiv = false;  // Zeit_TageOhneKursWeglassen, Z_KaufVerkauf, Z_GVGrenze
  bool WertachseUndUmsatzAktiv = false;   // Wert_Linear, Wert_Logarithmisch, Umsatz_Anzeigen
  bool UmsatzHoeheAktiv = false;          // Umsatz_Hoehe, Umsatz_Label1, Umsatz_Abschneiden
  bool UmsatzExtremwertAktiv = false;     // Umsatz_Extremwert, Umsatz_Label2, Umsatz_Label3
};

// The first invalid input: the page to switch to, the control to focus and
// the message to show.
struct TAnsichtEingabefehler {
  std::string Seite;
  std::string Feld;
  std::string Meldung;
};

inline constexpr std::array<std::string_view, 5> kKursfelder = {
    "Eröffnungskurs", "Höchstkurs", "Tiefstkurs", "Schlusskurs", "Kassakurs"};
inline constexpr std::array<std::string_view, 12> kTageAuswahl = {
    "Alle Tage", "10 Tage",  "15 Tage",  "20 Tage",  "30 Tage",  "50 Tage",
    "70 Tage",   "100 Tage", "150 Tage", "200 Tage", "500 Tage", "1000 Tage"};
inline constexpr std::array<std::string_view, 4> kHoeheAuswahl = {"20%", "30%", "50%", "70%"};

inline constexpr std::string_view kSeiteAllgemein = "&Allgemein";
inline constexpr std::string_view kSeiteAchsen = "Z&eit- und Wertachse";
inline constexpr std::string_view kSeiteZusaetze = "&Zusätze";

// Filling the dialog from a view.
TChartAnsichtEingaben EingabenAusAnsicht(const TChartAnsicht& ansicht);
TChartAnsichtFreigaben Freigaben(const TChartAnsichtEingaben& eingaben);
// Validation on OK and before saving as a template; stops at the first fault.
std::optional<TAnsichtEingabefehler> EingabenPruefen(const TChartAnsichtEingaben& eingaben);
// Writes the dialog back into a view. A text that does not convert into its
// range, and a price list without a selection, leave the field as it was.
void EingabenUebernehmen(const TChartAnsichtEingaben& eingaben, TChartAnsicht& ansicht);

}  // namespace morvane
