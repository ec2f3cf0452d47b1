#include "portfolio/ui/dialoglistenauswahl.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "core/datumtext.h"
#include "portfolio/depotlisten.h"

namespace morvane {

TDialogListenAuswahl::TDialogListenAuswahl(const TAuswahlArt& art,
                                           const std::vector<std::string>& kataloge,
                                           TEinstellungen& einstellungen, QWidget* eltern)
    : QDialog(eltern),
      art_(art),
      einstellungen_(einstellungen),
      kataloge_(new QListWidget(this)),
      datum_(new QLineEdit(this)) {
  setWindowTitle(QString::fromStdString(art.Titel));
  auto* form = new QFormLayout;
  kataloge_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const std::string& k : kataloge) {
    auto* eintrag = new QListWidgetItem(QString::fromStdString(k), kataloge_);
    const auto& vorher = einstellungen.ListenKataloge;
    eintrag->setSelected(std::find(vorher.begin(), vorher.end(), k) != vorher.end());
  }
  auto* katalogText = new QLabel(QStringLiteral("&Kataloge:"), this);
  katalogText->setBuddy(kataloge_);
  form->addRow(katalogText, kataloge_);
  const Kalendertag datum =
      einstellungen.ListenDatum > 0 ? einstellungen.ListenDatum : HeuteKalendertag();
  datum_->setText(QString::fromStdString(KalendertagZuText(datum)));
  auto* datumText = new QLabel(QStringLiteral("&Datum:"), this);
  datumText->setBuddy(datum_);
  form->addRow(datumText, datum_);
  if (art.MitBestandOption) {
    bestand_ = new QCheckBox(QStringLiteral("Nur Wertpapiere mit &Bestand auflisten"), this);
    form->addRow(bestand_);
  }
  if (art.MitZeitraum) {
    zeitraum_ =
        new QLineEdit(QString::fromUtf8(kStandardZeitraum.data(), kStandardZeitraum.size()), this);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(zeitraum_);
    zeile->addWidget(new QLabel(QStringLiteral("Tage"), this));
    auto* text = new QLabel(QStringLiteral("Maximaler &Berechnungszeitraum:"), this);
    text->setBuddy(zeitraum_);
    form->addRow(text, zeile);
  }
  if (art.Indikatoren) {
    indikatoren_ = new QListWidget(this);
    for (const std::string& z : IndikatorWahlZeilen(*art.Indikatoren))
      indikatoren_->addItem(QString::fromStdString(z));
    auto* text = new QLabel(QStringLiteral("&Indikator:"), this);
    text->setBuddy(indikatoren_);
    form->addRow(text, indikatoren_);
  }
  auto* leiste = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = leiste->button(QDialogButtonBox::Ok);
  ok_->setText(QStringLiteral("OK"));
  leiste->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
  connect(leiste, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(leiste, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(form);
  spalte->addWidget(leiste);
  const auto pruefen = [this] { ok_->setEnabled(OkMoeglich()); };
  connect(kataloge_, &QListWidget::itemSelectionChanged, this, pruefen);
  if (indikatoren_) connect(indikatoren_, &QListWidget::currentRowChanged, this, pruefen);
  pruefen();
}

std::optional<TIndWahl> TDialogListenAuswahl::IndikatorGewaehlt() const {
  if (!indikatoren_ || !art_.Indikatoren) return std::nullopt;
  return IndikatorWahl(indikatoren_->currentRow(), art_.Indikatoren->Anzahl(1),
                       art_.Indikatoren->Anzahl(2));
}

bool TDialogListenAuswahl::OkMoeglich() const {
  if (kataloge_->selectedItems().isEmpty()) return false;
  return !indikatoren_ || IndikatorGewaehlt().has_value();
}

void TDialogListenAuswahl::Ablehnen(QWidget* feld, const std::string& meldung) {
  QMessageBox::warning(this, windowTitle(), QString::fromStdString(meldung));
  feld->setFocus();
}

void TDialogListenAuswahl::accept() {
  if (!OkMoeglich()) return;
  TListenWahl wahl;
  try {
    wahl.Datum = ListenDatumLesen(datum_->text().toStdString());
  } catch (const EDepotListe& e) {
    return Ablehnen(datum_, e.Meldung());
  }
  if (zeitraum_) {
    try {
      wahl.Zeitraum = BerechnungszeitraumLesen(zeitraum_->text().toStdString());
    } catch (const EDepotListe& e) {
      return Ablehnen(zeitraum_, e.Meldung());
    }
  }
  // In the list's (sorted) order.
  for (int i = 0; i < kataloge_->count(); ++i) {
    if (kataloge_->item(i)->isSelected())
      wahl.Kataloge.push_back(kataloge_->item(i)->text().toStdString());
  }
  wahl.NurMitBestand = bestand_ && bestand_->isChecked();
  if (const auto ind = IndikatorGewaehlt()) wahl.Indikator = *ind;
  einstellungen_.ListenKataloge = wahl.Kataloge;
  einstellungen_.ListenDatum = wahl.Datum;
  wahl_ = wahl;
  QDialog::accept();
}

}  // namespace morvane
