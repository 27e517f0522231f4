// The message catalogue: the named texts the import and the tool use, with
// their Romanian values, and the mechanism that translates them by name.
#pragma once

#include <functional>
#include <string>

namespace kavelo {

// A translation function: given a text's name and its text, returns True when
// it has changed the text. The last three arguments are AddIfNotFound,
// AOrigin and AReports; no function here reads them.
using TTranslateVarTextFunc = std::function<bool(const std::u16string& AVarName, std::u16string& Text,
                                                 bool AddIfNotFound, const std::u16string& AOrigin,
                                                 bool AReports)>;

class TKVTrsStringsV2 {
 public:
  TKVTrsStringsV2();

  // Resets every text to its Romanian value, then offers each one, in field
  // order, to the function.
  void Translate(const TTranslateVarTextFunc& traduce);

  std::u16string rsFisierulXNuExista;
  std::u16string rsFisierIncompatibil;
  std::u16string rsArticolDublu;
  std::u16string rsImpXmlMotivNumar;
  std::u16string rsImpXmlMotivInterval;
  std::u16string rsImpXmlMotivValori;
  std::u16string rsImpXmlMotivLungime;
  std::u16string rsImpXmlNepermisAici;
  std::u16string rsImpXmlMotivBifa;
  std::u16string rsImpXmlApareDeMaiMulteOri;
  std::u16string rsImpXmlAtributNecunoscut;
  std::u16string rsImpXmlPoateX;
  std::u16string rsImpXmlLipseste;
  std::u16string rsImpXmlCititCa;
  std::u16string rsImpXmlScurtat;
  std::u16string rsImpXmlFaraEfect;
  std::u16string rsImpXmlSpatiiLaCapete;
  std::u16string rsImpXmlDiferaDeArticol;
  std::u16string rsImpXmlNuExistaIn;
  std::u16string rsImpXmlSetFaraNume;
  std::u16string rsImpXmlSetInlocuit;
  std::u16string rsImpXmlImportatiIntaiArticolele;
  std::u16string rsImpXmlExportVechi;
  std::u16string rsImpXmlMarciNoi;
  std::u16string rsImpXmlRezumatSeturi;
  std::u16string rsImpXmlRezumatArticole;
  std::u16string rsImpXmlPastratiValorile;
  std::u16string rsCotaBlocatorXLaPiesaXNuEsteNumar;
  std::u16string rsArticolFeronerieInexistent;
  std::u16string rsDiagramaDeGreutateLaXNedefinita;

  // The named texts in field order: the name, the field, the Romanian value.
  struct Camp {
    const char16_t* Nume;
    std::u16string TKVTrsStringsV2::*Text;
    const char16_t* Romana;
  };
  static const Camp kCampuri[30];
};

}  // namespace kavelo
