// The XML node reader: parses a hardware XML file and hands it to a callback
// piece by piece: the root element, then each child of the root with its
// whole subtree, then the end of the root with the root's own text. Only the
// subtree of the unit being read is in memory at any time.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "import/problems.h"
#include "platform/input_stream.h"

namespace kavelo {

struct TFerXmlNod {
  std::u16string Nume;  // qualified name as written
  std::int32_t Linie = 0;
  std::int32_t Coloana = 0;
  // In document order; namespace declarations and schema-instance attributes
  // are not here.
  std::vector<std::pair<std::u16string, std::u16string>> Atribute;
  std::vector<std::unique_ptr<TFerXmlNod>> Copii;
  bool swText = false;  // non-blank text of its own, or a CDATA section
  std::u16string Text;  // a sample of that text, at most 200 UTF-16 units

  // The value of the first attribute with exactly this name.
  bool Atribut(std::u16string_view nume, std::u16string& valoare) const;
};

inline constexpr size_t kMaxText = 200;
inline constexpr int kAdancimeMaxima = 32;

// Called with ordinal 0 for the root (no children, no text), 1, 2, ... for
// each child of the root at its end tag, and -1 at the end of the root. The
// node belongs to the reader and is freed when the callback returns.
using TFerXmlProcUnitate = std::function<void(TFerXmlNod& nod, std::int32_t ordin)>;

// True when the parse reached the end of the document or a callback raised
// EFerXmlOprire. False on an XML error: problema is then the fatal problem to
// report. Any other exception of a callback is raised again after the parse.
bool CitesteXml(InputStream& stream, const TFerXmlProcUnitate& proc, TFerXmlProblema& problema);

}  // namespace kavelo
