#include "app/optionen/kontogruppe.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/optionen/knoepfe.h"

namespace morvane {

void AbonnementUebernehmen(const TKonto& eingabe, TKonto& konto) {
  konto.OnvistaNummer = eingabe.OnvistaNummer;
  konto.OnvistaName = eingabe.OnvistaName;
  konto.OnvistaPasswort = eingabe.OnvistaPasswort;
  konto.Agent = eingabe.Agent;
}

void AbonnementSpeichern(const std::string& programmverzeichnis, const TKonto& eingabe) {
  TKonto konto = KontoLaden(programmverzeichnis);
  AbonnementUebernehmen(eingabe, konto);
  KontoSpeichern(programmverzeichnis, konto);
}

TKontoGruppe::TKontoGruppe(QWidget* eltern)
    : QGroupBox(QStringLiteral("Kursabonnement"), eltern),
      nummer_(new QLineEdit(this)),
      name_(new QLineEdit(this)),
      passwort_(new QLineEdit(this)),
      agent_(new QLineEdit(this)),
      grund_(new QLabel(this)) {
  setObjectName(QStringLiteral("Kursabonnement"));
  const struct {
    QLineEdit* Feld;
    const char* Name;
    QString Text;
  } felder[] = {
      {nummer_, "Abo_Kundennummer", QStringLiteral("K&undennummer:")},
      {name_, "Abo_Benutzername", QStringLiteral("Benutzer&name:")},
      {passwort_, "Abo_Passwort", QStringLiteral("&Passwort:")},
      {agent_, "Abo_Agent", QStringLiteral("&Browser-Kennung:")},
  };
  auto* raster = new QGridLayout(this);
  int zeile = 0;
  for (const auto& f : felder) {
    f.Feld->setObjectName(QString::fromUtf8(f.Name));
    auto* label = new QLabel(f.Text, this);
    label->setBuddy(f.Feld);
    raster->addWidget(label, zeile, 0);
    raster->addWidget(f.Feld, zeile++, 1);
  }
  passwort_->setEchoMode(QLineEdit::Password);
  agent_->setToolTip(QStringLiteral(
      "Wird bei jeder Anfrage an eine Kursquelle gesendet; leer: die Kennung eines Browsers."));
  grund_->setWordWrap(true);
  grund_->hide();
  raster->addWidget(grund_, zeile, 0, 1, 2);
}

void TKontoGruppe::Setzen(const TKonto& konto) {
  nummer_->setText(Qt8(konto.OnvistaNummer));
  name_->setText(Qt8(konto.OnvistaName));
  passwort_->setText(Qt8(konto.OnvistaPasswort));
  agent_->setText(Qt8(konto.Agent));
}

TKonto TKontoGruppe::Eingabe() const {
  TKonto konto;
  konto.OnvistaNummer = nummer_->text().trimmed().toStdString();
  konto.OnvistaName = name_->text().toStdString();
  konto.OnvistaPasswort = passwort_->text().toStdString();
  konto.Agent = agent_->text().trimmed().toStdString();
  return konto;
}

void TKontoGruppe::Sperren(const std::string& grund) {
  gesperrt_ = true;
  for (QLineEdit* feld : {nummer_, name_, passwort_, agent_})
    feld->setEnabled(false);
  grund_->setText(Qt8(grund));
  grund_->show();
}

}  // namespace morvane
