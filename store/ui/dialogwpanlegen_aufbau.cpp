// The layout of the create dialog: two tabs over the status line and the
// dialog's buttons.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/wpstammdaten.h"
#include "store/ui/anlegezeilenmodell.h"
#include "store/ui/dialogwpanlegen.h"
#include "store/wpanlegen.h"

namespace morvane {
namespace {

// The category buttons: one below the other, as wide as the names need.
constexpr int kKnopfLinks = 8;
constexpr int kKnopfOben = 8;
constexpr int kKnopfAbstand = 30;
constexpr int kKnopfBreite = 160;

QComboBox* Auswahl(const std::vector<std::string>& eintraege, bool editierbar) {
  auto* box = new QComboBox;
  for (const std::string& eintrag : eintraege)
    box->addItem(QString::fromStdString(eintrag));
  box->setEditable(editierbar);
  return box;
}

template <std::size_t N>
std::vector<std::string> Texte(const std::array<std::string_view, N>& liste) {
  return {liste.begin(), liste.end()};
}

QLabel* Beschriftung(const char* text, QWidget* fuer) {
  auto* label = new QLabel(QString::fromUtf8(text));
  label->setBuddy(fuer);
  return label;
}

QPushButton* Knopf(const char* text) {
  auto* knopf = new QPushButton(QString::fromUtf8(text));
  knopf->setAutoDefault(false);
  return knopf;
}

}  // namespace

void TDialogWPAnlegen::Aufbauen() {
  setWindowTitle(QStringLiteral("Wertpapiere anlegen"));
  s_.Seiten = new QTabWidget;
  s_.ListeTabSheet = ListeAufbauen();
  s_.ManuellTabSheet = ManuellAufbauen();
  s_.Seiten->addTab(s_.ListeTabSheet, QStringLiteral("Aus &Liste auswählen"));
  s_.Seiten->addTab(s_.ManuellTabSheet, QStringLiteral("&Manuell eingeben"));

  s_.StatusLabel = new QLabel;
  s_.StatusLabel->setWordWrap(true);
  auto* knoepfe = new QDialogButtonBox;
  s_.Hilfe = Knopf("&Hilfe");
  s_.Schliessen = Knopf("S&chließen");
  knoepfe->addButton(s_.Hilfe, QDialogButtonBox::HelpRole);
  knoepfe->addButton(s_.Schliessen, QDialogButtonBox::RejectRole);
  s_.Hilfe->setEnabled(static_cast<bool>(hilfe_));
  connect(s_.Hilfe, &QPushButton::clicked, this, [this] { Sicher(hilfe_); });
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, s_.Hilfe,
          &QPushButton::click);
  connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* unten = new QHBoxLayout;
  unten->addWidget(s_.StatusLabel, 1);
  unten->addWidget(knoepfe);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(s_.Seiten, 1);
  layout->addLayout(unten);
  resize(880, 520);
}

QWidget* TDialogWPAnlegen::ListeAufbauen() {
  auto* seite = new QWidget;
  s_.ScrollBox1 = new QScrollArea;
  kategorienFlaeche_ = new QWidget;
  s_.ScrollBox1->setWidget(kategorienFlaeche_);
  s_.ScrollBox1->setFocusPolicy(Qt::NoFocus);
  s_.SuchfeldEdit = new QLineEdit;
  s_.SuchfeldEdit->setPlaceholderText(QStringLiteral("Name, ISIN oder WKN"));
  s_.SuchfeldEdit->setClearButtonEnabled(true);
  s_.BoersenplatzEdit = Auswahl(BoersenFilter(), false);
  s_.ErgebnisListBox = new QTreeView;
  s_.ErgebnisListBox->setModel(ergebnis_);
  s_.ErgebnisListBox->setRootIsDecorated(false);
  s_.ErgebnisListBox->setUniformRowHeights(true);
  s_.ErgebnisListBox->setAlternatingRowColors(true);
  s_.ErgebnisListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
  s_.ErgebnisListBox->setSelectionBehavior(QAbstractItemView::SelectRows);
  s_.ErgebnisListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const std::array<int, 4> breiten = {110, 80, 220, 70};
  for (std::size_t spalte = 0; spalte < breiten.size(); ++spalte)
    s_.ErgebnisListBox->header()->resizeSection(static_cast<int>(spalte), breiten[spalte]);
  s_.ErgebnisListBox->header()->setStretchLastSection(true);
  s_.ErgebnisListBox->header()->setMinimumSectionSize(40);
  s_.KatalogEdit1 = Auswahl({}, true);
  s_.KatalogEdit1->setMinimumWidth(220);
  s_.AnlegenButton1 = Knopf("&Anlegen");

  auto* gitter = new QGridLayout(seite);
  gitter->addWidget(Beschriftung("Kategorien:", s_.ScrollBox1), 0, 0);
  gitter->addWidget(s_.ScrollBox1, 1, 0, 3, 1);
  auto* suche = new QHBoxLayout;
  suche->addWidget(Beschriftung("&Suchen:", s_.SuchfeldEdit));
  suche->addWidget(s_.SuchfeldEdit, 1);
  suche->addSpacing(12);
  suche->addWidget(Beschriftung("&Börsenplatz:", s_.BoersenplatzEdit));
  suche->addWidget(s_.BoersenplatzEdit);
  gitter->addLayout(suche, 0, 1);
  gitter->addWidget(s_.ErgebnisListBox, 1, 1, 2, 1);
  auto* anlegen = new QHBoxLayout;
  anlegen->addWidget(Beschriftung("In &Katalog:", s_.KatalogEdit1));
  anlegen->addWidget(s_.KatalogEdit1);
  anlegen->addStretch(1);
  anlegen->addWidget(s_.AnlegenButton1);
  gitter->addLayout(anlegen, 3, 1);
  gitter->setRowStretch(2, 1);
  gitter->setColumnStretch(1, 1);
  return seite;
}

QWidget* TDialogWPAnlegen::ManuellAufbauen() {
  auto* seite = new QWidget;
  s_.NameEdit = new QLineEdit;
  s_.ISINEdit = new QLineEdit;
  s_.ISINEdit->setMaxLength(12);
  s_.WKNEdit = new QLineEdit;
  s_.BoerseListBox = Auswahl(Texte(kBoersenplaetze), false);
  s_.WaehrungEdit = Auswahl(Texte(kWaehrungen), true);
  s_.WPTypEdit = Auswahl(Texte(kWPTypen), false);
  s_.KommentarEdit = new QPlainTextEdit;
  s_.KommentarEdit->setTabChangesFocus(true);
  s_.KatalogEdit2 = Auswahl({}, true);
  s_.AnlegenButton2 = Knopf("&Anlegen");

  auto* gitter = new QGridLayout(seite);
  int zeile = 0;
  auto feld = [&](const char* text, QWidget* w, int spalten = 1) {
    gitter->addWidget(Beschriftung(text, w), zeile, 0);
    gitter->addWidget(w, zeile++, 1, 1, spalten);
  };
  feld("&Name:", s_.NameEdit, 2);
  feld("&ISIN:", s_.ISINEdit);
  feld("&WKN:", s_.WKNEdit);
  feld("Bö&rsenplatz:", s_.BoerseListBox);
  feld("W&ährung:", s_.WaehrungEdit);
  feld("&Typ:", s_.WPTypEdit);
  gitter->addWidget(Beschriftung("K&ommentar:", s_.KommentarEdit), zeile, 0, Qt::AlignTop);
  gitter->addWidget(s_.KommentarEdit, zeile++, 1, 1, 2);
  feld("In &Katalog:", s_.KatalogEdit2);
  gitter->addWidget(s_.AnlegenButton2, zeile - 1, 2, Qt::AlignRight);
  gitter->setColumnStretch(2, 1);
  gitter->setColumnMinimumWidth(1, 260);
  gitter->setRowStretch(zeile - 2, 1);
  return seite;
}

void TDialogWPAnlegen::KategorienAnlegen(const std::vector<std::string>& namen) {
  for (QPushButton* knopf : s_.Kategorien)
    delete knopf;
  s_.Kategorien.clear();
  int breite = kKnopfBreite;  // wider only where a name needs it
  for (const std::string& name : namen) {
    // "&" in a name is shown, not taken as an accelerator.
    auto* knopf =
        new QPushButton(QString::fromStdString(name).replace('&', "&&"), kategorienFlaeche_);
    knopf->setCheckable(true);
    knopf->setAutoDefault(false);
    breite = std::max(breite, knopf->sizeHint().width());
    s_.Kategorien.push_back(knopf);
  }
  QWidget* vorher = s_.AnlegenButton1;
  for (std::size_t k = 0; k < s_.Kategorien.size(); ++k) {
    QPushButton* knopf = s_.Kategorien[k];
    knopf->setGeometry(kKnopfLinks, kKnopfOben + kKnopfAbstand * static_cast<int>(k), breite,
                       kKnopfAbstand - 4);
    knopf->show();
    connect(knopf, &QPushButton::clicked, this, [this, k] { KategorieGeklickt(k); });
    setTabOrder(vorher, knopf);
    vorher = knopf;
  }
  kategorienFlaeche_->resize(kKnopfLinks * 2 + breite,
                             kKnopfOben * 2 + kKnopfAbstand * static_cast<int>(namen.size()));
  s_.ScrollBox1->setFixedWidth(kKnopfLinks * 2 + breite + 2 * s_.ScrollBox1->frameWidth() +
                               s_.ScrollBox1->verticalScrollBar()->sizeHint().width());
}

}  // namespace morvane
