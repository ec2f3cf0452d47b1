#include "core/ui/dialogwptransaktionen.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/datumtext.h"
#include "core/wertpapier.h"

namespace morvane {

namespace {

// Loading may take a moment on a long history.
TTransaktionsbearbeitung Laden(const TWPVerwaltung& verwaltung, const std::string& id,
                               std::string& name) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    name = verwaltung.StammdatenLaden(id).Bezeichnung;
    TTransaktionsbearbeitung bearbeitung(verwaltung.TransaktionenLaden(id));
    QApplication::restoreOverrideCursor();
    return bearbeitung;
  } catch (...) {
    QApplication::restoreOverrideCursor();
    throw;
  }
}

}  // namespace

TDialogWPTransaktionen::TDialogWPTransaktionen(QWidget* eltern, const TWPVerwaltung& verwaltung,
                                               std::string id, Boersentag heute,
                                               TWPDialogUmgebung umgebung)
    : QDialog(eltern),
      verwaltung_(verwaltung),
      id_(std::move(id)),
      umgebung_(std::move(umgebung)),
      bearbeitung_(TWPTransaktionen()),
      name_(new QLabel(this)),
      liste_(new QTreeWidget(this)),
      typ_(new QComboBox(this)) {
  std::string name;
  bearbeitung_ = Laden(verwaltung_, id_, name);
  setWindowTitle(QStringLiteral("Transaktionen"));
  name_->setText(UiText(name));
  QFont fett = name_->font();
  fett.setBold(true);
  name_->setFont(fett);

  auto* form = new QFormLayout;
  for (std::string_view art : kEingabeArten)
    typ_->addItem(UiText(art));
  Beschriftet(this, form, "&Art:", typ_);
  datum_ = Eingabefeld(this, form, "&Datum:");
  stueck_ = Eingabefeld(this, form, "&Stück:");
  kurs_ = Eingabefeld(this, form, "&Kurs:");
  betrag_ = Eingabefeld(this, form, "&Betrag:");
  datum_->setText(UiText(BoersentagZuText(heute)));

  QPushButton* hinzu = Knopf(this, "Hin&zufügen ->", [this] { Hinzufuegen(); });
  QPushButton* weg = Knopf(this, "&Entfernen <-", [this] { Entfernen(); });
  // Printing lists comes with the table printer.
  drucken_ = Knopf(this, "Dr&ucken...", [this] { Drucken(); });
  drucken_->setEnabled(static_cast<bool>(umgebung_.Drucken));

  auto* links = new QVBoxLayout;
  links->addLayout(form);
  links->addWidget(hinzu);
  links->addWidget(weg);
  links->addStretch();
  links->addWidget(drucken_);

  liste_->setColumnCount(5);
  liste_->setHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Art"), QStringLiteral("Stück"),
                           QStringLiteral("Kurs"), QStringLiteral("Betrag")});
  liste_->setRootIsDecorated(false);
  liste_->setUniformRowHeights(true);
  liste_->setMinimumWidth(480);
  liste_->setMinimumHeight(260);
  connect(liste_, &QTreeWidget::itemClicked, this, [this] { ZeileGewaehlt(); });
  connect(liste_, &QTreeWidget::currentItemChanged, this, [this] { ZeileGewaehlt(); });

  auto* mitte = new QHBoxLayout;
  mitte->addLayout(links);
  mitte->addWidget(liste_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_);
  layout->addLayout(mitte);
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeWPTransaktionen, [this] { Pruefen(); }));
  setTabOrder(typ_, datum_);
  setTabOrder(datum_, stueck_);
  setTabOrder(stueck_, kurs_);
  setTabOrder(kurs_, betrag_);
  setTabOrder(betrag_, hinzu);
  setTabOrder(hinzu, weg);
  setTabOrder(weg, liste_);
  ListeFuellen(-1);
  typ_->setFocus();
}

void TDialogWPTransaktionen::Drucken() {
  TDruckListe liste{"Transaktionsliste: " + ModellText(name_->text()), {}, {}};
  const QTreeWidgetItem* kopf = liste_->headerItem();
  for (int s = 0; s < liste_->columnCount(); ++s) {
    liste.Spalten.push_back(
        {ModellText(kopf->text(s)), s < 2 ? TDruckAusrichtung::Links : TDruckAusrichtung::Rechts});
  }
  const TWPTransaktionen& t = bearbeitung_.Transaktionen();
  for (int i = 0; i < t.Anzahl(); ++i)
    liste.Zeilen.push_back(TransaktionsZeile(t.Transaktion(i)));
  ListeDruckenLassen(this, umgebung_, liste);
}

void TDialogWPTransaktionen::ListeFuellen(int auswahl) {
  const QSignalBlocker sperre(liste_);
  liste_->clear();
  const TWPTransaktionen& t = bearbeitung_.Transaktionen();
  for (int i = 0; i < t.Anzahl(); ++i) {
    const QStringList spalten =
        UiText(TransaktionsZeile(t.Transaktion(i))).split(QLatin1Char('\t'));
    auto* zeile = new QTreeWidgetItem(liste_, spalten);
    for (int s = 2; s < 5; ++s)
      zeile->setTextAlignment(s, Qt::AlignRight | Qt::AlignVCenter);
  }
  for (int s = 0; s < 5; ++s)
    liste_->resizeColumnToContents(s);
  if (auswahl >= 0 && auswahl < t.Anzahl()) liste_->setCurrentItem(liste_->topLevelItem(auswahl));
}

void TDialogWPTransaktionen::EingabeZeigen(const TTransaktionsEingabe& eingabe) {
  typ_->setCurrentIndex(static_cast<int>(eingabe.Art));
  datum_->setText(UiText(eingabe.Datum));
  stueck_->setText(UiText(eingabe.Stueck));
  kurs_->setText(UiText(eingabe.Kurs));
  betrag_->setText(UiText(eingabe.Betrag));
}

void TDialogWPTransaktionen::ZeileGewaehlt() {
  const int i = liste_->indexOfTopLevelItem(liste_->currentItem());
  if (i < 0) return;
  EingabeZeigen(EingabeAusTransaktion(bearbeitung_.Transaktionen().Transaktion(i)));
}

QLineEdit* TDialogWPTransaktionen::FeldZu(TTransaktionsfeld feld) const {
  switch (feld) {
    case TTransaktionsfeld::Stueck:
      return stueck_;
    case TTransaktionsfeld::Kurs:
      return kurs_;
    case TTransaktionsfeld::Betrag:
      return betrag_;
    default:
      return datum_;
  }
}

void TDialogWPTransaktionen::Hinzufuegen() {
  TTransaktionsEingabe eingabe;
  eingabe.Art = static_cast<TEingabeArt>(typ_->currentIndex());
  eingabe.Datum = ModellText(datum_->text());
  eingabe.Stueck = ModellText(stueck_->text());
  eingabe.Kurs = ModellText(kurs_->text());
  eingabe.Betrag = ModellText(betrag_->text());
  try {
    ListeFuellen(bearbeitung_.Hinzufuegen(eingabe));
  } catch (const ETransaktionseingabe& fehler) {
    QLineEdit* feld = FeldZu(fehler.Feld());
    feld->setFocus();
    feld->selectAll();
    umgebung_.Fehler(this, fehler.what());
  } catch (const Exception& fehler) {
    umgebung_.Fehler(this, fehler.what());
  }
}

void TDialogWPTransaktionen::Entfernen() {
  const int i = liste_->indexOfTopLevelItem(liste_->currentItem());
  if (i < 0) {
    umgebung_.Fehler(this, "Bitte zuerst eine Transaktion in der Liste auswählen.");
    return;
  }
  const auto frage = EntfernenRueckfrage(bearbeitung_.Transaktionen().Transaktion(i));
  if (frage && !umgebung_.Frage(this, std::string(*frage))) return;
  try {
    bearbeitung_.Entfernen(i);
    ListeFuellen(std::min(i, bearbeitung_.Transaktionen().Anzahl() - 1));
  } catch (const Exception& fehler) {
    umgebung_.Fehler(this, fehler.what());
  }
}

void TDialogWPTransaktionen::Pruefen() {
  if (Gespeichert(this, umgebung_, [this] {
        verwaltung_.WertpapierAendern(id_, [this](TWertpapier& w) {
          w.Transaktionen = bearbeitung_.Transaktionen();
          bearbeitung_.KurseAnpassen(w.Kurse);
        });
      }))
    accept();
}

}  // namespace morvane
