// The report's view of a problem list: errors listed by unit, and warnings
// in groups of like warnings (same kind, same attribute), split by value
// where the value matters.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "check/message_catalog.h"
#include "import/problems.h"

namespace kavelo {

struct TFerXmlGrupRaport {
  bool swFisier = false;
  TFerXmlMesaj Mesaj = fxmFisierIncompatibil;
  std::u16string Atribut;
  std::u16string Unde;
  std::vector<std::int32_t> Indici;

  bool PeValoare() const;
};

using TFerXmlTextProblema = std::function<std::u16string(const TFerXmlProblema&)>;
using TFerXmlScrieLinie = std::function<void(const std::u16string&)>;

std::vector<TFerXmlGrupRaport> GrupeAvertizari(const TFerXmlProbleme& probleme);
std::u16string TextGrup(const TFerXmlGrupRaport& grup, const TFerXmlProbleme& probleme,
                        const TKVTrsStringsV2& texte);
std::u16string LocProblema(const TFerXmlProblema& p);
std::u16string DetaliuScurt(const TFerXmlProblema& p, const TKVTrsStringsV2& texte);

void ScrieErori(const TFerXmlProbleme& probleme, const TKVTrsStringsV2& texte, const TFerXmlTextProblema& text,
                const TFerXmlScrieLinie& scrie, bool swDetalii);
void ScrieAvertizari(const TFerXmlProbleme& probleme, const TKVTrsStringsV2& texte, const TFerXmlTextProblema& text,
                     const TFerXmlScrieLinie& scrie, bool swComplet);

}  // namespace kavelo
