#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>

#include "online/httpcli.h"
#include "online/httpfehler.h"
#include "testhilfe/ausnahme.h"
#include "testhilfe/serverprozess.h"
#include "testhilfe/tempverzeichnis.h"

namespace morvane {
namespace {

// nginx with TLS and tinyproxy with Basic authentication, started once for
// the suite; the test CA reaches the client through SSL_CERT_FILE, the way a
// user points it at another store.
class Https : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const test::TTlsServer& server = test::TlsServer();
    fehlt_ = server.Fehlt();
    https_ = server.HttpsPort();
    falsch_ = server.FalschPort();
    proxy_ = server.ProxyPort();
    klar_ = server.KlarPort();
    if (fehlt_.empty())
      test::DateiAnlegen(server.Wurzel() + "index.html", "<html>hallo sicher</html>\n");
  }
  void SetUp() override {
    if (!fehlt_.empty())
      GTEST_SKIP() << "nginx-light, tinyproxy oder openssl fehlt (" << fehlt_
                   << "): tools/pakete.sh installiert sie";
    cli_.Senke = [this](std::string_view s) { dokument_ += s; };
    cli_.Zeitlimit = std::chrono::seconds(10);
  }
  void UeberProxy(const std::string& passwort) {
    cli_.Proxy = "127.0.0.1:" + proxy_;
    cli_.ProxyUsername = "kunde";
    cli_.ProxyPassword = passwort;
  }

  static inline std::string fehlt_, https_, falsch_, proxy_, klar_;
  THttpCli cli_;
  std::string dokument_;
};

TEST_F(Https, DirektUndUeberDenProxy) {
  struct Fall {
    std::string url;
    bool proxy;
  };
  const Fall faelle[] = {
      {"https://127.0.0.1:" + https_ + "/", false},
      {"https://localhost:" + https_ + "/index.html", false},  // by name: SNI and DNS check
      {"https://127.0.0.1:" + https_ + "/", true},
      {"http://127.0.0.1:" + klar_ + "/", true},
  };
  for (const auto& f : faelle) {
    dokument_.clear();
    cli_.Proxy.clear();
    if (f.proxy) UeberProxy("passwort");
    cli_.URL = f.url;
    cli_.Get();
    EXPECT_EQ(dokument_, "<html>hallo sicher</html>\n") << f.url;
    EXPECT_EQ(cli_.StatusCode(), 200);
    EXPECT_EQ(cli_.ContentType(), "text/html");
  }
}

TEST_F(Https, FalschesProxyPasswort) {
  for (const std::string& url :
       {"https://127.0.0.1:" + https_ + "/", "http://127.0.0.1:" + klar_}) {
    UeberProxy("falsch");
    cli_.URL = url;
    try {
      cli_.Get();
      ADD_FAILURE() << "keine Ausnahme bei " << url;
    } catch (const EHttpException& e) {
      // tinyproxy answers 401 where 407 is usual; either is the proxy's refusal.
      EXPECT_TRUE(e.Status() == 407 || e.Status() == 401) << url << ": " << e.Status();
      EXPECT_EQ(cli_.StatusCode(), e.Status());
    }
    EXPECT_EQ(dokument_, "");
  }
}

TEST_F(Https, ZertifikatEinesAnderenHostsUndRueckfallAufHttp) {
  cli_.URL = "https://127.0.0.1:" + falsch_ + "/";
  EXPECT_THROW_MSG(cli_.Get(), EHttpException,
                   "Das Zertifikat von 127.0.0.1 ist nicht vertrauenswürdig: IP address mismatch");
  UeberProxy("passwort");  // the tunnel changes nothing about the check
  EXPECT_THROW_MSG(cli_.Get(), EHttpException,
                   "Das Zertifikat von 127.0.0.1 ist nicht vertrauenswürdig: IP address mismatch");
  cli_.Proxy.clear();
  cli_.URL = "https://127.0.0.1:" + https_ + "/nachhttp";
  EXPECT_THROW_MSG(
      cli_.Get(), EHttpException,
      "Weiterleitung von HTTPS auf unverschlüsseltes HTTP abgelehnt: http://127.0.0.1:" + klar_ +
          "/");
  EXPECT_EQ(dokument_, "");
}

}  // namespace
}  // namespace morvane
