#include "testhilfe/serverprozess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace morvane::test {

TServerProzess::TServerProzess(const std::vector<std::string>& befehl) {
  int rohr[2];
  if (pipe(rohr) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t aktionen;
  posix_spawn_file_actions_init(&aktionen);
  posix_spawn_file_actions_adddup2(&aktionen, rohr[1], 1);
  posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
  std::vector<char*> argv;
  for (const auto& teil : befehl)
    argv.push_back(const_cast<char*>(teil.c_str()));
  argv.push_back(nullptr);
  const int fehler = posix_spawnp(&pid_, argv[0], &aktionen, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&aktionen);
  close(rohr[1]);
  if (fehler != 0) {
    close(rohr[0]);
    throw std::runtime_error("kann " + befehl[0] + " nicht starten");
  }
  char zeichen = 0;
  while (read(rohr[0], &zeichen, 1) == 1 && zeichen != '\n')
    port_ += zeichen;
  close(rohr[0]);
  if (port_.empty()) throw std::runtime_error(befehl[0] + " meldet keinen Port");
}

TServerProzess::~TServerProzess() {
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

std::string ServerSkript(const std::string& name) {
  return MORVANE_SERVERSKRIPTE + name;
}

TTlsServer::TTlsServer()
    : prozess_({"python3", ServerSkript("tlsumgebung.py"), "--wurzel", wurzel_.Pfad()}) {
  std::istringstream zeile(prozess_.Zeile());
  std::string erstes, ca;
  zeile >> erstes >> falsch_ >> proxy_ >> ca >> klar_;
  if (erstes == "fehlt") {
    fehlt_ = falsch_;
    return;
  }
  https_ = erstes;
  setenv("SSL_CERT_FILE", ca.c_str(), 1);
}

TTlsServer& TlsServer() {
  static TTlsServer server;
  return server;
}

TServerProzess& RohServer() {
  static TServerProzess server({"python3", ServerSkript("httpserver.py")});
  return server;
}

}  // namespace morvane::test
