#pragma once

#include <QDialog>
#include <QString>
#include <string>
#include <vector>

#include "platform/tabellendruck.h"

class QPushButton;
class QTreeWidget;

namespace morvane {

// "Ergebnis der Kursaktualisierung": the securities that got no prices, one
// line "Katalog / Bezeichnung<tab>Grund" each, sorted, in two columns.
// "Drucken" prints them as a table after the print dialog; "Liste speichern"
// writes them into a text file chosen by the user (asking before it replaces
// one) atomically, so a failed save leaves an older file as it was. Failures
// are shown here and never leave the dialog's event loop.
class TDialogKursloseWPs : public QDialog {
 public:
  explicit TDialogKursloseWPs(std::vector<std::string> zeilen, QWidget* eltern = nullptr);

  const std::vector<std::string>& Zeilen() const { return zeilen_; }
  // The print choice, kept while the dialog lives; preset to the first
  // installed printer or, without one, a PDF file in the home directory.
  TDruckAuftrag& Auftrag() { return auftrag_; }
  // Where the file chooser starts (the home directory unless set).
  void SetzeVerzeichnis(const QString& verzeichnis) { verzeichnis_ = verzeichnis; }

  QTreeWidget* Liste() const { return liste_; }
  QPushButton* DruckenKnopf() const { return drucken_; }
  QPushButton* SpeichernKnopf() const { return speichern_; }

  void Drucken();
  void Speichern();

 private:
  // False after the user declined to replace the file.
  bool UeberschreibenErlaubt(const QString& datei);
  void Fehler(const QString& text);

  std::vector<std::string> zeilen_;
  TDruckAuftrag auftrag_;
  QString verzeichnis_;
  QTreeWidget* liste_;
  QPushButton* drucken_;
  QPushButton* speichern_;
};

// The text file "Liste speichern" writes: the lines, each ended by "\n".
std::string KursloseWPsText(const std::vector<std::string>& zeilen);

}  // namespace morvane
