#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace morvane {

// Opens the help at a topic. Without one the dialogs show "Hilfe" disabled.
using THilfe = std::function<void(int kontext)>;

inline constexpr int kHilfeChartAnsicht = 1301;
inline constexpr int kHilfeChartVorlagen = 1303;

// The model's UTF-8 text for a widget.
inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The "&Hilfe" button of `dialog`, which F1 presses too; disabled without `hilfe`.
QPushButton* HilfeKnopf(QWidget* dialog, const THilfe& hilfe, int kontext);

// The button row at the foot of a dialog: `links` (when given) on the left,
// then "OK" (the default, accepting), "Abbrechen" (rejecting) and "&Hilfe"
// on the right.
QHBoxLayout* OkAbbrechenHilfe(QDialog* dialog, const THilfe& hilfe, int kontext,
                              QWidget* links = nullptr);

}  // namespace morvane
