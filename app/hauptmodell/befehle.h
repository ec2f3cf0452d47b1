#pragma once

#include <span>
#include <string_view>

namespace morvane {

// The commands of the main window's menus, popup menus and toolbar. One
// command is one action: a toolbar button and a menu item that do the same
// thing share it.
enum class TMenuebefehl {
  WertpapierNeu,
  WertpapierLoeschen,
  WertpapierKursaktu,
  WPEigenschaften,
  WPKurstabelle,
  WPTransaktionen,
  WPAktiensplit,
  WertpapierChartDrucken,
  ListenWPTransaktionen,
  ListenDepotUebersicht,
  ListenDepotTransakt,
  ListenDepotSignale,
  ListenDepotInd,
  ListenVolatilitaet,
  AnsichtChart,
  AnsichtIndikatoren,
  ExtrasOptionen,
  ExtrasOnlineUpdate,
  HilfeHilfethemen,
  HilfeInfo,
  Tageskurse,
  HistorischeKurse,
  KatalogUmbenennen,
  KatalogLoeschen,
  KatalogExportieren,
  WertpapierKopierenVerschieben,
  WertpapierExportieren,
};

struct TBefehlsText {
  TMenuebefehl Befehl;
  std::string_view Text;
  // A key sequence in the portable form ("Ctrl+N", "F4"), empty for none.
  std::string_view Kuerzel;
};

// Caption and shortcut of every command, in the order of the enum.
std::span<const TBefehlsText> Befehlstexte();
const TBefehlsText& Befehlstext(TMenuebefehl befehl);

// The items of the two list popups, in menu order.
std::span<const TMenuebefehl> KatalogPopup();
std::span<const TMenuebefehl> WertpapierPopup();

// A popup item is enabled when its command exists and either it needs no row
// ("Neu...") or the right click hit a row.
bool PopupAktiv(TMenuebefehl befehl, bool vorhanden, bool zeileGetroffen);

}  // namespace morvane
