// The check run: checks the file(s) of the command line and writes the report.
#pragma once

#include "app/command_line.h"
#include "app/output.h"
#include "check/message_catalog.h"

namespace kavelo {

// Returns the exit code 0, 1 or 2.
int Verifica(const TXmlCheckOptiuni& optiuni, TKVTrsStringsV2& stringuri, TXmlCheckIesire* iesire,
             TXmlCheckIesire* eroare);

}  // namespace kavelo
