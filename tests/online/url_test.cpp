#include "online/url.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(Url, ZerlegtAlleTeile) {
  struct Fall {
    const char* url;
    TUrl erwartet;
  };
  const Fall faelle[] = {
      {"http://kurse.example/a/b?c=1", {"http", "", "", "kurse.example", "", "/a/b?c=1"}},
      {"http://kurse.example", {"http", "", "", "kurse.example", "", ""}},
      {"https://u:p@h:8443/x", {"https", "u", "p", "h", "8443", "/x"}},
      {"http://a@b:c@h/x@y", {"http", "a@b", "c", "h", "", "/x@y"}},  // last "@" counts
      {"http://nur@h", {"http", "nur", "", "h", "", ""}},
      {"/pfad/only", {"http", "", "", "", "", "/pfad/only"}},
      {"h:81/x", {"", "", "", "h", "81", "/x"}},
  };
  for (const auto& f : faelle) {
    const TUrl t = UrlZerlegen(f.url);
    EXPECT_EQ(t.Protokoll, f.erwartet.Protokoll) << f.url;
    EXPECT_EQ(t.Benutzer, f.erwartet.Benutzer) << f.url;
    EXPECT_EQ(t.Passwort, f.erwartet.Passwort) << f.url;
    EXPECT_EQ(t.Host, f.erwartet.Host) << f.url;
    EXPECT_EQ(t.Port, f.erwartet.Port) << f.url;
    EXPECT_EQ(t.Pfad, f.erwartet.Pfad) << f.url;
  }
}

TEST(Url, LoestWeiterleitungenAuf) {
  const TUrl aktuell = UrlZerlegen("http://h:81/dir/seite?x");
  EXPECT_EQ(WeiterleitungAufloesen(aktuell, "https://k/z"), "https://k/z");
  EXPECT_EQ(WeiterleitungAufloesen(aktuell, "/neu"), "http://h:81/neu");
  EXPECT_EQ(WeiterleitungAufloesen(aktuell, "nachbar"), "http://h:81/dir/nachbar");
  EXPECT_EQ(WeiterleitungAufloesen(UrlZerlegen("http://h"), "a"), "http://h/a");
}

TEST(Url, Base64MitAuffuellung) {
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("f"), "Zg==");
  EXPECT_EQ(Base64("fo"), "Zm8=");
  EXPECT_EQ(Base64("foo"), "Zm9v");
  EXPECT_EQ(Base64("anna:geheim"), "YW5uYTpnZWhlaW0=");
  EXPECT_EQ(Base64("\xff\xfe"), "//4=");
}

}  // namespace
}  // namespace morvane
