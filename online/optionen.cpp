#include "online/optionen.h"

#include <algorithm>

#include "core/zahltext.h"
#include "online/konto.h"
#include "online/onlineupdate.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

constexpr int kTimeoutMin = 5;
constexpr int kTimeoutMax = 500;
constexpr int kWahlMax = 1000;

std::optional<std::uint16_t> ZahlIn(std::string_view text, int von, int bis) {
  const auto wert = TextZuGanzzahl(text);
  if (!wert || *wert < von || *wert > bis) return std::nullopt;
  return static_cast<std::uint16_t>(*wert);
}

std::string Zahl(std::uint16_t wert) {
  return ZahlZuTextGanz(wert);
}

std::uint16_t Gepruefte(std::string_view text, int von, int bis) {
  const auto wert = ZahlIn(text, von, bis);
  if (!wert) throw EOptionen("Ungeprüfte Optionen können nicht übernommen werden.");
  return *wert;
}

}  // namespace

TOptionenEingabe OptionenAus(const TEinstellungen& e, const TZeitplaner& zeitplaner) {
  TOptionenEingabe o;
  o.Datenverzeichnis = e.EingestelltesDatenverzeichnis();
  o.Timeout = Zahl(e.Timeout);
  o.Protokollieren = e.Protokollieren;
  o.AutoUpdate = e.AutoUpdate;
  try {
    o.UpdateAdresse = KontoLaden(e.Programmverzeichnis()).UpdateAdresse;
  } catch (const EKonto&) {
    // The options stay editable; the account group says why konto.cfg is
    // locked, and an address left as shown (empty: the default) is not written.
    o.UpdateAdresse.clear();
  }
  o.ZeitplanAktiv = zeitplaner.Aktiv;
  for (std::size_t i = 0; i < zeitplaner.Anzahl(); ++i)
    o.Zeitpunkte.push_back(*zeitplaner.Zeitpunkt(i));
  o.DFUeVerbinden = e.DFUeVerbinden;
  o.DFUeEintrag = e.DFUeEintrag;
  o.Wahlwiederholungen = Zahl(e.Wahlwiederholungen);
  o.Wahlpause = Zahl(e.Wahlpause);
  o.DFUeTrennen = e.DFUeTrennen;
  o.ProxyAdresse = e.ProxyAdresse;
  o.ProxyPort = e.ProxyPort;
  o.ProxyKennung = e.ProxyKennung;
  o.ProxyPasswort = e.ProxyPasswort;
  return o;
}

std::optional<TOptionenFehler> OptionenPruefen(const TOptionenEingabe& o, bool dfueInstalliert) {
  if (!ZahlIn(o.Timeout, kTimeoutMin, kTimeoutMax)) {
    return TOptionenFehler{"Der Timeout-Wert muss zwischen 5 und 500 Sekunden liegen.",
                           TOptionenSeite::Kursaktualisierung, TOptionenFeld::Timeout};
  }
  const std::string_view adresse = Trimmen(o.UpdateAdresse);
  if (!adresse.empty() && UpdateAdresseFehler(adresse)) {
    return TOptionenFehler{
        "Die Update-Adresse muss mit https:// beginnen und darf keine "
        "Leerzeichen enthalten.",
        TOptionenSeite::Kursaktualisierung, TOptionenFeld::UpdateAdresse};
  }
  if (dfueInstalliert && o.DFUeVerbinden && o.DFUeEintrag.empty()) {
    return TOptionenFehler{"Es wurde keine DFÜ-Netzwerkverbindung ausgewählt.",
                           TOptionenSeite::Internet, TOptionenFeld::DFUeListe};
  }
  if (!ZahlIn(o.Wahlwiederholungen, 0, kWahlMax)) {
    return TOptionenFehler{"Die Anzahl der Wahlwiederholungen ist ungültig.",
                           TOptionenSeite::Internet, TOptionenFeld::Wahlwiederholungen};
  }
  if (!ZahlIn(o.Wahlpause, 0, kWahlMax)) {
    return TOptionenFehler{"Die angegebene Wahlpause ist ungültig.", TOptionenSeite::Internet,
                           TOptionenFeld::Wahlpause};
  }
  return std::nullopt;
}

void UpdateAdresseSchreiben(const std::string& programmverzeichnis, std::string_view adresse) {
  adresse = Trimmen(adresse);
  TKonto konto = KontoLaden(programmverzeichnis);
  const std::string neu(adresse.empty() ? kStandardUpdateAdresse : adresse);
  if (konto.UpdateAdresse == neu) return;
  konto.UpdateAdresse = neu;
  KontoSpeichern(programmverzeichnis, konto);
}

void OptionenSchreiben(const TOptionenEingabe& o, TEinstellungen& e, TZeitplaner& zeitplaner) {
  // Everything is converted before anything changes, so a refusal leaves the
  // settings whole.
  const std::uint16_t timeout = Gepruefte(o.Timeout, kTimeoutMin, kTimeoutMax);
  const std::uint16_t wiederholungen = Gepruefte(o.Wahlwiederholungen, 0, kWahlMax);
  const std::uint16_t pause = Gepruefte(o.Wahlpause, 0, kWahlMax);
  e.SetzeDatenverzeichnis(o.Datenverzeichnis);
  e.Timeout = timeout;
  e.Protokollieren = o.Protokollieren;
  e.AutoUpdate = o.AutoUpdate;
  zeitplaner.Aktiv = o.ZeitplanAktiv;
  zeitplaner.Leeren();
  for (const TZeitpunkt& z : o.Zeitpunkte)
    zeitplaner.Anhaengen(z);
  e.DFUeVerbinden = o.DFUeVerbinden;
  e.DFUeEintrag = o.DFUeEintrag;
  e.Wahlwiederholungen = wiederholungen;
  e.Wahlpause = pause;
  e.DFUeTrennen = o.DFUeTrennen;
  e.ProxyAdresse = o.ProxyAdresse;
  e.ProxyPort = o.ProxyPort;
  e.ProxyKennung = o.ProxyKennung;
  e.ProxyPasswort = o.ProxyPasswort;
}

TOptionenFreigaben OptionenFreigaben(const TOptionenEingabe& o, bool zeileGewaehlt,
                                     bool dfueInstalliert) {
  TOptionenFreigaben f;
  f.Zeitplan = o.ZeitplanAktiv;
  f.Bearbeiten = o.ZeitplanAktiv && zeileGewaehlt;
  f.DFUeVerbinden = dfueInstalliert;
  f.DFUeFelder = dfueInstalliert && o.DFUeVerbinden;
  f.Eigenschaften = f.DFUeFelder && !o.DFUeEintrag.empty();
  return f;
}

std::vector<TKatalogWahl> KatalogWahlen(const std::vector<std::string>& vorhanden,
                                        const std::vector<std::string>& gewaehlt) {
  std::vector<TKatalogWahl> wahlen;
  for (const std::string& name : vorhanden) {
    const bool an = std::find(gewaehlt.begin(), gewaehlt.end(), name) != gewaehlt.end();
    wahlen.push_back({name, an});
  }
  return wahlen;
}

}  // namespace morvane
