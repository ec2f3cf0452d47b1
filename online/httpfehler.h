#pragma once

#include <string>

#include "core/exception.h"

namespace morvane {

// A request that ended with an HTTP failure: a status of 400 or more, an
// answer the client refuses (too long, too many redirects) or an abort. The
// status is 404 for failures that never reached a server answer.
class EHttpException : public Exception {
 public:
  EHttpException(const std::string& meldung, int status) : Exception(meldung), status_(status) {}
  int Status() const { return status_; }

 private:
  int status_;
};

// A socket call that failed: "Fehler <code> in <funktion>" and the
// description of the code on a second line.
class ESocketException : public Exception {
 public:
  ESocketException(int code, const std::string& funktion);
  int Code() const { return code_; }

 private:
  int code_;
};

// The German description of a socket error code (errno).
std::string SocketFehlertext(int code);

}  // namespace morvane
