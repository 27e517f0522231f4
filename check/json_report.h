// The JSON report: the same information as the text report, one object,
// every problem split into fields, for programs that check files.
#pragma once

#include <cstdint>

#include "app/command_line.h"
#include "app/output.h"
#include "check/file_result.h"
#include "check/json_writer.h"

namespace kavelo {

void ScrieRaportJson(TXmlCheckIesire* iesire, const TXmlCheckOptiuni& optiuni, const TXmlCheckFisier* articole,
                     bool swLiniste, int codIesire, const TXmlCheckFisier& principal);
void ScrieFisierJson(TXmlCheckJson& json, const TXmlCheckFisier& f, bool swLiniste);

// Where a problem is, for "line" and "column": from its path, its unit label,
// or its own position.
bool PozitieProblema(const TFerXmlProblema& p, std::int32_t& linie, std::int32_t& coloana);

// The problem code of a message kind ("notANumber", "missing", ...).
const char16_t* CodProblema(TFerXmlMesaj mesaj);

}  // namespace kavelo
