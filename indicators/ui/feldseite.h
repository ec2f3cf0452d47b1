#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "indicators/parameterseite.h"

class QGridLayout;
class QLineEdit;
class QRadioButton;

namespace morvane {

// A page of input fields built from its description: a heading, then per
// field an optional heading, its label, the text before the edit, the edit
// and its unit; a choice field is a framed group of radio buttons. The page
// only holds texts; reading and checking them is the model's.
class TFeldseite : public QWidget {
 public:
  // `belegt` holds the accelerator letters already taken in the dialog; the
  // page's labels take theirs from what is left and add them.
  TFeldseite(const TBerechnungsseite& seite, std::string& belegt, QWidget* eltern = nullptr);

  // One text per field, in field order; a choice field gives the index of the
  // chosen button, empty when none is chosen.
  std::vector<std::string> Texte() const;
  void TexteSetzen(const std::vector<std::string>& texte);
  int Anzahl() const { return static_cast<int>(felder_.size()); }
  // The edit of a field, null for a choice field.
  QLineEdit* Eingabe(int feld) const { return felder_.at(static_cast<std::size_t>(feld)).Eingabe; }
  // The radio buttons of a choice field.
  const std::vector<QRadioButton*>& Knoepfe(int feld) const {
    return felder_.at(static_cast<std::size_t>(feld)).Knoepfe;
  }
  // Focuses the field and selects its text, so the user can type over it.
  void Markieren(int feld);
  // Appends a read-only row laid out like the fields (no accelerator).
  QLineEdit* AnzeigeAnfuegen(const TEingabefeld& beschreibung);

 private:
  struct TFeld {
    QLineEdit* Eingabe = nullptr;
    std::vector<QRadioButton*> Knoepfe;
  };
  QLineEdit* Zeile(const TEingabefeld& feld, const QString& beschriftung);
  void Auswahl(const TEingabefeld& feld, const std::vector<std::string>& texte);

  QGridLayout* raster_ = nullptr;
  int zeile_ = 0;
  std::vector<TFeld> felder_;
};

}  // namespace morvane
