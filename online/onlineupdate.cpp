#include "online/onlineupdate.h"

#include <filesystem>
#include <vector>

#include "core/datei.h"
#include "core/datumtext.h"
#include "online/httpfehler.h"
#include "online/inlineparser.h"
#include "online/quellendatei.h"
#include "online/quellenmanager.h"
#include "online/scriptparser.h"
#include "online/signatur.h"
#include "online/updateindex.h"
#include "online/url.h"
#include "store/einstellungen.h"
#include "store/logbuch.h"

namespace morvane {
namespace {

// The reason an update fails; becomes the Fehlgeschlagen outcome.
MORVANE_EXCEPTION(EUpdateFehler, Exception);

// A log book that cannot be opened has told its first caller so; the update
// goes on without it.
void Protokollieren(TLogbuch& logbuch, const std::string& zeile) {
  try {
    logbuch.Schreiben(zeile);
  } catch (const ELogbuch&) {
  }
}

std::string Datum(Kalendertag tag) {
  return tag > 0 ? KalendertagZuText(tag) : "?";
}

// `url` into memory; a document above `grenze` bytes is cut off at once.
std::string Laden(const TOnlineUpdateKontext& k, const std::string& url, std::size_t grenze) {
  std::string daten;
  bool zuGross = false;
  const TDownload::TErgebnis ergebnis = k.Abrufen(url, [&](std::string_view stueck) {
    if (daten.size() + stueck.size() > grenze) {
      zuGross = true;
      // Ends the download; the client turns it into a failed one.
      throw EHttpException("mehr als " + std::to_string(grenze) + " Bytes", 0);
    }
    daten += stueck;
  });
  if (zuGross)
    throw EUpdateFehler("'" + url + "' ist größer als " + std::to_string(grenze) + " Bytes");
  if (ergebnis == TDownload::Abgebrochen)
    throw EUpdateFehler("Download von '" + url + "' abgebrochen");
  if (ergebnis != TDownload::Fertig)
    throw EUpdateFehler("'" + url + "' konnte nicht geladen werden");
  return daten;
}

void DateiPruefen(const TUpdateDatei& datei, std::string_view daten) {
  if (static_cast<std::int64_t>(daten.size()) != datei.Groesse)
    throw EUpdateFehler(datei.Name + " hat " + std::to_string(daten.size()) + " statt " +
                        std::to_string(datei.Groesse) + " Bytes");
  if (HexText(Sha256(daten)) != datei.Sha256)
    throw EUpdateFehler(datei.Name + ": SHA-256-Summe stimmt nicht");
  const Kalendertag datum = QuelldateiPruefen(datei.Name, daten);
  if (datum != datei.Versionsdatum)
    throw EUpdateFehler(datei.Name + " trägt das Datum " + Datum(datum) + ", der Index nennt " +
                        Datum(datei.Versionsdatum));
}

// The previous file goes to "<name>.bak" first, so that a failure after it
// leaves the installed file as it was.
void Installieren(const std::string& verzeichnis, const std::string& name, std::string_view daten) {
  const std::string pfad = (std::filesystem::path(verzeichnis) / name).string();
  try {
    std::error_code fehler;
    if (std::filesystem::exists(pfad, fehler))
      DateiAtomarSchreiben(pfad + ".bak", DateiLesen(pfad));
    DateiAtomarSchreiben(pfad, daten);
  } catch (const EDatei& e) {
    throw EUpdateFehler("'" + pfad + "' konnte nicht ersetzt werden: " + e.Meldung());
  }
}

struct TNeu {
  TUpdateDatei Datei;
  std::string Daten;
};

// The files of the index that are newer than the installed ones.
std::vector<TUpdateDatei> NeuereDateien(const TOnlineUpdateKontext& k, const TUpdateIndex& index,
                                        Kalendertag installiert) {
  std::vector<TUpdateDatei> neuer;
  for (const TUpdateDatei& d : index.Dateien) {
    if (d.Name != kQuellendatei) {
      // The user's own sources are theirs alone; other names mean nothing here.
      Protokollieren(k.Logbuch,
                     "Online-Update: '" + d.Name + "' aus dem Index wird nicht übernommen");
    } else if (d.Versionsdatum > installiert) {
      neuer.push_back(d);
    }
  }
  return neuer;
}

TUpdateErgebnis Durchfuehren(const TOnlineUpdateKontext& k) {
  if (const auto fehler = UpdateAdresseFehler(k.Adresse))
    return {TUpdateAusgang::Fehlgeschlagen, *fehler};
  if (k.Fortschritt) k.Fortschritt("Update-Index", 1, 1);
  const std::string schluessel = k.Schluessel.empty() ? UpdateSchluessel() : k.Schluessel;
  const TUpdateIndex index = UpdateIndexLesen(Laden(k, k.Adresse, kIndexGrenze), schluessel);
  if (index.Deaktiviert)
    return {TUpdateAusgang::Deaktiviert, "der Index sperrt Version " + index.Programmversion};
  if (index.Programmversion != kUpdateProgrammversion)
    throw EUpdateFehler("der Index gilt für Version " + index.Programmversion + ", nicht für " +
                        std::string(kUpdateProgrammversion));
  const Kalendertag installiert = TQuellenManager::Versionsdatum(k.Programmverzeichnis, k.Logbuch);
  const std::vector<TUpdateDatei> neuer = NeuereDateien(k, index, installiert);
  if (neuer.empty())
    return {TUpdateAusgang::NichtNotwendig, "Kursquellen vom " + Datum(installiert)};
  // Everything is fetched and checked before the first file is replaced.
  std::vector<TNeu> geprueft;
  const TUrl basis = UrlZerlegen(k.Adresse);
  for (std::size_t i = 0; i < neuer.size(); ++i) {
    const TUpdateDatei& d = neuer[i];
    if (k.Fortschritt)
      k.Fortschritt(d.Name, static_cast<int>(i + 1), static_cast<int>(neuer.size()));
    std::string daten =
        Laden(k, WeiterleitungAufloesen(basis, d.Name), static_cast<std::size_t>(d.Groesse));
    DateiPruefen(d, daten);
    geprueft.push_back({d, std::move(daten)});
  }
  std::string grund;
  for (const TNeu& n : geprueft) {
    Installieren(k.Programmverzeichnis, n.Datei.Name, n.Daten);
    grund += (grund.empty() ? "" : ", ") + n.Datei.Name + " vom " + Datum(n.Datei.Versionsdatum) +
             " statt vom " + Datum(installiert);
  }
  return {TUpdateAusgang::Erfolgreich, grund};
}

}  // namespace

std::string UpdateAusgangText(TUpdateAusgang ausgang) {
  switch (ausgang) {
    case TUpdateAusgang::Erfolgreich:
      return "Online-Update wurde erfolgreich durchgeführt.";
    case TUpdateAusgang::NichtNotwendig:
      return "Ein Update ist nicht notwendig, weil noch keine neueren Dateien vorhanden sind.";
    case TUpdateAusgang::Deaktiviert:
      return "Die Online-Update-Funktion wurde für Ihr Programm vom Hersteller deaktiviert. Bitte "
             "setzen Sie sich mit dem Hersteller in Verbindung.";
    case TUpdateAusgang::Fehlgeschlagen:
      break;
  }
  return "Das Online-Update konnte nicht durchgeführt werden. Bitte versuchen Sie es später "
         "erneut.";
}

// Every source of the file must be usable by an update run, else the file
// would break what it is meant to repair.
Kalendertag QuelldateiPruefen(const std::string& name, std::string_view daten) {
  std::vector<TQuelle> quellen;
  Kalendertag datum = 0;
  try {
    datum = QuellenLesen(daten, quellen);
  } catch (const Exception& e) {
    throw EQuellendatei(name + " lässt sich nicht laden: " + e.Meldung());
  }
  if (quellen.empty()) throw EQuellendatei(name + " enthält keine Kursquelle");
  const TDatum heute = DatumAusKalendertag(HeuteKalendertag());
  for (const TQuelle& q : quellen) {
    try {
      TInlineParser vorlage(q.UrlVorlage, heute);
      TScriptParser script(q.Script);
    } catch (const Exception& e) {
      throw EQuellendatei(name + ", Kursquelle '" + q.Anzeigename() + "': " + e.Meldung());
    }
  }
  return datum;
}

std::optional<std::string> UpdateAdresseFehler(std::string_view adresse) {
  if (adresse.empty()) return "es ist keine Update-Adresse eingestellt";
  if (!adresse.starts_with("https://") || UrlZerlegen(adresse).Host.empty())
    return "die Update-Adresse '" + std::string(adresse) + "' beginnt nicht mit https://";
  for (char c : adresse) {
    if (static_cast<unsigned char>(c) <= ' ')
      return "die Update-Adresse '" + std::string(adresse) + "' enthält Leer- oder Steuerzeichen";
  }
  return std::nullopt;
}

TUpdateErgebnis OnlineUpdate(const TOnlineUpdateKontext& kontext) {
  TUpdateErgebnis ergebnis;
  try {
    ergebnis = Durchfuehren(kontext);
  } catch (const Exception& e) {
    ergebnis = {TUpdateAusgang::Fehlgeschlagen, e.Meldung()};
  }
  Protokollieren(kontext.Logbuch, "Online-Update: " + UpdateAusgangText(ergebnis.Ausgang) + " (" +
                                      ergebnis.Grund + ")");
  return ergebnis;
}

}  // namespace morvane
