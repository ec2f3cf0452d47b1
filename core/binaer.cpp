#include "core/binaer.h"

#include <bit>
#include <cstring>

#include "core/textkodierung.h"

static_assert(std::endian::native == std::endian::little,
              "the binary formats are read by plain copies on little-endian machines");

namespace morvane {
namespace {

template <typename T>
T Lies(const char* p) {
  T wert;
  std::memcpy(&wert, p, sizeof wert);
  return wert;
}

template <typename T>
void Schreib(std::string& ziel, T wert) {
  char puffer[sizeof wert];
  std::memcpy(puffer, &wert, sizeof wert);
  ziel.append(puffer, sizeof wert);
}

}  // namespace

const char* TBinaerLeser::Nimm(std::size_t anzahl) {
  if (anzahl > Rest()) throw ELesefehler("Lesefehler: unerwartetes Dateiende");
  const char* p = daten_.data() + pos_;
  pos_ += anzahl;
  return p;
}

std::uint8_t TBinaerLeser::Byte() {
  return Lies<std::uint8_t>(Nimm(1));
}
std::uint16_t TBinaerLeser::Word() {
  return Lies<std::uint16_t>(Nimm(2));
}
std::int32_t TBinaerLeser::Int32() {
  return Lies<std::int32_t>(Nimm(4));
}
double TBinaerLeser::Double() {
  return Lies<double>(Nimm(8));
}

std::string_view TBinaerLeser::Roh(std::size_t anzahl) {
  return std::string_view(Nimm(anzahl), anzahl);
}

std::string TBinaerLeser::Text() {
  const std::uint16_t laenge = Word();
  return Win1252ZuUtf8(Roh(laenge));
}

std::int32_t TBinaerLeser::Anzahl(std::size_t mindestGroesse) {
  const std::int32_t anzahl = Int32();
  if (anzahl < 0 ||
      (mindestGroesse > 0 && static_cast<std::size_t>(anzahl) > Rest() / mindestGroesse)) {
    throw ELesefehler("Lesefehler: ungültige Anzahl " + std::to_string(anzahl));
  }
  return anzahl;
}

void TBinaerSchreiber::Byte(std::uint8_t wert) {
  Schreib(daten_, wert);
}
void TBinaerSchreiber::Word(std::uint16_t wert) {
  Schreib(daten_, wert);
}
void TBinaerSchreiber::Int32(std::int32_t wert) {
  Schreib(daten_, wert);
}
void TBinaerSchreiber::Double(double wert) {
  Schreib(daten_, wert);
}

void TBinaerSchreiber::Text(std::string_view utf8) {
  std::string bytes = Utf8ZuWin1252(utf8);
  if (bytes.size() > 0xFFFF) bytes.resize(0xFFFF);
  Word(static_cast<std::uint16_t>(bytes.size()));
  daten_.append(bytes);
}

}  // namespace morvane
