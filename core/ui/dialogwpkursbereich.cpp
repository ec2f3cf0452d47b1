#include "core/ui/dialogwpkursbereich.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/datumtext.h"

namespace morvane {

namespace {

constexpr const char* kFelder[] = {"&Eröffnungskurs", "Hö&chstkurs", "&Tiefstkurs",
                                   "&Schlusskurs",    "&Kassakurs",  "St&ückumsatz"};

}  // namespace

TDialogWPKursbereich::TDialogWPKursbereich(QWidget* eltern, TArt art, TKursZeitraum vorbelegt,
                                           TWPDialogUmgebung umgebung)
    : QDialog(eltern), art_(art), umgebung_(std::move(umgebung)), zeitraum_(vorbelegt) {
  const bool faktor = art_ == TArt::Multiplizieren;
  setWindowTitle(faktor                  ? QStringLiteral("Kurse multiplizieren")
                 : art_ == TArt::Drucken ? QStringLiteral("Kurse drucken")
                                         : QStringLiteral("Kurse löschen"));
  auto* form = new QFormLayout;
  von_ = Eingabefeld(this, form, "&Von:", BoersentagZuText(vorbelegt.Von));
  bis_ = Eingabefeld(this, form, "&Bis:", BoersentagZuText(vorbelegt.Bis));
  if (faktor) faktorEdit_ = Eingabefeld(this, form, "&Faktor:", "1");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  if (art_ != TArt::Drucken) layout->addWidget(FelderGruppe(faktor));
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeWPKurstabelle, [this] { Pruefen(); }));
}

QGroupBox* TDialogWPKursbereich::FelderGruppe(bool faktor) {
  auto* gruppe = new QGroupBox(QStringLiteral("Felder"), this);
  auto* gitter = new QGridLayout(gruppe);
  for (int i = 0; i < 6; ++i) {
    auto* box = new QCheckBox(QString::fromUtf8(kFelder[i]), gruppe);
    // A factor is meant for the prices; deleting takes whole days.
    box->setChecked(!faktor || i < 5);
    felder_[static_cast<std::size_t>(i)] = box;
    gitter->addWidget(box, i % 3, i / 3);
  }
  return gruppe;
}

unsigned TDialogWPKursbereich::Felder() const {
  unsigned bits = 0;
  for (int spalte = 1; spalte <= 6; ++spalte)
    if (FeldBox(spalte) && FeldBox(spalte)->isChecked()) bits |= KurstabellenFeld(spalte);
  return bits;
}

void TDialogWPKursbereich::Pruefen() {
  QLineEdit* feld = von_;
  try {
    zeitraum_ = ZeitraumLesen(ModellText(von_->text()), ModellText(bis_->text()));
    if (faktorEdit_) {
      feld = faktorEdit_;
      faktor_ = FaktorLesen(ModellText(faktorEdit_->text()));
    }
    if (art_ != TArt::Drucken && Felder() == 0) {
      feld = nullptr;
      throw EKursbearbeitung("Bitte mindestens ein Feld auswählen.");
    }
  } catch (const EKursbearbeitung& fehler) {
    if (feld) {
      feld->setFocus();
      feld->selectAll();
    }
    umgebung_.Fehler(this, fehler.what());
    return;
  }
  accept();
}

}  // namespace morvane
