#include "online/tcpverbindung.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <memory>
#include <mutex>
#include <thread>

#include "online/httpfehler.h"
#include "online/tlssitzung.h"

namespace morvane {

namespace {

constexpr int Scheibe = 20;  // ms between two calls of `pruefen`

struct TAdressenFrei {
  void operator()(addrinfo* liste) const { freeaddrinfo(liste); }
};
using TAdressen = std::unique_ptr<addrinfo, TAdressenFrei>;

// Shared between the waiting caller and the resolver thread, which may
// outlive a caller that gave up.
struct TAufloesung {
  std::mutex Sperre;
  bool Fertig = false;
  int Fehler = 0;
  TAdressen Ergebnis;
};

addrinfo Hinweise(int flags) {
  addrinfo hinweise{};
  hinweise.ai_family = AF_UNSPEC;
  hinweise.ai_socktype = SOCK_STREAM;
  hinweise.ai_flags = flags;
  return hinweise;
}

TAdressen Aufloesen(const std::string& host, const std::string& port,
                    const TTcpVerbindung::TPruefen& pruefen) {
  // A numeric address needs no name server.
  addrinfo* liste = nullptr;
  const addrinfo numerisch = Hinweise(AI_NUMERICHOST | AI_NUMERICSERV);
  if (getaddrinfo(host.c_str(), port.c_str(), &numerisch, &liste) == 0) return TAdressen(liste);

  auto aufloesung = std::make_shared<TAufloesung>();
  std::thread([aufloesung, host, port] {
    addrinfo* ergebnis = nullptr;
    const addrinfo hinweise = Hinweise(AI_NUMERICSERV);
    const int fehler = getaddrinfo(host.c_str(), port.c_str(), &hinweise, &ergebnis);
    std::lock_guard sperre(aufloesung->Sperre);
    aufloesung->Fehler = fehler;
    aufloesung->Ergebnis.reset(fehler == 0 ? ergebnis : nullptr);
    aufloesung->Fertig = true;
  }).detach();
  for (;;) {
    {
      std::lock_guard sperre(aufloesung->Sperre);
      if (aufloesung->Fertig) {
        if (aufloesung->Fehler != 0 || !aufloesung->Ergebnis)
          throw EHttpException("Hostname kann nicht aufgelöst werden: " + host, 404);
        return std::move(aufloesung->Ergebnis);
      }
    }
    pruefen();
    poll(nullptr, 0, Scheibe);
  }
}

void PortPruefen(const std::string& port) {
  int nummer = 0;
  const auto [rest, fehler] = std::from_chars(port.data(), port.data() + port.size(), nummer);
  if (port.empty() || fehler != std::errc() || rest != port.data() + port.size() || nummer < 1 ||
      nummer > 65535)
    throw EHttpException("Ungültiger Port: " + port, 404);
}

}  // namespace

TTcpVerbindung::TTcpVerbindung() = default;

TTcpVerbindung::~TTcpVerbindung() {
  Schliessen();
}

void TTcpVerbindung::TlsStarten(const std::string& host, const TPruefen& pruefen) {
  tls_ = std::make_unique<TTlsSitzung>(fd_, host,
                                       [&](short ereignisse) { Warten(ereignisse, pruefen); });
}

void TTcpVerbindung::Verbinden(const std::string& host, const std::string& port,
                               const TPruefen& pruefen) {
  Schliessen();
  if (host.empty()) throw EHttpException("Keine Adresse angegeben", 404);
  PortPruefen(port);
  const TAdressen adressen = Aufloesen(host, port, pruefen);
  int fehler = 0;
  for (const addrinfo* a = adressen.get(); a != nullptr; a = a->ai_next) {
    if (VerbindenMit(a->ai_addr, a->ai_addrlen, a->ai_family, pruefen, fehler)) return;
  }
  throw EHttpException("Keine Verbindung zu " + host + ":" + port + ": " +
                           SocketFehlertext(fehler) + " (Fehler " + std::to_string(fehler) + ")",
                       404);
}

bool TTcpVerbindung::VerbindenMit(const void* adresse, unsigned laenge, int familie,
                                  const TPruefen& pruefen, int& fehler) {
  fd_ = socket(familie, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd_ < 0) throw ESocketException(errno, "socket");
  if (connect(fd_, static_cast<const sockaddr*>(adresse), laenge) == 0) return true;
  fehler = errno;
  if (fehler == EINPROGRESS) {
    Warten(POLLOUT, pruefen);
    socklen_t groesse = sizeof fehler;
    if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &fehler, &groesse) != 0) fehler = errno;
    if (fehler == 0) return true;
  }
  Schliessen();
  return false;
}

void TTcpVerbindung::Senden(std::string_view daten, const TPruefen& pruefen) {
  if (tls_) return tls_->Senden(daten, [&](short ereignisse) { Warten(ereignisse, pruefen); });
  while (!daten.empty()) {
    const ssize_t gesendet = send(fd_, daten.data(), daten.size(), MSG_NOSIGNAL);
    if (gesendet > 0) {
      daten.remove_prefix(static_cast<std::size_t>(gesendet));
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      Warten(POLLOUT, pruefen);
    } else if (errno != EINTR) {
      throw ESocketException(errno, "send");
    }
  }
}

std::size_t TTcpVerbindung::Empfangen(char* puffer, std::size_t groesse, const TPruefen& pruefen) {
  if (tls_)
    return tls_->Empfangen(puffer, groesse, [&](short ereignisse) { Warten(ereignisse, pruefen); });
  for (;;) {
    const ssize_t gelesen = recv(fd_, puffer, groesse, 0);
    if (gelesen >= 0) return static_cast<std::size_t>(gelesen);
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      Warten(POLLIN, pruefen);
    } else if (errno != EINTR) {
      throw ESocketException(errno, "recv");
    }
  }
}

void TTcpVerbindung::Warten(short ereignisse, const TPruefen& pruefen) const {
  for (;;) {
    pruefen();
    pollfd p{fd_, ereignisse, 0};
    const int bereit = poll(&p, 1, Scheibe);
    if (bereit > 0) return;  // errors and hang-ups show in the next call
    if (bereit < 0 && errno != EINTR) throw ESocketException(errno, "poll");
  }
}

void TTcpVerbindung::Schliessen() {
  tls_.reset();
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

}  // namespace morvane
