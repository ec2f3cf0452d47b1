#pragma once

#include <string>
#include <vector>

#include "testhilfe/tempverzeichnis.h"

namespace morvane::test {

// A server program the test starts and stops itself. The program prints its
// port (or, for several servers, what the test needs to know) on the first
// line of its standard output; the destructor terminates it and waits for it.
class TServerProzess {
 public:
  explicit TServerProzess(const std::vector<std::string>& befehl);
  ~TServerProzess();
  TServerProzess(const TServerProzess&) = delete;
  TServerProzess& operator=(const TServerProzess&) = delete;

  const std::string& Port() const { return port_; }
  const std::string& Zeile() const { return port_; }
  std::string Url(const std::string& pfad) const { return "http://127.0.0.1:" + port_ + pfad; }

 private:
  int pid_ = -1;
  std::string port_;
};

// nginx with TLS and tinyproxy (tlsumgebung.py) on 127.0.0.1 serving the
// directory Wurzel(), with its test certificate authority handed to the HTTPS
// client through SSL_CERT_FILE. The client reads its authorities once per
// process, so all tests of a program share this one server (TlsServer()) and
// each writes its files into a folder of its own below Wurzel(). Fehlt()
// names the missing program when nginx, tinyproxy or openssl is not there.
class TTlsServer {
 public:
  TTlsServer();
  const std::string& Fehlt() const { return fehlt_; }
  const std::string& Wurzel() const { return wurzel_.Pfad(); }
  std::string Https(const std::string& pfad) const { return "https://127.0.0.1:" + https_ + pfad; }
  std::string Http(const std::string& pfad) const { return "http://127.0.0.1:" + klar_ + pfad; }
  // The ports: HTTPS, HTTPS with another host's certificate, proxy, HTTP.
  const std::string& HttpsPort() const { return https_; }
  const std::string& FalschPort() const { return falsch_; }
  const std::string& ProxyPort() const { return proxy_; }
  const std::string& KlarPort() const { return klar_; }

 private:
  TTempVerzeichnis wurzel_;
  TServerProzess prozess_;
  std::string https_, falsch_, proxy_, klar_, fehlt_;
};

TTlsServer& TlsServer();

// The path of a server script in the test data (tests/data/online/).
std::string ServerSkript(const std::string& name);

// The raw answer server in the test data, started on 127.0.0.1.
TServerProzess& RohServer();

}  // namespace morvane::test
