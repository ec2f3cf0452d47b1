#include "store/dateisperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/datei.h"

namespace morvane {
namespace {

bool GleicheDatei(int fd, const std::string& pfad) {
  struct stat offen {};
  struct stat jetzt {};
  return ::fstat(fd, &offen) == 0 && ::stat(pfad.c_str(), &jetzt) == 0 &&
         offen.st_dev == jetzt.st_dev && offen.st_ino == jetzt.st_ino;
}

}  // namespace

TDateiSperre::TDateiSperre(const std::string& pfad) {
  for (;;) {
    // O_NONBLOCK: a pipe in place of the file must not wait for a writer.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
      if (errno == ENOENT || errno == ENOTDIR) return;
      throw EDatei(Fehlertext(errno));
    }
    struct stat art {};
    if (::fstat(fd, &art) != 0 || !S_ISREG(art.st_mode)) {
      // Nothing to lock: reading it fails and says why.
      ::close(fd);
      return;
    }
    int ergebnis;
    while ((ergebnis = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (ergebnis != 0) {
      const int fehler = errno;
      ::close(fd);
      throw EDatei(Fehlertext(fehler));
    }
    if (GleicheDatei(fd, pfad)) {
      fd_ = fd;
      return;
    }
    // The holder before us replaced the file: lock its successor instead.
    ::close(fd);
  }
}

TDateiSperre::~TDateiSperre() {
  // Closing the descriptor releases the lock.
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace morvane
