#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "app/optionen/knoepfe.h"
#include "online/zeitplaner.h"

class QCheckBox;
class QLineEdit;

namespace morvane {

// "Neuen Zeitpunkt hinzufügen" / "Zeitpunkt bearbeiten": the time of day, the
// weekdays, the shut-down flag and the catalogs of one time point.
class TDialogZeitpunktBearbeiten : public QDialog {
 public:
  // `kataloge`: the store's catalogs, shown sorted by name.
  TDialogZeitpunktBearbeiten(QWidget* eltern, const TZeitpunkt& zeitpunkt, bool neu,
                             const std::vector<std::string>& kataloge, THilfeAufruf hilfe);

  // The time point as the dialog left it; valid after OK.
  const TZeitpunkt& Zeitpunkt() const { return zeitpunkt_; }

  // Runs the dialog on `zeitpunkt`, which only OK changes.
  static bool Ausfuehren(QWidget* eltern, TZeitpunkt& zeitpunkt, bool neu,
                         const std::vector<std::string>& kataloge, THilfeAufruf hilfe);

  // Catalog check boxes stand this far apart.
  static constexpr int kKatalogAbstand = 18;

 private:
  QWidget* Zeitteil();
  QWidget* Katalogteil(const std::vector<std::string>& kataloge);
  void Pruefen();
  void Uebernehmen();

  TZeitpunkt zeitpunkt_;
  QLineEdit* uhrzeit_ = nullptr;
  std::array<QCheckBox*, 7> tage_{};
  QCheckBox* herunterfahren_ = nullptr;
  std::vector<QCheckBox*> kataloge_;
  std::vector<std::string> katalogNamen_;
};

}  // namespace morvane
