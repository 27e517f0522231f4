#include "app/run.h"

#include "app/command_line.h"
#include "app/usage.h"
#include "app/version.h"
#include "check/check_run.h"
#include "check/json_writer.h"
#include "platform/exception.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

std::unique_ptr<std::istream> TabelEnglez(const TSursaEngleza& sursa) {
  std::unique_ptr<std::istream> stream;
  if (sursa) stream = sursa();
  if (!stream) throw Exceptie(u"the English messages are not available");
  return stream;
}

void ScrieUtilizare(TXmlCheckIesire* iesire) {
  iesire->ScrieLinie(LinieVersiune());
  iesire->ScrieLinie(u"");
  iesire->Scrie(TextUtilizare());
}

int AutoTestul(const TSursaEngleza& sursa, TXmlCheckIesire* iesire) {
  iesire->ScrieLinie(LinieVersiune());
  std::vector<std::u16string> lipsa;
  {
    const auto stream = TabelEnglez(sursa);
    lipsa = AutoTest(*stream);
  }
  if (lipsa.empty()) {
    iesire->ScrieLinie(u"self-test: OK, every message has its English text");
    return 0;
  }
  iesire->ScrieLinie(u"self-test: FAILED, messages without an English text:");
  for (const auto& nume : lipsa) iesire->ScrieLinie(u"- " + nume);
  return 1;
}

int Dispecer(const std::vector<std::u16string>& args, int maxIndex, const TSursaEngleza& sursa,
             TXmlCheckIesire* iesire, TXmlCheckIesire* eroare) {
  TXmlCheckOptiuni optiuni;
  std::u16string mesaj;
  if (!CitesteOptiuni(args, maxIndex, optiuni, mesaj)) {
    if (maxIndex < 0) {
      ScrieUtilizare(iesire);
    } else {
      eroare->ScrieLinie(LinieVersiune());
      eroare->ScrieLinie(u"error: " + mesaj);
      eroare->ScrieLinie(Format(u"Run %s --help for the usage.", {std::u16string(kNumeUnealta)}));
    }
    return 2;
  }
  if (optiuni.swAjutor) {
    ScrieUtilizare(iesire);
    return 0;
  }
  if (optiuni.swVersiune) {
    if (optiuni.Format == xcfJson)
      ScrieVersiuneJson(iesire);
    else
      iesire->ScrieLinie(LinieVersiune());
    return 0;
  }
  if (optiuni.swAutoTest) return AutoTestul(sursa, iesire);

  std::unique_ptr<TKVTrsStringsV2> stringuri;
  if (optiuni.Limba == xclRomana) {
    stringuri = std::make_unique<TKVTrsStringsV2>();
  } else {
    const auto stream = TabelEnglez(sursa);
    stringuri = StringuriEngleza(*stream);
  }
  return Verifica(optiuni, *stringuri, iesire, eroare);
}

}  // namespace

int Ruleaza(const std::vector<std::u16string>& args, int maxIndex, const TSursaEngleza& sursaEngleza,
            TXmlCheckIesire* iesire, TXmlCheckIesire* eroare) {
  try {
    return Dispecer(args, maxIndex, sursaEngleza, iesire, eroare);
  } catch (const std::exception& e) {
    try {
      eroare->ScrieLinie(LinieVersiune());
      eroare->ScrieLinie(u"internal error: " + MesajExceptie(e));
    } catch (...) {
    }
    return 2;
  }
}

}  // namespace kavelo
