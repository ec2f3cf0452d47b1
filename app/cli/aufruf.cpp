#include "app/cli/aufruf.h"

#include <algorithm>
#include <cstdio>

#include "core/datumtext.h"
#include "core/zahltext.h"

namespace morvane {

std::optional<std::string> TCliAufruf::Option(const std::string& name) const {
  const auto it = Optionen.find(name);
  if (it == Optionen.end()) return std::nullopt;
  return it->second;
}

namespace {

bool Enthaelt(const std::vector<std::string>& liste, const std::string& wert) {
  return std::find(liste.begin(), liste.end(), wert) != liste.end();
}

}  // namespace

TCliAufruf AufrufLesen(const std::vector<std::string>& argumente, const TBefehlsform& form) {
  TCliAufruf aufruf;
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& arg = argumente[i];
    if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
      aufruf.Argumente.push_back(arg);
      aufruf.Folge.emplace_back("", arg);
    } else if (Enthaelt(form.Schalter, arg)) {
      aufruf.Schalter.insert(arg);
    } else if (Enthaelt(form.Optionen, arg)) {
      if (i + 1 >= argumente.size()) throw EAufruf("Die Option " + arg + " verlangt einen Wert.");
      aufruf.Optionen[arg] = argumente[++i];
      aufruf.Folge.emplace_back(arg, argumente[i]);
    } else {
      throw EAufruf("Unbekannte Option: " + arg);
    }
  }
  if (aufruf.Argumente.size() < form.MinArgumente) throw EAufruf("Zu wenige Argumente.");
  if (aufruf.Argumente.size() > form.MaxArgumente) throw EAufruf("Zu viele Argumente.");
  return aufruf;
}

std::string Zahl17(double wert) {
  char puffer[40];
  std::snprintf(puffer, sizeof puffer, "%.17g", wert == 0 ? 0.0 : wert);  // no "-0"
  std::string text = puffer;
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

std::string ZahlOderStrich(double wert) {
  return wert == 0 ? "-" : Zahl17(wert);
}

std::string TextMaskiert(std::string_view text) {
  std::string ergebnis;
  for (const char c : text) {
    switch (c) {
      case '\t':
        ergebnis += "\\t";
        break;
      case '\r':
        ergebnis += "\\r";
        break;
      case '\n':
        ergebnis += "\\n";
        break;
      case '\\':
        ergebnis += "\\\\";
        break;
      default:
        ergebnis += c;
    }
  }
  return ergebnis;
}

std::string KursZeile(const TKurs& kurs) {
  return BoersentagZuText(kurs.Datum) + '\t' + ZahlOderStrich(kurs.Eroeffnung) + '\t' +
         ZahlOderStrich(kurs.Hoch) + '\t' + ZahlOderStrich(kurs.Tief) + '\t' +
         ZahlOderStrich(kurs.Schluss) + '\t' + ZahlOderStrich(kurs.Kassakurs) + '\t' +
         ZahlOderStrich(kurs.Umsatz);
}

Kalendertag KalendertagLesen(const std::string& text) {
  const auto tag = TextZuKalendertag(text);
  if (!tag) throw EAufruf("Ungültiges Datum: " + text);
  return *tag;
}

int GanzzahlLesen(const std::string& text, const std::string& name, int min, int max) {
  const auto wert = TextZuGanzzahl(text);
  if (!wert || *wert < min || *wert > max) {
    throw EAufruf("Ungültiger Wert für " + name + ": " + text + " (erlaubt " + std::to_string(min) +
                  " bis " + std::to_string(max) + ")");
  }
  return *wert;
}

}  // namespace morvane
