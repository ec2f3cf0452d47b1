#include "online/signatur.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>

#include <memory>

namespace morvane {
namespace {

constexpr std::size_t kSchluesselLaenge = 32;
constexpr std::size_t kSignaturLaenge = 64;

struct TPkeyFrei {
  void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct TMdFrei {
  void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
struct TBioFrei {
  void operator()(BIO* b) const { BIO_free(b); }
};
using TPkey = std::unique_ptr<EVP_PKEY, TPkeyFrei>;
using TMd = std::unique_ptr<EVP_MD_CTX, TMdFrei>;

const unsigned char* Bytes(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

std::string RohOeffentlich(EVP_PKEY* schluessel) {
  std::string roh(kSchluesselLaenge, '\0');
  std::size_t laenge = roh.size();
  if (EVP_PKEY_get_raw_public_key(schluessel, reinterpret_cast<unsigned char*>(roh.data()),
                                  &laenge) != 1 ||
      laenge != kSchluesselLaenge)
    throw ESignatur("Der öffentliche Schlüssel konnte nicht gelesen werden.");
  return roh;
}

// The key of a PEM text, private or public as asked; null when there is none.
TPkey PemLesen(std::string_view pem, bool privat) {
  std::unique_ptr<BIO, TBioFrei> bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
  if (!bio) return nullptr;
  TPkey schluessel(privat ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr)
                          : PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr));
  // A failed read leaves its reason queued, where the TLS code would find it.
  ERR_clear_error();
  if (schluessel && EVP_PKEY_get_id(schluessel.get()) != EVP_PKEY_ED25519) return nullptr;
  return schluessel;
}

int HexZiffer(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string HexText(std::string_view bytes) {
  static constexpr char kZiffern[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    text += kZiffern[b >> 4];
    text += kZiffern[b & 15];
  }
  return text;
}

std::optional<std::string> HexBytes(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hoch = HexZiffer(hex[i]), tief = HexZiffer(hex[i + 1]);
    if (hoch < 0 || tief < 0) return std::nullopt;
    bytes += static_cast<char>(hoch * 16 + tief);
  }
  return bytes;
}

std::string UpdateSchluessel() {
  return *HexBytes(kUpdateSchluesselHex);
}

std::string Sha256(std::string_view daten) {
  std::string summe(32, '\0');
  unsigned int laenge = 0;
  if (EVP_Digest(daten.data(), daten.size(), reinterpret_cast<unsigned char*>(summe.data()),
                 &laenge, EVP_sha256(), nullptr) != 1 ||
      laenge != summe.size())
    throw ESignatur("Die SHA-256-Prüfsumme konnte nicht berechnet werden.");
  return summe;
}

bool SignaturGueltig(std::string_view daten, std::string_view signatur,
                     std::string_view schluessel) {
  if (signatur.size() != kSignaturLaenge || schluessel.size() != kSchluesselLaenge) return false;
  TPkey key(
      EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, Bytes(schluessel), schluessel.size()));
  TMd md(EVP_MD_CTX_new());
  if (!key || !md) return false;
  // Ed25519 signs the message itself in one pass: no digest of ours.
  const bool gueltig =
      EVP_DigestVerifyInit(md.get(), nullptr, nullptr, nullptr, key.get()) == 1 &&
      EVP_DigestVerify(md.get(), Bytes(signatur), signatur.size(), Bytes(daten), daten.size()) == 1;
  ERR_clear_error();
  return gueltig;
}

std::string Signieren(std::string_view daten, std::string_view privatPem) {
  TPkey key = PemLesen(privatPem, true);
  if (!key) throw ESignatur("Die Datei enthält keinen privaten Ed25519-Schlüssel.");
  TMd md(EVP_MD_CTX_new());
  std::string signatur(kSignaturLaenge, '\0');
  std::size_t laenge = signatur.size();
  if (!md || EVP_DigestSignInit(md.get(), nullptr, nullptr, nullptr, key.get()) != 1 ||
      EVP_DigestSign(md.get(), reinterpret_cast<unsigned char*>(signatur.data()), &laenge,
                     Bytes(daten), daten.size()) != 1 ||
      laenge != kSignaturLaenge)
    throw ESignatur("Der Index konnte nicht signiert werden.");
  return signatur;
}

TSchluesselpaar SchluesselpaarErzeugen() {
  TPkey key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"));
  std::unique_ptr<BIO, TBioFrei> bio(BIO_new(BIO_s_mem()));
  if (!key || !bio ||
      PEM_write_bio_PrivateKey(bio.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1)
    throw ESignatur("Es konnte kein Schlüsselpaar erzeugt werden.");
  char* daten = nullptr;
  const long laenge = BIO_get_mem_data(bio.get(), &daten);
  return {std::string(daten, static_cast<std::size_t>(laenge)), RohOeffentlich(key.get())};
}

std::string OeffentlicherSchluessel(std::string_view pem) {
  TPkey key = PemLesen(pem, false);
  if (!key) key = PemLesen(pem, true);
  if (!key) throw ESignatur("Die Datei enthält keinen Ed25519-Schlüssel.");
  return RohOeffentlich(key.get());
}

}  // namespace morvane
