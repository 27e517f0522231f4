#include "check/articles_table.h"

#include "platform/ascii.h"

namespace kavelo {

void DefinesteCampuri(TTabelMemorie& tabel, const std::vector<TFerXmlElement>& elemente, const TFiltruCamp& filtru) {
  for (const TFerXmlElement e : elemente)
    for (const TFerXmlColoana& c : ColoaneElement(e)) {
      if (c.NumeRO.empty() || c.swRetras || (!c.swInXSD && c.Tip != fxtIgnorat)) continue;
      TTipCamp tip = ftWideString;
      int marime = 0;
      switch (c.Tip) {
        case fxtCheie:
        case fxtIdentitate:
        case fxtDescriere:
        case fxtListaIntregi:
        case fxtEnum:
          tip = ftWideString;
          marime = c.LungimeCanonica;
          break;
        case fxtMemo:
        case fxtListaCoduri:
        case fxtListaNumere: tip = ftWideMemo; break;
        case fxtIntreg: tip = ftInteger; break;
        case fxtReal: tip = ftFloat; break;
        case fxtBifa:
          tip = ftString;
          marime = 1;
          break;
        case fxtImbricat: tip = ftBlob; break;
        case fxtIgnorat: tip = EgalFaraCaz(c.NumeRO, u"DataModifPret") ? ftDateTime : ftInteger; break;
      }
      if (filtru && !filtru(c, tip, marime)) continue;
      tabel.AdaugaCamp(c.NumeRO, tip, marime);
    }
}

std::unique_ptr<TTabelMemorie> TabelArticole() {
  auto tabel = std::make_unique<TTabelMemorie>();
  DefinesteCampuri(*tabel, {fxeArticol});
  tabel->IndexPrimarUnic(u"IndexPrimar", u"Cod_Mag");
  return tabel;
}

}  // namespace kavelo

namespace kavelo {

std::unique_ptr<TTabelMemorie> TabelSeturi() {
  auto tabel = std::make_unique<TTabelMemorie>();
  DefinesteCampuri(*tabel, {fxeSet, fxeRandSet});
  return tabel;
}

}  // namespace kavelo
