#include "zeitsteuerung/autostart.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/datei.h"
#include "core/textkodierung.h"
#include "zeitsteuerung/sperre.h"

namespace morvane {
namespace {

std::string MitSchraegstrich(std::string pfad) {
  if (pfad.empty() || pfad.back() != '/') pfad += '/';
  return pfad;
}

std::string Heimverzeichnis() {
  const char* heim = std::getenv("HOME");
  if (heim && *heim == '/') return heim;
  std::vector<char> puffer(16384);
  passwd eintrag{};
  passwd* gefunden = nullptr;
  if (::getpwuid_r(::getuid(), &eintrag, puffer.data(), puffer.size(), &gefunden) == 0 &&
      gefunden && gefunden->pw_dir && *gefunden->pw_dir == '/') {
    return gefunden->pw_dir;
  }
  throw EZeitsteuerung("Das Heimatverzeichnis des Benutzers ist unbekannt.");
}

// Characters that make an Exec argument need quotes.
bool Reserviert(char c) {
  return std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos ||
         static_cast<unsigned char>(c) < 0x20;
}

// The escapes of a string value: backslash and the control characters.
std::string Wert(std::string_view text) {
  std::string wert;
  for (char c : text) {
    switch (c) {
      case '\\':
        wert += "\\\\";
        break;
      case '\n':
        wert += "\\n";
        break;
      case '\t':
        wert += "\\t";
        break;
      case '\r':
        wert += "\\r";
        break;
      default:
        wert += c;
    }
  }
  return wert;
}

}  // namespace

std::string AutostartVerzeichnis() {
  const char* konfig = std::getenv("XDG_CONFIG_HOME");
  // A relative value is to be ignored.
  if (konfig && *konfig == '/') return MitSchraegstrich(konfig) + "autostart/";
  return MitSchraegstrich(Heimverzeichnis()) + ".config/autostart/";
}

std::string ExecArgument(std::string_view argument) {
  bool quoten = argument.empty();
  for (char c : argument)
    quoten = quoten || Reserviert(c);
  std::string ergebnis = quoten ? "\"" : "";
  for (char c : argument) {
    if (c == '%') {
      ergebnis += "%%";
      continue;
    }
    if (quoten && std::string_view("\"`$\\").find(c) != std::string_view::npos) ergebnis += '\\';
    ergebnis += c;
  }
  if (quoten) ergebnis += '"';
  return ergebnis;
}

std::string AutostartText(const std::string& programm, const std::string& programmverzeichnis) {
  const std::string exec =
      ExecArgument(programm) + " --programmverzeichnis " + ExecArgument(programmverzeichnis);
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" +
         std::string(kAutostartName) +
         "\n"
         "Comment=Zeitgesteuerte Kursaktualisierung von Morvane\n"
         "Exec=" +
         Wert(exec) +
         "\n"
         "Terminal=false\n"
         "NoDisplay=true\n"
         "X-GNOME-Autostart-enabled=true\n";
}

void AutostartSchreiben(const std::string& verzeichnis, const std::string& programm,
                        const std::string& programmverzeichnis) {
  if (!IstGueltigesUtf8(programm) || !IstGueltigesUtf8(programmverzeichnis))
    throw EZeitsteuerung("Der Pfad der Zeitsteuerung ist kein gültiger UTF-8-Text.");
  std::error_code fehler;
  std::filesystem::create_directories(verzeichnis, fehler);
  if (fehler) throw EZeitsteuerung(Fehlertext(fehler.value()));
  try {
    DateiAtomarSchreiben(MitSchraegstrich(verzeichnis) + std::string(kAutostartDatei),
                         AutostartText(programm, programmverzeichnis));
  } catch (const EDatei& e) {
    throw EZeitsteuerung(e.Meldung());
  }
}

void AutostartEntfernen(const std::string& verzeichnis) {
  const std::string pfad = MitSchraegstrich(verzeichnis) + std::string(kAutostartDatei);
  if (::unlink(pfad.c_str()) != 0 && errno != ENOENT) throw EZeitsteuerung(Fehlertext(errno));
}

}  // namespace morvane
