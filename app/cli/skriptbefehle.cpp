#include <ostream>

#include "app/cli/befehle.h"
#include "core/datumtext.h"
#include "online/interpreter.h"
#include "online/scriptparser.h"

namespace morvane {
namespace {

void Skript(const TKontext& k, const TCliAufruf& a) {
  const std::string skript = EingabedateiLesen(a.Arg(0), kSkriptGrenze);
  const std::string seite = EingabedateiLesen(a.Arg(1), kSeitenGrenze);
  std::optional<TScriptParser> parser;
  try {
    parser.emplace(skript);
  } catch (const EScriptParseError& e) {
    throw Exception("Fehler im Skript an Position " + std::to_string(e.Position()) + ": " +
                    e.what());
  }
  TInterpreter interpreter(*parser, seite, a.Hat("--html"),
                           [&](const std::string& kennung, const TKurs& kurs) {
                             k.Aus << kennung << '\t' << KursZeile(kurs) << '\n';
                           });
  interpreter.Ausfuehren();
}

}  // namespace

std::vector<TCliBefehl> Skriptbefehle() {
  return {{"skript", {"skript SKRIPTDATEI SEITE [--html]", 2, 2, {}, {"--html"}}, Skript}};
}

}  // namespace morvane
