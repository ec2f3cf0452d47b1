#include "app/fenster/werkzeugleiste.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/hauptmodell/tagefeld.h"
#include "platform/symbole.h"

namespace morvane {
namespace {

constexpr int kLeistenHoehe = 33;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), text.size());
}

}  // namespace

TWerkzeugleiste::TWerkzeugleiste(QWidget* eltern, const TBefehlsAktionen& befehle)
    : QToolBar(QStringLiteral("Symbolleiste"), eltern) {
  setObjectName(QStringLiteral("Speedbar"));
  setMovable(false);
  setFloatable(false);
  setFixedHeight(kLeistenHoehe);
  setIconSize(QSize(24, 20));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  TypenAnlegen();
  addSeparator();
  TageAnlegen();
  addSeparator();
  VorlagenAnlegen();
  addSeparator();
  KnoepfeAnlegen(befehle);
}

void TWerkzeugleiste::Melden(const std::function<void()>& handler) const {
  if (handler) handler();
}

void TWerkzeugleiste::TypenAnlegen() {
  static const struct {
    TCharttyp Typ;
    const char* Hinweis;
    const char* Name;
    const char* Symbol;
  } kTypen[] = {
      {TCharttyp::Linie, "Linienchart", "Speed_Linien", "linienchart"},
      {TCharttyp::Balken, "Balkenchart", "Speed_Balken", "balkenchart"},
      {TCharttyp::Kerze, "Kerzenchart", "Speed_Kerzen", "kerzenchart"},
      {TCharttyp::PointFigure, "Point-&-Figure Chart", "Speed_PointFigure", "pointfigure"},
      {TCharttyp::Equivolume, "Equivolume Chart", "Speed_Equivolume", "equivolume"}};
  auto* gruppe = new QActionGroup(this);
  gruppe->setExclusive(true);
  for (const auto& t : kTypen) {
    QAction* a = addAction(Symbol(t.Symbol), QString::fromUtf8(t.Hinweis));
    a->setObjectName(QString::fromUtf8(t.Name));
    a->setToolTip(QString::fromUtf8(t.Hinweis));
    a->setCheckable(true);
    gruppe->addAction(a);
    const TCharttyp typ = t.Typ;
    connect(a, &QAction::triggered, this, [this, typ] {
      if (OnCharttyp) OnCharttyp(typ);
    });
    typen_[static_cast<std::size_t>(t.Typ) - 1] = a;
  }
}

void TWerkzeugleiste::TageAnlegen() {
  tage_ = new QComboBox(this);
  tage_->setObjectName(QStringLiteral("Speed_Tage"));
  tage_->setToolTip(QStringLiteral("Tage auf der Zeitachse"));
  tage_->setEditable(true);
  tage_->setInsertPolicy(QComboBox::NoInsert);
  tage_->setMaxVisibleItems(12);
  for (std::string_view eintrag : kTageEintraege)
    tage_->addItem(Q(eintrag));
  tage_->setMinimumContentsLength(9);
  tage_->lineEdit()->installEventFilter(this);
  connect(tage_, &QComboBox::activated, this, [this](int index) {
    if (OnTage) OnTage(tage_->itemText(index).toStdString());
  });
  addWidget(tage_);
}

void TWerkzeugleiste::VorlagenAnlegen() {
  for (int slot = 1; slot <= kAnzahlChartVorlagen; ++slot) {
    auto* knopf = new QToolButton(this);
    const QString beschriftung = Q(VorlagenBeschriftung(slot));
    knopf->setText(beschriftung);
    knopf->setObjectName(QStringLiteral("Speed_Vorlage") + beschriftung);
    knopf->setFixedWidth(20);
    knopf->setEnabled(false);
    connect(knopf, &QToolButton::clicked, this, [this, slot] {
      if (OnVorlage) OnVorlage(slot);
    });
    addWidget(knopf);
    vorlagen_[static_cast<std::size_t>(slot - 1)] = knopf;
  }
}

void TWerkzeugleiste::KnoepfeAnlegen(const TBefehlsAktionen& befehle) {
  auto knopf = [this](QAction* a, const char* name, const char* text, const char* hinweis) {
    addAction(a);
    a->setIconText(QString::fromUtf8(text));
    a->setToolTip(QString::fromUtf8(hinweis));
    widgetForAction(a)->setObjectName(QString::fromUtf8(name));
    if (auto* k = qobject_cast<QToolButton*>(widgetForAction(a)))
      k->setToolButtonStyle(Qt::ToolButtonTextOnly);
  };
  knopf(befehle.Aktion(TMenuebefehl::AnsichtChart), "Speed_Ansicht", "Ansicht", "Chartansicht");
  knopf(befehle.Aktion(TMenuebefehl::WertpapierKursaktu), "Speed_Kursaktu", "K",
        "Kursaktualisierung");
  static const struct {
    TAnsichtSchalter Schalter;
    const char* Name;
    const char* Text;
    const char* Menue;
  } kSchalter[] = {
      {TAnsichtSchalter::Indikatoren, "Speed_Indikatoren", "Indikatoren", "Indikator-Balken"},
      {TAnsichtSchalter::Infobereich, "Speed_Infobereich", "Infobereich", "Infobereich"},
      {TAnsichtSchalter::Umsatz, "Speed_Umsatz", "Umsatz", "Umsatz anzeigen"}};
  for (const auto& s : kSchalter) {
    auto* a = new QAction(QString::fromUtf8(s.Menue), this);
    a->setCheckable(true);
    const TAnsichtSchalter schalter = s.Schalter;
    connect(a, &QAction::triggered, this, [this, schalter] {
      if (OnSchalter) OnSchalter(schalter);
    });
    schalter_[static_cast<std::size_t>(s.Schalter)] = a;
    if (s.Schalter == TAnsichtSchalter::Umsatz)
      knopf(befehle.Aktion(TMenuebefehl::WertpapierChartDrucken), "Speed_Drucken", "Drucken",
            "Chart drucken");
    knopf(a, s.Name, s.Text, s.Menue);
  }
}

void TWerkzeugleiste::ZeigeAnsicht(const TChartAnsicht& ansicht) {
  for (QAction* a : typen_)
    a->setChecked(false);
  if (IstBekannt(ansicht.Charttyp)) Charttyp(ansicht.Charttyp)->setChecked(true);
  tage_->setEditText(Q(TageText(ansicht)));
  Schalter(TAnsichtSchalter::Umsatz)->setChecked(ansicht.UmsatzAnzeigen);
  Schalter(TAnsichtSchalter::Indikatoren)->setChecked(ansicht.Indikatoren);
  Schalter(TAnsichtSchalter::Infobereich)->setChecked(ansicht.Infobereich);
}

void TWerkzeugleiste::ZeigeVorlagen(const TVorlagenMenue& menue) {
  for (std::size_t i = 0; i < vorlagen_.size(); ++i) {
    vorlagen_[i]->setToolTip(QString::fromStdString(menue.Eintraege[i].Hinweis));
    vorlagen_[i]->setEnabled(menue.Eintraege[i].Aktiv);
  }
}

bool TWerkzeugleiste::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == tage_->lineEdit() && ereignis->type() == QEvent::KeyPress) {
    const int taste = static_cast<QKeyEvent*>(ereignis)->key();
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) {
      if (OnTage) OnTage(tage_->currentText().toStdString());
      Melden(OnTageVerlassen);
      return true;
    }
    if (taste == Qt::Key_Escape) {
      Melden(OnTageVerlassen);
      return true;
    }
  }
  return QToolBar::eventFilter(objekt, ereignis);
}

}  // namespace morvane
