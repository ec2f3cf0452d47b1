#include "platform/hilfe.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <algorithm>
#include <filesystem>

namespace morvane {
namespace {

namespace fs = std::filesystem;

void Hinzufuegen(std::vector<std::string>& liste, const fs::path& ordner) {
  const std::string pfad = ordner.lexically_normal().string();
  if (std::find(liste.begin(), liste.end(), pfad) == liste.end()) liste.push_back(pfad);
}

// The page's file part must stay inside the help folder: no absolute path, no
// step upwards, nothing empty.
fs::path DateiDerSeite(const std::string& datei, const std::string& seite) {
  const fs::path pfad(datei);
  const bool aufwaerts =
      std::any_of(pfad.begin(), pfad.end(), [](const fs::path& teil) { return teil == ".."; });
  if (datei.empty() || pfad.is_absolute() || aufwaerts) {
    throw EHilfe("Ungültige Hilfeseite '" + seite + "'.");
  }
  return pfad;
}

std::string Aufzaehlung(const std::vector<std::string>& pfade) {
  std::string text;
  for (const std::string& pfad : pfade) {
    if (!text.empty()) text += ", ";
    text += "'" + pfad + "'";
  }
  return text;
}

}  // namespace

std::vector<std::string> HilfeVerzeichnisse(const std::string& programmverzeichnis) {
  std::vector<std::string> ergebnis;
  if (!programmverzeichnis.empty()) Hinzufuegen(ergebnis, fs::path(programmverzeichnis) / "hilfe");
  if (QCoreApplication::instance()) {
    const fs::path programm = QCoreApplication::applicationDirPath().toStdString();
    Hinzufuegen(ergebnis, programm / "hilfe");
    Hinzufuegen(ergebnis, programm / ".." / "share" / "morvane" / "hilfe");
  }
#ifdef MORVANE_HILFE_QUELLE
  Hinzufuegen(ergebnis, fs::path(MORVANE_HILFE_QUELLE));
#endif
  return ergebnis;
}

std::string HilfeAdresse(const std::vector<std::string>& verzeichnisse, const std::string& seite) {
  const auto raute = seite.find('#');
  const std::string datei = seite.substr(0, raute);
  const fs::path relativ = DateiDerSeite(datei, seite);
  std::vector<std::string> gesucht;
  for (const std::string& ordner : verzeichnisse) {
    const fs::path pfad = fs::path(ordner) / relativ;
    std::error_code fehler;
    if (fs::is_regular_file(pfad, fehler)) {
      QUrl adresse = QUrl::fromLocalFile(QString::fromStdString(fs::absolute(pfad).string()));
      if (raute != std::string::npos) {
        adresse.setFragment(QString::fromStdString(seite.substr(raute + 1)));
      }
      return adresse.toString(QUrl::FullyEncoded).toStdString();
    }
    gesucht.push_back(pfad.string());
  }
  if (gesucht.empty())
    throw EHilfe("Die Hilfe wurde nicht gefunden: kein Hilfeverzeichnis bekannt.");
  throw EHilfe("Die Hilfeseite '" + datei +
               "' wurde nicht gefunden; gesucht in: " + Aufzaehlung(gesucht) + ".");
}

void HilfeOeffnen(const std::string& programmverzeichnis, const std::string& seite) {
  const std::string adresse = HilfeAdresse(HilfeVerzeichnisse(programmverzeichnis), seite);
  const QUrl url(QString::fromStdString(adresse), QUrl::StrictMode);
  if (!QDesktopServices::openUrl(url)) {
    throw EHilfe("Die Hilfe '" + url.toLocalFile().toStdString() +
                 "' konnte nicht geöffnet werden. Bitte öffnen Sie die Datei in Ihrem Browser.");
  }
}

}  // namespace morvane
