#pragma once

#include <string>
#include <vector>

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

// nginx with TLS (tlsumgebung.py) serving the directory `wurzel` on
// 127.0.0.1, its test certificate authority handed to the HTTPS client
// through SSL_CERT_FILE. Fehlt() names the missing program when nginx,
// tinyproxy or openssl is not installed.
class TTlsServer {
 public:
  explicit TTlsServer(const std::string& wurzel);
  const std::string& Fehlt() const { return fehlt_; }
  std::string Https(const std::string& pfad) const { return "https://127.0.0.1:" + https_ + pfad; }
  std::string Http(const std::string& pfad) const { return "http://127.0.0.1:" + klar_ + pfad; }

 private:
  TServerProzess prozess_;
  std::string https_, klar_, fehlt_;
};

// The path of a server script in the test data (tests/data/online/).
std::string ServerSkript(const std::string& name);

// The raw answer server in the test data, started on 127.0.0.1.
TServerProzess& RohServer();

}  // namespace morvane::test
