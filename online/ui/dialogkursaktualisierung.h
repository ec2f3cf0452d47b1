#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace morvane {

class TEinstellungen;

// What the user chose for an update run.
struct TKursaktuWahl {
  std::vector<std::string> Kataloge;  // in the list's (sorted) order
  bool Tageskurse = true;
  bool Historisch = false;
  friend bool operator==(const TKursaktuWahl&, const TKursaktuWahl&) = default;
};

// "Kursaktualisierung": which catalogs to update and whether with the day's
// prices or the price history. All catalogs are offered sorted, those of the
// last list or update run (ListenKataloge) preselected; OK is enabled only
// while a catalog is selected. Only OK writes the choice back to the settings.
class TDialogKursaktualisierung : public QDialog {
 public:
  // `hilfe`, when given, enables "Hilfe" (and F1).
  TDialogKursaktualisierung(std::vector<std::string> kataloge, TEinstellungen& einstellungen,
                            QWidget* eltern = nullptr, std::function<void()> hilfe = {});

  // The choice; valid after OK.
  const TKursaktuWahl& Wahl() const { return wahl_; }

  QListWidget* KatalogListe() const { return kataloge_; }
  QRadioButton* TageskurseKnopf() const { return tageskurse_; }
  QRadioButton* HistorischKnopf() const { return historisch_; }
  QPushButton* OkKnopf() const { return ok_; }

  void accept() override;

 private:
  TEinstellungen& einstellungen_;
  TKursaktuWahl wahl_;
  QListWidget* kataloge_;
  QRadioButton* tageskurse_;
  QRadioButton* historisch_;
  QPushButton* ok_ = nullptr;
};

// Shows the dialog; the choice after OK, nothing after "Abbrechen".
std::optional<TKursaktuWahl> KursaktuWahlAbfragen(QWidget* eltern,
                                                  std::vector<std::string> kataloge,
                                                  TEinstellungen& einstellungen,
                                                  std::function<void()> hilfe = {});

}  // namespace morvane
