#pragma once

#include <string>
#include <vector>

#include "core/kurse.h"
#include "online/interpreter.h"
#include "online/scriptparser.h"

namespace morvane {

struct TGelesenerKurs {
  std::string Kennung;
  TKurs Kurs;
};

// Every record that `script` reads from `seite`.
inline std::vector<TGelesenerKurs> Interpretieren(const std::string& script,
                                                  const std::string& seite, bool html = false) {
  TScriptParser parser(script);
  std::vector<TGelesenerKurs> kurse;
  TInterpreter interpreter(parser, seite, html, [&](const std::string& kennung, const TKurs& kurs) {
    kurse.push_back({kennung, kurs});
  });
  interpreter.Ausfuehren();
  return kurse;
}

}  // namespace morvane
