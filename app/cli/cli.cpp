#include <exception>
#include <filesystem>
#include <new>
#include <ostream>

#include "app/cli/befehle.h"
#include "chart/chartvorlagen.h"
#include "core/datei.h"
#include "indicators/indvorlagen.h"
#include "online/zeitplaner.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"
#include "store/programmverzeichnis.h"

namespace morvane {
namespace {

constexpr std::string_view kAllgemein =
    "Aufruf: morvane-cli [--programmverzeichnis DIR] [--datenverzeichnis DIR] BEFEHL "
    "[ARGUMENTE]\n";

std::vector<TCliBefehl> AlleBefehle() {
  std::vector<TCliBefehl> alle;
  for (auto gruppe :
       {Lesebefehle(), Listenbefehle(), Indikatorbefehle(), Schreibbefehle(),
        Beispieldatenbefehle(), Skriptbefehle(), Seitenbefehle(), Aktualisierbefehle()}) {
    for (auto& befehl : gruppe)
      alle.push_back(std::move(befehl));
  }
  return alle;
}

void Uebersicht(std::ostream& aus, const std::vector<TCliBefehl>& befehle) {
  aus << kAllgemein << "Befehle:\n";
  for (const TCliBefehl& b : befehle)
    aus << "  " << b.Form.Verwendung << '\n';
}

struct TGlobal {
  std::optional<std::string> Datenverzeichnis;
  std::vector<std::string> Rest;
};

// Takes --datenverzeichnis off the front of the arguments.
TGlobal GlobalLesen(const std::vector<std::string>& argumente) {
  TGlobal global;
  std::size_t i = 0;
  for (; i < argumente.size() && argumente[i] == "--datenverzeichnis"; i += 2) {
    if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
      throw EAufruf("Die Option --datenverzeichnis verlangt ein Verzeichnis.");
    }
    global.Datenverzeichnis = argumente[i + 1];
  }
  global.Rest.assign(argumente.begin() + static_cast<std::ptrdiff_t>(i), argumente.end());
  return global;
}

// A set that holds nothing but the three group aggregates computes no signal
// worth showing; say so, since the default set has nineteen indicators.
void LeerenIndikatorsatzMelden(TEinstellungen& einstellungen, std::ostream& meldung) {
  // A damaged file has been reported already.
  if (!einstellungen.Ladefehler().empty()) return;
  const TIndListe& liste = IndVorlagen(einstellungen).Liste();
  for (int gruppe = 1; gruppe <= 3; ++gruppe) {
    if (liste.Anzahl(gruppe) > 1) return;
  }
  const std::string zeile = "Die Einstellungsdatei '" + einstellungen.Programmverzeichnis() +
                            std::string(kEinstellungsdatei) +
                            "' enthält keine Indikatoren; es werden nur die drei "
                            "Gruppensummen berechnet.";
  EinstellungsfehlerMelden(einstellungen, {zeile}, meldung);
}

// Reads the settings with every block the commands use plugged in and reports
// once what of the file could not be used; the commands read them again
// quietly.
std::string Datenverzeichnis(const TGlobal& global, const std::string& programmverzeichnis,
                             std::ostream& meldung) {
  TEinstellungen einstellungen(programmverzeichnis);
  ZeitplanerEinstecken(einstellungen);
  ChartEinstellungenEinstecken(einstellungen);
  IndEinstellungenEinstecken(einstellungen);
  EinstellungsfehlerMelden(einstellungen, meldung);
  LeerenIndikatorsatzMelden(einstellungen, meldung);
  if (global.Datenverzeichnis) {
    std::string dir = *global.Datenverzeichnis;
    if (dir.back() != '/') dir += '/';
    return dir;
  }
  return einstellungen.Datenverzeichnis();
}

}  // namespace

int CliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                  std::ostream& meldung, std::vector<TCliBefehl> zusatz) {
  std::vector<TCliBefehl> befehle = AlleBefehle();
  for (auto& b : zusatz)
    befehle.push_back(std::move(b));
  const TCliBefehl* befehl = nullptr;
  try {
    const std::string programm = ProgrammverzeichnisErmitteln(argumente);
    const TGlobal global = GlobalLesen(OhneProgrammverzeichnisOption(argumente));
    if (global.Rest.empty() || global.Rest[0] == "--help") {
      Uebersicht(global.Rest.empty() ? meldung : aus, befehle);
      return global.Rest.empty() ? 2 : 0;
    }
    for (const TCliBefehl& b : befehle) {
      if (b.Name == global.Rest[0]) befehl = &b;
    }
    if (!befehl) throw EAufruf("Unbekannter Befehl: " + global.Rest[0]);
    const std::vector<std::string> rest(global.Rest.begin() + 1, global.Rest.end());
    for (const std::string& arg : rest) {
      if (arg == "--help") {
        aus << "Aufruf: morvane-cli " << befehl->Form.Verwendung << '\n';
        return 0;
      }
    }
    const TCliAufruf aufruf = AufrufLesen(rest, befehl->Form);
    TWPVerwaltung verwaltung(Datenverzeichnis(global, programm, meldung));
    verwaltung.HinweiseAn([&meldung](const std::string& hinweis) { meldung << hinweis << '\n'; });
    int ausgang = 0;
    befehl->Funktion(TKontext{verwaltung, programm, aus, meldung, ausgang}, aufruf);
    // A full disk or a closed pipe behind the output is a failure too.
    if (!aus.flush()) throw Exception("Konnte die Ausgabe nicht schreiben.");
    return ausgang;
  } catch (const EAufruf& e) {
    meldung << e.what() << '\n';
    if (befehl) {
      meldung << "Aufruf: morvane-cli " << befehl->Form.Verwendung << '\n';
    } else {
      Uebersicht(meldung, befehle);
    }
    return 2;
  } catch (const Exception& e) {
    meldung << e.what() << '\n';
    return 1;
  } catch (const std::filesystem::filesystem_error& e) {
    meldung << "Dateifehler bei '" << e.path1().string() << "': " << Fehlertext(e.code().value())
            << '\n';
    return 1;
  } catch (const std::bad_alloc&) {
    meldung << "Zu wenig Arbeitsspeicher.\n";
    return 1;
  } catch (const std::exception& e) {
    meldung << "Interner Fehler: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace morvane
