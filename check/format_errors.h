// How the tool sorts what the import found: the code, heading and hint of a
// fatal file, and the format errors: warnings a file written for format 2
// must not have, and the tool's own rules about the root element.
#pragma once

#include <string>

#include "check/file_result.h"

namespace kavelo {

void ClasificaFatala(TXmlCheckFisier& rezultat, const TFerXmlProblema& p);
// The hint for a file that belongs to the other import.
std::u16string IndiciuAltTip(TXmlCheckTip tip, const std::u16string& fisier, bool swFisierArticole);
void ColecteazaEroriFormat(TXmlCheckFisier& rezultat, bool swCatalog);
void AdaugaEroareFormat(TXmlCheckFisier& rezultat, std::u16string cod, std::u16string atribut, std::u16string valoare,
                        std::u16string textRegula);

}  // namespace kavelo
