#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/exception.h"

namespace morvane {

// A key or signature that cannot be made or read.
MORVANE_EXCEPTION(ESignatur, Exception);

// The public Ed25519 key (32 bytes, hex) that signs the update index of the
// price-source files. Its private half is kept off the source tree by whoever
// publishes the updates.
inline constexpr std::string_view kUpdateSchluesselHex =
    "0f27d167bfda15a3c61bffcef2f64ea7282c08edcf0afc0585f370e68ce3aec5";

// Lower-case hex of `bytes`, and back; nullopt for an odd length or a
// character that is no lower-case hex digit.
std::string HexText(std::string_view bytes);
std::optional<std::string> HexBytes(std::string_view hex);

// The built-in update key as 32 raw bytes.
std::string UpdateSchluessel();

// SHA-256 of `daten`, 32 raw bytes.
std::string Sha256(std::string_view daten);

// True when `signatur` (64 raw bytes) is the Ed25519 signature of `daten`
// under the public key `schluessel` (32 raw bytes). A key or signature of the
// wrong length is no match.
bool SignaturGueltig(std::string_view daten, std::string_view signatur,
                     std::string_view schluessel);

// The Ed25519 signature (64 raw bytes) of `daten` with the private key in PEM
// form; raises ESignatur for a text that holds no Ed25519 private key.
std::string Signieren(std::string_view daten, std::string_view privatPem);

// A new key pair: the private key in PEM form and the public one as 32 raw
// bytes.
struct TSchluesselpaar {
  std::string PrivatPem;
  std::string Oeffentlich;
};
TSchluesselpaar SchluesselpaarErzeugen();

// The public key (32 raw bytes) of a PEM text holding an Ed25519 public or
// private key; raises ESignatur otherwise.
std::string OeffentlicherSchluessel(std::string_view pem);

}  // namespace morvane
