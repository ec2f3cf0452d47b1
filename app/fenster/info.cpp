#include "app/fenster/info.h"

#include <QMessageBox>

#include "core/datumtext.h"
#include "online/quellenmanager.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"

namespace morvane {

std::string Infotext(const std::string& kursquellenVom) {
  return std::string(kProgrammtitel) +
         "\nVersion " MORVANE_VERSION "\nKursquellen vom: " + kursquellenVom +
         "\n\nWertpapierverwaltung, Charts und technische Analyse für Privatanleger."
         "\n\nDie Beispielkurse (Apple, Facebook, Google, Microsoft, S&P 500) sind echte "
         "historische Tageskurse aus Datendateien öffentlicher Debian- und npm-Pakete; Herkunft "
         "und Lizenz jeder Datei nennt beispieldaten/HERKUNFT.md.";
}

std::string KursquellenVom(const TEinstellungen& einstellungen) {
  TLogbuch logbuch(einstellungen);
  Kalendertag datum = 0;
  try {
    datum = TQuellenManager::Versionsdatum(einstellungen.Programmverzeichnis(), logbuch);
  } catch (const ELogbuch&) {
    // The date stays unknown; the About box is no place to report the log book.
  }
  return datum > 0 ? KalendertagZuText(datum) : "?";
}

void InfoZeigen(QWidget* eltern, const TEinstellungen& einstellungen) {
  QMessageBox::about(eltern, QStringLiteral("Info"),
                     QString::fromStdString(Infotext(KursquellenVom(einstellungen))));
}

}  // namespace morvane
