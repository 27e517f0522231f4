// The result of checking one file: what was read of its root, its outcome
// (fatal or counted), its format errors and the problems of the import.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "check/message_texts.h"
#include "import/articles_plan.h"
#include "import/sets_import.h"
#include "import/problems.h"
#include "platform/memory_table.h"

namespace kavelo {

struct TXmlCheckBaza {
  bool swCitit = false;
  std::int32_t Linie = 0;
  std::int32_t Coloana = 0;
  bool swVersiune = false;
  std::u16string Versiune;
  bool swContinut = false;
  std::u16string Continut;
};

struct TXmlCheckEroareFormat {
  TFerXmlProblema P;
  std::u16string Cod;
  bool swDinImport = false;
  std::u16string TextRegula;
};

class TXmlCheckFisier {
 public:
  TXmlCheckTip Tip = xctNiciunul;
  std::u16string Fisier;
  bool swVerificat = true;
  std::u16string MotivNeverificat;
  TXmlCheckBaza Baza;
  std::unique_ptr<TFerXmlPlanSeturi> PlanSeturi;
  std::unique_ptr<TFerXmlPlanArticole> PlanArticole;
  std::unique_ptr<TTabelMemorie> Catalog;
  std::unique_ptr<TXmlCheckTexte> Texte;
  bool swFatal = false;
  std::u16string CodFatal;
  std::u16string TitluFatal;
  std::u16string TextFatal;
  std::u16string IndiciuFatal;
  bool swProblemaFatala = false;
  TFerXmlProblema ProblemaFatala;
  std::vector<TXmlCheckEroareFormat> EroriFormat;
  std::int32_t NrUnitati = 0;
  std::int32_t NrAcceptate = 0;
  std::int32_t NrRefuzate = 0;
  std::int32_t NrErori = 0;
  std::int32_t NrAvertizari = 0;
  std::u16string Generator;
  std::u16string Serie;
  std::int32_t VersiuneFormat = 0;

  // The problem list of the plan, or nullptr.
  TFerXmlProbleme* Probleme() const {
    if (PlanSeturi) return &PlanSeturi->Probleme;
    return PlanArticole ? &PlanArticole->Probleme : nullptr;
  }
  std::int32_t NrEroriFormat() const { return static_cast<std::int32_t>(EroriFormat.size()); }
};

}  // namespace kavelo
