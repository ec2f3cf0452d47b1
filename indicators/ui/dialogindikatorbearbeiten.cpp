#include "indicators/ui/dialogindikatorbearbeiten.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "indicators/ui/beschleuniger.h"
#include "indicators/ui/feldseite.h"

namespace morvane {
namespace {

// A page taller than this scrolls (an aggregate of a long group).
constexpr int kHoechsteSeitenhoehe = 480;

// Letters of the buttons below the pages and of the "Allgemein" edits.
constexpr const char* kBelegtDialog = "h";
constexpr const char* kBelegtAllgemein = "bkh";

QWidget* Rollbar(QWidget* seite) {
  if (seite->sizeHint().height() <= kHoechsteSeitenhoehe) return seite;
  auto* rolle = new QScrollArea;
  rolle->setFrameShape(QFrame::NoFrame);
  rolle->setWidgetResizable(true);
  rolle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rolle->setWidget(seite);
  rolle->setFixedHeight(kHoechsteSeitenhoehe);
  rolle->setMinimumWidth(seite->sizeHint().width() +
                         rolle->verticalScrollBar()->sizeHint().width());
  return rolle;
}

}  // namespace

TDialogIndikatorBearbeiten::TDialogIndikatorBearbeiten(TIndikator& indikator, TIndHilfe hilfe,
                                                       QWidget* eltern)
    : QDialog(eltern), indikator_(indikator) {
  setWindowTitle(QStringLiteral("Indikator bearbeiten"));
  seiten_ = new QTabWidget(this);
  seiten_->addTab(AllgemeinSeite(), QStringLiteral("Allgemein"));
  seiten_->addTab(BerechnungSeite(), QStringLiteral("Berechnung"));
  seiten_->addTab(SignalSeite(), QStringLiteral("Signalgenerierung"));
  seiten_->setTabVisible(static_cast<int>(TParameterSeite::Signalgenerierung),
                         indikator_.HatSignalgenerierung());
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(seiten_);
  spalte->addWidget(DialogKnoepfe(this, hilfe));
  spalte->setSizeConstraint(QLayout::SetFixedSize);
  Fuellen();
}

QWidget* TDialogIndikatorBearbeiten::AllgemeinSeite() {
  auto* seite = new QWidget;
  auto* raster = new QGridLayout(seite);
  typ_ = new QLabel(UiText(TypText(indikator_)), seite);
  typ_->setTextFormat(Qt::PlainText);
  bezeichnung_ = new QLineEdit(seite);
  bezeichnung_->setMinimumWidth(bezeichnung_->fontMetrics().horizontalAdvance(QLatin1Char('x')) *
                                40);
  kurz_ = new QLineEdit(seite);
  kurz_->setMaxLength(3);
  kurz_->setFixedWidth(kurz_->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 12);
  auto* bezeichnungLabel = new QLabel(QStringLiteral("&Bezeichnung:"), seite);
  bezeichnungLabel->setBuddy(bezeichnung_);
  auto* kurzLabel = new QLabel(QStringLiteral("&Kurzbezeichnung:"), seite);
  kurzLabel->setBuddy(kurz_);
  auto* kurzZeile = new QHBoxLayout;
  kurzZeile->addWidget(kurz_);
  auto* kurzHinweis = new QLabel(QStringLiteral("(bis zu 3 Zeichen)"), seite);
  kurzZeile->addWidget(kurzHinweis);
  kurzZeile->addStretch();
  raster->addWidget(new QLabel(QStringLiteral("Typ:"), seite), 0, 0);
  raster->addWidget(typ_, 0, 1);
  raster->addWidget(bezeichnungLabel, 1, 0);
  raster->addWidget(bezeichnung_, 1, 1);
  raster->addWidget(kurzLabel, 2, 0);
  raster->addLayout(kurzZeile, 2, 1);
  const bool aenderbar = NameAenderbar(indikator_);
  for (QWidget* w : {static_cast<QWidget*>(bezeichnung_), static_cast<QWidget*>(kurz_),
                     static_cast<QWidget*>(bezeichnungLabel), static_cast<QWidget*>(kurzLabel),
                     static_cast<QWidget*>(kurzHinweis)})
    w->setEnabled(aenderbar);

  const std::vector<std::string> felder = indikator_.AllgemeinFelder();
  if (!felder.empty()) {
    auto* rahmen = new QGroupBox(QStringLiteral("Im Chart anzeigen"), seite);
    auto* liste = new QVBoxLayout(rahmen);
    std::string belegt = kBelegtAllgemein;
    for (const std::string& text : MitBeschleunigern(felder, belegt)) {
      kaestchen_.push_back(new QCheckBox(UiText(text), rahmen));
      liste->addWidget(kaestchen_.back());
    }
    raster->addWidget(rahmen, 3, 0, 1, 2);
  }
  raster->setRowStretch(4, 1);
  return seite;
}

QWidget* TDialogIndikatorBearbeiten::BerechnungSeite() {
  std::string belegt = kBelegtDialog;
  berechnung_ = new TFeldseite(indikator_.Berechnungsseite(), belegt);
  if (berechnung_->Anzahl() > 0) return Rollbar(berechnung_);
  // Nothing to set: the page says so instead of standing empty.
  auto* seite = new QWidget;
  auto* spalte = new QVBoxLayout(seite);
  spalte->addWidget(
      new QLabel(QStringLiteral("Dieser Indikator hat keine Berechnungsparameter."), seite));
  spalte->addWidget(berechnung_);
  spalte->addStretch();
  return seite;
}

QWidget* TDialogIndikatorBearbeiten::SignalSeite() {
  std::string belegt = kBelegtDialog;
  signal_ = new TFeldseite(Signalseite(), belegt);
  TEingabefeld oben;
  oben.Beschriftung = "Obere Extremzone:";
  oben.Einheit = "bis 100 Punkte";
  oben_ = signal_->AnzeigeAnfuegen(oben);
  oben_->setObjectName(QStringLiteral("ExtremzoneOben"));
  connect(signal_->Eingabe(kSignalExtremzone), &QLineEdit::textChanged, this,
          [this](const QString& text) {
            oben_->setText(UiText(ExtremzoneObenText(text.toStdString())));
          });
  return signal_;
}

void TDialogIndikatorBearbeiten::Fuellen() {
  const TParameterEingaben e = ParameterEingaben(indikator_);
  bezeichnung_->setText(UiText(e.Bezeichnung));
  kurz_->setText(UiText(e.Kurzbezeichnung));
  for (std::size_t i = 0; i < kaestchen_.size() && i < e.Kaestchen.size(); ++i)
    kaestchen_[i]->setChecked(e.Kaestchen[i]);
  berechnung_->TexteSetzen(e.Berechnung);
  signal_->TexteSetzen(e.Signal);
  seiten_->setCurrentIndex(0);
  if (bezeichnung_->isEnabled()) {
    bezeichnung_->setFocus(Qt::OtherFocusReason);
    bezeichnung_->selectAll();
  }
}

TParameterEingaben TDialogIndikatorBearbeiten::Eingaben() const {
  TParameterEingaben e;
  e.Bezeichnung = bezeichnung_->text().toStdString();
  e.Kurzbezeichnung = kurz_->text().toStdString();
  for (const QCheckBox* k : kaestchen_)
    e.Kaestchen.push_back(k->isChecked());
  e.Berechnung = berechnung_->Texte();
  if (indikator_.HatSignalgenerierung()) e.Signal = signal_->Texte();
  return e;
}

TFeldseite* TDialogIndikatorBearbeiten::SeiteZu(TParameterSeite seite) const {
  if (seite == TParameterSeite::Berechnung) return berechnung_;
  if (seite == TParameterSeite::Signalgenerierung) return signal_;
  return nullptr;
}

void TDialogIndikatorBearbeiten::accept() {
  const auto fehler = ParameterUebernehmen(indikator_, Eingaben());
  if (!fehler) {
    QDialog::accept();
    return;
  }
  seiten_->setCurrentIndex(static_cast<int>(fehler->Seite));
  TFeldseite* seite = SeiteZu(fehler->Seite);
  if (seite && fehler->Feld >= 0 && fehler->Feld < seite->Anzahl()) seite->Markieren(fehler->Feld);
  if (!fehler->Meldung.empty()) QMessageBox::warning(this, windowTitle(), UiText(fehler->Meldung));
}

bool IndikatorBearbeiten(QWidget* eltern, TIndikator& indikator, const TIndHilfe& hilfe) {
  TDialogIndikatorBearbeiten dialog(indikator, hilfe, eltern);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace morvane
