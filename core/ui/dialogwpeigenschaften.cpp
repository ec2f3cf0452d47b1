#include "core/ui/dialogwpeigenschaften.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/stammdatenbearbeitung.h"
#include "core/wertpapier.h"
#include "store/katalogpflege.h"

namespace morvane {

namespace {

template <std::size_t N>
QComboBox* Auswahl(QWidget* eltern, const std::array<std::string_view, N>& eintraege) {
  auto* combo = new QComboBox(eltern);
  for (std::string_view e : eintraege)
    combo->addItem(UiText(e));
  return combo;
}

}  // namespace

TDialogWPEigenschaften::TDialogWPEigenschaften(QWidget* eltern, const TWPVerwaltung& verwaltung,
                                               std::string id, TWPDialogUmgebung umgebung)
    : QDialog(eltern),
      verwaltung_(verwaltung),
      id_(std::move(id)),
      umgebung_(std::move(umgebung)),
      stammdaten_(verwaltung_.StammdatenLaden(id_)),
      seiten_(new QTabWidget(this)) {
  stammdaten_.ID = id_;
  setWindowTitle(QStringLiteral("Wertpapier-Eigenschaften"));
  seiten_->addTab(SeiteAllgemein(), QStringLiteral("&Allgemein"));
  seiten_->addTab(SeiteGebuehren(), QStringLiteral("&Gebühren"));
  seiten_->addTab(SeiteKommentar(), QStringLiteral("&Kommentar"));
  seiten_->addTab(SeiteKursaktualisierung(), QStringLiteral("Kursakt&ualisierung"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(seiten_);
  layout->addWidget(Knopfleiste(this, umgebung_, kHilfeWPEigenschaften, [this] { Pruefen(); }));
  Fuellen();
}

QWidget* TDialogWPEigenschaften::SeiteAllgemein() {
  auto* seite = new QWidget(seiten_);
  auto* form = new QFormLayout(seite);
  bezeichnung_ = Beschriftet(seite, form, "&Bezeichnung:", new QLineEdit(seite));
  wkn_ = Beschriftet(seite, form, "&WKN:", new QLineEdit(seite));
  isin_ = Beschriftet(seite, form, "&ISIN:", new QLineEdit(seite));
  waehrung_ = Beschriftet(seite, form, "Wä&hrung:", Auswahl(seite, kWaehrungen));
  waehrung_->setEditable(true);
  waehrung_->setInsertPolicy(QComboBox::NoInsert);
  boerse_ = Beschriftet(seite, form, "Bö&rsenplatz:", Auswahl(seite, kBoersenplaetze));
  typ_ = Beschriftet(seite, form, "&Typ:", Auswahl(seite, kWPTypen));
  datei_ = Beschriftet(seite, form, "&Datei:", new QLineEdit(seite));
  datei_->setReadOnly(true);
  bezeichnung_->setMinimumWidth(320);
  return seite;
}

QWidget* TDialogWPEigenschaften::SeiteGebuehren() {
  auto* seite = new QWidget(seiten_);
  auto* gitter = new QGridLayout;
  gitter->addWidget(new QLabel(QStringLiteral("Kauf"), seite), 0, 1);
  gitter->addWidget(new QLabel(QStringLiteral("Verkauf"), seite), 0, 2);
  const char* zeilen[] = {"&Prozentual (%):", "&Fest:", "&Mindestens:"};
  for (int z = 0; z < 3; ++z) {
    auto* label = new QLabel(QString::fromUtf8(zeilen[z]), seite);
    gitter->addWidget(label, z + 1, 0);
    for (int s = 0; s < 2; ++s) {
      auto* edit = new QLineEdit(seite);
      gebuehren_[static_cast<std::size_t>(s * 3 + z)] = edit;
      gitter->addWidget(edit, z + 1, s + 1);
    }
    label->setBuddy(gebuehren_[static_cast<std::size_t>(z)]);
  }
  imKatalog_ =
      new QCheckBox(QStringLiteral("Gebühren bei allen &Wertpapieren im Katalog ändern"), seite);
  auto* layout = new QVBoxLayout(seite);
  layout->addLayout(gitter);
  layout->addWidget(imKatalog_);
  layout->addStretch();
  // The tab order runs down the purchase column, then down the sale column.
  for (std::size_t i = 0; i + 1 < gebuehren_.size(); ++i)
    setTabOrder(gebuehren_[i], gebuehren_[i + 1]);
  setTabOrder(gebuehren_.back(), imKatalog_);
  return seite;
}

QWidget* TDialogWPEigenschaften::SeiteKommentar() {
  kommentar_ = new QPlainTextEdit(seiten_);
  return kommentar_;
}

QWidget* TDialogWPEigenschaften::SeiteKursaktualisierung() {
  auto* seite = new QWidget(seiten_);
  manuell_ = new QCheckBox(QStringLiteral("Kursquellen &manuell einstellen"), seite);
  auto* gitter = new QGridLayout;
  gitter->addWidget(new QLabel(QStringLiteral("Kursquelle"), seite), 0, 1);
  gitter->addWidget(new QLabel(QStringLiteral("Kennung bei der Quelle"), seite), 0, 2);
  auto zeile = [&](int z, const QString& text, QLineEdit*& quelle, QLineEdit*& kennung) {
    gitter->addWidget(new QLabel(text, seite), z, 0);
    quelle = new QLineEdit(seite);
    kennung = new QLineEdit(seite);
    gitter->addWidget(quelle, z, 1);
    gitter->addWidget(kennung, z, 2);
  };
  for (int i = 0; i < 3; ++i) {
    const auto n = static_cast<std::size_t>(i);
    zeile(i + 1, QStringLiteral("Tageskurse %1:").arg(i + 1), quelleAktuell_[n], idAktuell_[n]);
    zeile(i + 4, QStringLiteral("Historische Kurse %1:").arg(i + 1), quelleHistorisch_[n],
          idHistorisch_[n]);
  }
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(manuell_);
  layout->addLayout(gitter);
  layout->addStretch();
  return seite;
}

void TDialogWPEigenschaften::Fuellen() {
  const TWPStammdaten& s = stammdaten_;
  bezeichnung_->setText(UiText(s.Bezeichnung));
  wkn_->setText(UiText(s.WKN));
  isin_->setText(UiText(s.ISIN));
  waehrung_->setCurrentText(UiText(s.Waehrung));
  boerse_->setCurrentIndex(s.WirksameBoerse());
  typ_->setCurrentIndex(s.WirksamerWPTyp());
  datei_->setText(UiText(id_));
  const TGebuehrenEingabe g = GebuehrenEingabe(s);
  const std::string* texte[] = {&g.KaufRel,    &g.KaufAbs,    &g.KaufMin,
                                &g.VerkaufRel, &g.VerkaufAbs, &g.VerkaufMin};
  for (std::size_t i = 0; i < gebuehren_.size(); ++i)
    gebuehren_[i]->setText(UiText(*texte[i]));
  imKatalog_->setChecked(false);
  kommentar_->setPlainText(UiText(s.Kommentar));
  manuell_->setChecked(s.KursquellenManuell);
  for (std::size_t i = 0; i < 3; ++i) {
    quelleAktuell_[i]->setText(UiText(s.QuelleAktuell[i]));
    idAktuell_[i]->setText(UiText(s.IDAktuell[i]));
    quelleHistorisch_[i]->setText(UiText(s.QuelleHistorisch[i]));
    idHistorisch_[i]->setText(UiText(s.IDHistorisch[i]));
  }
  seiten_->setCurrentIndex(0);
}

TWPStammdaten TDialogWPEigenschaften::Lesen() const {
  TWPStammdaten s = stammdaten_;
  s.Bezeichnung = ModellText(bezeichnung_->text());
  s.WKN = ModellText(wkn_->text());
  s.ISIN = ModellText(isin_->text());
  s.Waehrung = ModellText(waehrung_->currentText());
  // An unknown stored code stays unless the user picks another entry.
  if (boerse_->currentIndex() != s.WirksameBoerse())
    s.Boerse = static_cast<std::uint8_t>(boerse_->currentIndex());
  if (typ_->currentIndex() != s.WirksamerWPTyp())
    s.WPTyp = static_cast<std::uint8_t>(typ_->currentIndex());
  s.Kommentar = ModellText(kommentar_->toPlainText());
  s.KursquellenManuell = manuell_->isChecked();
  for (std::size_t i = 0; i < 3; ++i) {
    s.QuelleAktuell[i] = ModellText(quelleAktuell_[i]->text());
    s.IDAktuell[i] = ModellText(idAktuell_[i]->text());
    s.QuelleHistorisch[i] = ModellText(quelleHistorisch_[i]->text());
    s.IDHistorisch[i] = ModellText(idHistorisch_[i]->text());
  }
  return s;
}

bool TDialogWPEigenschaften::GebuehrenImKatalog() const {
  return imKatalog_->isChecked();
}

void TDialogWPEigenschaften::Pruefen() {
  TWPStammdaten neu = Lesen();
  const auto text = [this](int i) { return ModellText(GebuehrEdit(i)->text()); };
  try {
    GebuehrenLesen({text(0), text(1), text(2), text(3), text(4), text(5)}, neu);
  } catch (const EGebuehreneingabe& fehler) {
    seiten_->setCurrentIndex(1);
    QLineEdit* feld = GebuehrEdit(static_cast<int>(fehler.Feld()));
    feld->setFocus();
    feld->selectAll();
    umgebung_.Fehler(this, fehler.what());
    return;
  }
  // A file deleted meanwhile is not brought back with master data alone.
  const auto schreiben = [&] {
    verwaltung_.WertpapierAendern(id_, [&](TWertpapier& w) { w.StammdatenKopieren(neu); });
  };
  if (!Gespeichert(this, umgebung_, schreiben)) return;
  stammdaten_ = neu;
  accept();
}

bool WPEigenschaftenBearbeiten(QWidget* eltern, const TWPVerwaltung& verwaltung,
                               const std::string& id, const TWPDialogUmgebung& umgebung) {
  TDialogWPEigenschaften dialog(eltern, verwaltung, id, umgebung);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (dialog.GebuehrenImKatalog()) {
    const TWPStammdaten& s = dialog.Stammdaten();
    const std::string katalog = verwaltung.KatalogAusID(id);
    if (umgebung.Frage(eltern, "Gebühren auch auf alle anderen Wertpapiere im Katalog '" + katalog +
                                   "' übertragen?"))
      GebuehrenUebertragen(verwaltung, katalog, s);
  }
  return true;
}

}  // namespace morvane
