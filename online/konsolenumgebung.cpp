#include "online/konsolenumgebung.h"

#include <algorithm>

#include "store/logbuch.h"

namespace morvane {

TKonsolenUmgebung::TKonsolenUmgebung(std::ostream& aus, const TEinstellungen& einstellungen,
                                     TLogbuch& logbuch)
    : aus_(aus), logbuch_(logbuch), download_(std::make_unique<TDownload>(einstellungen)) {
  download_->Protokoll = [this](const std::string& zeile) {
    try {
      logbuch_.Schreiben(zeile);
    } catch (const ELogbuch&) {
      // The run reports a log book that cannot be opened itself.
    }
  };
}

TKonsolenUmgebung::~TKonsolenUmgebung() = default;

void TKonsolenUmgebung::Status(const std::string& text) {
  aus_ << text << '\n';
}

void TKonsolenUmgebung::Fortschritt(const std::string& quelle, int anzahl, int nummer, int lauf) {
  aus_ << quelle << ": Adresse " << nummer << " von " << anzahl << " (Lauf " << lauf << ")\n";
}

TSeitenabruf SeiteAbrufen(TDownload& download, const std::string& anfrage, const std::string& agent,
                          const std::function<void(std::string_view)>& senke) {
  download.Agent = agent;
  TSeitenabruf abruf;
  abruf.Ergebnis = download.Download(anfrage, senke);
  abruf.Status = download.Status();
  abruf.Inhaltstyp = download.Inhaltstyp();
  return abruf;
}

TSeitenabruf TKonsolenUmgebung::Abrufen(const std::string& anfrage, const std::string& agent,
                                        const std::function<void(std::string_view)>& senke) {
  return SeiteAbrufen(*download_, anfrage, agent, senke);
}

// Message boxes break their lines with a carriage return.
void TKonsolenUmgebung::Meldung(const std::string& text) {
  std::string zeilen = text;
  std::replace(zeilen.begin(), zeilen.end(), '\r', '\n');
  aus_ << zeilen << '\n';
}

}  // namespace morvane
