#pragma once

#include <string>

namespace morvane::test {

// The text of a PDF file as pdftotext (poppler-utils) reads it in layout
// mode; pages are separated by form feeds. Throws std::runtime_error when the
// tool fails.
std::string PdfText(const std::string& pfad);

// The number of pages of that text.
int PdfSeiten(const std::string& text);

}  // namespace morvane::test
