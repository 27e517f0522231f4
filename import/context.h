// The host's context of an import (the tables and answers the import needs),
// and the two lookups the sets import builds from it: the article catalog and
// the suppliers. Also the tolerant and folded forms of a text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/memory_table.h"

namespace kavelo {

enum TFerXmlVocabular { fxvbValuta, fxvbCategorieConsum, fxvbFormarePret, fxvbManopera, fxvbUM };
inline constexpr int kNrVocabulare = fxvbUM + 1;

struct TFerXmlLatimeCod {
  std::int32_t Latime = 0;
  std::u16string Tabel;
};

// What the host gives an import. The import only reads the tables.
struct TFerXmlContext {
  TTabelMemorie* Articole = nullptr;
  TTabelMemorie* Furnizori = nullptr;
  TTabelMemorie* OptionaleFerArt = nullptr;
  std::u16string NumeSerie;
  std::u16string CodSerie;
  std::function<bool(const std::u16string& deschidere)> DeschiderePermisa;
  std::function<std::u16string(const std::u16string& marca)> MarcaAcceptata;
  std::function<bool(const std::u16string& functie)> FunctiePlusIf;
  std::function<TFerXmlLatimeCod()> LatimeCodSeturi;
  std::vector<std::u16string> CuloriFeronerie;
  std::array<std::vector<std::u16string>, kNrVocabulare> Vocabulare;
  std::u16string NumeFurnizori;
  std::u16string NumeArticole;
};

// Carriage returns removed, then tabs made spaces.
std::u16string FormaToleranta(std::u16string_view text);
// Characters up to U+0020 removed at both ends, ASCII letters in upper case.
std::u16string FormaPliata(std::u16string_view text);

struct TFerXmlArticolCatalog {
  std::u16string Cod;
  std::u16string Denumire;
  std::u16string Culoare;
  std::u16string TipArticol;
  std::u16string Latura;
  std::u16string Referinta;
  std::u16string Cote1;
  std::u16string Cote2;
  double Lungime = 0;
  bool swDiagrama = false;
};

// Every article of the articles table by its code: exact, tolerant and folded.
class TFerXmlCatalog {
 public:
  explicit TFerXmlCatalog(TTabelMemorie* sursaArticole);
  bool Cauta(std::u16string_view codCautat, TFerXmlArticolCatalog& articol, bool& swPrinToleranta) const;
  std::u16string Sugestie(std::u16string_view codCautat) const;
  size_t NrArticole() const { return FArticole.size(); }

 private:
  std::vector<TFerXmlArticolCatalog> FArticole;
  std::unordered_map<std::u16string, std::int32_t> FExact;
  std::unordered_map<std::u16string, std::int32_t> FTolerant;  // -1: ambiguous
  std::unordered_map<std::u16string, std::int32_t> FPliat;     // -1: ambiguous
};

// Every brand of the suppliers table with its visibility.
class TFerXmlFurnizori {
 public:
  explicit TFerXmlFurnizori(TTabelMemorie* sursaFurnizori);
  bool Exista(std::u16string_view marca, bool& swEsteVizibil) const;
  std::u16string Varianta(std::u16string_view marca) const;

 private:
  std::unordered_map<std::u16string, bool> FVizibil;
  std::unordered_map<std::u16string, std::u16string> FPliat;
};

}  // namespace kavelo
