// The format's services on top of the column table: matching a written value
// against an enumeration, naming a stored value back in the file's vocabulary,
// and proposing corrections for unknown names and values.
#pragma once

#include <string>
#include <string_view>

#include "format/vocabulary.h"

namespace kavelo {

// The ASCII letters and digits of a text, letters in upper case.
std::u16string CheieNume(std::u16string_view text);
// Levenshtein distance between two keys.
int DistantaEditare(std::u16string_view a, std::u16string_view b);

// The correction for an unknown attribute name on an element of a file of the
// given content: an XML name, or "<Element>" when the name belongs to another
// element; empty when there is none.
std::u16string SugestieNume(TFerXmlContinut c, TFerXmlElement e, std::u16string_view nume);

struct TRezolvareEnum {
  bool swSucces = false;
  std::u16string Valoare;  // the value to store
  bool swLiber = false;    // kept as written, outside the list
  bool swCititCa = false;  // read as something other than what was written
};
TRezolvareEnum RezolvaValoareEnum(const TFerXmlColoana& c, std::u16string_view text);

std::u16string CodXmlStocat(const TFerXmlColoana& c, std::u16string_view valoare);
std::u16string SugestieValoareEnum(const TFerXmlColoana& c, std::u16string_view text);
std::u16string ValoriAcceptate(const TFerXmlColoana& c);
std::u16string CodXmlCamp(std::u16string_view numeCamp, std::u16string_view valoare);

// With spaces, tabs, line feeds and carriage returns removed at both ends.
std::u16string_view TaieXml(std::u16string_view text);

}  // namespace kavelo
