// Text helpers that fold only the ASCII letters a-z, as every case-insensitive
// comparison of the system does.
#pragma once

#include <string>
#include <functional>
#include <string_view>
#include <vector>

namespace kavelo {

inline char16_t MinusculaAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? c + 32 : c; }
inline char16_t MajusculaAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? c - 32 : c; }

std::u16string MinusculeAscii(std::u16string_view text);
bool EgalFaraCaz(std::u16string_view a, std::u16string_view b);
bool IncepeCuFaraCaz(std::u16string_view text, std::u16string_view prefix);
bool SeTerminaCuFaraCaz(std::u16string_view text, std::u16string_view suffix);

// Removes the characters up to U+0020 at both ends (spaces and controls).
std::u16string_view TaieBlancuri(std::u16string_view text);
std::u16string_view TaieBlancuriDreapta(std::u16string_view text);

// A hash for maps keyed by UTF-16 strings that are searched with views,
// without building a string for each search.
struct HashU16 {
  using is_transparent = void;
  size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>()(text); }
};

// The lines of a text, split at CR LF, CR or LF; views into the text.
std::vector<std::u16string_view> ImparteLinii(std::u16string_view text);

// Decimal text of a number, as UTF-16.
std::u16string TextNumar(long long value);

}  // namespace kavelo
