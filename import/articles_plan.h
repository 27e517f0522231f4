// The articles plan: what the articles import would add or change, with the
// counts of unchanged and refused articles and every problem of the import,
// and the writing of a plan into a table.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "import/problems.h"
#include "platform/memory_table.h"

namespace kavelo {

enum TFerXmlActiune { fxaNou, fxaInlocuit, fxaNeschimbat, fxaRefuzat };

struct TFerXmlValoareCamp {
  std::int32_t IndexCamp = 0;  // position in CampuriTinta
  TValoareCamp Valoare;
};

// One row of a weight chart: a value per chart field.
using TRandDiagrama = std::vector<TValoareCamp>;

struct TFerXmlArticolPlan {
  std::int32_t Ordin = 0;
  std::u16string Eticheta;
  std::u16string Cod;
  TFerXmlActiune Actiune = fxaNou;
  std::vector<TFerXmlValoareCamp> Valori;
  bool swDiagramaElement = false;
  bool swStergeDiagrama = false;
  std::vector<TRandDiagrama> Diagrama;
  std::vector<std::int32_t> ColoaneUtilizator;
  std::u16string AmprentaStocata;
  bool swFaraDiagrama = false;
};

class TFerXmlPlanArticole {
 public:
  std::vector<std::unique_ptr<TFerXmlArticolPlan>> Articole;
  TFerXmlProbleme Probleme;
  std::int32_t NrNeschimbate = 0;
  std::int32_t NrRefuzate = 0;
  std::u16string Generator;
  std::int32_t Versiune = 1;
  std::vector<std::u16string> CampuriTinta;
  std::vector<std::u16string> NumeXML;
  std::int32_t IndexCod = -1;
  std::int32_t IndexDiagrama = -1;
  std::int32_t IndexPret = -1;
  std::int32_t IndexDataModifPret = -1;
  std::int32_t IndexCuloare = -1;
  // The host needs only the outcomes and the problems: entries keep no values
  // and no chart, and the plan cannot be applied.
  bool swDoarRezultate = false;

  std::int32_t Nr(TFerXmlActiune actiune) const;
  // The user-owned columns the replaced articles change: "Name (count), ...".
  std::u16string TextColoaneUtilizator(std::int32_t& nrArticole) const;
};

struct TFerXmlRezultatAplicare {
  std::int32_t NrNoi = 0;
  std::int32_t NrModificate = 0;
  std::int32_t NrNeschimbate = 0;
  std::int32_t NrRefuzate = 0;
  std::int32_t NrNoiCuCuloare = 0;
};

// Writes the plan into the table; each entry that cannot be written is an
// error in the plan's problem list and a refused article.
TFerXmlRezultatAplicare AplicaPlanArticole(TFerXmlPlanArticole& plan, TTabelMemorie& tabel, bool swPastreaza);

// The weight chart table: integer fields KgPerMP, X0, Y0, ... X9, Y9.
void DefinesteTabelDiagrama(TTabelMemorie& tabel);
// Stores the rows into the chart field of the table's current record.
void ScrieDiagrama(TTabelMemorie& tabel, int camp, const std::vector<TRandDiagrama>& randuri);

// The current local date and time.
TDataOra DataOraCurenta();

}  // namespace kavelo
