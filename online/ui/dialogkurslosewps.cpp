#include "online/ui/dialogkurslosewps.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "core/datei.h"
#include "core/textvergleich.h"
#include "platform/ui/dialogdrucken.h"

namespace morvane {
namespace {

constexpr const char* kTitel = "Ergebnis der Kursaktualisierung";
constexpr const char* kSpalteWP = "Katalog / WP-Bezeichnung";
constexpr const char* kSpalteGrund = "Grund";

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TDruckAuftrag StandardAuftrag() {
  TDruckAuftrag auftrag;
  const std::vector<std::string> drucker = InstallierteDrucker();
  auftrag.Pdf = drucker.empty();
  if (!drucker.empty()) auftrag.Drucker = drucker.front();
  auftrag.Datei = QDir::home().filePath(QStringLiteral("WPsOhneKurse.pdf")).toStdString();
  return auftrag;
}

// The two cells of a line; a line without a tab has its whole text in the first.
std::pair<std::string_view, std::string_view> Zellen(std::string_view zeile) {
  const std::size_t tab = zeile.find('\t');
  if (tab == std::string_view::npos) return {zeile, {}};
  return {zeile.substr(0, tab), zeile.substr(tab + 1)};
}

}  // namespace

std::string KursloseWPsText(const std::vector<std::string>& zeilen) {
  std::string text;
  for (const std::string& z : zeilen)
    text += z + '\n';
  return text;
}

TDialogKursloseWPs::TDialogKursloseWPs(std::vector<std::string> zeilen, QWidget* eltern)
    : QDialog(eltern),
      zeilen_(std::move(zeilen)),
      auftrag_(StandardAuftrag()),
      verzeichnis_(QDir::homePath()),
      liste_(new QTreeWidget(this)),
      drucken_(new QPushButton(QStringLiteral("&Drucken"), this)),
      speichern_(new QPushButton(QStringLiteral("Liste &speichern"), this)) {
  setWindowTitle(Text(kTitel));
  TexteSortieren(zeilen_);
  auto* hinweis =
      new QLabel(QStringLiteral("Die Kursaktualisierung ist abgeschlossen. Folgende Wertpapiere "
                                "konnten jedoch nicht aktualisiert werden:"),
                 this);
  hinweis->setWordWrap(true);
  liste_->setColumnCount(2);
  liste_->setHeaderLabels({Text(kSpalteWP), Text(kSpalteGrund)});
  liste_->setRootIsDecorated(false);
  liste_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const std::string& z : zeilen_) {
    const auto [wp, grund] = Zellen(z);
    new QTreeWidgetItem(liste_, {Text(wp), Text(grund)});
  }
  liste_->resizeColumnToContents(0);
  liste_->header()->setStretchLastSection(true);
  if (liste_->topLevelItemCount() > 0) liste_->setCurrentItem(liste_->topLevelItem(0));

  auto* leiste = new QDialogButtonBox(this);
  leiste->addButton(drucken_, QDialogButtonBox::ActionRole);
  leiste->addButton(speichern_, QDialogButtonBox::ActionRole);
  auto* schliessen = leiste->addButton(QStringLiteral("S&chließen"), QDialogButtonBox::RejectRole);
  schliessen->setDefault(true);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
  connect(drucken_, &QPushButton::clicked, this, [this] { Drucken(); });
  connect(speichern_, &QPushButton::clicked, this, [this] { Speichern(); });

  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(hinweis);
  spalte->addWidget(liste_, 1);
  spalte->addWidget(leiste);
  const int breite = liste_->columnWidth(0) + liste_->fontMetrics().horizontalAdvance(
                                                  Text("Kursquellen haben keinen Kurs geliefert."));
  resize(std::clamp(breite + 80, 560, 1100), 380);
  liste_->setFocus();
}

void TDialogKursloseWPs::Fehler(const QString& text) {
  QMessageBox::critical(this, windowTitle(), text);
}

void TDialogKursloseWPs::Drucken() {
  if (!DruckEinstellungenAbfragen(this, auftrag_)) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    ListeDrucken(kTitel,
                 {{kSpalteWP, TDruckAusrichtung::Links}, {kSpalteGrund, TDruckAusrichtung::Links}},
                 zeilen_, auftrag_);
    QApplication::restoreOverrideCursor();
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    Fehler(QString::fromUtf8(e.what()));
  }
}

bool TDialogKursloseWPs::UeberschreibenErlaubt(const QString& datei) {
  if (!QFileInfo::exists(datei)) return true;
  QMessageBox frage(QMessageBox::Question, QStringLiteral("Liste speichern"),
                    QStringLiteral("Die Datei „%1“ gibt es bereits. Soll sie überschrieben werden?")
                        .arg(QDir::toNativeSeparators(datei)),
                    QMessageBox::Yes | QMessageBox::No, this);
  frage.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  frage.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  frage.setDefaultButton(QMessageBox::No);
  return frage.exec() == QMessageBox::Yes;
}

void TDialogKursloseWPs::Speichern() {
  QFileDialog waehler(this, QStringLiteral("Liste speichern"), verzeichnis_,
                      QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)"));
  waehler.setObjectName(QStringLiteral("ListeSpeichern"));
  waehler.setAcceptMode(QFileDialog::AcceptSave);
  waehler.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
  waehler.setDefaultSuffix(QStringLiteral("txt"));
  waehler.selectFile(QStringLiteral("WPsOhneKurse.txt"));
  waehler.setLabelText(QFileDialog::Accept, QStringLiteral("&Speichern"));
  waehler.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
  waehler.setLabelText(QFileDialog::LookIn, QStringLiteral("Speichern in:"));
  waehler.setLabelText(QFileDialog::FileName, QStringLiteral("Datei&name:"));
  waehler.setLabelText(QFileDialog::FileType, QStringLiteral("Datei&typ:"));
  if (waehler.exec() != QDialog::Accepted || waehler.selectedFiles().isEmpty()) return;
  const QString datei = waehler.selectedFiles().front();
  verzeichnis_ = QFileInfo(datei).absolutePath();
  if (!UeberschreibenErlaubt(datei)) return;
  try {
    DateiAtomarSchreiben(datei.toStdString(), KursloseWPsText(zeilen_));
  } catch (const std::exception& e) {
    Fehler(QStringLiteral("Die Liste konnte nicht in „%1“ gespeichert werden: %2")
               .arg(QDir::toNativeSeparators(datei), QString::fromUtf8(e.what())));
  }
}

}  // namespace morvane
