#include "app/fenster/start.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>

#include "app/fenster/dialoge.h"
#include "app/fenster/hauptfenster.h"
#include "app/fenster/splash.h"
#include "app/fenster/uebersetzung.h"
#include "app/hauptmodell/programmsperre.h"
#include "chart/chartvorlagen.h"
#include "core/exception.h"
#include "indicators/indvorlagen.h"
#include "platform/qtleinwand.h"
#include "platform/qtstart.h"
#include "platform/symbole.h"
#include "store/logbuch.h"
#include "store/programmverzeichnis.h"
#include "zeitsteuerung/anwenden.h"

namespace morvane {
namespace {

constexpr const char* kAufruf =
    "Aufruf: morvane [--programmverzeichnis VERZEICHNIS] [--datenverzeichnis VERZEICHNIS] "
    "[--ohne-splash]\n"
    "  --programmverzeichnis  Verzeichnis der Einstellungen (sonst MORVANE_HOME oder das "
    "Programmverzeichnis)\n"
    "  --datenverzeichnis     trägt dieses Datenverzeichnis in die Einstellungen ein\n"
    "  --ohne-splash          startet ohne Startbild (für Tests und Skripte)\n";

bool AnzeigeVorhanden() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* wert = std::getenv(name);
    if (wert && *wert) return true;
  }
  return false;
}

// Writes a note of the store (a file read only in part) into the log book.
void HinweisProtokollieren(TLogbuch& logbuch, const std::string& hinweis) {
  try {
    logbuch.Schreiben(hinweis);
  } catch (const ELogbuch& e) {
    std::cerr << hinweis << '\n' << e.Meldung() << '\n';
  }
}

int Ausfuehren(QApplication& anwendung, const std::vector<std::string>& argumente) {
  const std::string programm = ProgrammverzeichnisErmitteln(argumente);
  const TStartoptionen optionen = StartoptionenLesen(OhneProgrammverzeichnisOption(argumente));
  std::unique_ptr<TSplash> splash;
  if (!optionen.OhneSplash) splash = SplashZeigen();
  TEinstellungen einstellungen(programm);
  // Plugged in before anything is saved, so that a first save already holds
  // the default view, templates and indicator set rather than empty blocks.
  ChartEinstellungenEinstecken(einstellungen);
  IndEinstellungenEinstecken(einstellungen);
  TLogbuch logbuch(einstellungen);
  std::ostringstream meldungen;
  EinstellungsfehlerMelden(einstellungen, meldungen);
  if (optionen.Datenverzeichnis) {
    einstellungen.SetzeDatenverzeichnis(*optionen.Datenverzeichnis);
    einstellungen.Speichern();
  }
  TWPVerwaltung verwaltung([&einstellungen] { return einstellungen.Datenverzeichnis(); });
  verwaltung.HinweiseAn([&logbuch](const std::string& h) { HinweisProtokollieren(logbuch, h); });
  anwendung.setApplicationDisplayName(QString::fromStdString(einstellungen.Titel()));
  THauptfenster fenster(einstellungen, verwaltung);
  DialogeVerbinden(fenster, einstellungen, programm);
  if (auto fehler = ZeitsteuerungBeimStart(einstellungen, logbuch)) meldungen << *fehler << '\n';
  fenster.show();
  std::optional<TProgrammsperre> sperre;
  try {
    sperre.emplace(SperrVerzeichnis());
  } catch (const EProgrammsperre& e) {
    meldungen << e.Meldung() << '\n';
  }
  splash.reset();
  if (!meldungen.str().empty()) {
    QTimer::singleShot(0, &fenster, [&fenster, text = meldungen.str()] {
      QMessageBox::warning(&fenster, QStringLiteral("Hinweis"), QString::fromStdString(text));
    });
  }
  return QApplication::exec();
}

}  // namespace

TStartoptionen StartoptionenLesen(const std::vector<std::string>& argumente) {
  TStartoptionen o;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& a = argumente[i];
    if (a == "--ohne-splash") {
      o.OhneSplash = true;
    } else if (a == "--datenverzeichnis") {
      if (i + 1 >= argumente.size())
        throw Exception("Der Option --datenverzeichnis fehlt das Verzeichnis.");
      o.Datenverzeichnis = argumente[++i];
    } else {
      throw Exception("Unbekannte Option: " + a);
    }
  }
  return o;
}

int MorvaneStarten(int argc, char** argv) {
  for (const std::string& a : std::vector<std::string>(argv + 1, argv + argc)) {
    if (a == "--help" || a == "--hilfe") {
      std::cout << kAufruf;
      return 0;
    }
  }
  if (!AnzeigeVorhanden()) {
    std::cerr << "Morvane braucht eine grafische Oberfläche, aber weder DISPLAY noch "
                 "WAYLAND_DISPLAY ist gesetzt.\n";
    return 1;
  }
  // Qt takes its own options (-platform, -style ...) out of argc and argv.
  std::optional<TQtStartmeldungen> leise(std::in_place);
  QApplication anwendung(argc, argv);
  leise.reset();
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  QtDeutschLaden(anwendung);
  // The desktop entry and the window manager show the program's own icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("morvane"));
  QApplication::setWindowIcon(Symbol("morvane"));
  SchriftersatzEinrichten();
  try {
    return Ausfuehren(anwendung, argumente);
  } catch (const Exception& e) {
    std::cerr << e.Meldung() << '\n' << kAufruf;
    QMessageBox::critical(nullptr, QStringLiteral("Morvane"), QString::fromStdString(e.Meldung()));
    return 2;
  }
}

}  // namespace morvane
