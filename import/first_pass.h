// The first pass over a file: checks the root element, lists every child of
// the root as a unit with its key, and counts the units that share a key.
// Also the element rules the imports apply to every element they read.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "format/vocabulary.h"
#include "import/problems.h"
#include "import/xml_reader.h"
#include "platform/input_stream.h"

namespace kavelo {

struct TFerXmlFisier {
  std::int32_t Versiune = 1;  // 1 when FormatVersion is absent
  TFerXmlContinut Continut = fxcSeturi;
  bool swContinutDedus = false;
  std::u16string Serie;
  std::u16string Generator;
  std::vector<std::u16string> ColoaneClient;
  std::vector<TFerXmlUnitate> Unitati;
  bool swAliasDiagramaGreutate = false;
};

// Called with the kilobytes read so far and the kilobytes of the whole file.
using TFerXmlProgres = std::function<void(std::int32_t citit, std::int32_t total)>;

// Runs the first pass over the stream from its start. The summary is always
// filled (after a fatal problem with what was learned until then). True when
// no fatal problem occurred.
bool FerXmlCitestePas1(InputStream& stream, TFerXmlContinut continut, TFerXmlProbleme& probleme,
                       const TFerXmlProgres& progres, TFerXmlFisier& fisier);

std::u16string NumeContinut(TFerXmlContinut c);
TFerXmlElement ElementUnitate(TFerXmlContinut c);

// Whether the element name n is the expected name e (in format 1 also e
// followed by digits, for the unit and row elements).
bool ElementPermis(std::int32_t versiune, std::u16string_view n, std::u16string_view e);
// Reports an element that is not the expected one; true when it is.
bool VerificaElement(TFerXmlContinut c, std::int32_t versiune, std::u16string_view n, TFerXmlProbleme& probleme,
                     const TFerXmlProblema& model, std::u16string_view e);
std::u16string SugestieElement(TFerXmlContinut c, std::int32_t versiune, std::u16string_view n);
// An attribute by its XML name, or else by the Romanian alias of that column.
bool ValoareAtribut(const TFerXmlNod& nod, TFerXmlElement e, std::u16string_view nume, std::u16string& valoare);

}  // namespace kavelo
