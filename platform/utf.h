// Conversions between the UTF-16 strings the program works with and the
// UTF-8 bytes of the outside world (command line, files, channels).
#pragma once

#include <string>
#include <string_view>

namespace kavelo {

// UTF-16 to UTF-8. A lone surrogate becomes U+FFFD.
std::string Utf8DinUtf16(std::u16string_view text);

// Appends the UTF-8 form of text to out (no intermediate string).
void AdaugaUtf8(std::string& out, std::u16string_view text);

// UTF-8 to UTF-16. An invalid byte becomes U+FFFD.
std::u16string Utf16DinUtf8(std::string_view bytes);
void AdaugaUtf16DinUtf8(std::u16string& out, std::string_view bytes);

// Names of the system (arguments, file names) are bytes that are usually,
// but not always, UTF-8. These two keep every byte: an invalid byte B is
// carried as the lone surrogate U+DC00+B and turned back into B.
std::u16string Utf16DinNumeSistem(std::string_view bytes);
std::string NumeSistemDinUtf16(std::u16string_view text);

// Short ASCII literal helper for code and tests: u"..." is preferred, this is
// for texts that come as std::string (exception messages and the like).
inline std::u16string U16(std::string_view utf8) { return Utf16DinUtf8(utf8); }

}  // namespace kavelo
