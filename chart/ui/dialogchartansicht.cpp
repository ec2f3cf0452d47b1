#include "chart/ui/dialogchartansicht.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "chart/chartvorlagen.h"
#include "chart/ui/dialogchartansichtvorlagen.h"

namespace morvane {
namespace {

// Each check box with the flag it shows.
struct TKreuz {
  QCheckBox* TChartAnsichtSteuerelemente::*Box;
  bool TChartAnsichtEingaben::*Feld;
};
constexpr TKreuz kKreuze[] = {
    {&TChartAnsichtSteuerelemente::Zeit_Wochentag, &TChartAnsichtEingaben::Zeit_Wochentag},
    {&TChartAnsichtSteuerelemente::Zeit_Monatsbalken, &TChartAnsichtEingaben::Zeit_Monatsbalken},
    {&TChartAnsichtSteuerelemente::Zeit_Jahresbalken, &TChartAnsichtEingaben::Zeit_Jahresbalken},
    {&TChartAnsichtSteuerelemente::Zeit_TageOhneKursWeglassen,
     &TChartAnsichtEingaben::Zeit_TageOhneKursWeglassen},
    {&TChartAnsichtSteuerelemente::Wert_GraphStrecken, &TChartAnsichtEingaben::Wert_GraphStrecken},
    {&TChartAnsichtSteuerelemente::Z_Punkteraster, &TChartAnsichtEingaben::Z_Punkteraster},
    {&TChartAnsichtSteuerelemente::Z_KaufVerkauf, &TChartAnsichtEingaben::Z_KaufVerkauf},
    {&TChartAnsichtSteuerelemente::Z_GVGrenze, &TChartAnsichtEingaben::Z_GVGrenze},
    {&TChartAnsichtSteuerelemente::Z_Indikatoren, &TChartAnsichtEingaben::Z_Indikatoren},
    {&TChartAnsichtSteuerelemente::Z_Infobereich, &TChartAnsichtEingaben::Z_Infobereich},
    {&TChartAnsichtSteuerelemente::Umsatz_Anzeigen, &TChartAnsichtEingaben::Umsatz_Anzeigen},
    {&TChartAnsichtSteuerelemente::Umsatz_Abschneiden, &TChartAnsichtEingaben::Umsatz_Abschneiden},
};

// The checked chart type; `bisher` when none is (a type byte that names none
// of the five stays as it was).
TCharttyp GewaehlterTyp(const TChartAnsichtSteuerelemente& s, TCharttyp bisher) {
  for (std::size_t i = 0; i < s.Charttyp.size(); ++i) {
    if (s.Charttyp[i]->isChecked()) return static_cast<TCharttyp>(i + 1);
  }
  return bisher;
}

void TypAnkreuzen(const TChartAnsichtSteuerelemente& s, TCharttyp typ) {
  QButtonGroup* gruppe = s.Charttyp[0]->group();
  gruppe->setExclusive(false);
  for (std::size_t i = 0; i < s.Charttyp.size(); ++i) {
    s.Charttyp[i]->setChecked(static_cast<std::size_t>(typ) == i + 1);
  }
  gruppe->setExclusive(true);
}

template <typename... TWidget>
void Aktivieren(bool aktiv, TWidget*... elemente) {
  (elemente->setEnabled(aktiv), ...);
}

// Focuses the control and selects its text, so the user can type over it.
void Markieren(QWidget* feld) {
  feld->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(feld)) edit->selectAll();
  if (auto* box = qobject_cast<QComboBox*>(feld); box && box->lineEdit()) {
    box->lineEdit()->selectAll();
  }
}

}  // namespace

TDialogChartAnsicht::TDialogChartAnsicht(TChartVorlagen& vorlagen, THilfe hilfe, QWidget* eltern)
    : QDialog(eltern), vorlagen_(vorlagen), hilfe_(std::move(hilfe)) {
  setWindowTitle(QStringLiteral("Chart"));
  seiten_ = new QTabWidget(this);
  seiten_->addTab(AllgemeinSeite(s_), QtText(kSeiteAllgemein));
  seiten_->addTab(AchsenSeite(s_), QtText(kSeiteAchsen));
  seiten_->addTab(ZusaetzeSeite(s_), QtText(kSeiteZusaetze));
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(seiten_);
  KnoepfeAnlegen();
  // Each page keeps its size; switching pages or chart types moves nothing.
  spalte->setSizeConstraint(QLayout::SetFixedSize);
  Verbinden();
  Fuellen(ansicht_);
}

void TDialogChartAnsicht::KnoepfeAnlegen() {
  auto* vorlage = new QPushButton(QString::fromUtf8("Als &Vorlage speichern..."), this);
  vorlage->setObjectName(QStringLiteral("Vorlage"));
  static_cast<QVBoxLayout*>(layout())->addLayout(
      OkAbbrechenHilfe(this, hilfe_, kHilfeChartAnsicht, vorlage));
  connect(vorlage, &QPushButton::clicked, this, [this] { VorlageSpeichern(); });
}

void TDialogChartAnsicht::Verbinden() {
  const auto anwenden = [this] { FreigabenAnwenden(); };
  for (QRadioButton* typ : s_.Charttyp)
    connect(typ, &QRadioButton::toggled, this, anwenden);
  connect(s_.Umsatz_Anzeigen, &QCheckBox::toggled, this, anwenden);
  connect(s_.Umsatz_Abschneiden, &QCheckBox::toggled, this, anwenden);
}

void TDialogChartAnsicht::Fuellen(const TChartAnsicht& ansicht) {
  ansicht_ = ansicht.Kopie();
  const TChartAnsichtEingaben e = EingabenAusAnsicht(ansicht_);
  TypAnkreuzen(s_, e.Charttyp);
  s_.L_Kurs->setCurrentIndex(e.L_Kurs);
  s_.P_Kurs->setCurrentIndex(e.P_Kurs);
  s_.P_Umkehrminimum->setText(QtText(e.P_Umkehrminimum));
  s_.Zeit_Tage->setEditText(QtText(e.Zeit_Tage));
  for (const TKreuz& k : kKreuze)
    (s_.*k.Box)->setChecked(e.*k.Feld);
  s_.Wert_Linear->setChecked(!e.Wert_Logarithmisch);
  s_.Wert_Logarithmisch->setChecked(e.Wert_Logarithmisch);
  s_.Umsatz_Hoehe->setEditText(QtText(e.Umsatz_Hoehe));
  s_.Umsatz_Extremwert->setText(QtText(e.Umsatz_Extremwert));
  FreigabenAnwenden();
  // The dialog opens on its first page with the chart type focused.
  seiten_->setCurrentIndex(0);
  QRadioButton* typ = s_.Charttyp[0];
  for (QRadioButton* knopf : s_.Charttyp) {
    if (knopf->isChecked()) typ = knopf;
  }
  typ->setFocus(Qt::OtherFocusReason);
}

TChartAnsichtEingaben TDialogChartAnsicht::Eingaben() const {
  TChartAnsichtEingaben e;
  e.Charttyp = GewaehlterTyp(s_, ansicht_.Charttyp);
  e.L_Kurs = s_.L_Kurs->currentIndex();
  e.P_Kurs = s_.P_Kurs->currentIndex();
  e.P_Umkehrminimum = s_.P_Umkehrminimum->text().toStdString();
  e.Zeit_Tage = s_.Zeit_Tage->currentText().toStdString();
  for (const TKreuz& k : kKreuze)
    e.*k.Feld = (s_.*k.Box)->isChecked();
  e.Wert_Logarithmisch = s_.Wert_Logarithmisch->isChecked();
  e.Umsatz_Hoehe = s_.Umsatz_Hoehe->currentText().toStdString();
  e.Umsatz_Extremwert = s_.Umsatz_Extremwert->text().toStdString();
  return e;
}

void TDialogChartAnsicht::FreigabenAnwenden() {
  const TChartAnsichtFreigaben f = Freigaben(Eingaben());
  s_.Eigenschaften->setCurrentWidget(f.LinienKursSichtbar    ? s_.LinienSeite
                                     : f.PointFigureSichtbar ? s_.PointFigureSeite
                                                             : s_.LeereSeite);
  Aktivieren(f.TransaktionszeichenAktiv, s_.Zeit_TageOhneKursWeglassen, s_.Z_KaufVerkauf,
             s_.Z_GVGrenze);
  Aktivieren(f.WertachseUndUmsatzAktiv, s_.Wert_Linear, s_.Wert_Logarithmisch, s_.Umsatz_Anzeigen);
  Aktivieren(f.UmsatzHoeheAktiv, s_.Umsatz_Hoehe, s_.Umsatz_Label1, s_.Umsatz_Abschneiden);
  Aktivieren(f.UmsatzExtremwertAktiv, s_.Umsatz_Extremwert, s_.Umsatz_Label2, s_.Umsatz_Label3);
}

bool TDialogChartAnsicht::Pruefen() {
  const auto fehler = EingabenPruefen(Eingaben());
  if (!fehler) return true;
  for (int i = 0; i < seiten_->count(); ++i) {
    if (seiten_->tabText(i) == QtText(fehler->Seite)) seiten_->setCurrentIndex(i);
  }
  if (auto* feld = findChild<QWidget*>(QtText(fehler->Feld))) Markieren(feld);
  QMessageBox::warning(this, windowTitle(), QtText(fehler->Meldung));
  return false;
}

void TDialogChartAnsicht::accept() {
  if (!Pruefen()) return;
  EingabenUebernehmen(Eingaben(), ansicht_);
  QDialog::accept();
}

void TDialogChartAnsicht::VorlageSpeichern() {
  if (!Pruefen()) return;
  // The template receives exactly what OK would apply.
  TChartAnsicht vorlage = ansicht_.Kopie();
  EingabenUebernehmen(Eingaben(), vorlage);
  TDialogChartAnsichtVorlagen dialog(vorlagen_, hilfe_, this);
  dialog.Zeige(vorlage);
  if (dialog.Geaendert()) vorlagenGeaendert_ = true;
}

TChartAnsichtErgebnis ChartAnsichtBearbeiten(QWidget* eltern, TChartAnsicht& ansicht,
                                             TChartVorlagen& vorlagen, THilfe hilfe) {
  TDialogChartAnsicht dialog(vorlagen, std::move(hilfe), eltern);
  dialog.Fuellen(ansicht);
  TChartAnsichtErgebnis ergebnis;
  ergebnis.Ok = dialog.exec() == QDialog::Accepted;
  if (ergebnis.Ok) ansicht = dialog.Ansicht();
  ergebnis.VorlagenGeaendert = dialog.VorlagenGeaendert();
  return ergebnis;
}

}  // namespace morvane
