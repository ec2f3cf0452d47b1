#include "online/interpreterzeile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/textkodierung.h"

namespace morvane {
namespace {

std::vector<std::string> Zeilen(const std::string& seite) {
  TInterpreterZeile zeile(seite);
  std::vector<std::string> zeilen;
  while (zeile.Lesen())
    zeilen.push_back(zeile.Text());
  return zeilen;
}

TEST(InterpreterZeile, LineEnds) {
  using V = std::vector<std::string>;
  const std::pair<std::string, V> faelle[] = {
      {"a\r\nb", {"a", "b"}},         {"a\n\rb", {"a", "b"}}, {"a\r\rb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}}, {"\r\n\r", {"", ""}},   {"a\tb\n", {"a b"}},
  };
  for (const auto& [seite, erwartet] : faelle)
    EXPECT_EQ(Zeilen(seite), erwartet) << seite;

  TInterpreterZeile zeile("eins\r\nzwei");
  ASSERT_TRUE(zeile.Lesen());
  ASSERT_TRUE(zeile.Lesen());
  EXPECT_EQ(zeile.GeleseneBytes(), 10);
  zeile.VonVorn();
  EXPECT_EQ(zeile.Text(), "");
  ASSERT_TRUE(zeile.Lesen());
  EXPECT_EQ(zeile.Text(), "eins");
}

TEST(InterpreterZeile, ColumnsCountCharactersInAnyOrder) {
  const std::string text = "aä€😀b ß";
  TInterpreterZeile zeile(text);
  ASSERT_TRUE(zeile.Lesen());
  // Forwards, backwards and jumps, also beyond the end of the line.
  for (std::size_t spalte : {1, 7, 2, 3, 9, 4, 1, 5, 6, 8, 2}) {
    EXPECT_EQ(zeile.Byte(spalte), Utf8Offset(text, spalte - 1)) << spalte;
  }
  for (std::size_t byte : {text.size(), std::size_t{0}, std::size_t{3}, std::size_t{10},
                           std::size_t{1}, std::size_t{6}}) {
    EXPECT_EQ(zeile.Spalte(byte), Utf8Laenge(text.substr(0, byte)) + 1) << byte;
  }
  EXPECT_EQ(zeile.Zeichen("ä€b"), 3u);
}

TEST(InterpreterZeile, RememberedSearchesStayRight) {
  using enum TInterpreterZeile::TSuche;
  constexpr auto npos = std::string::npos;
  // Matches far apart, so that the remembered answers are used: ";" at 1 and
  // 103, blanks up to 102 and from 105 to 204, a control character at 205.
  const std::string blanks(100, ' ');
  TInterpreterZeile zeile("a;b" + blanks + ";c" + blanks + "\x01x\n" + blanks + "x;");
  ASSERT_TRUE(zeile.Lesen());
  struct TFall {
    TInterpreterZeile::TSuche Art;
    const char* Muster;
    std::size_t Ab;
    std::size_t Fund;
  };
  const TFall faelle[] = {
      {Text, ";", 0, 1},        {Text, ";", 2, 103},       {Text, ";", 10, 103},
      {Text, ";", 1, 1},        {Text, ";", 104, npos},    {Text, ";", 150, npos},
      {Text, ";", 2, 103},      {KeinesVon, " ", 3, 103},  {EinesVon, ";x", 104, 206},
      {Sichtbar, "", 105, 206}, {Sichtbar, "", 207, npos}, {Sichtbar, "", 3, 103},
  };
  for (const auto& f : faelle) {
    EXPECT_EQ(zeile.Finden(f.Art, f.Muster, f.Ab), f.Fund)
        << static_cast<int>(f.Art) << " '" << f.Muster << "' ab " << f.Ab;
  }
  // The next line answers for itself.
  ASSERT_TRUE(zeile.Lesen());
  EXPECT_EQ(zeile.Finden(Text, ";", 2), 101u);
  EXPECT_EQ(zeile.Finden(Sichtbar, "", 3), 100u);
}

}  // namespace
}  // namespace morvane
