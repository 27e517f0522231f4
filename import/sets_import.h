// The sets import: reads a hardware sets file set by set, checks every set,
// row and cam lock, matches each set with the one already in the host's
// sets table, writes the sets that are new or changed into that table, and
// returns the plan: one summary per unit and every problem.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "import/articles_plan.h"
#include "import/attribute_names.h"
#include "import/context.h"
#include "import/first_pass.h"
#include "import/values.h"
#include "platform/ascii.h"

namespace kavelo {

struct TFerXmlSetRezumat {
  std::int32_t Ordin = 0;
  std::u16string Eticheta;
  std::u16string Deschidere;
  std::u16string FU;
  std::u16string Marca;
  std::u16string SetF;
  TFerXmlActiune Actiune = fxaRefuzat;
  bool swCuOptionale = false;
  bool swMarcaAscunsa = false;
};

class TFerXmlPlanSeturi {
 public:
  std::vector<TFerXmlSetRezumat> Seturi;
  TFerXmlProbleme Probleme;
  std::vector<std::pair<std::u16string, bool>> MarciNoi;
  std::u16string SerieSursa;
  std::u16string Generator;
  std::int32_t Versiune = 1;

  std::int32_t Nr(TFerXmlActiune actiune) const;
  bool AreOptionaleAplicate() const;
};

enum TFerXmlTipCamp { ftcNescris, ftcCheie, ftcRegistru, ftcClient, ftcBlocatori };

struct TFerXmlCampTinta {
  TFerXmlTipCamp Tip = ftcNescris;
  const TFerXmlColoana* Coloana = nullptr;  // for ftcRegistru
};

struct TFerXmlRandOptional {
  std::array<std::u16string, 4> Chei;
  std::int32_t ParentID = 0;
  bool swParentID = false;
};

struct TFerXmlBlocatorPlan {
  TFerXmlProblema Model;
  std::vector<TValoareCamp> Valori;  // one per field of the cam-lock table
};

struct TFerXmlRandSetPlan {
  TFerXmlProblema Model;
  TFerXmlTipRandSet Tip = fxrsGol;
  std::vector<TValoareCamp> Valori;  // one per field of the target table
  std::vector<TFerXmlBlocatorPlan> Blocatori;
  bool swArticol = false;
  TFerXmlArticolCatalog Articol;
  bool swFaraAtributCod = false;
};

struct TFerXmlMarcaCandidat {
  bool swToateAscunse = true;
  bool swVarianta = false;
};

using TCheiSet = std::array<std::u16string, 4>;

// The cam-lock table kept as a row's nested data.
void DefinesteTabelBlocatori(TTabelMemorie& tabel);

class TFerXmlImportSeturi : public TFerXmlValori {
 public:
  TFerXmlImportSeturi(const TFerXmlContext& ctx, TFerXmlProgres progres, TFerXmlPlanSeturi& plan,
                      TTabelMemorie& tabel);
  void Executa(InputStream& stream);

 private:
  // run and preparation
  void Progres(std::int64_t valoare);
  void Pregateste();
  void InregistreazaCheie(const TCheiSet& chei, std::int32_t randuri);

  // reading
  void CitesteSet(TFerXmlNod& nod, std::int32_t ordin);
  bool CitesteRand(const TFerXmlNod& copil, std::int32_t pozitie, std::int64_t latime, std::int32_t ordin,
                   const std::u16string& eticheta, const std::u16string& deschidere, TFerXmlRandSetPlan& rand);
  void CitesteAtributRand(TFerXmlRandSetPlan& rand, const TFerXmlAtribut& atribut);
  void CitesteBlocatori(const TFerXmlNod& nod, const TFerXmlProblema& model, TFerXmlRandSetPlan& rand,
                        const std::u16string& deschidere, const std::u16string& caleRand);

  // values of rows and cam locks
  int CampRand(std::u16string_view numeXml) const;
  const TValoareCamp& ValoareRand(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const;
  std::u16string TextRandCamp(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const;
  std::u16string AfisareRand(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const;
  double NumarRand(const TFerXmlRandSetPlan& r, std::u16string_view numeXml) const;
  int CampBlocator(std::u16string_view numeXml) const;
  const TValoareCamp& ValoareBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const;
  std::u16string TextBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const;
  std::u16string AfisareBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const;
  double NumarBlocator(const TFerXmlBlocatorPlan& b, std::u16string_view numeXml) const;

  // rules
  void MinMax(const TFerXmlProblema& model, std::u16string_view min, std::u16string_view max, double vMin,
              double vMax, const std::u16string& afMin, const std::u16string& afMax);
  void ReguliBlocator(const TFerXmlRandSetPlan& rand, const TFerXmlBlocatorPlan& b, const std::u16string& deschidere);
  void ReguliRand(const TFerXmlRandSetPlan& rand, const std::u16string& deschidere);
  void ReguliSet(const TFerXmlProblema& model, const TCheiSet& chei, TFerXmlSetRezumat& rezumat,
                 std::vector<TFerXmlRandSetPlan>& randuri);
  void VerificaArticol(TFerXmlRandSetPlan& rand);
  void RegulaFunctii(const TFerXmlProblema& model, const std::u16string& functii);
  void LiniiPrelungiri(const TFerXmlProblema& model, std::u16string_view atribut, const std::u16string& text);
  void CoteBlocatori(TFerXmlRandSetPlan& rand);
  void LaturaSiReferinta(const TFerXmlRandSetPlan& rand);

  // plan
  void AplicaSet(const TFerXmlProblema& model, TCheiSet chei, bool swMarcaAscunsa, std::int32_t primaProblema,
                 TFerXmlSetRezumat& rezumat, std::vector<TFerXmlRandSetPlan>& randuri);
  void VerificaMarca(const TFerXmlProblema& model, const std::u16string& marca, bool swMarcaAscunsa);
  void Incheie();
  std::u16string SemnaturaRand(const TFerXmlRandSetPlan& rand) const;
  std::u16string SemnaturaInregistrare() const;
  std::u16string TextBlocatorCanonic(const std::vector<TValoareCamp>& valori) const;
  std::u16string TextRand(const TFerXmlRandSetPlan& rand) const;
  std::u16string TextInregistrare() const;
  std::vector<TTabelMemorie::TSemn> RanduriExistente(const TCheiSet& chei);

  TFerXmlContext FCtx;
  TTabelMemorie& FTabel;
  TFerXmlPlanSeturi& FPlan;
  TFerXmlProgres FProgres;
  std::int64_t FProgresAnterior = -1;
  TFerXmlFisier FFisier;
  std::unique_ptr<TFerXmlNumeAtribute> FNume;
  std::unique_ptr<TFerXmlCatalog> FCatalog;
  std::unique_ptr<TFerXmlFurnizori> FFurnizori;
  std::vector<TFerXmlRandOptional> FOptionale;
  std::vector<TFerXmlCampTinta> FCampuri;
  std::unordered_map<std::u16string, int, HashU16, std::equal_to<>> FIndexRand;
  TTabelMemorie FModelBlocatori;
  std::vector<const TFerXmlColoana*> FColBlocatori;
  std::unordered_map<std::u16string, int, HashU16, std::equal_to<>> FIndexBlocator;
  int FiDeschidere = -1, FiFU = -1, FiMarca = -1, FiSetF = -1, FiBlocatori = -1;
  std::unordered_map<std::u16string, std::int32_t> FChei;
  std::unordered_map<std::u16string, std::u16string> FCheiTolerante;
  std::unordered_map<std::u16string, std::u16string> FCheiPliate;
  std::unordered_map<std::u16string, bool> FCulori;
  std::unordered_map<std::u16string, std::u16string> FCuloriPliate;
  std::unordered_map<std::u16string, TFerXmlMarcaCandidat> FMarci;
  std::unordered_map<std::u16string, std::u16string> FMarciPliate;
  std::vector<std::u16string> FOrdineMarci;
  std::vector<std::int32_t> FImportatiIntai;
  bool swExportVechiInSet = false;
  bool swCatalog = false;
  bool swFurnizori = false;
  std::int32_t FLatimeOrdin = 1;
};

// The import as a host calls it: the plan of the file, which the caller owns.
std::unique_ptr<TFerXmlPlanSeturi> FerXmlImportaSeturi(InputStream& stream, const TFerXmlContext& ctx,
                                                       TTabelMemorie& tabel, const TFerXmlProgres& progres);

}  // namespace kavelo
