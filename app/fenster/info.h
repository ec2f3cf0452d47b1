#pragma once

#include <string>

class QWidget;

namespace morvane {

class TEinstellungen;

// The text of the About box: title, version, the date of the shipped price
// sources ("?" when unknown) and where the example prices come from.
std::string Infotext(const std::string& kursquellenVom = "?");

// The version date of Quellen35.mvq in the settings' program directory as
// "08.12.2026"; "?" when the file cannot be read (the reason goes to the log
// book).
std::string KursquellenVom(const TEinstellungen& einstellungen);

// The About box "Info" (modal).
void InfoZeigen(QWidget* eltern, const TEinstellungen& einstellungen);

}  // namespace morvane
