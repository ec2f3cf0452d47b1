#pragma once

#include <QDialogButtonBox>
#include <QString>
#include <functional>
#include <string_view>

class QDialog;

namespace morvane {

// Opens the help page of a dialog; none leaves "Hilfe" disabled.
using THilfeAufruf = std::function<void()>;

// The model's UTF-8 text for a widget.
inline QString Qt8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "OK", "Abbrechen" and "&Hilfe" in the platform's order. OK runs `pruefen`,
// which accepts the dialog itself when the input holds; F1 opens the help too.
QDialogButtonBox* Knopfleiste(QDialog* dialog, const std::function<void()>& pruefen,
                              const THilfeAufruf& hilfe);

}  // namespace morvane
