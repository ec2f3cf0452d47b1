#include "core/ui/dialogwpkurstabelle.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/ui/dialogwpkursbereich.h"

namespace morvane {

TDialogWPKurstabelle::TDialogWPKurstabelle(QWidget* eltern, const TWPVerwaltung& verwaltung,
                                           std::string id, Boersentag heute,
                                           TWPDialogUmgebung umgebung)
    : QDialog(eltern),
      verwaltung_(verwaltung),
      id_(std::move(id)),
      umgebung_(std::move(umgebung)),
      kurse_(verwaltung_.KurseLaden(id_)),
      modell_(new TKurstabellenModell(kurse_, KurstabellenZeitraum(kurse_, heute), this)),
      tabelle_(new QTableView(this)) {
  name_ = verwaltung_.StammdatenLaden(id_).Bezeichnung;
  setWindowTitle(QStringLiteral("Kurstabelle: ") + UiText(name_));
  modell_->AbgelehntAn([this](int, int) { umgebung_.Fehler(this, "Ungültigen Wert eingegeben."); });
  tabelle_->setModel(modell_);
  tabelle_->verticalHeader()->hide();
  // Every row has the same height, so the view never measures 10 000 rows.
  tabelle_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  tabelle_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  tabelle_->horizontalHeader()->setDefaultSectionSize(100);
  tabelle_->horizontalHeader()->setStretchLastSection(true);
  tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
  tabelle_->setMinimumSize(740, 360);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(Knopf(this, "&Multiplizieren...", [this] { Multiplizieren(); }));
  knoepfe->addWidget(Knopf(this, "&Löschen...", [this] { Loeschen(); }));
  QPushButton* drucken = Knopf(this, "&Drucken...", [this] { Drucken(); });
  drucken->setEnabled(static_cast<bool>(umgebung_.Drucken));
  knoepfe->addWidget(drucken);
  knoepfe->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabelle_);
  layout->addLayout(knoepfe);
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeWPKurstabelle, [this] { Pruefen(); }));
  const QModelIndex heuteZelle = modell_->index(modell_->Zeile(heute), 4);
  tabelle_->setCurrentIndex(heuteZelle);
  tabelle_->scrollTo(heuteZelle, QAbstractItemView::PositionAtBottom);
  tabelle_->setFocus();
}

Boersentag TDialogWPKurstabelle::GewaehlterTag() const {
  const QModelIndex i = tabelle_->currentIndex();
  return modell_->Tag(i.isValid() ? i.row() : modell_->rowCount() - 1);
}

void TDialogWPKurstabelle::Drucken() {
  if (kurse_.Anzahl() == 0) {
    umgebung_.Fehler(this, "Die Kurstabelle enthält keine Kurse zum Drucken.");
    return;
  }
  TDialogWPKursbereich dialog(this, TDialogWPKursbereich::TArt::Drucken,
                              {kurse_.Kurs(0)->Datum, kurse_.Kurs(kurse_.Anzahl() - 1)->Datum},
                              umgebung_);
  if (dialog.exec() != QDialog::Accepted) return;
  ListeDruckenLassen(this, umgebung_,
                     {"Kursliste: " + name_, TKurstabellenModell::DruckSpalten(),
                      modell_->DruckZeilen(dialog.Zeitraum())});
}

void TDialogWPKurstabelle::Multiplizieren() {
  TDialogWPKursbereich dialog(this, TDialogWPKursbereich::TArt::Multiplizieren,
                              VorbelegterZeitraum(kurse_, GewaehlterTag()), umgebung_);
  if (dialog.exec() != QDialog::Accepted) return;
  kurse_.MitFaktorMultiplizieren(dialog.Zeitraum().Von, dialog.Zeitraum().Bis, dialog.Felder(),
                                 dialog.Faktor());
  Neu();
}

void TDialogWPKurstabelle::Loeschen() {
  TDialogWPKursbereich dialog(this, TDialogWPKursbereich::TArt::Loeschen,
                              VorbelegterZeitraum(kurse_, GewaehlterTag()), umgebung_);
  if (dialog.exec() != QDialog::Accepted) return;
  KurseLoeschen(kurse_, dialog.Zeitraum(), dialog.Felder());
  Neu();
}

void TDialogWPKurstabelle::Neu() {
  const QModelIndex zelle = tabelle_->currentIndex();
  modell_->Neu();
  if (zelle.isValid()) tabelle_->setCurrentIndex(modell_->index(zelle.row(), zelle.column()));
}

void TDialogWPKurstabelle::Pruefen() {
  if (Gespeichert(this, umgebung_, [this] { verwaltung_.KurseAendern(id_, kurse_); })) accept();
}

}  // namespace morvane
