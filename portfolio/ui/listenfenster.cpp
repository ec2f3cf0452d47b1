#include "portfolio/ui/listenfenster.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "platform/ui/dialogdrucken.h"
#include "portfolio/ui/listenmodell.h"

namespace morvane {
namespace {

TDruckAusrichtung DruckAusrichtung(TAusrichtung a) {
  switch (a) {
    case TAusrichtung::Rechts:
      return TDruckAusrichtung::Rechts;
    case TAusrichtung::Zentriert:
      return TDruckAusrichtung::Zentriert;
    case TAusrichtung::Links:
      break;
  }
  return TDruckAusrichtung::Links;
}

QString HinweisText(const std::vector<std::string>& uebersprungen) {
  QString text =
      QString::number(uebersprungen.size()) +
      (uebersprungen.size() == 1
           ? QStringLiteral(" Wertpapier konnte nicht gelesen werden und fehlt in der Liste:")
           : QStringLiteral(" Wertpapiere konnten nicht gelesen werden und fehlen in der Liste:"));
  for (const std::string& grund : uebersprungen)
    text += QLatin1Char('\n') + QString::fromStdString(grund);
  return text;
}

}  // namespace

TListenInhalt ListenInhalt(const TDepotListe& liste) {
  TListenInhalt inhalt{liste.Titel, {}, liste.Zeilen, liste.Uebersprungen};
  for (const TListenSpalte& s : liste.Spalten) {
    inhalt.Spalten.push_back({s.Titel, DruckAusrichtung(s.Ausrichtung)});
  }
  return inhalt;
}

std::string ListeAlsText(const TListenInhalt& inhalt) {
  std::string text;
  for (const TDruckSpalte& s : inhalt.Spalten) {
    if (&s != &inhalt.Spalten.front()) text += '\t';
    text += s.Titel;
  }
  text += '\n';
  for (const std::string& zeile : inhalt.Zeilen) {
    if (zeile != kTrennzeile && zeile != kSchlusszeile) text += zeile + '\n';
  }
  return text;
}

TListenFenster::TListenFenster(TListenInhalt inhalt, TDruckAuftrag& auftrag, QWidget* eltern)
    : QDialog(eltern),
      inhalt_(std::move(inhalt)),
      auftrag_(auftrag),
      tabelle_(new QTableView(this)),
      hinweis_(new QLabel(this)),
      kopieren_(new QPushButton(QStringLiteral("&Kopieren"), this)),
      drucken_(new QPushButton(QStringLiteral("&Drucken..."), this)) {
  setWindowTitle(QString::fromStdString(inhalt_.Titel));
  tabelle_->setModel(new TListenModell(inhalt_.Spalten, inhalt_.Zeilen, tabelle_));
  tabelle_->setItemDelegate(new TListenZeichner(tabelle_));
  tabelle_->setShowGrid(false);
  tabelle_->verticalHeader()->hide();
  tabelle_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle_->setWordWrap(false);
  tabelle_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  tabelle_->horizontalHeader()->setStretchLastSection(false);
  // Fitting the widths to every row costs much on long lists; the header
  // and the first rows give the widths.
  tabelle_->horizontalHeader()->setResizeContentsPrecision(200);
  tabelle_->resizeColumnsToContents();
  for (int s = 0; s < tabelle_->model()->columnCount(); ++s) {
    tabelle_->setColumnWidth(s, tabelle_->columnWidth(s) + 16);
  }
  hinweis_->setWordWrap(true);
  hinweis_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  hinweis_->setVisible(!inhalt_.Uebersprungen.empty());
  if (!inhalt_.Uebersprungen.empty()) hinweis_->setText(HinweisText(inhalt_.Uebersprungen));

  auto* leiste = new QDialogButtonBox(this);
  leiste->addButton(kopieren_, QDialogButtonBox::ActionRole);
  leiste->addButton(drucken_, QDialogButtonBox::ActionRole);
  auto* schliessen = leiste->addButton(QStringLiteral("&Schließen"), QDialogButtonBox::RejectRole);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
  connect(kopieren_, &QPushButton::clicked, this, [this] { Kopieren(); });
  connect(drucken_, &QPushButton::clicked, this, [this] { Drucken(); });

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(tabelle_, 1);
  spalte->addWidget(hinweis_);
  spalte->addWidget(leiste);
  int breite = 40;
  for (int s = 0; s < tabelle_->model()->columnCount(); ++s)
    breite += tabelle_->columnWidth(s);
  resize(std::clamp(breite, 500, 1200), 500);
}

void TListenFenster::Kopieren() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(ListeAlsText(inhalt_)));
}

void TListenFenster::Drucken() {
  if (!DruckEinstellungenAbfragen(this, auftrag_)) return;
  // This runs in the window's own event loop: a failure is shown here and
  // never leaves through Qt.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    ListeDrucken(inhalt_.Titel, inhalt_.Spalten, inhalt_.Zeilen, auftrag_);
    QApplication::restoreOverrideCursor();
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    QMessageBox::critical(this, QStringLiteral("Fehler"), QString::fromUtf8(e.what()));
  }
}

}  // namespace morvane
