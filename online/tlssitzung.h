#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace morvane {

// TLS over a connected non-blocking socket. The server's certificate is
// checked against the system's store (OpenSSL's default paths, so
// SSL_CERT_FILE and SSL_CERT_DIR apply) and against the host name; a failing
// check ends the connection, there is no fallback to plain text.
class TTlsSitzung {
 public:
  // Waits until the socket is ready for the poll events given.
  using TWarten = std::function<void(short)>;

  // Performs the handshake; throws EHttpException naming the host when the
  // certificate does not hold or the handshake fails.
  TTlsSitzung(int fd, const std::string& host, const TWarten& warten);
  ~TTlsSitzung();
  TTlsSitzung(const TTlsSitzung&) = delete;
  TTlsSitzung& operator=(const TTlsSitzung&) = delete;

  void Senden(std::string_view daten, const TWarten& warten);
  // 0 once the server closed the connection.
  std::size_t Empfangen(char* puffer, std::size_t groesse, const TWarten& warten);

 private:
  struct TDaten;
  // Waits as OpenSSL asks after a call returned `ergebnis`; false when the
  // call failed for good.
  bool Weiter(int ergebnis, const TWarten& warten);
  [[noreturn]] void Fehler(const std::string& wobei);

  std::unique_ptr<TDaten> d_;
  std::string host_;
};

}  // namespace morvane
