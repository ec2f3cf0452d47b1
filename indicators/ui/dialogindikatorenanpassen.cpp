#include "indicators/ui/dialogindikatorenanpassen.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "indicators/indikator.h"
#include "indicators/ui/dialogindikatorbearbeiten.h"
#include "indicators/ui/dialogindikatorneu.h"

namespace morvane {
namespace {

QToolButton* Pfeil(Qt::ArrowType richtung, const char* name, const char* tipp, QWidget* eltern) {
  auto* knopf = new QToolButton(eltern);
  knopf->setArrowType(richtung);
  knopf->setObjectName(QString::fromLatin1(name));
  knopf->setToolTip(QString::fromUtf8(tipp));
  knopf->setAccessibleName(QString::fromUtf8(tipp));
  return knopf;
}

QPushButton* Knopf(const char* text, QWidget* eltern) {
  auto* knopf = new QPushButton(QString::fromUtf8(text), eltern);
  knopf->setAutoDefault(false);
  return knopf;
}

// The delete question with German Ja/Nein; true for Ja.
bool Bestaetigt(QWidget* eltern, const QString& titel, const std::string& frage) {
  QMessageBox box(QMessageBox::Question, titel, UiText(frage), QMessageBox::NoButton, eltern);
  QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  box.setDefaultButton(nein);
  box.setEscapeButton(nein);
  box.exec();
  return box.clickedButton() == ja;
}

}  // namespace

TDialogIndikatorenAnpassen::TDialogIndikatorenAnpassen(TIndAnpassen& anpassen, TIndHilfe hilfe,
                                                       QWidget* eltern)
    : QDialog(eltern), anpassen_(anpassen), hilfe_(std::move(hilfe)) {
  setWindowTitle(QStringLiteral("Indikatoren anpassen"));
  seiten_ = new QTabWidget(this);
  seiten_->setUsesScrollButtons(false);  // all three page names readable
  for (int gruppe = 1; gruppe <= 3; ++gruppe)
    seiten_->addTab(GruppenSeite(gruppe), UiText(kGruppentext[static_cast<std::size_t>(gruppe)]));
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(seiten_);
  spalte->addWidget(DialogKnoepfe(this, hilfe_));
  for (int gruppe = 1; gruppe <= 3; ++gruppe)
    Fuellen(gruppe, 0);
  Seite(1).Liste->setFocus(Qt::OtherFocusReason);
}

QWidget* TDialogIndikatorenAnpassen::GruppenSeite(int gruppe) {
  auto* seite = new QWidget;
  TGruppenseite& s = seiten_g_.at(Stelle(gruppe));
  s.Liste = new QListWidget(seite);
  s.Liste->setObjectName(QStringLiteral("Liste%1").arg(gruppe));
  s.Liste->setMinimumSize(s.Liste->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 44,
                          s.Liste->fontMetrics().height() * 14);
  auto* label = new QLabel(QStringLiteral("&Indikatoren:"), seite);
  label->setBuddy(s.Liste);
  s.Auf = Pfeil(Qt::UpArrow, "Auf", "Nach oben", seite);
  s.Ab = Pfeil(Qt::DownArrow, "Ab", "Nach unten", seite);
  s.Hinzufuegen = Knopf("Hin&zufügen...", seite);
  s.Bearbeiten = Knopf("&Bearbeiten...", seite);
  s.Loeschen = Knopf("&Löschen...", seite);

  auto* pfeile = new QVBoxLayout;
  pfeile->addStretch();
  pfeile->addWidget(s.Auf);
  pfeile->addWidget(s.Ab);
  pfeile->addStretch();
  auto* knoepfe = new QVBoxLayout;
  for (QPushButton* k : {s.Hinzufuegen, s.Bearbeiten, s.Loeschen})
    knoepfe->addWidget(k);
  knoepfe->addStretch();
  auto* raster = new QGridLayout(seite);
  raster->addWidget(label, 0, 0);
  raster->addWidget(s.Liste, 1, 0);
  raster->addLayout(pfeile, 1, 1);
  raster->addLayout(knoepfe, 1, 2);

  connect(s.Liste, &QListWidget::currentRowChanged, this,
          [this, gruppe] { KnoepfeSetzen(gruppe); });
  connect(s.Liste, &QListWidget::itemDoubleClicked, this, [this, gruppe] { Bearbeiten(gruppe); });
  connect(s.Auf, &QToolButton::clicked, this, [this, gruppe] { Auf(gruppe); });
  connect(s.Ab, &QToolButton::clicked, this, [this, gruppe] { Ab(gruppe); });
  connect(s.Hinzufuegen, &QPushButton::clicked, this, [this, gruppe] { Hinzufuegen(gruppe); });
  connect(s.Bearbeiten, &QPushButton::clicked, this, [this, gruppe] { Bearbeiten(gruppe); });
  connect(s.Loeschen, &QPushButton::clicked, this, [this, gruppe] { Loeschen(gruppe); });
  return seite;
}

int TDialogIndikatorenAnpassen::Auswahl(int gruppe) const {
  return Seite(gruppe).Liste->currentRow();
}

void TDialogIndikatorenAnpassen::Fuellen(int gruppe, int auswahl) {
  QListWidget* liste = Seite(gruppe).Liste;
  const QSignalBlocker sperre(liste);
  liste->clear();
  for (const std::string& text : anpassen_.Eintraege(gruppe))
    liste->addItem(UiText(text));
  liste->setCurrentRow(auswahl < liste->count() ? auswahl : -1);
  KnoepfeSetzen(gruppe);
}

void TDialogIndikatorenAnpassen::KnoepfeSetzen(int gruppe) {
  const TGruppenseite& s = Seite(gruppe);
  const TAnpassenKnoepfe k = anpassen_.Knoepfe(gruppe, Auswahl(gruppe));
  s.Auf->setEnabled(k.Auf);
  s.Ab->setEnabled(k.Ab);
  s.Bearbeiten->setEnabled(k.Bearbeiten);
  s.Loeschen->setEnabled(k.Loeschen);
}

void TDialogIndikatorenAnpassen::Hinzufuegen(int gruppe) {
  TDialogIndikatorNeu neu(gruppe, hilfe_, this);
  if (neu.exec() != QDialog::Accepted) return;
  const std::string schluessel = neu.Schluessel();
  if (schluessel.empty()) return;
  Fuellen(gruppe, anpassen_.Hinzufuegen(gruppe, Auswahl(gruppe), schluessel));
}

void TDialogIndikatorenAnpassen::Bearbeiten(int gruppe) {
  const int auswahl = Auswahl(gruppe);
  if (!anpassen_.Knoepfe(gruppe, auswahl).Bearbeiten) return;
  if (IndikatorBearbeiten(this, anpassen_.Liste().Indikator(gruppe, auswahl), hilfe_))
    Fuellen(gruppe, auswahl);
}

void TDialogIndikatorenAnpassen::Loeschen(int gruppe) {
  const int auswahl = Auswahl(gruppe);
  if (!anpassen_.Knoepfe(gruppe, auswahl).Loeschen) return;
  if (!Bestaetigt(this, windowTitle(), anpassen_.LoeschFrage(gruppe, auswahl))) return;
  Fuellen(gruppe, anpassen_.Loeschen(gruppe, auswahl));
}

void TDialogIndikatorenAnpassen::Auf(int gruppe) {
  Fuellen(gruppe, anpassen_.Auf(gruppe, Auswahl(gruppe)));
}

void TDialogIndikatorenAnpassen::Ab(int gruppe) {
  Fuellen(gruppe, anpassen_.Ab(gruppe, Auswahl(gruppe)));
}

bool IndikatorenAnpassen(QWidget* eltern, TIndVorlagen& vorlagen, const TIndHilfe& hilfe) {
  TIndAnpassen anpassen(vorlagen);
  TDialogIndikatorenAnpassen dialog(anpassen, hilfe, eltern);
  if (dialog.exec() != QDialog::Accepted) return false;
  anpassen.Uebernehmen(vorlagen);
  return true;
}

bool IndikatorAnpassen(QWidget* eltern, TIndVorlagen& vorlagen, int gruppe, int index,
                       const TIndHilfe& hilfe) {
  TIndAnpassen anpassen(vorlagen);
  if (gruppe < 1 || gruppe > 3 || index < 0 || index >= anpassen.Liste().Anzahl(gruppe))
    return false;
  if (!IndikatorBearbeiten(eltern, anpassen.Liste().Indikator(gruppe, index), hilfe)) return false;
  anpassen.Uebernehmen(vorlagen);
  return true;
}

}  // namespace morvane
