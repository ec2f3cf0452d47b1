#include "core/ui/dialogwpsplit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/datumtext.h"
#include "core/transaktionsbearbeitung.h"
#include "core/wertpapier.h"

namespace morvane {

namespace {

QLineEdit* Feld(QWidget* dialog, QFormLayout* form, const char* beschriftung) {
  auto* edit = new QLineEdit(dialog);
  auto* label = new QLabel(QString::fromUtf8(beschriftung), dialog);
  label->setBuddy(edit);
  form->addRow(label, edit);
  return edit;
}

}  // namespace

TDialogWPSplit::TDialogWPSplit(QWidget* eltern, const TWPVerwaltung& verwaltung, std::string id,
                               Boersentag heute, TWPDialogUmgebung umgebung)
    : QDialog(eltern), verwaltung_(verwaltung), id_(std::move(id)), umgebung_(std::move(umgebung)) {
  setWindowTitle(QStringLiteral("Aktiensplit"));
  auto* form = new QFormLayout;
  von_ = Feld(this, form, "&Alte Stückzahl:");
  nach_ = Feld(this, form, "&Neue Stückzahl:");
  datum_ = Feld(this, form, "&Gültig ab:");
  von_->setText(QStringLiteral("1"));
  nach_->setText(QStringLiteral("1"));
  datum_->setText(UiText(BoersentagZuText(heute)));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeWPSplit, [this] { Pruefen(); }));
}

void TDialogWPSplit::Pruefen() {
  try {
    const TSplitEingabe split =
        SplitLesen(ModellText(von_->text()), ModellText(nach_->text()), ModellText(datum_->text()));
    verwaltung_.WertpapierAendern(
        id_, [&](TWertpapier& w) { w.SplitEinfuegen(split.Datum, split.Von, split.Nach); });
  } catch (const ETransaktionseingabe& fehler) {
    QLineEdit* feld = fehler.Feld() == TTransaktionsfeld::Von    ? von_
                      : fehler.Feld() == TTransaktionsfeld::Nach ? nach_
                                                                 : datum_;
    feld->setFocus();
    feld->selectAll();
    umgebung_.Fehler(this, fehler.what());
    return;
  } catch (const Exception& fehler) {
    umgebung_.Fehler(this, fehler.what());
    return;
  }
  accept();
}

}  // namespace morvane
