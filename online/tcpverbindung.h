#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace morvane {

// One TCP connection on a non-blocking socket. Every call that has to wait
// calls `pruefen` at least every 20 ms in between; that is where the caller
// pumps its event loop and throws to give up (abort, timeout). Host names are
// resolved on a helper thread, so waiting for the name server never blocks.
class TTlsSitzung;

class TTcpVerbindung {
 public:
  using TPruefen = std::function<void()>;

  TTcpVerbindung();
  TTcpVerbindung(const TTcpVerbindung&) = delete;
  TTcpVerbindung& operator=(const TTcpVerbindung&) = delete;
  ~TTcpVerbindung();

  // Connects to the first address of `host` that accepts. Throws
  // EHttpException (status 404) when the name or no address can be reached.
  void Verbinden(const std::string& host, const std::string& port, const TPruefen& pruefen);
  // From here on everything goes through TLS with `host`'s certificate.
  void TlsStarten(const std::string& host, const TPruefen& pruefen);
  void Senden(std::string_view daten, const TPruefen& pruefen);
  // Waits for data and returns how much was read; 0 once the server closed.
  std::size_t Empfangen(char* puffer, std::size_t groesse, const TPruefen& pruefen);
  void Schliessen();

  int Handle() const { return fd_; }

 private:
  // Waits until the socket is ready for `ereignisse` (poll flags).
  void Warten(short ereignisse, const TPruefen& pruefen) const;
  bool VerbindenMit(const void* adresse, unsigned laenge, int familie, const TPruefen& pruefen,
                    int& fehler);

  int fd_ = -1;
  std::unique_ptr<TTlsSitzung> tls_;
};

}  // namespace morvane
