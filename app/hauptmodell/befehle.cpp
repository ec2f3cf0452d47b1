#include "app/hauptmodell/befehle.h"

#include <array>

namespace morvane {
namespace {

constexpr std::array kTexte = {
    TBefehlsText{TMenuebefehl::WertpapierNeu, "Neu...", "Ctrl+N"},
    TBefehlsText{TMenuebefehl::WertpapierLoeschen, "Löschen...", ""},
    TBefehlsText{TMenuebefehl::WertpapierKursaktu, "Kursaktualisierung...", "F4"},
    TBefehlsText{TMenuebefehl::WPEigenschaften, "Eigenschaften...", "F5"},
    TBefehlsText{TMenuebefehl::WPKurstabelle, "Kurstabelle...", "F6"},
    TBefehlsText{TMenuebefehl::WPTransaktionen, "Transaktionen...", "F7"},
    TBefehlsText{TMenuebefehl::WPAktiensplit, "Aktiensplit...", ""},
    TBefehlsText{TMenuebefehl::WertpapierChartDrucken, "Chart drucken...", "Ctrl+P"},
    TBefehlsText{TMenuebefehl::ListenWPTransaktionen, "WP-Transaktionen...", ""},
    TBefehlsText{TMenuebefehl::ListenDepotUebersicht, "Depot-Übersicht...", ""},
    TBefehlsText{TMenuebefehl::ListenDepotTransakt, "Depot-Gewinne...", ""},
    TBefehlsText{TMenuebefehl::ListenDepotSignale, "Depot-Indikatorsignale...", ""},
    TBefehlsText{TMenuebefehl::ListenDepotInd, "Depot-Einzelindikator...", ""},
    TBefehlsText{TMenuebefehl::ListenVolatilitaet, "Volatilität...", ""},
    TBefehlsText{TMenuebefehl::AnsichtChart, "Chart...", ""},
    TBefehlsText{TMenuebefehl::AnsichtIndikatoren, "Indikatoren anpassen...", ""},
    TBefehlsText{TMenuebefehl::ExtrasOptionen, "Optionen...", ""},
    TBefehlsText{TMenuebefehl::ExtrasOnlineUpdate, "Online-Update jetzt durchführen", ""},
    TBefehlsText{TMenuebefehl::HilfeHilfethemen, "Hilfethemen", ""},
    TBefehlsText{TMenuebefehl::HilfeInfo, "Info...", ""},
    TBefehlsText{TMenuebefehl::Tageskurse, "Kursaktualisierung: Tageskurse", ""},
    TBefehlsText{TMenuebefehl::HistorischeKurse, "Kursaktualisierung: Historische Kurse", ""},
    TBefehlsText{TMenuebefehl::KatalogUmbenennen, "Umbenennen...", ""},
    TBefehlsText{TMenuebefehl::KatalogLoeschen, "Löschen...", ""},
    TBefehlsText{TMenuebefehl::KatalogExportieren, "Exportieren...", ""},
    TBefehlsText{TMenuebefehl::WertpapierKopierenVerschieben, "Kopieren/Verschieben...", ""},
    TBefehlsText{TMenuebefehl::WertpapierExportieren, "Exportieren...", ""},
};

constexpr std::array kKatalogPopup = {
    TMenuebefehl::Tageskurse,      TMenuebefehl::HistorischeKurse,
    TMenuebefehl::WertpapierNeu,   TMenuebefehl::KatalogUmbenennen,
    TMenuebefehl::KatalogLoeschen, TMenuebefehl::KatalogExportieren};

constexpr std::array kWertpapierPopup = {TMenuebefehl::Tageskurse,
                                         TMenuebefehl::HistorischeKurse,
                                         TMenuebefehl::WertpapierNeu,
                                         TMenuebefehl::WertpapierLoeschen,
                                         TMenuebefehl::WertpapierKopierenVerschieben,
                                         TMenuebefehl::WertpapierExportieren,
                                         TMenuebefehl::WPEigenschaften,
                                         TMenuebefehl::WPKurstabelle,
                                         TMenuebefehl::WPTransaktionen};

constexpr bool InEnumReihenfolge() {
  for (std::size_t i = 0; i < kTexte.size(); ++i) {
    if (static_cast<std::size_t>(kTexte[i].Befehl) != i) return false;
  }
  return true;
}
static_assert(InEnumReihenfolge(), "one row per command, in the order of TMenuebefehl");

}  // namespace

std::span<const TBefehlsText> Befehlstexte() {
  return kTexte;
}

const TBefehlsText& Befehlstext(TMenuebefehl befehl) {
  return kTexte.at(static_cast<std::size_t>(befehl));
}

std::span<const TMenuebefehl> KatalogPopup() {
  return kKatalogPopup;
}
std::span<const TMenuebefehl> WertpapierPopup() {
  return kWertpapierPopup;
}

bool PopupAktiv(TMenuebefehl befehl, bool vorhanden, bool zeileGetroffen) {
  return vorhanden && (befehl == TMenuebefehl::WertpapierNeu || zeileGetroffen);
}

}  // namespace morvane
