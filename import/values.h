// Value conversion: checks an attribute value against its column's rules and
// the target field, converts it to a field value, and records every failure
// as a problem. Both imports derive from TFerXmlValori. Also the helpers the
// imports share for reading, writing, comparing and showing stored values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "format/vocabulary.h"
#include "import/problems.h"
#include "platform/memory_table.h"

namespace kavelo {

class TFerXmlValori {
 public:
  explicit TFerXmlValori(TFerXmlProbleme& probleme) : FProbleme(probleme) {}
  virtual ~TFerXmlValori() = default;

  std::int32_t AdaugaEroare(const TFerXmlProblema& model, TFerXmlMesaj mesaj, std::u16string_view atribut,
                            std::u16string_view valoare, std::vector<std::u16string> parametri,
                            std::u16string_view sugestie = u"");
  std::int32_t AdaugaAvertizare(const TFerXmlProblema& model, TFerXmlMesaj mesaj, std::u16string_view atribut,
                                std::u16string_view valoare, std::vector<std::u16string> parametri,
                                std::u16string_view sugestie = u"");
  std::int32_t AdaugaFaraEfect(const TFerXmlProblema& model, std::u16string_view atribut, std::u16string subiect,
                               std::u16string detaliu, std::u16string_view valoare);
  void SeteazaDetalii(std::int32_t index, std::vector<std::u16string> detalii);

  // Each conversion returns true when the value may be stored (in v); on false
  // it has recorded at least one error. The field f may be missing (nullptr).
  bool Converteste(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v, const TFerXmlProblema& model,
                   std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteText(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                       const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteDescriere(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                            const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteMemo(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                       const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteListaIntregi(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                               const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteIntreg(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                         const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteReal(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                       const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteBifa(const TFerXmlColoana& c, TValoareCamp& v, const TFerXmlProblema& model,
                       std::u16string_view valoare, std::u16string_view nume);
  bool ConvertesteEnum(const TFerXmlColoana& c, const TDefinitieCamp* f, TValoareCamp& v,
                       const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);

  // A client column: the field's data type decides.
  bool ConvertesteClient(const TDefinitieCamp& f, std::u16string_view nume, TValoareCamp& v,
                         const TFerXmlProblema& model, std::u16string_view valoare);
  // A client column whose field cannot be written from text.
  void ClientNeschimbabil(const TDefinitieCamp& f, std::u16string_view nume, const TFerXmlProblema& model,
                          std::u16string_view valoare);

 protected:
  TFerXmlProbleme& FProbleme;

 private:
  bool Intreg(std::int64_t minim, std::int64_t maxim, const TDefinitieCamp* f, TValoareCamp& v,
              const TFerXmlProblema& model, std::u16string_view valoare, std::u16string_view nume);
  bool Real(bool nenegativ, const TDefinitieCamp* f, TValoareCamp& v, const TFerXmlProblema& model,
            std::u16string_view valoare, std::u16string_view nume);
  bool Memo(const TDefinitieCamp* f, TValoareCamp& v, const TFerXmlProblema& model, std::u16string_view valoare,
            std::u16string_view nume);
  bool Lungime(const TDefinitieCamp* f, std::u16string_view text, const TFerXmlProblema& model,
               std::u16string_view valoare, std::u16string_view nume);
  std::u16string Scurteaza(const TDefinitieCamp* f, std::u16string text, const TFerXmlProblema& model,
                           std::u16string_view valoare, std::u16string_view nume);
};

// Whether a client column can be written from XML text into this field.
bool CampScriibil(const TDefinitieCamp& f);

// The text of a field value, as a field's text reads ("True"/"False" for a
// Boolean, the decimal form for numbers and date-times).
std::u16string TextCamp(const TValoareCamp& v);

// A field value as a number: 0 for null and for anything but a number.
double NumarCamp(const TValoareCamp& v);

// One character for messages: "#" and the decimal code outside 32..126,
// otherwise the character between double quotes.
std::u16string CaracterAfisat(char32_t c);
std::u16string ValoareStocataAfisata(const TValoareCamp& v, const TFerXmlColoana* c);
TValoareCamp CitesteCamp(const TTabelMemorie& tabel, int camp);
void ScrieCamp(TTabelMemorie& tabel, int camp, const TValoareCamp& v);
// Line breaks made CR LF, then CRs removed and tabs made spaces; cut to n (> 0).
std::u16string TextComparabil(std::u16string_view text, std::int32_t n);
std::u16string TextCanonic(const TDefinitieCamp& f, const TFerXmlColoana* c, bool swBifa, const TValoareCamp& v);
std::u16string CopieFaraSurogat(std::u16string_view text, std::int32_t n);
std::vector<std::int32_t> ListaIntregi(std::u16string_view text);

}  // namespace kavelo
