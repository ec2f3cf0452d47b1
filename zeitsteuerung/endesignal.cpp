#include "zeitsteuerung/endesignal.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <stdexcept>

namespace morvane {
namespace {

volatile std::sig_atomic_t gEmpfangen = 0;
int gWecker[2] = {-1, -1};
struct sigaction gVorher[2];
constexpr int kSignale[2] = {SIGTERM, SIGINT};

void Behandeln(int) {
  const int fehler = errno;
  gEmpfangen = 1;
  const char zeichen = 1;
  [[maybe_unused]] const ssize_t n = ::write(gWecker[1], &zeichen, 1);
  errno = fehler;
}

}  // namespace

TEndesignal::TEndesignal() {
  if (gWecker[0] >= 0) throw std::logic_error("TEndesignal: only one object per process");
  if (::pipe2(gWecker, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::runtime_error("TEndesignal: pipe2 failed");
  gEmpfangen = 0;
  struct sigaction aktion {};
  aktion.sa_handler = Behandeln;
  sigemptyset(&aktion.sa_mask);
  for (int i = 0; i < 2; ++i)
    ::sigaction(kSignale[i], &aktion, &gVorher[i]);
}

TEndesignal::~TEndesignal() {
  for (int i = 0; i < 2; ++i)
    ::sigaction(kSignale[i], &gVorher[i], nullptr);
  ::close(gWecker[0]);
  ::close(gWecker[1]);
  gWecker[0] = gWecker[1] = -1;
}

bool TEndesignal::Empfangen() const {
  return gEmpfangen != 0;
}

void TEndesignal::Warten(std::chrono::milliseconds dauer) const {
  const auto ende = std::chrono::steady_clock::now() + dauer;
  while (!Empfangen()) {
    const auto rest =
        std::chrono::ceil<std::chrono::milliseconds>(ende - std::chrono::steady_clock::now());
    if (rest.count() <= 0) return;
    pollfd wecker{gWecker[0], POLLIN, 0};
    // The byte stays in the pipe: every later wait returns at once too.
    if (::poll(&wecker, 1, static_cast<int>(rest.count())) > 0) return;
  }
}

}  // namespace morvane
