#include "platform/exception.h"

#include <cstring>

#include "platform/utf.h"

namespace kavelo {

Exceptie::Exceptie(std::u16string mesaj) : mesaj_(std::move(mesaj)), utf8_(Utf8DinUtf16(mesaj_)) {}

std::u16string MesajExceptie(const std::exception& e) {
  if (const auto* k = dynamic_cast<const Exceptie*>(&e)) return k->Mesaj();
  return Utf16DinUtf8(e.what());
}

Exceptie ExceptieSistem(int err) { return Exceptie(Utf16DinUtf8(std::strerror(err))); }

}  // namespace kavelo
