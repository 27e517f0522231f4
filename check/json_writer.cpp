#include "check/json_writer.h"

#include "app/version.h"
#include "platform/ascii.h"

namespace kavelo {

void TXmlCheckJson::IncepeElement() {
  if (FNumere.empty()) return;
  std::u16string s;
  if (FNumere.back() > 0) s += u',';
  s += u"\r\n";
  s.append(2 * FNumere.size(), u' ');
  FIesire->Scrie(s);
  ++FNumere.back();
}

void TXmlCheckJson::Cheie(std::u16string_view nume) {
  IncepeElement();
  if (nume.empty()) return;
  Sir(nume);
  FIesire->Scrie(u": ");
}

void TXmlCheckJson::Deschide(std::u16string_view nume, char16_t paranteza) {
  Cheie(nume);
  FIesire->Scrie(std::u16string_view(&paranteza, 1));
  FNumere.push_back(0);
}

void TXmlCheckJson::Inchide(char16_t paranteza) {
  const std::int32_t n = FNumere.back();
  FNumere.pop_back();
  if (n > 0) {
    std::u16string s = u"\r\n";
    s.append(2 * FNumere.size(), u' ');
    FIesire->Scrie(s);
  }
  FIesire->Scrie(std::u16string_view(&paranteza, 1));
}

void TXmlCheckJson::IncepeObiect(std::u16string_view nume) { Deschide(nume, u'{'); }
void TXmlCheckJson::TerminaObiect() { Inchide(u'}'); }
void TXmlCheckJson::IncepeLista(std::u16string_view nume) { Deschide(nume, u'['); }
void TXmlCheckJson::TerminaLista() { Inchide(u']'); }

void TXmlCheckJson::Sir(std::u16string_view text) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  FScratch.clear();
  FScratch.push_back(u'"');
  for (const char16_t c : text) {
    switch (c) {
      case u'\b': FScratch += u"\\b"; break;
      case u'\t': FScratch += u"\\t"; break;
      case u'\n': FScratch += u"\\n"; break;
      case u'\f': FScratch += u"\\f"; break;
      case u'\r': FScratch += u"\\r"; break;
      case u'"': FScratch += u"\\\""; break;
      case u'\\': FScratch += u"\\\\"; break;
      default:
        if (c < 0x20) {
          FScratch += u"\\u00";
          FScratch.push_back(kHex[c >> 4]);
          FScratch.push_back(kHex[c & 15]);
        } else {
          FScratch.push_back(c);
        }
    }
  }
  FScratch.push_back(u'"');
  FIesire->Scrie(FScratch);
}

void TXmlCheckJson::Text(std::u16string_view nume, std::u16string_view valoare) {
  Cheie(nume);
  Sir(valoare);
}

void TXmlCheckJson::Numar(std::u16string_view nume, std::int32_t valoare) {
  Cheie(nume);
  FIesire->Scrie(TextNumar(valoare));
}

void TXmlCheckJson::NumarSauNul(std::u16string_view nume, std::int32_t valoare, bool prezent) {
  if (prezent)
    Numar(nume, valoare);
  else
    Nul(nume);
}

void TXmlCheckJson::Logic(std::u16string_view nume, bool valoare) {
  Cheie(nume);
  FIesire->Scrie(valoare ? u"true" : u"false");
}

void TXmlCheckJson::Nul(std::u16string_view nume) {
  Cheie(nume);
  FIesire->Scrie(u"null");
}

void TXmlCheckJson::Termina() { FIesire->Scrie(u"\r\n"); }

void ScrieMembriVersiune(TXmlCheckJson& json) {
  json.Text(u"tool", kNumeUnealta);
  json.Text(u"version", VersiuneUnealta());
  json.Logic(u"releaseBuild", EsteLansare());
  json.Text(u"lastRelease", UltimaLansare());
  json.Numar(u"formatVersion", kVersiuneFormat);
  json.Text(u"minimumKaveloVersion", kVersiuneMinimaKavelo);
  json.Text(u"versionLine", LinieVersiune());
}

void ScrieVersiuneJson(TXmlCheckIesire* iesire) {
  TXmlCheckJson json(iesire);
  json.IncepeObiect(u"");
  ScrieMembriVersiune(json);
  json.TerminaObiect();
  json.Termina();
}

}  // namespace kavelo
