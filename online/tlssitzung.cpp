#include "online/tlssitzung.h"

#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>

#include "online/httpfehler.h"

namespace morvane {

namespace {

struct TKontextFrei {
  void operator()(SSL_CTX* k) const { SSL_CTX_free(k); }
};
struct TSslFrei {
  void operator()(SSL* s) const { SSL_free(s); }
};

bool IstIpAdresse(const std::string& host) {
  unsigned char puffer[16];
  return inet_pton(AF_INET, host.c_str(), puffer) == 1 ||
         inet_pton(AF_INET6, host.c_str(), puffer) == 1;
}

// One context for the program: loading the system's store costs time.
SSL_CTX* Kontext() {
  static const std::unique_ptr<SSL_CTX, TKontextFrei> kontext = [] {
    std::unique_ptr<SSL_CTX, TKontextFrei> k(SSL_CTX_new(TLS_client_method()));
    if (!k) throw EHttpException("TLS kann nicht eingerichtet werden", 404);
    SSL_CTX_set_min_proto_version(k.get(), TLS1_2_VERSION);
    SSL_CTX_set_default_verify_paths(k.get());
    SSL_CTX_set_verify(k.get(), SSL_VERIFY_PEER, nullptr);
    // A close without close_notify ends the document like a plain close;
    // a content length still catches a cut-off document.
    SSL_CTX_set_options(k.get(), SSL_OP_IGNORE_UNEXPECTED_EOF);
    return k;
  }();
  return kontext.get();
}

}  // namespace

struct TTlsSitzung::TDaten {
  std::unique_ptr<SSL, TSslFrei> Ssl;
};

TTlsSitzung::TTlsSitzung(int fd, const std::string& host, const TWarten& warten)
    : d_(std::make_unique<TDaten>()), host_(host) {
  d_->Ssl.reset(SSL_new(Kontext()));
  if (!d_->Ssl || SSL_set_fd(d_->Ssl.get(), fd) != 1) Fehler("Einrichten");
  SSL* ssl = d_->Ssl.get();
  if (IstIpAdresse(host)) {
    X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str());
  } else {
    SSL_set_tlsext_host_name(ssl, host.c_str());
    SSL_set1_host(ssl, host.c_str());
  }
  ERR_clear_error();
  for (;;) {
    const int ergebnis = SSL_connect(ssl);
    if (ergebnis == 1) return;
    if (!Weiter(ergebnis, warten)) break;
  }
  const long pruefung = SSL_get_verify_result(ssl);
  if (pruefung != X509_V_OK)
    throw EHttpException("Das Zertifikat von " + host + " ist nicht vertrauenswürdig: " +
                             X509_verify_cert_error_string(pruefung),
                         404);
  Fehler("Verbindungsaufbau");
}

TTlsSitzung::~TTlsSitzung() = default;

void TTlsSitzung::Senden(std::string_view daten, const TWarten& warten) {
  while (!daten.empty()) {
    ERR_clear_error();
    std::size_t geschrieben = 0;
    const int ergebnis = SSL_write_ex(d_->Ssl.get(), daten.data(), daten.size(), &geschrieben);
    if (ergebnis == 1) {
      daten.remove_prefix(geschrieben);
    } else if (!Weiter(ergebnis, warten)) {
      Fehler("Senden");
    }
  }
}

std::size_t TTlsSitzung::Empfangen(char* puffer, std::size_t groesse, const TWarten& warten) {
  for (;;) {
    ERR_clear_error();
    std::size_t gelesen = 0;
    const int ergebnis = SSL_read_ex(d_->Ssl.get(), puffer, groesse, &gelesen);
    if (ergebnis == 1) return gelesen;
    if (SSL_get_error(d_->Ssl.get(), ergebnis) == SSL_ERROR_ZERO_RETURN) return 0;
    if (!Weiter(ergebnis, warten)) Fehler("Empfangen");
  }
}

bool TTlsSitzung::Weiter(int ergebnis, const TWarten& warten) {
  switch (SSL_get_error(d_->Ssl.get(), ergebnis)) {
    case SSL_ERROR_WANT_READ:
      warten(POLLIN);
      return true;
    case SSL_ERROR_WANT_WRITE:
      warten(POLLOUT);
      return true;
    default:
      return false;
  }
}

void TTlsSitzung::Fehler(const std::string& wobei) {
  const unsigned long code = ERR_get_error();
  std::string text = "TLS-Fehler mit " + host_ + " (" + wobei + ")";
  if (code != 0) {
    char puffer[256];
    ERR_error_string_n(code, puffer, sizeof puffer);
    text += ": " + std::string(puffer);
  }
  throw EHttpException(text, 404);
}

}  // namespace morvane
