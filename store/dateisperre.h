#pragma once

#include <string>

namespace morvane {

// Holds an exclusive advisory lock (flock) on a file for its lifetime, so that
// another process that changes the same file (the scheduler) waits until our
// read-modify-write is done. Saves replace the file by a new one (rename), so
// after waiting the lock is taken again when the path meanwhile names another
// file. A file that does not exist yet, or is no regular file, is not
// locked. Throws EDatei with the bare reason when the file cannot be opened
// or locked.
class TDateiSperre {
 public:
  explicit TDateiSperre(const std::string& pfad);
  ~TDateiSperre();
  TDateiSperre(const TDateiSperre&) = delete;
  TDateiSperre& operator=(const TDateiSperre&) = delete;

  bool Gesperrt() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace morvane
