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

TDialogWPSplit::TDialogWPSplit(QWidget* eltern, const TWPVerwaltung& verwaltung, std::string id,
                               Boersentag heute, TWPDialogUmgebung umgebung)
    : QDialog(eltern), verwaltung_(verwaltung), id_(std::move(id)), umgebung_(std::move(umgebung)) {
  setWindowTitle(QStringLiteral("Aktiensplit"));
  auto* form = new QFormLayout;
  von_ = Eingabefeld(this, form, "&Alte Stückzahl:", "1");
  nach_ = Eingabefeld(this, form, "&Neue Stückzahl:", "1");
  datum_ = Eingabefeld(this, form, "&Gültig ab:", BoersentagZuText(heute));
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
