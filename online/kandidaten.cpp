#include "online/kandidaten.h"

#include "online/quelle.h"

namespace morvane {
namespace {

std::string AutomatischeQuelle(const TWPStammdaten& wp) {
  const std::string code = wp.ISIN.empty() ? " [WKN]" : " [ISIN]";
  if (wp.WirksamerWPTyp() == 1) return "Indizes von Onvista" + code;
  if (wp.WirksamerWPTyp() != 0) return {};
  if (wp.WirksameBoerse() != 0) return "Wertpapiere von Onvista" + code;
  return "Fonds außerbörslich von Onvista" + code;
}

}  // namespace

std::pair<std::string, std::string> KennungTeilen(const std::string& kennung) {
  const auto komma = kennung.find(',');
  if (komma == std::string::npos) return {kennung, kennung};
  std::string satz = kennung.substr(0, komma);
  std::string anfrage = kennung.substr(komma + 1);
  if (anfrage.empty()) anfrage = satz;
  return {std::move(satz), std::move(anfrage)};
}

TKandidaten::TKandidaten(const TWPStammdaten& wp, bool tageskurse) {
  if (!wp.KursquellenManuell) {
    const std::string name = AutomatischeQuelle(wp);
    if (!name.empty()) {
      const auto art = tageskurse ? qaInternetAktuell : qaInternetHistorisch;
      liste_.push_back({std::string(QuellenArtText(art)) + ": " + name, {}, {}});
    }
    return;
  }
  const auto& namen = tageskurse ? wp.QuelleAktuell : wp.QuelleHistorisch;
  const auto& kennungen = tageskurse ? wp.IDAktuell : wp.IDHistorisch;
  for (std::size_t i = 0; i < namen.size() && !namen[i].empty(); ++i) {
    auto [satz, anfrage] = KennungTeilen(kennungen[i]);
    liste_.push_back({namen[i], std::move(satz), std::move(anfrage)});
  }
}

std::optional<TKandidat> TKandidaten::Naechster() {
  if (index_ >= liste_.size()) return std::nullopt;
  return liste_[index_++];
}

}  // namespace morvane
