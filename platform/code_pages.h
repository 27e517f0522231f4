// The single-byte code pages hardware files are written in besides the
// encodings the XML parser knows itself: Windows-1250, Windows-1252 and
// ISO-8859-2. Windows-1250 is also the system's single-byte code page.
#pragma once

#include <string_view>

namespace kavelo {

struct CodPagina {
  const char16_t* Nume;  // canonical name, e.g. "windows-1250"
  const int* Sus;        // the characters of the bytes 0x80 to 0xFF

  // The character of a byte; -1 where the byte has none.
  constexpr int Caracter(unsigned char b) const { return b < 0x80 ? b : Sus[b - 0x80]; }
};

// The code page of an encoding name (ignoring ASCII case), or nullptr.
const CodPagina* CautaCodPagina(std::u16string_view nume);

const CodPagina& Windows1250();

}  // namespace kavelo
