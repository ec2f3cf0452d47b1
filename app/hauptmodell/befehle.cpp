#include "app/hauptmodell/befehle.h"

#include <array>

namespace morvane {
namespace {

constexpr std::array kTexte = {
    TBefehlsText{TBefehl::WertpapierNeu, "Neu...", "Ctrl+N"},
    TBefehlsText{TBefehl::WertpapierLoeschen, "Löschen...", ""},
    TBefehlsText{TBefehl::WertpapierKursaktu, "Kursaktualisierung...", "F4"},
    TBefehlsText{TBefehl::WPEigenschaften, "Eigenschaften...", "F5"},
    TBefehlsText{TBefehl::WPKurstabelle, "Kurstabelle...", "F6"},
    TBefehlsText{TBefehl::WPTransaktionen, "Transaktionen...", "F7"},
    TBefehlsText{TBefehl::WPAktiensplit, "Aktiensplit...", ""},
    TBefehlsText{TBefehl::WertpapierChartDrucken, "Chart drucken...", "Ctrl+P"},
    TBefehlsText{TBefehl::ListenWPTransaktionen, "WP-Transaktionen...", ""},
    TBefehlsText{TBefehl::ListenDepotUebersicht, "Depot-Übersicht...", ""},
    TBefehlsText{TBefehl::ListenDepotTransakt, "Depot-Gewinne...", ""},
    TBefehlsText{TBefehl::ListenDepotSignale, "Depot-Indikatorsignale...", ""},
    TBefehlsText{TBefehl::ListenDepotInd, "Depot-Einzelindikator...", ""},
    TBefehlsText{TBefehl::ListenVolatilitaet, "Volatilität...", ""},
    TBefehlsText{TBefehl::AnsichtChart, "Chart...", ""},
    TBefehlsText{TBefehl::AnsichtIndikatoren, "Indikatoren anpassen...", ""},
    TBefehlsText{TBefehl::ExtrasOptionen, "Optionen...", ""},
    TBefehlsText{TBefehl::ExtrasOnlineUpdate, "Online-Update jetzt durchführen", ""},
    TBefehlsText{TBefehl::HilfeHilfethemen, "Hilfethemen", ""},
    TBefehlsText{TBefehl::HilfeInfo, "Info...", ""},
    TBefehlsText{TBefehl::Tageskurse, "Kursaktualisierung: Tageskurse", ""},
    TBefehlsText{TBefehl::HistorischeKurse, "Kursaktualisierung: Historische Kurse", ""},
    TBefehlsText{TBefehl::KatalogUmbenennen, "Umbenennen...", ""},
    TBefehlsText{TBefehl::KatalogLoeschen, "Löschen...", ""},
    TBefehlsText{TBefehl::KatalogExportieren, "Exportieren...", ""},
    TBefehlsText{TBefehl::WertpapierKopierenVerschieben, "Kopieren/Verschieben...", ""},
    TBefehlsText{TBefehl::WertpapierExportieren, "Exportieren...", ""},
};

constexpr std::array kKatalogPopup = {TBefehl::Tageskurse,      TBefehl::HistorischeKurse,
                                      TBefehl::WertpapierNeu,   TBefehl::KatalogUmbenennen,
                                      TBefehl::KatalogLoeschen, TBefehl::KatalogExportieren};

constexpr std::array kWertpapierPopup = {TBefehl::Tageskurse,
                                         TBefehl::HistorischeKurse,
                                         TBefehl::WertpapierNeu,
                                         TBefehl::WertpapierLoeschen,
                                         TBefehl::WertpapierKopierenVerschieben,
                                         TBefehl::WertpapierExportieren,
                                         TBefehl::WPEigenschaften,
                                         TBefehl::WPKurstabelle,
                                         TBefehl::WPTransaktionen};

constexpr bool InEnumReihenfolge() {
  for (std::size_t i = 0; i < kTexte.size(); ++i) {
    if (static_cast<std::size_t>(kTexte[i].Befehl) != i) return false;
  }
  return true;
}
static_assert(InEnumReihenfolge(), "one row per command, in the order of TBefehl");

}  // namespace

std::span<const TBefehlsText> Befehlstexte() {
  return kTexte;
}

const TBefehlsText& Befehlstext(TBefehl befehl) {
  return kTexte.at(static_cast<std::size_t>(befehl));
}

std::span<const TBefehl> KatalogPopup() {
  return kKatalogPopup;
}
std::span<const TBefehl> WertpapierPopup() {
  return kWertpapierPopup;
}

bool PopupAktiv(TBefehl befehl, bool vorhanden, bool zeileGetroffen) {
  return vorhanden && (befehl == TBefehl::WertpapierNeu || zeileGetroffen);
}

}  // namespace morvane
