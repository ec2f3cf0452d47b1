#pragma once

#include <QFormLayout>
#include <QLabel>
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grafik/drucktabelle.h"

class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace morvane {

// What the security dialogs need from their surroundings; the defaults show
// Qt message boxes, tests record instead.
// A list as the table printer takes it: the title, one column per entry with
// its caption and alignment, the rows with their cells separated by tabs.
struct TDruckListe {
  std::string Titel;
  std::vector<TDruckSpalte> Spalten;
  std::vector<std::string> Zeilen;
};

struct TWPDialogUmgebung {
  // Shows an error message; the dialog stays open.
  std::function<void(QWidget*, const std::string&)> Fehler;
  // Asks a Yes/No question; true for Yes.
  std::function<bool(QWidget*, const std::string&)> Frage;
  // Opens the help at a topic; without it "Hilfe" is disabled.
  std::function<void(int kontext)> Hilfe;
  // Prints a list after asking for printer and orientation; throws an
  // Exception when printing fails. Without it "Drucken..." is disabled.
  std::function<void(QWidget*, const TDruckListe&)> Drucken;
};

// Prints `liste` through the environment; a failure is shown as an error and
// the dialog stays as it was.
void ListeDruckenLassen(QWidget* dialog, const TWPDialogUmgebung& umgebung,
                        const TDruckListe& liste);

// Message boxes for Fehler and Frage, no help.
TWPDialogUmgebung StandardUmgebung();

inline constexpr int kHilfeWPEigenschaften = 1201;
inline constexpr int kHilfeWPTransaktionen = 1202;
inline constexpr int kHilfeWPSplit = 1203;
inline constexpr int kHilfeWPKurstabelle = 1204;
inline constexpr int kHilfeKatalogUmbenennen = 1205;
inline constexpr int kHilfeWPKopieren = 1206;
inline constexpr int kHilfeWPLoeschen = 1102;

// The model's UTF-8 text for a widget and back.
inline QString UiText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string ModellText(const QString& text) {
  return text.toUtf8().toStdString();
}

// OK, Abbrechen and Hilfe in the platform's order; OK runs `pruefen`, which
// accepts the dialog itself when everything was taken. F1 presses "Hilfe".
QDialogButtonBox* Knopfleiste(QDialog* dialog, const TWPDialogUmgebung& umgebung, int kontext,
                              std::function<void()> pruefen);

// Adds `feld` to `form` under a label whose access key focuses it.
template <class T>
T* Beschriftet(QWidget* eltern, QFormLayout* form, const char* beschriftung, T* feld) {
  auto* label = new QLabel(QString::fromUtf8(beschriftung), eltern);
  label->setBuddy(feld);
  form->addRow(label, feld);
  return feld;
}
// A labelled line edit holding `text`.
QLineEdit* Eingabefeld(QWidget* eltern, QFormLayout* form, const char* beschriftung,
                       std::string_view text = {});
// A push button that runs `aktion`.
QPushButton* Knopf(QWidget* eltern, const char* text, std::function<void()> aktion);

// Runs `schreiben` (a change through the store); a failure is shown and
// false returned, so that the dialog stays open.
bool Gespeichert(QWidget* dialog, const TWPDialogUmgebung& umgebung,
                 const std::function<void()>& schreiben);

}  // namespace morvane
