// Attribute name resolution: matches every attribute name of an element to a
// column of the format or a client column of the target table, marks
// repeated attributes, reports what is wrong with the names, and checks the
// mandatory attributes of the element.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "format/vocabulary.h"
#include "import/problems.h"
#include "import/xml_reader.h"

namespace kavelo {

enum TFerXmlPasNume {
  fxnColoana,
  fxnAliasRO,
  fxnColoanaClient,
  fxnAltElement,
  fxnVariantaCaz,
  fxnRetras,
  fxnClientDeclarat,
  fxnNecunoscut,
};

struct TFerXmlAtribut {
  std::u16string Nume;
  std::u16string Valoare;
  TFerXmlPasNume Pas = fxnNecunoscut;
  // The column for fxnColoana, fxnAliasRO, fxnVariantaCaz and fxnRetras (a
  // row of the read-only column table); nullptr otherwise.
  const TFerXmlColoana* Coloana = nullptr;
  std::u16string NumeCamp;  // the target field of a client column
  TFerXmlElement Element = fxeBase;
  bool swDublura = false;
};

// The kind of a row of a set.
enum TFerXmlTipRandSet { fxrsArticol, fxrsXY, fxrsGol, fxrsFaraCod };

class TFerXmlNumeAtribute {
 public:
  TFerXmlNumeAtribute(TFerXmlContinut continut, std::vector<std::u16string> coloaneClientDeclarate,
                      std::int32_t versiune);

  // The target table's field names: those that are valid names and no
  // column of the format become client columns of SetRecord or Record.
  void SeteazaCampuriTinta(TFerXmlElement element, const std::vector<std::u16string>& numeCampuri);
  bool EsteColoanaClient(TFerXmlElement element, std::u16string_view numeCamp) const;

  TFerXmlAtribut Rezolva(TFerXmlElement element, std::u16string_view nume, std::u16string_view valoare);
  std::u16string Sugestie(TFerXmlElement element, std::u16string_view nume);

  // Resolves every attribute of the node, marks repetitions and records the
  // name problems under the model.
  std::vector<TFerXmlAtribut> RezolvaNod(const TFerXmlNod& nod, TFerXmlElement element, TFerXmlProbleme& probleme,
                                         const TFerXmlProblema& model);
  // Records a problem for each missing mandatory attribute; true when none.
  bool VerificaObligatorii(TFerXmlElement element, const TFerXmlNod& nod, TFerXmlProbleme& probleme,
                           const TFerXmlProblema& model, const std::vector<TFerXmlAtribut>& atribute);

  std::int32_t Versiune() const { return FVersiune; }
  TFerXmlContinut Continut() const { return FContinut; }

 private:
  TFerXmlAtribut RezolvaFaraCache(TFerXmlElement element, std::u16string_view nume) const;
  static std::u16string CheieCache(TFerXmlElement element, std::u16string_view nume);

  TFerXmlContinut FContinut;
  std::int32_t FVersiune;
  std::vector<std::u16string> FColoaneClientDeclarate;
  std::unordered_map<std::u16string, std::u16string> FCampuriClient[kNrElemente];
  std::unordered_map<std::u16string, std::u16string> FSugestii;
  std::unordered_map<std::u16string, TFerXmlAtribut> FRezolvari;
  std::u16string FCheie;  // reused for cache lookups
};

// The first attribute that counts (not a repetition) of a column or alias step
// whose column's XML name is nume.
bool CautaAtribut(const std::vector<TFerXmlAtribut>& atribute, std::u16string_view nume, TFerXmlAtribut& atribut);
const TFerXmlAtribut* CautaAtribut(const std::vector<TFerXmlAtribut>& atribute, std::u16string_view nume);

// The kind of a set's row, from its element and resolved attributes.
TFerXmlTipRandSet TipRand(const TFerXmlNod& rand, const std::vector<TFerXmlAtribut>& atribute);

}  // namespace kavelo
