// The tool's wording of the import's problems: its own texts in both
// languages, the rules by which it rewords some messages for the writer of a
// file, and the explanations of "has no effect" warnings.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "app/command_line.h"
#include "check/message_catalog.h"
#include "format/vocabulary.h"
#include "import/problems.h"

namespace kavelo {

enum TXmlCheckTextUnealta {
  xtuBifaRefuzata,
  xtuLungime,
  xtuAtributNecunoscut,
  xtuArticolNuInFisierArticole,
  xtuMembruLipsa,
  xtuMembruRefuzat,
  xtuDeMaiMulteOriDiagrama,
  xtuDeMaiMulteOriElement,
  xtuValoareInAfaraFormatului,
  xtuValoareVeche,
  xtuVersiuneLipsa,
  xtuVersiune1,
  xtuContinutLipsa,
  xtuFaraUnitati,
};

std::u16string TextUnealta(TXmlCheckTextUnealta text, TXmlCheckLimba limba);

// Three messages of the catalogue take the tool's texts.
void InlocuiesteMesaje(TKVTrsStringsV2& stringuri, TXmlCheckLimba limba);

// The code in a label "... [Code="X"]", or empty.
std::u16string CodDinEticheta(std::u16string_view eticheta);

struct TMesajSiSugestie {
  std::u16string Mesaj;
  std::u16string Sugestie;
  bool swPrefixAtribut = false;
};

class TXmlCheckTexte {
 public:
  TXmlCheckTexte(const TKVTrsStringsV2& stringuri, TXmlCheckLimba limba, TXmlCheckTip tip,
                 std::u16string_view fisierArticole);

  std::u16string TextUnealta(TXmlCheckTextUnealta text) const { return kavelo::TextUnealta(text, FLimba); }
  std::u16string TextRegula(TXmlCheckTextUnealta text, const std::vector<std::u16string>& parametri) const;
  const TFerXmlColoana* CautaColoana(std::u16string_view nume) const;
  const TFerXmlColoana* ColoanaEnum(std::u16string_view nume) const;
  // The value lies outside the format: the column, and whether the import
  // keeps it as an old value nothing reads.
  bool ValoareInAfaraFormatului(const TFerXmlProblema& p, const TFerXmlColoana*& coloana, bool& vechi) const;

  TMesajSiSugestie MesajSiSugestie(const TFerXmlProblema& p) const;
  std::u16string Mesaj(const TFerXmlProblema& p) const { return MesajSiSugestie(p).Mesaj; }
  std::u16string Sugestie(const TFerXmlProblema& p) const { return MesajSiSugestie(p).Sugestie; }
  std::u16string Explicatie(const TFerXmlProblema& p) const;
  std::u16string Text(const TFerXmlProblema& p) const;

  void AdaugaCodRefuzat(std::u16string_view eticheta);

  const TKVTrsStringsV2& Stringuri() const { return FRS; }
  TXmlCheckLimba Limba() const { return FLimba; }

 private:
  const TKVTrsStringsV2& FRS;
  TXmlCheckLimba FLimba;
  TXmlCheckTip FTip;
  std::u16string FNumeCatalog;
  std::unordered_set<std::u16string> FCoduriRefuzate;
};

}  // namespace kavelo
