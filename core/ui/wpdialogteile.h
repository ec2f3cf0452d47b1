#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace morvane {

// What the security dialogs need from their surroundings; the defaults show
// Qt message boxes, tests record instead.
struct TWPDialogUmgebung {
  // Shows an error message; the dialog stays open.
  std::function<void(QWidget*, const std::string&)> Fehler;
  // Asks a Yes/No question; true for Yes.
  std::function<bool(QWidget*, const std::string&)> Frage;
  // Opens the help at a topic; without it "Hilfe" is disabled.
  std::function<void(int kontext)> Hilfe;
};

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

}  // namespace morvane
