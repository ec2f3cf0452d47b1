#include "app/fenster/dialoge.h"

#include <QApplication>

#include "app/fenster/behandlung.h"
#include "app/fenster/dialoge_chartdruck.h"
#include "app/fenster/dialoge_indikatoren.h"
#include "app/fenster/dialoge_kursaktu.h"
#include "app/fenster/dialoge_listen.h"
#include "app/fenster/dialoge_onlineupdate.h"
#include "app/fenster/dialoge_optionen.h"
#include "app/fenster/dialoge_wertpapier.h"
#include "app/fenster/dialoge_wpneu.h"
#include "app/fenster/hauptfenster.h"
#include "chart/chartvorlagen.h"
#include "chart/ui/dialogchartansicht.h"
#include "platform/hilfe.h"

namespace morvane {

void DialogeVerbinden(THauptfenster& fenster, TEinstellungen& einstellungen,
                      const std::string& programmverzeichnis) {
  WertpapierDialogeVerbinden(fenster, einstellungen, programmverzeichnis);
  fenster.Befehle().Verbinden(TMenuebefehl::HilfeHilfethemen,
                              [programmverzeichnis] { HilfeOeffnen(programmverzeichnis); });
  IndikatorenVerbinden(fenster, einstellungen, programmverzeichnis);
  ChartDruckVerbinden(fenster, einstellungen, programmverzeichnis);
  WPNeuVerbinden(fenster, einstellungen, programmverzeichnis);
  OptionenVerbinden(fenster, einstellungen, programmverzeichnis);
  ListenVerbinden(fenster, einstellungen);
  OnlineUpdateVerbinden(fenster, einstellungen, programmverzeichnis);
  KursaktuVerbinden(fenster, einstellungen, programmverzeichnis);
  fenster.Befehle().Verbinden(TMenuebefehl::AnsichtChart, [&fenster, &einstellungen,
                                                           programmverzeichnis] {
    // Both dialogs explain themselves on the help page of the chart's views.
    // The help runs inside the dialog's own event loop, so its failure is
    // shown there and never leaves through Qt.
    const THilfe hilfe = [programmverzeichnis, &fenster](int) {
      TBehandlung(QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &fenster)(
          [&] { HilfeOeffnen(programmverzeichnis, "chart.html#ansicht"); });
    };
    TChartAnsicht ansicht = fenster.Feld().Ansicht();
    const TChartAnsichtErgebnis ergebnis =
        ChartAnsichtBearbeiten(&fenster, ansicht, ChartVorlagen(einstellungen), hilfe);
    // Templates saved in a dialog that was then cancelled still change the
    // template buttons; the view stays as it was.
    if (ergebnis.Ok) {
      fenster.AnsichtUebernehmen(ansicht);
    } else if (ergebnis.VorlagenGeaendert) {
      fenster.AnsichtUebernehmen(fenster.Feld().Ansicht());
    }
  });
}

}  // namespace morvane
