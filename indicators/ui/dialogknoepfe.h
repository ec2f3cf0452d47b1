#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QDialog;
class QDialogButtonBox;

namespace morvane {

// Opens the help at the indicator dialogs' topic. Without one the dialogs show
// "Hilfe" disabled.
using TIndHilfe = std::function<void()>;

// The model's UTF-8 text for a widget.
inline QString UiText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "OK", "Abbrechen" and "&Hilfe" in the platform's order, connected to the
// dialog's accept and reject; F1 opens the help too. OK is the default button.
QDialogButtonBox* DialogKnoepfe(QDialog* dialog, const TIndHilfe& hilfe);

}  // namespace morvane
