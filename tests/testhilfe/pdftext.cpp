#include "testhilfe/pdftext.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace morvane::test {

std::string PdfText(const std::string& pfad) {
  std::string befehl = "pdftotext -layout -enc UTF-8 '";
  for (char c : pfad)
    befehl += c == '\'' ? std::string("'\\''") : std::string(1, c);
  befehl += "' - 2>/dev/null";
  std::unique_ptr<FILE, int (*)(FILE*)> rohr(popen(befehl.c_str(), "r"), pclose);
  if (!rohr) throw std::runtime_error("pdftotext lässt sich nicht starten");
  std::string text;
  char puffer[4096];
  for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr.get())) > 0;) {
    text.append(puffer, n);
  }
  if (pclose(rohr.release()) != 0) throw std::runtime_error("pdftotext scheitert an " + pfad);
  return text;
}

int PdfSeiten(const std::string& text) {
  // pdftotext ends every page with a form feed.
  return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

}  // namespace morvane::test
