#pragma once

#include <QDialog>
#include <string>

#include "core/transaktionsbearbeitung.h"
#include "core/ui/wpdialogteile.h"
#include "store/wpverwaltung.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace morvane {

// "Transaktionen": the security's transactions as a list beside the input
// fields. "Hinzufügen ->" and "Entfernen <-" edit a copy in memory; OK writes
// the list and undoes the price adjustment of every removed split in one
// locked change of the stored security. Cancel writes nothing.
class TDialogWPTransaktionen : public QDialog {
 public:
  TDialogWPTransaktionen(QWidget* eltern, const TWPVerwaltung& verwaltung, std::string id,
                         Boersentag heute, TWPDialogUmgebung umgebung);

  const TTransaktionsbearbeitung& Bearbeitung() const { return bearbeitung_; }
  void Hinzufuegen();
  void Entfernen();
  void Pruefen();

  QTreeWidget* Liste() const { return liste_; }
  QComboBox* TypAuswahl() const { return typ_; }
  QLineEdit* DatumEdit() const { return datum_; }
  QLineEdit* StueckEdit() const { return stueck_; }
  QLineEdit* KursEdit() const { return kurs_; }
  QLineEdit* BetragEdit() const { return betrag_; }
  QPushButton* DruckenKnopf() const { return drucken_; }

 private:
  void Drucken();
  void ListeFuellen(int auswahl);
  void ZeileGewaehlt();
  void EingabeZeigen(const TTransaktionsEingabe& eingabe);
  QLineEdit* FeldZu(TTransaktionsfeld feld) const;

  const TWPVerwaltung& verwaltung_;
  std::string id_;
  TWPDialogUmgebung umgebung_;
  TTransaktionsbearbeitung bearbeitung_;
  QLabel* name_;
  QTreeWidget* liste_;
  QComboBox* typ_;
  QLineEdit* datum_;
  QLineEdit* stueck_;
  QLineEdit* kurs_;
  QLineEdit* betrag_;
  QPushButton* drucken_;
};

}  // namespace morvane
