// The text report: per checked file its declared format, its counts, the
// refused units with their errors, the format errors and the warnings; then
// what the tool could not check and a result line that repeats the exit code.
#pragma once

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/output.h"
#include "check/file_result.h"

namespace kavelo {

void ScrieRaportText(TXmlCheckIesire* iesire, const TXmlCheckOptiuni& optiuni, const TKVTrsStringsV2& stringuri,
                     int codIesire, const TXmlCheckFisier& principal, const TXmlCheckFisier* articole);
void ScrieRaportLinistit(TXmlCheckIesire* iesire, const TXmlCheckFisier* articole, const TXmlCheckFisier& principal);
void ScrieSectiuneText(TXmlCheckIesire* iesire, const TXmlCheckFisier& f, const TKVTrsStringsV2& stringuri);

std::u16string LinieRezultat(int codIesire, const TXmlCheckFisier* articole, const TXmlCheckFisier& principal);
std::u16string LinieRezumat(const TXmlCheckFisier& f);
// "Articles: 3 in the file, 3 accepted, 0 refused." and "Errors: 0, format errors: 0, warnings: 0."
std::u16string LinieNumarare(const TXmlCheckFisier& f);
std::u16string LinieErori(const TXmlCheckFisier& f);
std::vector<std::u16string> Neverificate(TXmlCheckTip tip, const std::u16string& fisierArticole);
std::u16string TextEroareFormat(const TXmlCheckFisier& f, const TXmlCheckEroareFormat& e);
std::u16string NumarSiSubstantiv(std::int32_t n, std::u16string_view singular, std::u16string_view plural);
std::u16string ODeLinie(std::u16string_view text);

}  // namespace kavelo
