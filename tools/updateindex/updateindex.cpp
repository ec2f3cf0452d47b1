// updateindex: writes the signed index.txt of the online update for a folder
// of price-source files, or makes a new key pair.
//
//   updateindex --schluessel KEY.pem --verzeichnis DIR [--deaktiviert]
//   updateindex --neuer-schluessel KEY.pem

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/datei.h"
#include "core/datumtext.h"
#include "online/signatur.h"
#include "online/updateverzeichnis.h"

namespace {

using namespace morvane;

constexpr const char* kAufruf =
    "Aufruf: updateindex --schluessel KEY.pem --verzeichnis DIR [--deaktiviert]\n"
    "        updateindex --neuer-schluessel KEY.pem\n";

struct TAufruf {
  std::string Schluessel, Verzeichnis, NeuerSchluessel;
  bool Deaktiviert = false;
};

bool Lesen(const std::vector<std::string>& argumente, TAufruf& a) {
  for (std::size_t i = 0; i < argumente.size(); ++i) {
    const std::string& arg = argumente[i];
    if (arg == "--deaktiviert") {
      a.Deaktiviert = true;
      continue;
    }
    std::string* ziel = arg == "--schluessel"         ? &a.Schluessel
                        : arg == "--verzeichnis"      ? &a.Verzeichnis
                        : arg == "--neuer-schluessel" ? &a.NeuerSchluessel
                                                      : nullptr;
    if (!ziel || i + 1 >= argumente.size() || argumente[i + 1].empty()) return false;
    *ziel = argumente[++i];
  }
  if (!a.NeuerSchluessel.empty())
    return a.Schluessel.empty() && a.Verzeichnis.empty() && !a.Deaktiviert;
  return !a.Schluessel.empty() && !a.Verzeichnis.empty();
}

// The private key goes to a file only its owner reads; the public one, which
// the program carries built in, to standard output.
void SchluesselErzeugen(const std::string& pfad) {
  const TSchluesselpaar paar = SchluesselpaarErzeugen();
  DateiAtomarSchreiben(pfad, paar.PrivatPem, 0600);
  std::cout << "Privater Schlüssel: " << pfad
            << "\nÖffentlicher Schlüssel: " << HexText(paar.Oeffentlich) << '\n';
}

void IndexSchreiben(const TAufruf& a) {
  std::string pem;
  try {
    pem = DateiLesen(a.Schluessel, 64 * 1024);
  } catch (const EDatei& e) {
    throw EDatei("'" + a.Schluessel + "': " + e.Meldung());
  }
  const TUpdateIndex index = UpdateVerzeichnisSignieren(a.Verzeichnis, pem, a.Deaktiviert);
  for (const TUpdateDatei& d : index.Dateien)
    std::cout << d.Name << " vom " << KalendertagZuText(d.Versionsdatum) << ", " << d.Groesse
              << " Bytes\n";
  std::cout << kUpdateIndexDatei << " geschrieben" << (index.Deaktiviert ? " (deaktiviert)" : "")
            << ", öffentlicher Schlüssel " << HexText(OeffentlicherSchluessel(pem)) << '\n';
  if (OeffentlicherSchluessel(pem) != UpdateSchluessel())
    std::cout << "Achtung: Das Programm prüft mit einem anderen Schlüssel (" << kUpdateSchluesselHex
              << ").\n";
}

}  // namespace

int main(int argc, char** argv) {
  TAufruf aufruf;
  if (!Lesen(std::vector<std::string>(argv + 1, argv + argc), aufruf)) {
    std::cerr << kAufruf;
    return 2;
  }
  try {
    if (!aufruf.NeuerSchluessel.empty()) {
      SchluesselErzeugen(aufruf.NeuerSchluessel);
    } else {
      IndexSchreiben(aufruf);
    }
  } catch (const EDatei& e) {
    std::cerr << "Dateifehler: " << e.what() << '\n';
    return 1;
  } catch (const Exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
