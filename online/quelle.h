#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

// Kinds of price sources: how the page is fetched.
enum TQuellenArt : std::uint8_t {
  qaInternetAktuell = 0,
  qaInternetHistorisch = 1,
  qaTextdateiAktHist = 2,
  qaInternet = 3,
  qaTextdatei = 4,
};

// "Internet (aktuell)", ... by kind; empty for an unknown kind.
std::string_view QuellenArtText(std::uint8_t art);

// One price source: where the page comes from (URL template or file path) and
// the script that reads the prices out of it.
struct TQuelle {
  std::uint8_t Art = qaInternet;
  std::string Name;
  // Carried along from the source file, not interpreted here.
  std::string Text2;
  std::string Text3;
  std::string UrlVorlage;
  std::string Text5;
  // 2: HTML page, its character entities are decoded; any other value: text.
  std::uint8_t Seitentyp = 2;
  std::string Script;

  // Kind text, ": " and name; securities refer to sources by it.
  std::string Anzeigename() const;
  bool IstHtml() const { return Seitentyp == 2; }
  // Read from a local file instead of being downloaded.
  bool IstTextdatei() const { return Art == qaTextdateiAktHist || Art == qaTextdatei; }

  friend bool operator==(const TQuelle&, const TQuelle&) = default;
};

}  // namespace morvane
