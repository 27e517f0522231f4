#include "app/output.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/exception.h"
#include "platform/utf.h"

namespace kavelo {

void TXmlCheckIesire::ScrieLinie(std::u16string_view text) {
  std::u16string linie;
  linie.reserve(text.size() + 2);
  linie.append(text);
  linie.append(u"\r\n");
  Scrie(linie);
}

TXmlCheckIesireUtf8::TXmlCheckIesireUtf8(OutputStream* stream, bool bom, bool detine)
    : FStream(stream), swDetine(detine) {
  FTampon.reserve(33792);
  if (bom) FStream->Write("\xEF\xBB\xBF");
}

TXmlCheckIesireUtf8::~TXmlCheckIesireUtf8() {
  if (swDetine) delete FStream;
}

void TXmlCheckIesireUtf8::Scrie(std::u16string_view text) {
  FTampon.append(text);
  if (FTampon.size() > 32767) Goleste();
}

void TXmlCheckIesireUtf8::Goleste() {
  if (FTampon.empty()) return;
  FOcteti.clear();
  AdaugaUtf8(FOcteti, FTampon);
  FTampon.clear();
  FStream->Write(FOcteti);
}

TXmlCheckIesireMultipla::TXmlCheckIesireMultipla(const std::vector<TXmlCheckIesire*>& iesiri) {
  for (auto* i : iesiri)
    if (i != nullptr) FIesiri.push_back(i);
}

void TXmlCheckIesireMultipla::Scrie(std::u16string_view text) {
  for (auto* i : FIesiri) i->Scrie(text);
}

void TXmlCheckIesireMultipla::Goleste() {
  for (auto* i : FIesiri) i->Goleste();
}

TIesireConsola::TIesireConsola(int handle) : FHandle(handle) { FTampon.reserve(32768); }

void TIesireConsola::Scrie(std::u16string_view text) {
  FTampon.append(text);
  if (FTampon.size() > 16383) Goleste();
}

void TIesireConsola::Goleste() {
  if (FTampon.empty()) return;
  std::u16string text;
  text.swap(FTampon);  // the buffer is empty from here on, whatever the writes do
  size_t start = 0;
  while (start < text.size()) {
    size_t n = std::min(kPiesa, text.size() - start);
    if (n == kPiesa && text[start + n - 1] >= 0xD800 && text[start + n - 1] <= 0xDBFF) --n;
    start += ScriePiesa(std::u16string_view(text).substr(start, n));
  }
  text.clear();
  FTampon.swap(text);  // keep the buffer's room for the next text
}

size_t TIesireConsola::ScriePiesa(std::u16string_view piesa) {
  FOcteti.clear();
  AdaugaUtf8(FOcteti, piesa);
  if (const int err = WriteAll(FHandle, FOcteti)) throw ExceptieSistem(err);
  return piesa.size();
}

std::unique_ptr<TXmlCheckIesire> IesireStandard(CanalStandard care) {
  const int fd = care == CanalStandard::Iesire ? STDOUT_FILENO : STDERR_FILENO;
  if (::fcntl(fd, F_GETFD) == -1) return std::make_unique<TIesireNula>();
  if (::isatty(fd)) return std::make_unique<TIesireConsola>(fd);
  return std::make_unique<TXmlCheckIesireUtf8>(new FdOutputStream(fd), false, true);
}

}  // namespace kavelo
