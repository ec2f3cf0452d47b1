#include "app/fenster/hauptfenster.h"

#include <QCloseEvent>
#include <QTimer>

#include "app/fenster/info.h"
#include "app/hauptmodell/fensterzustand.h"
#include "app/hauptmodell/tagefeld.h"
#include "app/hauptmodell/vorlagenmenue.h"
#include "chart/chartvorlagen.h"
#include "indicators/indvorlagen.h"

namespace morvane {
namespace {

// The client area below the toolbar; it lays its children out by hand, as
// the splitter rules want.
class TZentrale : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> OnGroesse;

 protected:
  void resizeEvent(QResizeEvent*) override {
    if (OnGroesse) OnGroesse();
  }
};

TChartFeld* FeldAnlegen(TEinstellungen& einstellungen, const TWPVerwaltung& verwaltung) {
  ChartEinstellungenEinstecken(einstellungen);
  IndEinstellungenEinstecken(einstellungen);
  return new TChartFeld(verwaltung, ChartAnsicht(einstellungen), IndVorlagen(einstellungen));
}

}  // namespace

THauptfenster::THauptfenster(TEinstellungen& einstellungen, const TWPVerwaltung& verwaltung,
                             TFehleranzeige fehleranzeige)
    : einstellungen_(einstellungen),
      verwaltung_(verwaltung),
      behandlung_(this, std::move(fehleranzeige)),
      listen_(verwaltung),
      feld_(FeldAnlegen(einstellungen, verwaltung)) {
  setObjectName(QStringLiteral("Hauptfenster"));
  setWindowTitle(QString::fromStdString(einstellungen_.Titel()));
  Aufbauen();
  Verdrahten();
  RechteckWiederherstellen();
  VorlagenFuellen();
  LeisteAktualisieren();
  QTimer::singleShot(0, this, [this] { Starten(); });
}

THauptfenster::~THauptfenster() = default;

void THauptfenster::Aufbauen() {
  befehle_ = new TBefehlsAktionen(this, behandlung_);
  leiste_ = new TWerkzeugleiste(this, *befehle_);
  addToolBar(Qt::TopToolBarArea, leiste_);
  menue_ = std::make_unique<THauptmenue>(*this, *befehle_, *leiste_);
  auto* zentrale = new TZentrale(this);
  zentrale->OnGroesse = [this] { Anordnen(); };
  zentrale_ = zentrale;
  panel_ = new TListenPanel(zentrale_);
  teilerSenkrecht_ = new TTeiler(Qt::Vertical, zentrale_);
  teilerSenkrecht_->setObjectName(QStringLiteral("TeilerSenkrecht"));
  bereich_ = new TChartBereich(*feld_, behandlung_, zentrale_);
  scroll_ = new QScrollBar(Qt::Horizontal, zentrale_);
  scroll_->setObjectName(QStringLiteral("ScrollBar1"));
  scroll_->setRange(0, 1000);
  scroll_->setPageStep(100);
  scroll_->setSingleStep(10);
  scroll_->setFocusPolicy(Qt::NoFocus);
  setCentralWidget(zentrale_);
  PopupsAnlegen();
  setTabOrder(leiste_->Tage(), panel_->Kataloge());
  setTabOrder(panel_->Kataloge(), panel_->Wertpapiere());
}

void THauptfenster::PopupsAnlegen() {
  katalogPopup_ = new TListenPopup(KatalogPopup(), *befehle_, this);
  katalogPopup_->setObjectName(QStringLiteral("KatalogPopupMenu"));
  wertpapierPopup_ = new TListenPopup(WertpapierPopup(), *befehle_, this);
  wertpapierPopup_->setObjectName(QStringLiteral("WertpapierPopupMenu"));
  indikatorPopup_ = new QMenu(this);
  indikatorPopup_->setObjectName(QStringLiteral("IndikatorenPopupMenu"));
  indikatorAnpassen_ = indikatorPopup_->addAction(QStringLiteral("Diesen Indikator anpassen..."));
  connect(indikatorAnpassen_, &QAction::triggered, this,
          [this] { Ausfuehren([this] { feld_->IndikatorBalken().IndikatorAnpassen(); }); });
  QAction* alle = indikatorPopup_->addAction(QStringLiteral("Indikatoren anpassen..."));
  connect(alle, &QAction::triggered, this,
          [this] { befehle_->Ausfuehren(TMenuebefehl::AnsichtIndikatoren); });
  feld_->IndikatorBalken().SetzeOnPopup([this, alle](TPunkt bildschirm, bool anpassenAktiv) {
    indikatorAnpassen_->setEnabled(anpassenAktiv && indikatorDialog_);
    alle->setEnabled(befehle_->Verbunden(TMenuebefehl::AnsichtIndikatoren));
    indikatorPopup_->popup(QPoint(bildschirm.x, bildschirm.y));
  });
}

void THauptfenster::Verdrahten() {
  leiste_->OnCharttyp = [this](TCharttyp typ) {
    Ausfuehren([&] {
      TChartAnsicht ansicht = feld_->Ansicht();
      ansicht.Charttyp = typ;
      AnsichtSetzen(ansicht);
    });
  };
  leiste_->OnSchalter = [this](TAnsichtSchalter s) {
    Ausfuehren([&] { AnsichtSetzen(Umgeschaltet(feld_->Ansicht(), s)); });
  };
  leiste_->OnVorlage = [this](int slot) { Ausfuehren([&] { VorlageAnwenden(slot); }); };
  menue_->OnVorlage = leiste_->OnVorlage;
  leiste_->OnTage = [this](const std::string& text) { Ausfuehren([&] { TageGewaehlt(text); }); };
  leiste_->OnTageVerlassen = [this] { panel_->Wertpapiere()->setFocus(); };
  befehle_->Verbinden(TMenuebefehl::HilfeInfo, [this] { InfoZeigen(this, einstellungen_); });

  QListWidget* kataloge = panel_->Kataloge();
  QListWidget* wertpapiere = panel_->Wertpapiere();
  connect(kataloge, &QListWidget::itemSelectionChanged, this, [this] { KatalogGeklickt(); });
  connect(wertpapiere, &QListWidget::itemSelectionChanged, this, [this] { WertpapierGeklickt(); });
  connect(kataloge, &QWidget::customContextMenuRequested, this,
          [this](QPoint pos) { KatalogKontext(pos); });
  connect(wertpapiere, &QWidget::customContextMenuRequested, this,
          [this](QPoint pos) { WertpapierKontext(pos); });
  for (QListWidget* liste : {kataloge, wertpapiere}) {
    liste->installEventFilter(this);
    liste->viewport()->installEventFilter(this);
  }
  connect(scroll_, &QScrollBar::actionTriggered, this,
          [this](int aktion) { ScrollAktion(aktion); });
  connect(scroll_, &QScrollBar::sliderReleased, this, [this] {
    Ausfuehren([this] { Scrollen(scSchieberLosgelassen, scroll_->sliderPosition()); });
  });
  teilerSenkrecht_->OnGezogen = [this](QPoint maus, QPoint start) {
    panelBreite_ = PanelBreite(maus.x(), start.x(), zentrale_->width(), kTeilerSenkrechtBreite);
    Anordnen();
  };
}

void THauptfenster::IndikatorDialogVerbinden(TChart_Indikatoren::TAnpassenDialog dialog) {
  indikatorDialog_ = static_cast<bool>(dialog);
  feld_->IndikatorBalken().SetzeAnpassenDialog(std::move(dialog));
}

void THauptfenster::Anordnen() {
  const int b = zentrale_->width();
  const int h = zentrale_->height();
  const int panel = std::min(panelBreite_, std::max(0, b - kTeilerSenkrechtBreite));
  const int rechts = panel + kTeilerSenkrechtBreite;
  const int scrollHoehe = scroll_->sizeHint().height();
  panel_->setGeometry(0, 0, panel, h);
  teilerSenkrecht_->setGeometry(panel, 0, kTeilerSenkrechtBreite, h);
  scroll_->setGeometry(rechts, h - scrollHoehe, std::max(0, b - rechts), scrollHoehe);
  bereich_->setGeometry(rechts, 0, std::max(0, b - rechts), std::max(0, h - scrollHoehe));
}

void THauptfenster::RechteckWiederherstellen() {
  if (const auto r = GespeichertesRechteck(einstellungen_)) {
    move((*r)[0], (*r)[1]);
    resize((*r)[2], (*r)[3]);
  } else {
    resize(1000, 700);
  }
  if (einstellungen_.Maximiert) setWindowState(windowState() | Qt::WindowMaximized);
}

void THauptfenster::AnsichtSetzen(const TChartAnsicht& ansicht) {
  feld_->SetzeAnsicht(ansicht);
  scroll_->setValue(feld_->ScrollPosition());
  LeisteAktualisieren();
  bereich_->update();
}

void THauptfenster::AnsichtUebernehmen(const TChartAnsicht& ansicht) {
  Ausfuehren([&] {
    AnsichtSetzen(ansicht);
    VorlagenFuellen();
  });
}

void THauptfenster::LeisteAktualisieren() {
  leiste_->ZeigeAnsicht(feld_->Ansicht());
}

void THauptfenster::VorlagenFuellen() {
  const TVorlagenMenue menue = VorlagenMenue(ChartVorlagen(einstellungen_));
  menue_->ZeigeVorlagen(menue);
  leiste_->ZeigeVorlagen(menue);
}

void THauptfenster::VorlageAnwenden(int slot) {
  const auto& ansicht = ChartVorlagen(einstellungen_).Ansicht(slot);
  if (ansicht) AnsichtSetzen(*ansicht);
}

void THauptfenster::TageGewaehlt(const std::string& text) {
  const auto neu = TageAnwenden(feld_->Ansicht(), text);
  if (neu) {
    AnsichtSetzen(*neu);
  } else {
    LeisteAktualisieren();
  }
}

void THauptfenster::closeEvent(QCloseEvent* ereignis) {
  TFensterzustand zustand;
  zustand.Maximiert = isMaximized();
  zustand.Rechteck = {x(), y(), width(), height()};
  zustand.OffeneKataloge = listen_.GewaehlteKataloge();
  zustand.OffenesWertpapier = listen_.GewaehlteID();
  behandlung_([&] { FensterzustandSpeichern(einstellungen_, zustand); });
  ereignis->accept();
}

}  // namespace morvane
