// Numbers as the format writes them, read and written without regard to the
// process locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kavelo {

enum class RezultatNumar { Citit, Depasit, Invalid };

// An optional "+" or "-" and decimal digits (at least one). Depasit: of that
// form but beyond 64 bits.
RezultatNumar CitesteIntreg64(std::u16string_view text, std::int64_t& valoare);

// An optional sign, digits, optionally "." and digits (at least one digit in
// all), optionally "E" or "e", an optional sign and digits. Depasit: of that
// form but infinite as a double. A value too small for a double reads as 0.
RezultatNumar CitesteReal(std::u16string_view text, double& valoare);

// The decimal form of a double: 15 significant digits, trailing zeros
// removed, "." as separator; fixed notation when the magnitude is at least
// 0.00001 and the integer part has at most 15 digits, else "E" notation.
std::u16string TextReal(double valoare);

}  // namespace kavelo
