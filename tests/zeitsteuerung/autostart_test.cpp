#include "zeitsteuerung/autostart.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "testhilfe/ausnahme.h"
#include "testhilfe/tempverzeichnis.h"
#include "testumgebung.h"
#include "zeitsteuerung/sperre.h"

namespace morvane::test {
namespace {

// How a desktop reads the Exec value back: the string escapes first, then
// the arguments with their quotes, then "%%".
std::vector<std::string> ExecLesen(const std::string& zeile) {
  std::string wert;
  for (std::size_t i = 0; i < zeile.size(); ++i) {
    if (zeile[i] == '\\' && i + 1 < zeile.size()) {
      const char c = zeile[++i];
      wert += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    } else {
      wert += zeile[i];
    }
  }
  std::vector<std::string> argumente;
  std::string arg;
  bool inQuotes = false, angefangen = false;
  for (std::size_t i = 0; i < wert.size(); ++i) {
    const char c = wert[i];
    if (inQuotes && c == '\\' && i + 1 < wert.size()) {
      arg += wert[++i];
    } else if (c == '"') {
      inQuotes = !inQuotes;
      angefangen = true;
    } else if (c == ' ' && !inQuotes) {
      if (angefangen) argumente.push_back(arg);
      arg.clear();
      angefangen = false;
    } else if (c == '%' && i + 1 < wert.size() && wert[i + 1] == '%') {
      arg += '%';
      ++i;
      angefangen = true;
    } else {
      arg += c;
      angefangen = true;
    }
  }
  if (angefangen) argumente.push_back(arg);
  return argumente;
}

std::string ExecZeile(const std::string& text) {
  const std::size_t anfang = text.find("\nExec=") + 6;
  return text.substr(anfang, text.find('\n', anfang) - anfang);
}

TEST(Autostart, ExecArgumentNachDerDesktopEintragsRegel) {
  const struct {
    const char* argument;
    const char* erwartet;
  } faelle[] = {
      {"/opt/morvane/zeitsteuerung", "/opt/morvane/zeitsteuerung"},
      {"/home/jörg/Börse/zeitsteuerung", "/home/jörg/Börse/zeitsteuerung"},
      {"/home/a b/z", "\"/home/a b/z\""},
      {"/x/$HOME/\"q\"/`b`/back\\slash", "\"/x/\\$HOME/\\\"q\\\"/\\`b\\`/back\\\\slash\""},
      {"/x/100%/z", "/x/100%%/z"},
      {"/x/it's", "\"/x/it's\""},
      {"", "\"\""},
  };
  for (const auto& f : faelle)
    EXPECT_EQ(ExecArgument(f.argument), f.erwartet) << f.argument;
}

TEST(Autostart, EintragMitLeerzeichenUndUmlautenLiestSichZurueck) {
  TTempVerzeichnis dir;
  const std::string programm = dir.Pfad() + "Mein Börsen-Ordner/$x \"100%\"\\zeitsteuerung";
  const std::string programmverzeichnis = dir.Pfad() + "Daten ä/";
  AutostartSchreiben(dir.Datei("autostart/neu"), programm, programmverzeichnis);
  const std::string text = dir.Lies("autostart/neu/morvane-zeitsteuerung.desktop");
  EXPECT_NE(text.find("\nName=Morvane Zeitsteuerung\n"), std::string::npos);
  EXPECT_NE(text.find("\nX-GNOME-Autostart-enabled=true\n"), std::string::npos);
  EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_EQ(ExecLesen(ExecZeile(text)),
            (std::vector<std::string>{programm, "--programmverzeichnis", programmverzeichnis}));
  const char* pruefer = "/usr/bin/desktop-file-validate";
  if (::access(pruefer, X_OK) == 0) {
    const std::string befehl = std::string(pruefer) + " '" +
                               dir.Datei("autostart/neu/morvane-zeitsteuerung.desktop") + "'";
    EXPECT_EQ(std::system(befehl.c_str()), 0);
  }
}

TEST(Autostart, EntfernenUndFehler) {
  TTempVerzeichnis dir;
  AutostartSchreiben(dir.Pfad(), "/a/zeitsteuerung", "/a/");
  AutostartEntfernen(dir.Pfad());
  EXPECT_FALSE(std::filesystem::exists(dir.Datei("morvane-zeitsteuerung.desktop")));
  AutostartEntfernen(dir.Pfad());  // missing: no failure
  dir.Schreibe("blockiert", "eine Datei");
  EXPECT_THROW_MSG(AutostartSchreiben(dir.Datei("blockiert/autostart"), "/a/z", "/a/"),
                   EZeitsteuerung, "Kein Verzeichnis");
  EXPECT_THROW_MSG(AutostartSchreiben(dir.Pfad(), "/a/\xff/z", "/a/"), EZeitsteuerung,
                   "Der Pfad der Zeitsteuerung ist kein gültiger UTF-8-Text.");
}

TEST(Autostart, VerzeichnisAusXdgConfigHomeSonstHome) {
  TUmgebungsvariable heim("HOME", "/home/anna");
  {
    TUmgebungsvariable xdg("XDG_CONFIG_HOME", "/tmp/konf");
    EXPECT_EQ(AutostartVerzeichnis(), "/tmp/konf/autostart/");
  }
  {
    TUmgebungsvariable xdg("XDG_CONFIG_HOME", "relativ/konf");
    EXPECT_EQ(AutostartVerzeichnis(), "/home/anna/.config/autostart/");
  }
  TUmgebungsvariable xdg("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(AutostartVerzeichnis(), "/home/anna/.config/autostart/");
}

}  // namespace
}  // namespace morvane::test
