#include "store/ui/dialogwpanlegen.h"

#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>
#include <exception>

#include "core/zahltext.h"
#include "store/ui/anlegezeilenmodell.h"
#include "store/wertpapiervorlagen.h"
#include "store/wpanlegen.h"

namespace morvane {
namespace {

const QString kNeuerKatalog = QStringLiteral("Neuer Katalog");

std::string Text(const QLineEdit* edit) {
  return std::string(Trimmen(edit->text().toStdString()));
}
std::string Text(const QComboBox* box) {
  return std::string(Trimmen(box->currentText().toStdString()));
}

void Fehlerbox(QWidget* eltern, const std::string& text) {
  QMessageBox::critical(eltern, QStringLiteral("Fehler"), QString::fromStdString(text));
}

// The hourglass for as long as the object lives.
struct TSanduhr {
  TSanduhr() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TSanduhr() { QApplication::restoreOverrideCursor(); }
  TSanduhr(const TSanduhr&) = delete;
  TSanduhr& operator=(const TSanduhr&) = delete;
};

}  // namespace

TDialogWPAnlegen::TDialogWPAnlegen(TWPVerwaltung verwaltung, THilfe hilfe, QWidget* eltern)
    : QDialog(eltern),
      verwaltung_(std::move(verwaltung)),
      hilfe_(std::move(hilfe)),
      fehleranzeige_(Fehlerbox),
      ergebnis_(new TAnlegeZeilenModell(this)) {
  Aufbauen();
  Verbinden();
}

TDialogWPAnlegen::~TDialogWPAnlegen() = default;

void TDialogWPAnlegen::Verbinden() {
  connect(s_.SuchfeldEdit, &QLineEdit::textChanged, this, [this] { SuchtextGeaendert(); });
  connect(s_.BoersenplatzEdit, &QComboBox::currentIndexChanged, this, [this] { Suchen(); });
  connect(s_.ErgebnisListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { Freigeben(); });
  connect(s_.ErgebnisListBox, &QTreeView::doubleClicked, this, [this] {
    if (s_.AnlegenButton1->isEnabled()) s_.AnlegenButton1->click();
  });
  for (QComboBox* box : {s_.KatalogEdit1, s_.KatalogEdit2})
    connect(box, &QComboBox::editTextChanged, this, [this] { Freigeben(); });
  for (QLineEdit* edit : {s_.NameEdit, s_.ISINEdit, s_.WKNEdit})
    connect(edit, &QLineEdit::textChanged, this, [this] { Freigeben(); });
  connect(s_.AnlegenButton1, &QPushButton::clicked, this, [this] { AusListeAnlegen(); });
  connect(s_.AnlegenButton2, &QPushButton::clicked, this, [this] { ManuellAnlegen(); });
}

void TDialogWPAnlegen::Ausfuehren(const std::string& vorlagendatei) {
  Oeffnen(vorlagendatei);
  exec();
  Schliessen();
}

void TDialogWPAnlegen::Oeffnen(const std::string& vorlagendatei) {
  Schliessen();
  std::vector<std::string> kategorien;
  vorlagen_ = std::make_unique<TWertpapierVorlagen>(vorlagendatei, nullptr);
  vorlagen_->SetzeFortschritt([this](const std::string& text) {
    s_.StatusLabel->setText(QString::fromStdString(text));
    s_.StatusLabel->repaint();
  });
  std::string fehler;
  try {
    TSanduhr sanduhr;
    vorlagen_->Kategorien(kategorien);
    const std::size_t anzahl = vorlagen_->Eintraege().size();
    s_.StatusLabel->setText(QStringLiteral("%1 Wertpapier-Vorlagen in %2 Kategorien.")
                                .arg(anzahl)
                                .arg(kategorien.size()));
  } catch (const Exception& e) {
    fehler = e.Meldung();
    kategorien.clear();
    vorlagen_.reset();
  }
  KategorienAnlegen(kategorien);
  Zuruecksetzen();
  if (!fehler.empty()) {
    s_.StatusLabel->setText(
        QString::fromStdString("Die Wertpapier-Vorlagen stehen nicht zur Verfügung: " + fehler));
    s_.Seiten->setCurrentWidget(s_.ManuellTabSheet);
    s_.NameEdit->setFocus();
  }
}

void TDialogWPAnlegen::Schliessen() {
  TSanduhr sanduhr;
  ergebnis_->Setzen({});
  vorlagen_.reset();
}

void TDialogWPAnlegen::KatalogeFuellen() {
  std::vector<std::string> kataloge;
  try {
    verwaltung_.KatalogeAuflisten(kataloge);
  } catch (const Exception& e) {
    s_.StatusLabel->setText(QString::fromStdString(e.Meldung()));
  }
  std::sort(kataloge.begin(), kataloge.end());
  for (QComboBox* box : {s_.KatalogEdit1, s_.KatalogEdit2}) {
    const QString text = box->currentText();
    box->clear();
    for (const std::string& katalog : kataloge)
      box->addItem(QString::fromStdString(katalog));
    box->setCurrentText(text);
  }
}

void TDialogWPAnlegen::Zuruecksetzen() {
  kategorie_.reset();
  s_.KatalogEdit1->setCurrentText(kNeuerKatalog);
  s_.KatalogEdit2->setCurrentText(kNeuerKatalog);
  KatalogeFuellen();
  for (QLineEdit* edit : {s_.SuchfeldEdit, s_.NameEdit, s_.ISINEdit, s_.WKNEdit})
    edit->clear();
  s_.KommentarEdit->clear();
  s_.BoersenplatzEdit->setCurrentIndex(kFilterAlle);
  s_.BoerseListBox->setCurrentIndex(0);
  s_.WaehrungEdit->setCurrentText(QStringLiteral("EUR"));
  s_.WPTypEdit->setCurrentIndex(0);
  s_.Seiten->setCurrentWidget(s_.ListeTabSheet);
  s_.SuchfeldEdit->setEnabled(vorlagen_ != nullptr);
  s_.BoersenplatzEdit->setEnabled(vorlagen_ != nullptr);
  Suchen();
  s_.SuchfeldEdit->setFocus();
}

void TDialogWPAnlegen::SuchtextGeaendert() {
  if (!s_.SuchfeldEdit->text().isEmpty()) {
    kategorie_.reset();
    for (QPushButton* knopf : s_.Kategorien)
      knopf->setChecked(false);
  }
  Suchen();
}

void TDialogWPAnlegen::KategorieGeklickt(std::size_t k) {
  const bool gedrueckt = s_.Kategorien[k]->isChecked();
  for (std::size_t i = 0; i < s_.Kategorien.size(); ++i)
    s_.Kategorien[i]->setChecked(gedrueckt && i == k);
  kategorie_ = gedrueckt ? std::optional(k) : std::nullopt;
  if (gedrueckt) {
    // Cleared without the search that would release the button again.
    const QSignalBlocker sperre(s_.SuchfeldEdit);
    s_.SuchfeldEdit->clear();
    s_.KatalogEdit1->setCurrentText(s_.Kategorien[k]->text().replace("&&", "&"));
  }
  Suchen();
}

void TDialogWPAnlegen::Suchen() {
  std::vector<TAnlegeZeile> zeilen;
  if (vorlagen_) {
    Sicher([&] {
      const auto gefunden =
          VorlagenFinden(*vorlagen_, kategorie_, s_.SuchfeldEdit->text().toStdString());
      zeilen = AnlegeZeilen(gefunden, s_.BoersenplatzEdit->currentIndex());
    });
  }
  ergebnis_->Setzen(std::move(zeilen));
  s_.ErgebnisListBox->setEnabled(ergebnis_->rowCount() > 0);
  Freigeben();
}

void TDialogWPAnlegen::Freigeben() {
  const auto markiert = s_.ErgebnisListBox->selectionModel()->selectedRows().size();
  s_.AnlegenButton1->setEnabled(
      AusListeAnlegbar(static_cast<std::size_t>(markiert), Text(s_.KatalogEdit1)));
  s_.AnlegenButton2->setEnabled(ManuellAnlegbar(Text(s_.NameEdit), Text(s_.ISINEdit),
                                                Text(s_.WKNEdit), Text(s_.KatalogEdit2)));
}

void TDialogWPAnlegen::AusListeAnlegen() {
  if (!s_.AnlegenButton1->isEnabled()) return;
  QModelIndexList markiert = s_.ErgebnisListBox->selectionModel()->selectedRows();
  std::sort(markiert.begin(), markiert.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  std::vector<TWPStammdaten> wertpapiere;
  for (const QModelIndex& index : markiert)
    wertpapiere.push_back(
        ZeilenStammdaten(ergebnis_->Zeilen()[static_cast<std::size_t>(index.row())]));
  const std::string katalog = Text(s_.KatalogEdit1);
  Sicher([&] {
    Angelegt(WertpapiereAnlegen(verwaltung_, katalog, wertpapiere), katalog);
    s_.ErgebnisListBox->clearSelection();
  });
}

void TDialogWPAnlegen::ManuellAnlegen() {
  if (!s_.AnlegenButton2->isEnabled()) return;
  TWPStammdaten neu;
  neu.Bezeichnung = Text(s_.NameEdit);
  neu.ISIN = Text(s_.ISINEdit);
  neu.WKN = Text(s_.WKNEdit);
  neu.Boerse = static_cast<std::uint8_t>(s_.BoerseListBox->currentIndex());
  neu.Waehrung = Text(s_.WaehrungEdit);
  neu.WPTyp = static_cast<std::uint8_t>(s_.WPTypEdit->currentIndex());
  neu.Kommentar = s_.KommentarEdit->toPlainText().toStdString();
  const std::string katalog = Text(s_.KatalogEdit2);
  Sicher([&] {
    Angelegt(WertpapiereAnlegen(verwaltung_, katalog, {neu}), katalog);
    for (QLineEdit* edit : {s_.NameEdit, s_.ISINEdit, s_.WKNEdit})
      edit->clear();
    s_.NameEdit->setFocus();
  });
}

void TDialogWPAnlegen::Angelegt(const std::vector<std::string>& ids, const std::string& katalog) {
  KatalogeFuellen();
  const QString was = ids.size() == 1 ? QStringLiteral("Ein Wertpapier wurde")
                                      : QStringLiteral("%1 Wertpapiere wurden").arg(ids.size());
  s_.StatusLabel->setText(
      QStringLiteral("%1 im Katalog „%2“ angelegt.").arg(was, QString::fromStdString(katalog)));
}

void TDialogWPAnlegen::Sicher(const std::function<void()>& schritt) {
  std::string fehler;
  try {
    TSanduhr sanduhr;
    schritt();
  } catch (const Exception& e) {
    fehler = e.Meldung();
  } catch (const std::exception& e) {
    fehler = std::string("Unerwarteter Fehler: ") + e.what();
  }
  // Shown once the hourglass is gone.
  if (!fehler.empty()) fehleranzeige_(this, fehler);
}

}  // namespace morvane
