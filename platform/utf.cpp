#include "platform/utf.h"

namespace kavelo {

namespace {

void AdaugaCodPunct(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

void AdaugaUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
  }
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, 0 when invalid.
size_t Decodeaza(std::string_view bytes, size_t i, char32_t& c) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const unsigned char b0 = b(i);
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  size_t n;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
    c = b0 & 0x1F;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    c = b0 & 0x0F;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    c = b0 & 0x07;
    min = 0x10000;
  } else {
    return 0;
  }
  if (i + n > bytes.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b(i + k) & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return n;
}

void DinUtf8(std::u16string& out, std::string_view bytes, bool pastreazaOcteti) {
  // ASCII runs are copied straight; the rest is decoded.
  const size_t inceput = out.size();
  out.resize(inceput + bytes.size());
  size_t i = 0;
  while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) {
    out[inceput + i] = static_cast<char16_t>(bytes[i]);
    ++i;
  }
  out.resize(inceput + i);
  while (i < bytes.size()) {
    char32_t c;
    const size_t n = Decodeaza(bytes, i, c);
    if (n == 0) {
      out.push_back(pastreazaOcteti ? static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i]))
                                    : u'\uFFFD');
      ++i;
    } else {
      AdaugaUtf16(out, c);
      i += n;
    }
  }
}

}  // namespace

void AdaugaUtf8(std::string& out, std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AdaugaCodPunct(out, c);
  }
}

std::string Utf8DinUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  AdaugaUtf8(out, text);
  return out;
}

void AdaugaUtf16DinUtf8(std::u16string& out, std::string_view bytes) { DinUtf8(out, bytes, false); }

std::u16string Utf16DinUtf8(std::string_view bytes) {
  std::u16string out;
  DinUtf8(out, bytes, false);
  return out;
}

std::u16string Utf16DinNumeSistem(std::string_view bytes) {
  std::u16string out;
  DinUtf8(out, bytes, true);
  return out;
}

std::string NumeSistemDinUtf16(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const bool pereche = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() &&
                         text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
    if (pereche) {
      AdaugaUtf8(out, text.substr(i, 2));
      ++i;
    } else if (c >= 0xDC80 && c <= 0xDCFF) {
      out.push_back(static_cast<char>(c - 0xDC00));
    } else {
      AdaugaUtf8(out, text.substr(i, 1));
    }
  }
  return out;
}

}  // namespace kavelo
