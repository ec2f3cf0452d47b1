#include "indicators/ui/feldseite.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "indicators/ui/beschleuniger.h"
#include "indicators/ui/dialogknoepfe.h"

namespace morvane {
namespace {

constexpr int kSpalten = 4;  // label, text before, edit, unit
constexpr std::size_t kHoechstzeilen = 10;

QLabel* Ueberschrift(const std::string& text, QWidget* eltern, bool fett) {
  auto* label = new QLabel(UiText(OhneBeschleuniger(text)), eltern);
  label->setTextFormat(Qt::PlainText);
  if (fett) {
    QFont schrift = label->font();
    schrift.setBold(true);
    label->setFont(schrift);
  }
  return label;
}

// The captions that take an accelerator: a field's label, a choice's buttons.
std::vector<std::string> Beschriftungen(const TBerechnungsseite& seite) {
  std::vector<std::string> texte;
  for (const TEingabefeld& feld : seite.Felder) {
    if (feld.Art == TFeldart::Auswahl)
      texte.insert(texte.end(), feld.Auswahl.begin(), feld.Auswahl.end());
    else
      texte.push_back(feld.Beschriftung);
  }
  return texte;
}

// A long page with several headed sections is shown in two columns: the
// index of the field that starts the second one (the section start nearest to
// the middle), or the number of fields for one column.
std::size_t Teilung(const TBerechnungsseite& seite) {
  const std::size_t n = seite.Felder.size();
  std::size_t teilung = n;
  if (n <= kHoechstzeilen) return teilung;
  for (std::size_t i = 1; i < n; ++i) {
    if (seite.Felder[i].Ueberschrift.empty()) continue;
    const auto abstand = [n](std::size_t k) { return k > n / 2 ? k - n / 2 : n / 2 - k; };
    if (teilung == n || abstand(i) < abstand(teilung)) teilung = i;
  }
  return teilung;
}

}  // namespace

TFeldseite::TFeldseite(const TBerechnungsseite& seite, std::string& belegt, QWidget* eltern)
    : QWidget(eltern) {
  auto* spalte = new QVBoxLayout(this);
  if (!seite.Ueberschrift.empty()) spalte->addWidget(Ueberschrift(seite.Ueberschrift, this, true));
  auto* spalten = new QHBoxLayout;
  spalte->addLayout(spalten);
  spalte->addStretch(1);

  const std::vector<std::string> texte = MitBeschleunigern(Beschriftungen(seite), belegt);
  const std::size_t teilung = Teilung(seite);
  std::size_t naechster = 0;
  for (std::size_t i = 0; i < seite.Felder.size(); ++i) {
    if (i == 0 || i == teilung) {
      if (i > 0) spalten->addSpacing(24);
      raster_ = new QGridLayout;
      raster_->setColumnStretch(kSpalten, 1);
      spalten->addLayout(raster_, 1);
      spalten->setAlignment(raster_, Qt::AlignTop);
      zeile_ = 0;
    }
    const TEingabefeld& feld = seite.Felder[i];
    if (!feld.Ueberschrift.empty()) {
      raster_->addWidget(Ueberschrift(feld.Ueberschrift, this, false), zeile_++, 0, 1, kSpalten);
    }
    if (feld.Art == TFeldart::Auswahl) {
      const auto anfang = texte.begin() + static_cast<std::ptrdiff_t>(naechster);
      Auswahl(feld, {anfang, anfang + static_cast<std::ptrdiff_t>(feld.Auswahl.size())});
      naechster += feld.Auswahl.size();
    } else {
      felder_.push_back({Zeile(feld, UiText(texte[naechster++])), {}});
    }
  }
  if (!raster_) {
    raster_ = new QGridLayout;
    spalten->addLayout(raster_);
  }
}

QLineEdit* TFeldseite::Zeile(const TEingabefeld& feld, const QString& beschriftung) {
  auto* label = new QLabel(beschriftung, this);
  auto* eingabe = new QLineEdit(this);
  label->setBuddy(eingabe);
  eingabe->setFixedWidth(eingabe->fontMetrics().horizontalAdvance(QStringLiteral("0000000,00")));
  raster_->addWidget(label, zeile_, 0);
  if (!feld.Vorsatz.empty())
    raster_->addWidget(new QLabel(UiText(feld.Vorsatz), this), zeile_, 1, Qt::AlignRight);
  raster_->addWidget(eingabe, zeile_, 2);
  if (!feld.Einheit.empty()) raster_->addWidget(new QLabel(UiText(feld.Einheit), this), zeile_, 3);
  ++zeile_;
  return eingabe;
}

void TFeldseite::Auswahl(const TEingabefeld& feld, const std::vector<std::string>& texte) {
  auto* rahmen = new QGroupBox(UiText(OhneBeschleuniger(feld.Beschriftung)), this);
  auto* spalte = new QVBoxLayout(rahmen);
  auto* gruppe = new QButtonGroup(rahmen);
  TFeld f;
  for (const std::string& text : texte) {
    auto* knopf = new QRadioButton(UiText(text), rahmen);
    gruppe->addButton(knopf);
    spalte->addWidget(knopf);
    f.Knoepfe.push_back(knopf);
  }
  raster_->addWidget(rahmen, zeile_++, 0, 1, kSpalten);
  felder_.push_back(std::move(f));
}

QLineEdit* TFeldseite::AnzeigeAnfuegen(const TEingabefeld& beschreibung) {
  QLineEdit* anzeige = Zeile(beschreibung, UiText(OhneBeschleuniger(beschreibung.Beschriftung)));
  anzeige->setReadOnly(true);
  anzeige->setFocusPolicy(Qt::NoFocus);
  return anzeige;
}

std::vector<std::string> TFeldseite::Texte() const {
  std::vector<std::string> texte;
  for (const TFeld& f : felder_) {
    if (f.Eingabe) {
      texte.push_back(f.Eingabe->text().toStdString());
      continue;
    }
    std::string text;
    for (std::size_t i = 0; i < f.Knoepfe.size(); ++i) {
      if (f.Knoepfe[i]->isChecked()) text = std::to_string(i);
    }
    texte.push_back(text);
  }
  return texte;
}

void TFeldseite::TexteSetzen(const std::vector<std::string>& texte) {
  for (std::size_t i = 0; i < felder_.size() && i < texte.size(); ++i) {
    const TFeld& f = felder_[i];
    if (f.Eingabe) {
      f.Eingabe->setText(UiText(texte[i]));
      continue;
    }
    const std::string& text = texte[i];
    QButtonGroup* gruppe = f.Knoepfe.empty() ? nullptr : f.Knoepfe.front()->group();
    if (gruppe) gruppe->setExclusive(false);
    for (std::size_t k = 0; k < f.Knoepfe.size(); ++k)
      f.Knoepfe[k]->setChecked(text == std::to_string(k));
    if (gruppe) gruppe->setExclusive(true);
  }
}

void TFeldseite::Markieren(int feld) {
  const TFeld& f = felder_.at(static_cast<std::size_t>(feld));
  if (f.Eingabe) {
    f.Eingabe->setFocus(Qt::OtherFocusReason);
    f.Eingabe->selectAll();
    return;
  }
  QRadioButton* ziel = f.Knoepfe.empty() ? nullptr : f.Knoepfe.front();
  for (QRadioButton* knopf : f.Knoepfe) {
    if (knopf->isChecked()) ziel = knopf;
  }
  if (ziel) ziel->setFocus(Qt::OtherFocusReason);
}

}  // namespace morvane
