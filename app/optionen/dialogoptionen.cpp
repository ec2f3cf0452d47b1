#include "app/optionen/dialogoptionen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <exception>
#include <filesystem>

#include "app/optionen/dialogzeitpunkt.h"
#include "app/optionen/kontogruppe.h"
#include "app/optionen/zeitpunktliste.h"
#include "store/einstellungen.h"

namespace morvane {
namespace {

QLabel* Beschriftung(const QString& text, QWidget* buddy, QWidget* eltern) {
  auto* label = new QLabel(text, eltern);
  label->setBuddy(buddy);
  return label;
}

QLineEdit* Zahlfeld(const char* name, QWidget* eltern) {
  auto* feld = new QLineEdit(eltern);
  feld->setObjectName(QString::fromUtf8(name));
  feld->setMaxLength(6);
  feld->setFixedWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
  return feld;
}

QPushButton* Knopf(const QString& text, const char* name, QWidget* eltern) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setObjectName(QString::fromUtf8(name));
  knopf->setAutoDefault(false);
  return knopf;
}

bool StandardOeffnen(const std::string& datei) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Qt8(datei)));
}

}  // namespace

TDialogOptionen::TDialogOptionen(QWidget* eltern, const TEinstellungen& einstellungen,
                                 const TZeitplaner& zeitplaner, TOptionenUmgebung umgebung)
    : QDialog(eltern), umgebung_(std::move(umgebung)) {
  setObjectName(QStringLiteral("DialogOptionen"));
  setWindowTitle(QStringLiteral("Optionen"));
  verbindung_ =
      umgebung_.Verbindung ? umgebung_.Verbindung() : std::make_unique<TInternetVerbindung>();
  seiten_ = new QTabWidget(this);
  seiten_->addTab(ProgrammSeite(), QStringLiteral("Programm"));
  seiten_->addTab(KursSeite(), QStringLiteral("Kursaktualisierung"));
  seiten_->addTab(InternetSeite(), QStringLiteral("Internet-Verbindung"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(seiten_);
  layout->addWidget(Knopfleiste(
      this, [this] { Pruefen(); }, umgebung_.Hilfe));
  const TOptionenEingabe anfang = OptionenAus(einstellungen, zeitplaner);
  updateAdresseAnfang_ = anfang.UpdateAdresse;
  Fuellen(anfang);
  AbonnementLaden();
  seiten_->setCurrentIndex(0);
}

TDialogOptionen::~TDialogOptionen() = default;

QWidget* TDialogOptionen::ProgrammSeite() {
  auto* seite = new QWidget(this);
  auto* gruppe = new QGroupBox(QStringLiteral("Katalog-Verzeichnis"), seite);
  verzeichnis_ = new QLineEdit(gruppe);
  verzeichnis_->setObjectName(QStringLiteral("KatalogVerz1"));
  auto* waehlen = Knopf(QStringLiteral("&Wählen"), "VerzWaehlen", gruppe);
  connect(waehlen, &QPushButton::clicked, this, [this] { VerzeichnisWaehlen(); });
  auto* raster = new QGridLayout(gruppe);
  raster->addWidget(
      Beschriftung(QStringLiteral("&Kataloge befinden sich im Verzeichnis:"), verzeichnis_, gruppe),
      0, 0, 1, 2);
  raster->addWidget(verzeichnis_, 1, 0);
  raster->addWidget(waehlen, 1, 1);
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(gruppe);
  layout->addStretch(1);
  return seite;
}

QWidget* TDialogOptionen::KursSeite() {
  auto* seite = new QWidget(this);
  auto* gruppe = new QGroupBox(QStringLiteral("Einstellungen"), seite);
  timeout_ = Zahlfeld("K_Timeout", gruppe);
  protokollieren_ = new QCheckBox(QStringLiteral("Aktionen in Logdatei &protokollieren"), gruppe);
  protokollieren_->setObjectName(QStringLiteral("K_Protokollieren"));
  auto* logdatei = Knopf(QStringLiteral("&Logdatei anzeigen..."), "K_LogdateiAnzeigen", gruppe);
  connect(logdatei, &QPushButton::clicked, this, [this] { LogdateiAnzeigen(); });
  autoUpdate_ = new QCheckBox(QStringLiteral("&Online-Update automatisch durchführen"), gruppe);
  autoUpdate_->setObjectName(QStringLiteral("K_AutoUpdate"));
  updateAdresse_ = new QLineEdit(gruppe);
  updateAdresse_->setObjectName(QStringLiteral("K_UpdateAdresse"));
  auto* raster = new QGridLayout(gruppe);
  raster->addWidget(
      Beschriftung(QStringLiteral("&Timeout beim Download einer Kursseite:"), timeout_, gruppe), 0,
      0);
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(timeout_);
  zeile->addWidget(new QLabel(QStringLiteral("Sekunden"), gruppe));
  zeile->addStretch(1);
  raster->addLayout(zeile, 0, 1);
  raster->addWidget(protokollieren_, 1, 0);
  raster->addWidget(logdatei, 1, 1, Qt::AlignLeft);
  raster->addWidget(autoUpdate_, 2, 0, 1, 2);
  raster->addWidget(Beschriftung(QStringLiteral("&Update-Adresse:"), updateAdresse_, gruppe), 3, 0);
  raster->addWidget(updateAdresse_, 3, 1);
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(gruppe);
  layout->addWidget(ZeitplanTeil(seite), 1);
  return seite;
}

QWidget* TDialogOptionen::ZeitplanTeil(QWidget* seite) {
  auto* teil = new QWidget(seite);
  zeitplan_ =
      new QCheckBox(QStringLiteral("&Zeitgesteuerte Kursaktualisierung zu den Zeitpunkten:"), teil);
  zeitplan_->setObjectName(QStringLiteral("K_Z_EinAus"));
  liste_ = new QListWidget(teil);
  liste_->setObjectName(QStringLiteral("K_Z_Liste"));
  liste_->setItemDelegate(new TZeitpunktZeilen(liste_));
  liste_->setMinimumSize(TZeitpunktZeilen::Breite(liste_->fontMetrics()) + 2 * liste_->frameWidth(),
                         110);
  liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  hinzufuegen_ = Knopf(QStringLiteral("Hi&nzufügen..."), "K_Z_Hinzufuegen", teil);
  bearbeiten_ = Knopf(QStringLiteral("&Bearbeiten..."), "K_Z_Bearbeiten", teil);
  loeschen_ = Knopf(QStringLiteral("Lö&schen"), "K_Z_Loeschen", teil);
  connect(zeitplan_, &QCheckBox::toggled, this, [this] { Freigeben(); });
  connect(liste_, &QListWidget::itemSelectionChanged, this, [this] { Freigeben(); });
  connect(liste_, &QListWidget::itemDoubleClicked, this, [this] {
    if (bearbeiten_->isEnabled()) Bearbeiten();
  });
  connect(hinzufuegen_, &QPushButton::clicked, this, [this] { Hinzufuegen(); });
  connect(bearbeiten_, &QPushButton::clicked, this, [this] { Bearbeiten(); });
  connect(loeschen_, &QPushButton::clicked, this, [this] { Loeschen(); });
  auto* knoepfe = new QVBoxLayout;
  for (QPushButton* knopf : {hinzufuegen_, bearbeiten_, loeschen_})
    knoepfe->addWidget(knopf);
  knoepfe->addStretch(1);
  auto* raster = new QGridLayout(teil);
  raster->setContentsMargins(0, 0, 0, 0);
  raster->addWidget(zeitplan_, 0, 0, 1, 2);
  raster->addWidget(liste_, 1, 0);
  raster->addLayout(knoepfe, 1, 1);
  return teil;
}

QWidget* TDialogOptionen::InternetSeite() {
  auto* seite = new QWidget(this);
  dfueVerbinden_ = new QCheckBox(QStringLiteral("Bei Bedarf mit dem Internet &verbinden"), seite);
  dfueVerbinden_->setObjectName(QStringLiteral("DFUe_Verbinden"));
  dfueListe_ = new QComboBox(seite);
  dfueListe_->setObjectName(QStringLiteral("DFUe_Liste"));
  dfueListe_->setMinimumWidth(220);
  dfueBeschriftung_ = Beschriftung(
      QStringLiteral("&DFÜ-Netzwerkverbindung für den Internet-Zugang:"), dfueListe_, seite);
  eigenschaften_ = Knopf(QStringLiteral("&Eigenschaften..."), "DFUe_Eigenschaften", seite);
  wahlwiederholungen_ = Zahlfeld("DFUe_Wahlwiederholung", seite);
  wahlpause_ = Zahlfeld("DFUe_Wahlpause", seite);
  trennen_ = new QCheckBox(QStringLiteral("Verbindung anschließend wieder &trennen"), seite);
  trennen_->setObjectName(QStringLiteral("DFUe_Trennen"));
  auto* wahlLabel =
      Beschriftung(QStringLiteral("&Wahlwiederholungen:"), wahlwiederholungen_, seite);
  auto* pauseLabel = Beschriftung(QStringLiteral("P&ause dazwischen:"), wahlpause_, seite);
  auto* sekunden = new QLabel(QStringLiteral("Sekunden"), seite);
  dfueFelder_ = {dfueBeschriftung_, dfueListe_, wahlLabel, wahlwiederholungen_,
                 pauseLabel,        wahlpause_, sekunden,  trennen_};
  connect(dfueVerbinden_, &QCheckBox::toggled, this, [this] { Freigeben(); });
  connect(dfueListe_, &QComboBox::currentIndexChanged, this, [this] { Freigeben(); });
  connect(eigenschaften_, &QPushButton::clicked, this, [this] { EigenschaftenAnzeigen(); });

  auto* raster = new QGridLayout;
  raster->addWidget(dfueBeschriftung_, 0, 0, 1, 3);
  raster->addWidget(dfueListe_, 1, 0, 1, 2);
  raster->addWidget(eigenschaften_, 1, 2, Qt::AlignLeft);
  raster->addWidget(wahlLabel, 2, 0);
  raster->addWidget(wahlwiederholungen_, 2, 1, Qt::AlignLeft);
  raster->addWidget(pauseLabel, 3, 0);
  auto* pause = new QHBoxLayout;
  pause->addWidget(wahlpause_);
  pause->addWidget(sekunden);
  pause->addStretch(1);
  raster->addLayout(pause, 3, 1);
  raster->addWidget(trennen_, 4, 0, 1, 3);
  raster->setColumnStretch(3, 1);
  raster->setContentsMargins(20, 0, 0, 0);
  auto* layout = new QVBoxLayout(seite);
  layout->addWidget(dfueVerbinden_);
  layout->addLayout(raster);
  layout->addWidget(ProxyTeil(seite));
  layout->addWidget(abonnement_ = new TKontoGruppe(seite));
  layout->addStretch(1);
  return seite;
}

QWidget* TDialogOptionen::ProxyTeil(QWidget* seite) {
  auto* gruppe = new QGroupBox(QStringLiteral("Verbindung über einen HTTP-Proxy-Server"), seite);
  const struct {
    QLineEdit*& Feld;
    const char* Name;
    QString Text;
  } felder[] = {
      {proxyAdresse_, "ProxyAdresse1", QStringLiteral("Adresse des P&roxy-Servers:")},
      {proxyPort_, "ProxyPort1", QStringLiteral("P&ort:")},
      {proxyKennung_, "ProxyKennung1", QStringLiteral("Benutzer&kennung:")},
      {proxyPasswort_, "ProxyPasswort1", QStringLiteral("Pa&sswort:")},
  };
  auto* raster = new QGridLayout(gruppe);
  int zeile = 0;
  for (const auto& f : felder) {
    f.Feld = new QLineEdit(gruppe);
    f.Feld->setObjectName(QString::fromUtf8(f.Name));
    raster->addWidget(Beschriftung(f.Text, f.Feld, gruppe), zeile, 0);
    raster->addWidget(f.Feld, zeile++, 1);
  }
  proxyPasswort_->setEchoMode(QLineEdit::Password);
  return gruppe;
}

void TDialogOptionen::Fuellen(const TOptionenEingabe& o) {
  verzeichnis_->setText(Qt8(o.Datenverzeichnis));
  timeout_->setText(Qt8(o.Timeout));
  protokollieren_->setChecked(o.Protokollieren);
  autoUpdate_->setChecked(o.AutoUpdate);
  updateAdresse_->setText(Qt8(o.UpdateAdresse));
  zeitplan_->setChecked(o.ZeitplanAktiv);
  zeitpunkte_ = o.Zeitpunkte;
  for (const TZeitpunkt& z : zeitpunkte_)
    liste_->addItem(Qt8(z.Anzeigetext()));
  // Without dial-up networking the stored entry is kept as the only choice.
  std::vector<std::string> eintraege = verbindung_->Telefonbuch();
  if (!verbindung_->DFUeInstalliert() && !o.DFUeEintrag.empty()) eintraege = {o.DFUeEintrag};
  for (const std::string& eintrag : eintraege)
    dfueListe_->addItem(Qt8(eintrag));
  dfueListe_->setCurrentIndex(dfueListe_->findText(Qt8(o.DFUeEintrag), Qt::MatchExactly));
  dfueVerbinden_->setChecked(o.DFUeVerbinden);
  wahlwiederholungen_->setText(Qt8(o.Wahlwiederholungen));
  wahlpause_->setText(Qt8(o.Wahlpause));
  trennen_->setChecked(o.DFUeTrennen);
  proxyAdresse_->setText(Qt8(o.ProxyAdresse));
  proxyPort_->setText(Qt8(o.ProxyPort));
  proxyKennung_->setText(Qt8(o.ProxyKennung));
  proxyPasswort_->setText(Qt8(o.ProxyPasswort));
  Freigeben();
}

TOptionenEingabe TDialogOptionen::Eingabe() const {
  TOptionenEingabe o;
  o.Datenverzeichnis = verzeichnis_->text().toStdString();
  o.Timeout = timeout_->text().toStdString();
  o.Protokollieren = protokollieren_->isChecked();
  o.AutoUpdate = autoUpdate_->isChecked();
  o.UpdateAdresse = updateAdresse_->text().toStdString();
  o.ZeitplanAktiv = zeitplan_->isChecked();
  o.Zeitpunkte = zeitpunkte_;
  o.DFUeVerbinden = dfueVerbinden_->isChecked();
  if (dfueListe_->currentIndex() >= 0) o.DFUeEintrag = dfueListe_->currentText().toStdString();
  o.Wahlwiederholungen = wahlwiederholungen_->text().toStdString();
  o.Wahlpause = wahlpause_->text().toStdString();
  o.DFUeTrennen = trennen_->isChecked();
  o.ProxyAdresse = proxyAdresse_->text().toStdString();
  o.ProxyPort = proxyPort_->text().toStdString();
  o.ProxyKennung = proxyKennung_->text().toStdString();
  o.ProxyPasswort = proxyPasswort_->text().toStdString();
  return o;
}

void TDialogOptionen::Freigeben() {
  const TOptionenFreigaben f =
      OptionenFreigaben(Eingabe(), GewaehlteZeile() >= 0, verbindung_->DFUeInstalliert());
  liste_->setEnabled(f.Zeitplan);
  hinzufuegen_->setEnabled(f.Zeitplan);
  bearbeiten_->setEnabled(f.Bearbeiten);
  loeschen_->setEnabled(f.Bearbeiten);
  dfueVerbinden_->setEnabled(f.DFUeVerbinden);
  for (QWidget* feld : dfueFelder_)
    feld->setEnabled(f.DFUeFelder);
  eigenschaften_->setEnabled(f.Eigenschaften);
}

int TDialogOptionen::GewaehlteZeile() const {
  const QList<QListWidgetItem*> gewaehlt = liste_->selectedItems();
  return gewaehlt.isEmpty() ? -1 : liste_->row(gewaehlt.front());
}

void TDialogOptionen::Melden(const QString& text) {
  QMessageBox::warning(this, windowTitle(), text);
}

void TDialogOptionen::VerzeichnisWaehlen() {
  const QString text = verzeichnis_->text().trimmed();
  QFileDialog waehler(this, QStringLiteral("Katalog-Verzeichnis wählen"),
                      text.isEmpty() ? Qt8(umgebung_.Programmverzeichnis) : text);
  waehler.setObjectName(QStringLiteral("Verzeichniswahl"));
  waehler.setFileMode(QFileDialog::Directory);
  waehler.setOption(QFileDialog::ShowDirsOnly);
  waehler.setLabelText(QFileDialog::Accept, QStringLiteral("Wählen"));
  waehler.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
  waehler.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
  waehler.setLabelText(QFileDialog::FileName, QStringLiteral("Verzeichnis:"));
  waehler.setLabelText(QFileDialog::FileType, QStringLiteral("Art:"));
  if (waehler.exec() != QDialog::Accepted || waehler.selectedFiles().isEmpty()) return;
  verzeichnis_->setText(waehler.selectedFiles().front());
}

void TDialogOptionen::LogdateiAnzeigen() {
  const QString name = Qt8(umgebung_.Logdatei);
  std::error_code fehler;
  if (!std::filesystem::is_regular_file(umgebung_.Logdatei, fehler)) {
    Melden(QStringLiteral("Die Logdatei „%1“ gibt es noch nicht: Es wurde noch nichts "
                          "protokolliert.")
               .arg(name));
    return;
  }
  const auto oeffnen = umgebung_.DateiOeffnen ? umgebung_.DateiOeffnen : StandardOeffnen;
  if (!oeffnen(umgebung_.Logdatei)) {
    Melden(QStringLiteral("Die Logdatei „%1“ konnte nicht angezeigt werden.").arg(name));
  }
}

void TDialogOptionen::EigenschaftenAnzeigen() {
  if (!verbindung_->EigenschaftenAnzeigen(dfueListe_->currentText().toStdString())) {
    Melden(QStringLiteral(
        "Fehler beim Anzeigen der DFÜ-Netzwerk-Eigenschaften des gewählten Eintrags."));
  }
}

bool TDialogOptionen::ZeitpunktBearbeiten(TZeitpunkt& zeitpunkt, bool neu) {
  // Runs inside this dialog's event loop: a failure to list the catalogs is
  // shown here and must not leave through Qt.
  std::vector<std::string> kataloge;
  try {
    if (umgebung_.Kataloge) kataloge = umgebung_.Kataloge();
  } catch (const std::exception& e) {
    Melden(QString::fromUtf8(e.what()));
    return false;
  }
  return TDialogZeitpunktBearbeiten::Ausfuehren(this, zeitpunkt, neu, kataloge,
                                                umgebung_.ZeitpunktHilfe);
}

void TDialogOptionen::Hinzufuegen() {
  TZeitpunkt neu;
  if (!ZeitpunktBearbeiten(neu, true)) return;
  zeitpunkte_.push_back(neu);
  liste_->addItem(Qt8(neu.Anzeigetext()));
  liste_->setCurrentRow(liste_->count() - 1);
}

void TDialogOptionen::Bearbeiten() {
  const int zeile = GewaehlteZeile();
  if (zeile < 0) return;
  TZeitpunkt& zeitpunkt = zeitpunkte_[static_cast<std::size_t>(zeile)];
  if (!ZeitpunktBearbeiten(zeitpunkt, false)) return;
  liste_->item(zeile)->setText(Qt8(zeitpunkt.Anzeigetext()));
}

void TDialogOptionen::Loeschen() {
  const int zeile = GewaehlteZeile();
  if (zeile < 0) return;
  zeitpunkte_.erase(zeitpunkte_.begin() + zeile);
  delete liste_->takeItem(zeile);
  Freigeben();
}

void TDialogOptionen::Pruefen() {
  const auto fehler = OptionenPruefen(Eingabe(), verbindung_->DFUeInstalliert());
  if (!fehler) {
    if (AbonnementSchreiben()) accept();
    return;
  }
  const std::pair<TOptionenFeld, QWidget*> felder[] = {
      {TOptionenFeld::Timeout, timeout_},
      {TOptionenFeld::UpdateAdresse, updateAdresse_},
      {TOptionenFeld::DFUeListe, dfueListe_},
      {TOptionenFeld::Wahlwiederholungen, wahlwiederholungen_},
      {TOptionenFeld::Wahlpause, wahlpause_},
  };
  seiten_->setCurrentIndex(static_cast<int>(fehler->Seite));
  for (const auto& [art, feld] : felder) {
    if (art == fehler->Feld) feld->setFocus();
  }
  Melden(Qt8(fehler->Meldung));
}

void TDialogOptionen::AbonnementLaden() {
  // Without a program directory there is no konto.cfg to edit (the dialog's
  // pictures are taken so); the group then shows the defaults.
  if (umgebung_.Programmverzeichnis.empty()) return;
  try {
    abonnementAnfang_ = KontoLaden(umgebung_.Programmverzeichnis);
    abonnement_->Setzen(*abonnementAnfang_);
  } catch (const EKonto& e) {
    abonnement_->Sperren(e.Meldung());
  }
}

bool TDialogOptionen::AbonnementSchreiben() {
  if (umgebung_.Programmverzeichnis.empty() || abonnement_->Gesperrt()) return true;
  if (abonnementAnfang_) {
    TKonto geaendert = *abonnementAnfang_;
    AbonnementUebernehmen(abonnement_->Eingabe(), geaendert);
    if (geaendert == *abonnementAnfang_) return true;
  }
  try {
    AbonnementSpeichern(umgebung_.Programmverzeichnis, abonnement_->Eingabe());
    return true;
  } catch (const EKonto& e) {
    seiten_->setCurrentIndex(static_cast<int>(TOptionenSeite::Internet));
    Melden(Qt8(e.Meldung()));
    return false;
  }
}

bool TDialogOptionen::Ausfuehren(QWidget* eltern, TEinstellungen& einstellungen,
                                 TZeitplaner& zeitplaner, TOptionenUmgebung umgebung) {
  TDialogOptionen dialog(eltern, einstellungen, zeitplaner, std::move(umgebung));
  if (dialog.exec() != QDialog::Accepted) return false;
  // First the file that can fail to be written: then a failure changes nothing.
  if (dialog.Eingabe().UpdateAdresse != dialog.updateAdresseAnfang_)
    UpdateAdresseSchreiben(einstellungen.Programmverzeichnis(), dialog.Eingabe().UpdateAdresse);
  OptionenSchreiben(dialog.Eingabe(), einstellungen, zeitplaner);
  return true;
}

}  // namespace morvane
