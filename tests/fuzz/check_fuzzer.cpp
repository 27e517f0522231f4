// Checks arbitrary bytes as an articles file and as a sets file, with both
// reports, so that a fuzzer can look for inputs that crash or misbehave. Built with
// -DKAVELO_FUZZ=ON under clang (libFuzzer).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/output.h"
#include "check/check_run.h"
#include "check/english_messages.h"
#include "check/json_report.h"
#include "check/message_texts.h"
#include "check/text_report.h"
#include "format/vocabulary.h"
#include "platform/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  using namespace kavelo;
  static const std::string fisier = "/tmp/kavelo-fuzz-" + std::to_string(getpid()) + ".xml";
  static std::unique_ptr<TKVTrsStringsV2> stringuri = [] {
    ConstruiesteTabelFormat();
    auto s = SursaEngleza();
    auto en = StringuriEngleza(*s);
    InlocuiesteMesaje(*en, xclEngleza);
    return en;
  }();
  FILE* f = std::fopen(fisier.c_str(), "wb");
  if (f == nullptr) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  const std::u16string nume = Utf16DinNumeSistem(fisier);
  for (const TXmlCheckTip tip : {xctArticoleFeronerie, xctSeturiFeronerie}) {
    const auto r = VerificaFisier(tip, nume, *stringuri, false, u"", nullptr, xclEngleza);
    TXmlCheckOptiuni o;
    o.Tip = tip;
    o.Fisier = nume;
    MemoryOutputStream text, json;
    TXmlCheckIesireUtf8 canalText(&text, true, false), canalJson(&json, false, false);
    const int cod = CodIesire(nullptr, *r);
    ScrieRaportText(&canalText, o, *stringuri, cod, *r, nullptr);
    ScrieRaportJson(&canalJson, o, nullptr, false, cod, *r);
    canalText.Goleste();
    canalJson.Goleste();
  }
  return 0;
}
