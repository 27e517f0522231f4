// The check run: checks the file of the command line with the import
// engine, sorts what it found, and writes the report.
#pragma once

#include <memory>
#include <string>

#include "app/command_line.h"
#include "app/output.h"
#include "check/file_result.h"
#include "check/message_catalog.h"
#include "platform/input_stream.h"
#include "platform/output_stream.h"

namespace kavelo {

// Returns the exit code 0, 1 or 2.
int Verifica(const TXmlCheckOptiuni& optiuni, TKVTrsStringsV2& stringuri, TXmlCheckIesire* iesire,
             TXmlCheckIesire* eroare);

// Checks one file. The articles name and catalog are given only for sets
// checked against an articles file.
std::unique_ptr<TXmlCheckFisier> VerificaFisier(TXmlCheckTip tip, const std::u16string& fisier,
                                                const TKVTrsStringsV2& stringuri, bool swFisierArticole,
                                                const std::u16string& fisierArticole, TTabelMemorie* catalog,
                                                TXmlCheckLimba limba);

// What was read of the root element, before the import.
void CitesteBaza(const std::u16string& fisier, TXmlCheckBaza& baza);

// The sets import into a sets table of the tool's; with swGoleste the table
// throws every posted row away at once, so it never grows.
std::unique_ptr<TFerXmlPlanSeturi> ImportaSeturi(InputStream& stream, const TFerXmlContext& ctx, bool swGoleste);

// The result of a sets file that is not checked because its --articles file
// cannot be imported.
std::unique_ptr<TXmlCheckFisier> FisierNeverificat(TXmlCheckTip tip, const std::u16string& fisier,
                                                   const TKVTrsStringsV2& stringuri, TXmlCheckLimba limba);

int CodIesire(const TXmlCheckFisier* articole, const TXmlCheckFisier& principal);

// True when both names open the same file (device and inode).
bool AcelasiFisier(const std::u16string& a, const std::u16string& b);

// Creates (or empties) the report file and opens it for writing; on failure
// nothing and the system's message.
std::unique_ptr<OutputStream> DeschideRaport(const std::u16string& nume, std::u16string& eroare);

}  // namespace kavelo
