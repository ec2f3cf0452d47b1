#pragma once

#include <QMainWindow>
#include <QScrollBar>
#include <memory>
#include <string>
#include <vector>

#include "app/fenster/befehlsaktionen.h"
#include "app/fenster/behandlung.h"
#include "app/fenster/chartbereich.h"
#include "app/fenster/hauptmenue.h"
#include "app/fenster/listenpanel.h"
#include "app/fenster/werkzeugleiste.h"
#include "app/hauptmodell/listenauswahl.h"
#include "app/hauptmodell/tastatur.h"
#include "chart/chartfeld.h"
#include "store/einstellungen.h"
#include "store/wpverwaltung.h"

namespace morvane {

// The program's one main window: toolbar, menus, the catalog and security
// lists on the left, the chart of the selected security with its scroll bar
// on the right. It restores its rectangle, the open catalogs and the open
// security from the settings and writes them back (saving the settings
// file) when it closes.
//
// Commands whose dialogs live elsewhere are connected through Befehle();
// until then they are shown disabled. The settings and the store are not
// owned and must outlive the window.
class THauptfenster : public QMainWindow {
 public:
  THauptfenster(TEinstellungen& einstellungen, const TWPVerwaltung& verwaltung,
                TFehleranzeige fehleranzeige = Fehlerbox);
  ~THauptfenster() override;

  TBefehlsAktionen& Befehle() { return *befehle_; }
  // The parameter dialog behind "Diesen Indikator anpassen..." of the chart's
  // popup menu; the item is enabled once one is connected.
  void IndikatorDialogVerbinden(TChart_Indikatoren::TAnpassenDialog dialog);

  // Fills the lists and restores the selections; posted by the constructor
  // to run once the window is shown. Later calls do nothing.
  void Starten();
  // Reads the catalogs and their securities anew, keeping the selection.
  void ListenNeuFuellen();
  // Shows the selected security in the chart, e.g. after the data directory
  // changed.
  void GewaehltesWertpapierZeigen();
  // After catalogs or securities changed elsewhere: reads both lists anew,
  // selects the named catalogs (else the first) and the security `id` (else
  // the first row), and shows that security.
  void ListenNeuFuellen(const std::vector<std::string>& kataloge, const std::string& id);
  // After a view was changed elsewhere (the view dialog): applies it, fills
  // the template menu anew and updates the toolbar.
  void AnsichtUebernehmen(const TChartAnsicht& ansicht);

  TWerkzeugleiste& Werkzeugleiste() { return *leiste_; }
  THauptmenue& Menue() { return *menue_; }
  TListenPanel& Panel() { return *panel_; }
  TChartFeld& Feld() { return *feld_; }
  TChartBereich& Bereich() { return *bereich_; }
  QScrollBar& ScrollBar() { return *scroll_; }
  TListenPopup& KatalogPopupMenu() { return *katalogPopup_; }
  TListenPopup& WertpapierPopupMenu() { return *wertpapierPopup_; }
  QMenu& IndikatorenPopupMenu() { return *indikatorPopup_; }
  const TListenAuswahl& Listen() const { return listen_; }
  const TWPVerwaltung& Verwaltung() const { return verwaltung_; }
  // The catalog row under the last right click, -1 for none.
  int KatalogPopupZeile() const { return katalogPopupZeile_; }
  // Whether the popup opened last was the catalog list's (the two share
  // commands that act on what their list selects).
  bool KatalogPopupZuletzt() const { return katalogPopupZuletzt_; }

 protected:
  void closeEvent(QCloseEvent* ereignis) override;
  void keyPressEvent(QKeyEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void Aufbauen();
  void Verdrahten();
  void PopupsAnlegen();
  void Anordnen();
  void RechteckWiederherstellen();

  // The view: apply, toolbar state, templates.
  void AnsichtSetzen(const TChartAnsicht& ansicht);
  void LeisteAktualisieren();
  void VorlagenFuellen();
  void VorlageAnwenden(int slot);
  void TageGewaehlt(const std::string& text);

  // The lists (hauptfenster_listen.cpp).
  void Ausfuehren(const std::function<void()>& handler);
  void ListenAnzeigen();
  void KatalogeAnzeigen();
  void WertpapiereAnzeigen();
  void HinweiseZeigen(const std::vector<std::string>& hinweise);
  void WertpapierZeigen();
  void KatalogGeklickt();
  void WertpapierGeklickt();
  void KatalogKontext(QPoint pos);
  void WertpapierKontext(QPoint pos);
  // True when the key was one of the window's own.
  bool TasteBehandeln(int taste, Qt::KeyboardModifiers tasten);
  void Wertpapierschritt(int schritt);
  void Scrollen(int code, int position);
  void ScrollAktion(int aktion);

  TEinstellungen& einstellungen_;
  const TWPVerwaltung& verwaltung_;
  TBehandlung behandlung_;
  TListenAuswahl listen_;
  std::unique_ptr<TChartFeld> feld_;
  TBefehlsAktionen* befehle_ = nullptr;
  TWerkzeugleiste* leiste_ = nullptr;
  std::unique_ptr<THauptmenue> menue_;
  QWidget* zentrale_ = nullptr;
  TListenPanel* panel_ = nullptr;
  TTeiler* teilerSenkrecht_ = nullptr;
  TChartBereich* bereich_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  TListenPopup* katalogPopup_ = nullptr;
  TListenPopup* wertpapierPopup_ = nullptr;
  QMenu* indikatorPopup_ = nullptr;
  QAction* indikatorAnpassen_ = nullptr;
  bool indikatorDialog_ = false;
  int katalogPopupZeile_ = -1;
  bool katalogPopupZuletzt_ = false;
  int panelBreite_ = 169;
  bool gestartet_ = false;
};

inline constexpr int kTeilerSenkrechtBreite = 3;

}  // namespace morvane
