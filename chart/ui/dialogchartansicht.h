#pragma once

#include <QDialog>
#include <utility>

#include "chart/chartansicht.h"
#include "chart/chartansichteingaben.h"
#include "chart/ui/chartansichtseiten.h"
#include "chart/ui/dialogteile.h"

class QTabWidget;

namespace morvane {

class TChartVorlagen;

// What the chart view dialog changed.
struct TChartAnsichtErgebnis {
  // OK was pressed: the view holds the dialog's values; the caller applies it.
  bool Ok = false;
  // A template was saved or deleted (also when the view dialog was then
  // cancelled): the caller re-labels its template buttons and menu.
  bool VorlagenGeaendert = false;
};

// Shows the chart view dialog modally for `ansicht`. On OK the dialog's
// values are written into `ansicht`; on cancel it is left untouched. Saving a
// template changes `vorlagen` at once.
TChartAnsichtErgebnis ChartAnsichtBearbeiten(QWidget* eltern, TChartAnsicht& ansicht,
                                             TChartVorlagen& vorlagen, THilfe hilfe = {});

// The chart view dialog ("Chart"): three pages over a copy of a view. It only
// moves values between its controls and the model's rules
// (chart/chartansichteingaben.h): enabling, validation and write-back.
class TDialogChartAnsicht : public QDialog {
 public:
  TDialogChartAnsicht(TChartVorlagen& vorlagen, THilfe hilfe, QWidget* eltern = nullptr);

  // Fills the controls from `ansicht` and keeps it as the view to write back into.
  void Fuellen(const TChartAnsicht& ansicht);
  // The view with the controls written back; valid after OK.
  const TChartAnsicht& Ansicht() const { return ansicht_; }
  bool VorlagenGeaendert() const { return vorlagenGeaendert_; }

  // The controls as the model's rules see them.
  TChartAnsichtEingaben Eingaben() const;
  const TChartAnsichtSteuerelemente& Steuerelemente() const { return s_; }
  QTabWidget* Seiten() const { return seiten_; }

  // OK: validates, writes back and closes; a fault keeps the dialog open.
  void accept() override;
  // "Als Vorlage speichern...": validates, then opens the template dialog
  // with the dialog's values; this dialog stays open.
  void VorlageSpeichern();

 private:
  void FreigabenAnwenden();
  // Shows the first fault on its page, with its control focused; false then.
  bool Pruefen();
  void KnoepfeAnlegen();
  void Verbinden();

  TChartVorlagen& vorlagen_;
  THilfe hilfe_;
  TChartAnsicht ansicht_;
  bool vorlagenGeaendert_ = false;
  TChartAnsichtSteuerelemente s_;
  QTabWidget* seiten_ = nullptr;
};

}  // namespace morvane
