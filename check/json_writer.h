// A streaming JSON writer with the tool's fixed layout: two-space
// indentation, CR LF line breaks, members in the order they are written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/output.h"

namespace kavelo {

class TXmlCheckJson {
 public:
  explicit TXmlCheckJson(TXmlCheckIesire* iesire) : FIesire(iesire) {}

  // The name is the member's name, or empty for a list element or the
  // outermost value.
  void IncepeObiect(std::u16string_view nume);
  void TerminaObiect();
  void IncepeLista(std::u16string_view nume);
  void TerminaLista();
  void Text(std::u16string_view nume, std::u16string_view valoare);
  void Numar(std::u16string_view nume, std::int32_t valoare);
  void NumarSauNul(std::u16string_view nume, std::int32_t valoare, bool prezent);
  void Logic(std::u16string_view nume, bool valoare);
  void Nul(std::u16string_view nume);
  void Termina();

 private:
  void IncepeElement();
  void Cheie(std::u16string_view nume);
  void Deschide(std::u16string_view nume, char16_t paranteza);
  void Inchide(char16_t paranteza);
  void Sir(std::u16string_view text);

  TXmlCheckIesire* FIesire;
  std::vector<std::int32_t> FNumere;
  std::u16string FScratch;
};

// The members that say which tool and version wrote an object.
void ScrieMembriVersiune(TXmlCheckJson& json);

// The version object of --version --format json.
void ScrieVersiuneJson(TXmlCheckIesire* iesire);

}  // namespace kavelo
