#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// Fixed-point text with a decimal comma; "-0,00" is written "0,00".
std::string ZahlZuText(int dezimalen, double x);
// As ZahlZuText, with a blank as thousands separator ("1 234,56").
std::string ZahlZuTextGruppiert(int dezimalen, double x);
// Four decimals, two of them dropped when "00"; with `ohneNachkomma` a
// remaining ",00" is dropped too ("12,3456", "12,50", "12").
std::string KursZuText(double x, bool ohneNachkomma = false);
std::string KursZuTextGruppiert(double x, bool ohneNachkomma = false);
std::string ZahlZuTextGanz(std::int64_t n);

// Reads a decimal comma or point; digits after the `dezimalen`-th decimal are
// cut off (not rounded). A blank inside the number fails, and so does a second
// comma or point (thousands separators: "2.560,00" is refused, never 2,56).
std::optional<double> TextZuZahl(std::string_view text, int dezimalen);
std::optional<std::int32_t> TextZuGanzzahl(std::string_view text);
std::optional<std::uint8_t> TextZuByte(std::string_view text);
std::optional<std::uint16_t> TextZuWord(std::string_view text);

// Removes the text up to and including the first `trenner` and returns the part
// before it; without a separator the whole text is returned and `text` emptied.
std::string NaechstesFeld(std::string& text, char trenner);

// Text without leading and trailing blanks and control characters (<= ' ').
std::string_view Trimmen(std::string_view text);

}  // namespace morvane
