// The saved form of an in-memory table: field definitions and rows, as UTF-8
// text, so that a table can be compiled into the program or kept in a file.
//
//   KVTABLE 1
//   FIELD <tab> name <tab> type <tab> size
//   ROW <tab> value <tab> value ...        (one value per field)
//   END <tab> number of rows
//
// In values, "\\", "\t", "\n" and "\r" stand for a backslash, a tab, a line
// feed and a carriage return; a lone "\N" is a null value. Lines end in LF
// or CR LF. Anything else is a damaged table.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace kavelo {

struct CampSalvat {
  std::u16string Nume;
  std::u16string Tip;  // the data type's name, e.g. "WideString"
  int Marime = 0;
};

struct TabelSalvat {
  std::vector<CampSalvat> Campuri;
  std::vector<std::vector<std::optional<std::u16string>>> Randuri;

  // Index of a field by name, ignoring ASCII case; -1 when there is none.
  int IndexCamp(std::u16string_view nume) const;
};

// Reads a saved table; throws Exceptie naming the line when it is damaged.
TabelSalvat CitesteTabelSalvat(std::istream& in);

// Writes a table in the saved form (the reverse of CitesteTabelSalvat).
std::string ScrieTabelSalvat(const TabelSalvat& tabel);

}  // namespace kavelo
