#include "online/httpfehler.h"

#include <cerrno>
#include <map>

namespace morvane {

std::string SocketFehlertext(int code) {
  static const std::map<int, const char*> texte{
      {0, "Kein Fehler"},
      {EINTR, "Systemaufruf unterbrochen"},
      {EBADF, "Ungültige Dateinummer"},
      {EACCES, "Zugriff verweigert"},
      {EFAULT, "Ungültige Adresse"},
      {EINVAL, "Ungültiges Argument"},
      {EMFILE, "Zu viele offene Dateien"},
      {EWOULDBLOCK, "Operation würde blockieren"},
      {EINPROGRESS, "Operation läuft"},
      {EALREADY, "Operation läuft bereits"},
      {ENOTSOCK, "Socket-Operation auf Nicht-Socket"},
      {EMSGSIZE, "Nachricht zu lang"},
      {EADDRINUSE, "Adresse wird bereits verwendet"},
      {EADDRNOTAVAIL, "Adresse nicht verfügbar"},
      {ENETDOWN, "Netzwerk ist nicht aktiv"},
      {ENETUNREACH, "Netzwerk ist nicht erreichbar"},
      {ENETRESET, "Netzwerk hat die Verbindung beim Zurücksetzen verloren"},
      {ECONNABORTED, "Verbindung abgebrochen"},
      {ECONNRESET, "Verbindung vom Gegenüber zurückgesetzt"},
      {ENOBUFS, "Kein Pufferspeicher verfügbar"},
      {EISCONN, "Socket ist bereits verbunden"},
      {ENOTCONN, "Socket ist nicht verbunden"},
      {ESHUTDOWN, "Senden nach dem Schließen des Sockets nicht möglich"},
      {ETIMEDOUT, "Zeitüberschreitung der Verbindung"},
      {ECONNREFUSED, "Verbindung verweigert"},
      {EHOSTDOWN, "Host ist nicht aktiv"},
      {EHOSTUNREACH, "Keine Route zum Host"},
      {EPIPE, "Verbindung unterbrochen"},
  };
  const auto it = texte.find(code);
  return it == texte.end() ? "Unbekannter Socket-Fehler" : it->second;
}

ESocketException::ESocketException(int code, const std::string& funktion)
    : Exception("Fehler " + std::to_string(code) + " in " + funktion + "\r\n" +
                SocketFehlertext(code)),
      code_(code) {}

}  // namespace morvane
