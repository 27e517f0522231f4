// The English message table: its embedded form, the translator that gives the
// catalogue its English texts, and the self-test that every message has one.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "check/message_catalog.h"

namespace kavelo {

// A provider of the English table: each call opens a new stream over it, or
// gives nothing when the table is not available.
using TSursaEngleza = std::function<std::unique_ptr<std::istream>()>;

// The provider of the table compiled into the program.
std::unique_ptr<std::istream> SursaEngleza();

// Translates message texts by name from the English table ("VarName", "Text").
class TFerXmlTraducatorVar {
 public:
  // Both load the table at once and throw Exceptie when it cannot be read.
  static std::unique_ptr<TFerXmlTraducatorVar> Create(const std::u16string& numeFisier);
  static std::unique_ptr<TFerXmlTraducatorVar> CreateDinStream(std::istream& stream);

  // A translation function: the English text, with the original's leading and
  // trailing blanks kept as spaces.
  bool Traduce(const std::u16string& AVarName, std::u16string& Text, bool AddIfNotFound,
               const std::u16string& AOrigin, bool AReports) const;

  // The English text of a name exactly as stored; nullptr when the name has
  // no row or the row's text is null.
  const std::u16string* TextPentru(const std::u16string& nume) const;

 private:
  TFerXmlTraducatorVar() = default;
  std::unordered_map<std::u16string, std::u16string> FTabel;  // VarName -> Text
};

// A catalogue whose texts are translated into English; a message without an
// English text keeps its Romanian one.
std::unique_ptr<TKVTrsStringsV2> StringuriEngleza(std::istream& stream);

// Collects the catalogue's message names: those that begin with "rsImpXml"
// and the six other names the import uses.
class TXmlCheckNumeMesaje {
 public:
  bool Colecteaza(const std::u16string& AVarName, std::u16string& Text, bool AddIfNotFound,
                  const std::u16string& AOrigin, bool AReports);
  std::vector<std::u16string> Nume;
};

// The message names without an English text, in catalogue order.
std::vector<std::u16string> AutoTest(std::istream& stream);

}  // namespace kavelo
