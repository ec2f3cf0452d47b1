#include "store/wp_importexport_mv35.h"

#include <sys/stat.h>

#include <cstdint>
#include <string_view>

#include "core/datei.h"
#include "store/satzfeld.h"

namespace morvane {
namespace {

constexpr std::string_view kKopf = "Morvane 3.5  Wertpapier-Datei\x1A";
constexpr std::size_t kKursGroesse = 52;
// Smallest transaction record: type byte, date and one amount.
constexpr std::size_t kKleinsteTransaktion = 13;

// Kind codes of the file; they differ from the in-memory order of the kinds.
enum TDateiArt : std::uint8_t { daKauf = 1, daVerkauf = 2, daSplit = 3, daSonstige = 4 };

void QuellenLesen(TBinaerLeser& leser, std::array<std::string, 3>& quellen,
                  std::array<std::string, 3>& ids) {
  for (std::size_t i = 0; i < quellen.size(); ++i) {
    quellen[i] = leser.Text();
    ids[i] = leser.Text();
  }
}

void QuellenSchreiben(TBinaerSchreiber& schreiber, const std::array<std::string, 3>& quellen,
                      const std::array<std::string, 3>& ids) {
  for (std::size_t i = 0; i < quellen.size(); ++i) {
    schreiber.Text(quellen[i]);
    schreiber.Text(ids[i]);
  }
}

void StammdatenLesen(TBinaerLeser& leser, TWPStammdaten& s) {
  s.Bezeichnung = leser.Text();
  s.WKN = leser.Text();
  s.ISIN = leser.Text();
  s.Boerse = leser.Byte();
  s.Kommentar = leser.Text();
  s.WPTyp = leser.Byte();
  s.Waehrung = leser.Text();
  GebuehrenLesen(leser, s);
  s.KursquellenManuell = leser.Byte() != 0;
  QuellenLesen(leser, s.QuelleAktuell, s.IDAktuell);
  QuellenLesen(leser, s.QuelleHistorisch, s.IDHistorisch);
}

void StammdatenSchreiben(TBinaerSchreiber& schreiber, const TWPStammdaten& s) {
  schreiber.Text(s.Bezeichnung);
  schreiber.Text(s.WKN);
  schreiber.Text(s.ISIN);
  schreiber.Byte(s.Boerse);
  schreiber.Text(s.Kommentar);
  schreiber.Byte(s.WPTyp);
  schreiber.Text(s.Waehrung);
  schreiber.Double(s.KaufAbs);
  schreiber.Double(s.KaufRel);
  schreiber.Double(s.KaufMin);
  schreiber.Double(s.VerkaufAbs);
  schreiber.Double(s.VerkaufRel);
  schreiber.Double(s.VerkaufMin);
  schreiber.Byte(s.KursquellenManuell ? 1 : 0);
  QuellenSchreiben(schreiber, s.QuelleAktuell, s.IDAktuell);
  QuellenSchreiben(schreiber, s.QuelleHistorisch, s.IDHistorisch);
}

void TransaktionLesen(TBinaerLeser& leser, TWPTransaktionen& liste) {
  const std::uint8_t art = leser.Byte();
  if (art < daKauf || art > daSonstige) throw Exception(UngueltigerTransaktionstyp(art));
  const Boersentag datum = leser.Int32();
  switch (art) {
    case daKauf:
    case daVerkauf: {
      const double stueck = leser.Double();
      const double kurs = leser.Double();
      const double betrag = leser.Double();
      if (art == daKauf) {
        liste.Einfuegen(TTransaktionKauf(datum, stueck, kurs, betrag));
      } else {
        liste.Einfuegen(TTransaktionVerkauf(datum, stueck, kurs, betrag));
      }
      break;
    }
    case daSplit: {
      const double von = leser.Double();
      const double nach = leser.Double();
      liste.Einfuegen(TTransaktionSplit(datum, von, nach));
      break;
    }
    default:
      liste.Einfuegen(TTransaktionSonstige(datum, leser.Double()));
      break;
  }
}

void TransaktionSchreiben(TBinaerSchreiber& schreiber, const TTransaktion& t) {
  const auto kopf = [&](TDateiArt art) {
    schreiber.Byte(art);
    schreiber.Int32(t.Datum);
  };
  if (const auto* split = Als<TTransaktionSplit>(t)) {
    kopf(daSplit);
    schreiber.Double(split->Von);
    schreiber.Double(split->Nach);
  } else if (const auto* sonstige = Als<TTransaktionSonstige>(t)) {
    kopf(daSonstige);
    schreiber.Double(sonstige->Betrag);
  } else if (const auto* handel = Als<TTransaktionHandel>(t)) {
    kopf(t.Art() == TTransaktionsArt::Kauf ? daKauf : daVerkauf);
    schreiber.Double(handel->Stueck);
    schreiber.Double(handel->Kurs);
    schreiber.Double(handel->Betrag);
  }
}

// A lambda rather than a function, so that the loop over the records inlines it.
constexpr auto KursLesen = [](std::string_view satz, TKurs& k) {
  PreiseLesen(satz, k);
  k.Umsatz = DoubleBei(satz, 44);
};

void KursSchreiben(TBinaerSchreiber& schreiber, const TKurs& k) {
  schreiber.Int32(k.Datum);
  schreiber.Double(k.Kassakurs);
  schreiber.Double(k.Eroeffnung);
  schreiber.Double(k.Schluss);
  schreiber.Double(k.Hoch);
  schreiber.Double(k.Tief);
  schreiber.Double(k.Umsatz);
}

}  // namespace

void TWP_ImportExport_MV35::Lesen(TBinaerLeser& leser, TLeseumfang umfang, TLesung& lesung) const {
  TWertpapier& wertpapier = lesung.Wertpapier;
  KopfPruefen(leser, kKopf, "Keine Morvane 3.5 Wertpapier-Datei");
  StammdatenLesen(leser, wertpapier);
  if (umfang == TLeseumfang::Stammdaten) return;

  const std::int32_t transaktionen = leser.Anzahl(kKleinsteTransaktion);
  for (std::int32_t i = 0; i < transaktionen; ++i) {
    TransaktionLesen(leser, wertpapier.Transaktionen);
  }
  if (umfang == TLeseumfang::Transaktionen) return;

  lesung.Verworfen =
      KurseLesen(leser, leser.Anzahl(kKursGroesse), kKursGroesse, wertpapier.Kurse, KursLesen);
}

std::string TWP_ImportExport_MV35::Kodieren(const TWertpapier& wertpapier) {
  TBinaerSchreiber schreiber;
  schreiber.Reservieren(kKopf.size() + 1024 +
                        static_cast<std::size_t>(wertpapier.Transaktionen.Anzahl()) * 29 +
                        static_cast<std::size_t>(wertpapier.Kurse.Anzahl()) * kKursGroesse);
  schreiber.Roh(kKopf);
  StammdatenSchreiben(schreiber, wertpapier);
  schreiber.Int32(wertpapier.Transaktionen.Anzahl());
  for (int i = 0; i < wertpapier.Transaktionen.Anzahl(); ++i) {
    TransaktionSchreiben(schreiber, wertpapier.Transaktionen.Transaktion(i));
  }
  schreiber.Int32(wertpapier.Kurse.Anzahl());
  for (const TKurs& kurs : wertpapier.Kurse.Alle())
    KursSchreiben(schreiber, kurs);
  return schreiber.Entnehmen();
}

void TWP_ImportExport_MV35::WertpapierSpeichern(const std::string& pfad,
                                                const TWertpapier& wertpapier) const {
  try {
    // A replaced file keeps its permissions, as it would when overwritten in place.
    struct stat info {};
    const unsigned modus = ::stat(pfad.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
    DateiAtomarSchreiben(pfad, Kodieren(wertpapier), modus);
  } catch (const Exception& e) {
    Werfen("Konnte Datei '" + pfad + "' nicht schreiben: " + e.Meldung());
  }
}

void TWP_ImportExport_MV35::Werfen(const std::string& meldung) const {
  throw EWP_ImportExport_MV35(meldung);
}

}  // namespace morvane
