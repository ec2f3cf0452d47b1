#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/aufruf.h"

namespace morvane {

using TBefehlsfunktion = std::function<void(const TKontext&, const TCliAufruf&)>;

struct TCliBefehl {
  std::string_view Name;
  TBefehlsform Form;
  TBefehlsfunktion Funktion;
};

// The commands of each group, for the dispatcher.
std::vector<TCliBefehl> Lesebefehle();
std::vector<TCliBefehl> Schreibbefehle();
std::vector<TCliBefehl> Listenbefehle();
std::vector<TCliBefehl> Beispieldatenbefehle();
std::vector<TCliBefehl> Skriptbefehle();
std::vector<TCliBefehl> Indikatorbefehle();
std::vector<TCliBefehl> Seitenbefehle();
std::vector<TCliBefehl> Aktualisierbefehle();

// Runs the command line (the arguments after the program name) and returns the
// exit code: 0 success, 1 failure (message on `meldung`), 2 wrong usage.
// `zusatz` adds commands of the front end (the chart command with Qt).
int CliAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                  std::ostream& meldung, std::vector<TCliBefehl> zusatz = {});

}  // namespace morvane
