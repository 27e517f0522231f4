// The articles import: reads a hardware articles file unit by unit, checks
// every article against the format and the host's articles table, and builds
// the plan of what would be written. Nothing is written into the table.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "import/articles_plan.h"
#include "import/attribute_names.h"
#include "import/context.h"
#include "import/first_pass.h"
#include "import/values.h"
#include "platform/ascii.h"

namespace kavelo {

enum TFerXmlTipCampArticol { ftaNescris, ftaCod, ftaRegistru, ftaClient, ftaDiagrama };

struct TFerXmlCampArticol {
  TFerXmlTipCampArticol Tip = ftaNescris;
  const TFerXmlColoana* Coloana = nullptr;  // for ftaCod and ftaRegistru
};

struct TFerXmlArticolCitit {
  std::int32_t Ordin = 0;
  std::u16string Eticheta;
  TFerXmlProblema Model;
  std::u16string CodScris;
  std::u16string Cod;
  std::int32_t IndexStocat = -1;
  bool swExistent = false;
  std::vector<TValoareCamp> Valori;
  std::vector<bool> swPrezent;
  bool swAtributDiagrama = false;
  std::u16string NumeAtributDiagrama;
  bool swElementDiagrama = false;
  std::vector<TRandDiagrama> Diagrama;
};

struct TFerXmlUnitateArticol {
  std::u16string Eticheta;  // its model problem is that of the unit: ordinal and label
  std::u16string CodScris;
  TFerXmlArticolPlan* Plan = nullptr;
};

struct TFerXmlMembruGrup {
  std::int32_t Ordin = 0;
  TFerXmlProblema Model;
  std::u16string Atribut;
  std::u16string Cod;
};

class TFerXmlImportArticole : public TFerXmlValori {
 public:
  // Progress is reported in thousandths: (value, 1000).
  TFerXmlImportArticole(const TFerXmlContext& ctx, TFerXmlProgres progres, TFerXmlPlanArticole& plan);
  void Executa(InputStream& stream);

 private:
  // reading
  void Pregateste();
  void CitesteRecord(TFerXmlNod& nod, std::int32_t ordin);
  bool Identifica(TFerXmlArticolCitit& a);
  void SfarsitFisier();
  void Progres(std::int64_t valoare);

  // values of an article
  int CampColoana(std::u16string_view numeXml) const;
  TValoareCamp ValoareArticol(const TFerXmlArticolCitit& a, std::u16string_view numeXml) const;
  std::u16string TextArticol(const TFerXmlArticolCitit& a, std::u16string_view numeXml) const;
  std::u16string AfisareArticol(const TFerXmlArticolCitit& a, std::u16string_view numeXml) const;

  // weight charts
  void AtributDiagrama(TFerXmlArticolCitit& a, const TFerXmlAtribut& atribut);
  void CitesteDiagrama(TFerXmlArticolCitit& a, const TFerXmlNod& nod, const TFerXmlProblema& model);
  void CitesteRandDiagrama(TFerXmlArticolCitit& a, const TFerXmlNod& nod, const TFerXmlProblema& model);
  void DiagramaSiAtribut(const TFerXmlArticolCitit& a);
  std::u16string TextRandDiagrama(const TRandDiagrama& rand) const;
  std::u16string TextDiagrama(const std::vector<TRandDiagrama>& randuri) const;
  std::u16string TextDiagramaStocata() const;
  void ExportVechi();

  // article rules
  void VerificaLinii(const TFerXmlArticolCitit& a);
  void ReguliArticol(const TFerXmlArticolCitit& a);
  void VerificaMembri();
  TFerXmlLatimeCod LatimeCod();

  // plan
  void PlanificaArticol(const TFerXmlArticolCitit& a, std::int32_t n0);

  TFerXmlContext FCtx;
  TTabelMemorie* FTabel = nullptr;
  TFerXmlPlanArticole& FPlan;
  TFerXmlProgres FProgres;
  std::int64_t FProgresAnterior = -1;
  std::int32_t FLatimeOrdin = 1;  // digits of the unit count, for labels
  TFerXmlFisier FFisier;
  std::unique_ptr<TFerXmlNumeAtribute> FNume;
  std::vector<TFerXmlCampArticol> FCampuri;
  std::unordered_map<std::u16string, int, HashU16, std::equal_to<>> FIndexArt;
  int FiCod = -1;
  int FiDiagrama = -1;
  TTabelMemorie FModelDiagrama;
  std::vector<const TFerXmlColoana*> FColDiagrama;
  std::unordered_map<std::u16string, int, HashU16, std::equal_to<>> FIndexDiagrama;
  int FiKgPerMP = -1;
  std::array<int, 10> FiX{}, FiY{};  // chart fields of the points, -1 where the chart has none
  std::vector<TTabelMemorie::TSemn> FSemne;
  std::vector<std::u16string> FCoduri;
  std::unordered_map<std::u16string, std::int32_t> FCodExact;
  std::unordered_map<std::u16string, std::int32_t> FCodTolerant;
  std::unordered_map<std::u16string, std::u16string> FCodPliat;
  std::unordered_set<std::u16string> FCulori;
  std::unordered_map<std::u16string, std::u16string> FCuloriPliate;
  std::array<std::unordered_set<std::u16string>, kNrVocabulare> FVocabulare;
  std::array<std::unordered_map<std::u16string, std::u16string>, kNrVocabulare> FVocabularePliate;
  std::unordered_map<std::u16string, std::int32_t> FTinte;
  std::unordered_map<std::int32_t, TFerXmlUnitateArticol> FUnitati;
  std::vector<TFerXmlActiune> FActiuni;
  std::vector<TFerXmlMembruGrup> FMembri;
  std::vector<int> FVocabularCamp;  // per field: its vocabulary rule, -1 for none (filled at the first article)
  TFerXmlLatimeCod FLatimeCod;
  bool swLatimeCodCitita = false;
};

// The import as a host calls it: the plan of the file, which the caller owns.
// With swDoarRezultate the plan holds outcomes and problems only.
std::unique_ptr<TFerXmlPlanArticole> ImportaArticole(InputStream& stream, const TFerXmlContext& ctx,
                                                     const TFerXmlProgres& progres, bool swDoarRezultate = false);

}  // namespace kavelo
