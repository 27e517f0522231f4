// One invocation of the tool: parse the command line and do what it asks.
#pragma once

#include <string>
#include <vector>

#include "app/output.h"
#include "check/english_messages.h"

namespace kavelo {

// args[0..maxIndex] are the program's arguments (maxIndex -1 for none).
// Returns the exit code 0, 1 or 2. Does not flush the channels.
int Ruleaza(const std::vector<std::u16string>& args, int maxIndex, const TSursaEngleza& sursaEngleza,
            TXmlCheckIesire* iesire, TXmlCheckIesire* eroare);

}  // namespace kavelo
