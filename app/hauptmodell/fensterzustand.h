#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

class TEinstellungen;

// Left, top, width, height of the main window.
using TFensterrechteck = std::array<std::int32_t, 4>;

// The stored window rectangle when it may be applied: not the untouched
// default (width equal to left and height equal to top, as 0, 0, 0, 0) and
// with a positive size.
std::optional<TFensterrechteck> GespeichertesRechteck(const TEinstellungen& einstellungen);

// What the main window hands over when it closes.
struct TFensterzustand {
  bool Maximiert = false;
  // Only used when the window is not maximised.
  TFensterrechteck Rechteck{};
  std::vector<std::string> OffeneKataloge;
  // The selected security's ID, if any.
  std::optional<std::string> OffenesWertpapier;
};

// Writes the state into the settings and saves them (atomically). A
// maximised window keeps the rectangle stored before, so that it opens there
// again when it is restored. EEinstellungen of the save reaches the caller.
void FensterzustandSpeichern(TEinstellungen& einstellungen, const TFensterzustand& zustand);

// The width of the left panel while its splitter is dragged: the mouse x less
// the x where the drag began, at most the client width less the splitter's
// width, never below 0.
int PanelBreite(int mausX, int startX, int clientBreite, int teilerBreite);
// The height of the catalog list while the splitter between the lists is
// dragged: the mouse y less the y where the drag began, at most the panel's
// height less the splitter's and the header's height, never below 0.
int KataloglistenHoehe(int mausY, int startY, int panelHoehe, int teilerHoehe, int kopfHoehe);

}  // namespace morvane
