// The rows the column table is built from: one row per attribute, as the
// format documents them (name in the file, field, type, length or range,
// rules), and the named lists of accepted values.
#pragma once

#include <vector>

#include "format/vocabulary.h"

namespace kavelo {

struct RandColoana {
  TFerXmlElement Element;
  const char16_t* NumeXML;
  const char16_t* NumeRO;  // empty: the attribute goes to no field
  TFerXmlTip Tip;
  // "" (none), a length ("20"), or an integer range ("0..2147483647").
  const char16_t* Lungime;
  // Rules separated by "; ": "mandatory", "schema: non-empty",
  // "schema: non-blank", "not negative", "rule fxreExact" (and the other
  // rules), "values: <list>", "free values", "inner spaces ignored",
  // "warns unless X", "tolerated: a, b", "forbidden: apostrophe, comma,
  // final asterisk, tab, line break", "withdrawn", "withdrawn -> <name>",
  // "not in schema", "Romanian name in format 1".
  const char16_t* Reguli;
};

struct ListaValori {
  const char16_t* Nume;
  std::vector<TFerXmlValoare> Valori;
};

const std::vector<RandColoana>& RanduriSeturi();
const std::vector<RandColoana>& RanduriArticole();
const std::vector<ListaValori>& ListeValori();
// Romanian names of the Record columns the user maintains in the product.
const std::vector<std::u16string>& ColoaneUtilizator();

}  // namespace kavelo
