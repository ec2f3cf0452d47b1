#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QWidget;

namespace morvane {

// The controls of the chart view dialog's three pages. Each control's
// objectName is the name the model's rules use for it ("Zeit_Tage",
// "Umsatz_Hoehe" ...), so a validation fault finds the control to focus.
// The widgets belong to their pages; these are borrowed pointers.
struct TChartAnsichtSteuerelemente {
  // Page "Allgemein": one radio button per chart type 1 ... 5.
  std::array<QRadioButton*, 5> Charttyp{};
  // L_Label/L_Kurs, the P_ controls or a note, whichever the type needs.
  QStackedWidget* Eigenschaften = nullptr;
  QWidget* LinienSeite = nullptr;
  QWidget* PointFigureSeite = nullptr;
  QWidget* LeereSeite = nullptr;
  QComboBox* L_Kurs = nullptr;
  QComboBox* P_Kurs = nullptr;
  QLineEdit* P_Umkehrminimum = nullptr;

  // Page "Zeit- und Wertachse".
  QComboBox* Zeit_Tage = nullptr;
  QCheckBox* Zeit_Wochentag = nullptr;
  QCheckBox* Zeit_Monatsbalken = nullptr;
  QCheckBox* Zeit_Jahresbalken = nullptr;
  QCheckBox* Zeit_TageOhneKursWeglassen = nullptr;
  QRadioButton* Wert_Linear = nullptr;
  QRadioButton* Wert_Logarithmisch = nullptr;
  QCheckBox* Wert_GraphStrecken = nullptr;

  // Page "Zusätze".
  QCheckBox* Z_Punkteraster = nullptr;
  QCheckBox* Z_KaufVerkauf = nullptr;
  QCheckBox* Z_GVGrenze = nullptr;
  QCheckBox* Z_Indikatoren = nullptr;
  QCheckBox* Z_Infobereich = nullptr;
  QCheckBox* Umsatz_Anzeigen = nullptr;
  QLabel* Umsatz_Label1 = nullptr;
  QComboBox* Umsatz_Hoehe = nullptr;
  QCheckBox* Umsatz_Abschneiden = nullptr;
  QLabel* Umsatz_Label2 = nullptr;
  QLineEdit* Umsatz_Extremwert = nullptr;
  QLabel* Umsatz_Label3 = nullptr;
};

// Builds each page into `s`; the returned widget owns its controls.
QWidget* AllgemeinSeite(TChartAnsichtSteuerelemente& s);
QWidget* AchsenSeite(TChartAnsichtSteuerelemente& s);
QWidget* ZusaetzeSeite(TChartAnsichtSteuerelemente& s);

}  // namespace morvane
