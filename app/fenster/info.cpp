#include "app/fenster/info.h"

#include <QMessageBox>

#include "store/einstellungen.h"

namespace morvane {

std::string Infotext() {
  return std::string(kProgrammtitel) +
         "\nVersion " MORVANE_VERSION
         "\n\nWertpapierverwaltung, Charts und technische Analyse für Privatanleger."
         "\n\nDie Beispielkurse (Apple, Facebook, Google, Microsoft, S&P 500) sind echte "
         "historische Tageskurse aus Datendateien öffentlicher Debian- und npm-Pakete; Herkunft "
         "und Lizenz jeder Datei nennt beispieldaten/HERKUNFT.md.";
}

void InfoZeigen(QWidget* eltern) {
  QMessageBox::about(eltern, QStringLiteral("Info"), QString::fromStdString(Infotext()));
}

}  // namespace morvane
