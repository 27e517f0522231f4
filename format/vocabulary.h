// The hardware XML format as data: one column definition per attribute an
// element may carry, the accepted-value lists, and the lookups over them.
// The table is built once at start-up and read-only afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavelo {

enum TFerXmlElement { fxeBase, fxeSet, fxeRandSet, fxeBlocator, fxeArticol, fxeDiagrama };
inline constexpr int kNrElemente = fxeDiagrama + 1;

enum TFerXmlContinut { fxcSeturi, fxcArticole };

enum TFerXmlTip {
  fxtCheie,
  fxtIdentitate,
  fxtDescriere,
  fxtMemo,
  fxtListaCoduri,
  fxtListaNumere,
  fxtListaIntregi,
  fxtIntreg,
  fxtReal,
  fxtBifa,
  fxtEnum,
  fxtImbricat,
  fxtIgnorat,
};

enum TFerXmlCaracter { fxcApostrof, fxcSteaLaFinal, fxcVirgula, fxcTab, fxcRandNou };
// One bit per character class: bit n for the n-th class.
using TFerXmlCaractere = std::uint8_t;
inline constexpr TFerXmlCaractere Caracter(TFerXmlCaracter c) { return TFerXmlCaractere(1u << c); }

enum TFerXmlProprietar { fxpProducator, fxpUtilizator };
enum TFerXmlRegulaEnum { fxreNormal, fxreExact, fxreLiteraVeche, fxreBrut };
enum TFerXmlValoareXSD { fxvxOptionala, fxvxNevida, fxvxNealba };

struct TFerXmlValoare {
  std::u16string CodXML;
  std::u16string ValoareRO;
};

struct TFerXmlColoana {
  TFerXmlElement Element = fxeBase;
  std::u16string NumeRO;
  std::u16string NumeXML;
  TFerXmlTip Tip = fxtCheie;
  std::int32_t LungimeCanonica = 0;
  std::int64_t MinInt = 0;
  std::int64_t MaxInt = 0;
  bool swRealNenegativ = false;
  std::vector<TFerXmlValoare> Valori;
  std::vector<std::u16string> ValoriTolerate;
  bool swValoriLibere = false;
  TFerXmlRegulaEnum RegulaEnum = fxreNormal;
  bool swSpatiiInterne = false;
  bool swAvertizareLitera = false;
  TFerXmlCaractere Interzise = 0;
  TFerXmlProprietar Proprietar = fxpProducator;
  bool swObligatoriu = false;
  bool swRetras = false;
  std::u16string Inlocuitor;
  bool swInXSD = false;
  bool swNumeV1RO = false;
  TFerXmlValoareXSD ValoareXSD = fxvxOptionala;

  // Neither withdrawn nor ignored.
  bool Activa() const { return !swRetras && Tip != fxtIgnorat; }
};

struct TCandidatNume {
  std::u16string Nume;
  std::u16string NumeXML;
  TFerXmlElement Element = fxeBase;
};

// Builds the table (once; later calls do nothing). The program calls it first
// thing; every lookup also makes sure it is built.
void ConstruiesteTabelFormat();

// Lookups. A column is returned as a pointer into the read-only table, which
// lives as long as the program: callers may keep it. nullptr when not found.
const std::vector<TFerXmlColoana>& ColoaneElement(TFerXmlElement e);
const TFerXmlColoana* ColoanaDupaXml(TFerXmlElement e, std::u16string_view nume);
const TFerXmlColoana* ColoanaDupaRO(TFerXmlElement e, std::u16string_view nume);
const TFerXmlColoana* AliasRO(TFerXmlElement e, std::u16string_view nume);
bool ColoanaActiva(TFerXmlElement e, int index);
std::u16string NumeElement(TFerXmlElement e);
const std::vector<TFerXmlElement>& ElementeContinut(TFerXmlContinut c);
inline TFerXmlContinut ContinutAlt(TFerXmlContinut c) { return c == fxcSeturi ? fxcArticole : fxcSeturi; }
bool EsteElementArticole(TFerXmlElement e);
// The element of an active column named n (XML name exactly, or Romanian name
// ignoring ASCII case), searching the content's elements first.
bool ElementAlt(TFerXmlContinut c, std::u16string_view nume, TFerXmlElement& element);
bool DeschidereCuMana(std::u16string_view valoare);

// The former opening names that name an opening per side, with the code that
// replaces them ("OBS" -> "TTX").
struct DeschidereVeche {
  const char16_t* Nume;
  const char16_t* Cod;
};
const std::vector<DeschidereVeche>& DeschideriVechi();

// For tests of the start-up registration: sets the owner of every Record
// column registered by Romanian name; a name that matches no column stops the
// program with an assertion failure.
void InregistreazaColoaneUtilizator(std::vector<TFerXmlColoana>& coloaneArticol,
                                    const std::vector<std::u16string>& nume);

}  // namespace kavelo
