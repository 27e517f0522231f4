// Problems and units: every finding of the import is a problem record in a
// problem list that keeps, as it changes, the number of fatal problems and
// the number of errors of each unit. This module also names units (labels),
// shows values in messages, and words a problem as text.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "check/message_catalog.h"

namespace kavelo {

enum TFerXmlSeveritate { fxvFatal, fxvEroare, fxvAvertizare };

enum TFerXmlMesaj {
  fxmFisierIncompatibil,
  fxmVersiuneNoua,
  fxmExceptie,
  fxmMotivNumar,
  fxmMotivInterval,
  fxmMotivValori,
  fxmMotivLungime,
  fxmNepermisAici,
  fxmMotivBifa,
  fxmApareDeMaiMulteOri,
  fxmAtributNecunoscut,
  fxmLipseste,
  fxmCititCa,
  fxmScurtat,
  fxmFaraEfect,
  fxmSpatiiLaCapete,
  fxmDiferaDeArticol,
  fxmNuExistaIn,
  fxmArticolInexistent,
  fxmDiagramaNedefinita,
  fxmCotaBlocatorNuENumar,
  fxmSetFaraNume,
  fxmSetInlocuit,
  fxmImportatiIntaiArticolele,
  fxmExportVechi,
  fxmArticolDublu,
};
inline constexpr int kNrMesaje = fxmArticolDublu + 1;

struct TFerXmlProblema {
  TFerXmlSeveritate Severitate = fxvFatal;
  TFerXmlMesaj Mesaj = fxmFisierIncompatibil;
  std::int32_t OrdinUnitate = 0;
  std::u16string EtichetaUnitate;
  std::u16string Cale;
  std::u16string Atribut;
  std::u16string Valoare;
  std::vector<std::u16string> Parametri;
  std::u16string Sugestie;
  std::vector<std::u16string> Detalii;
  bool swUnitateNeschimbata = false;
  std::int32_t Linie = 0;
  std::int32_t Coloana = 0;
  bool swAltImport = false;
};

struct TFerXmlUnitate {
  std::int32_t Ordin = 0;
  std::int32_t Linie = 0;
  std::int32_t Coloana = 0;
  std::u16string Nume;
  bool swUnitate = false;
  std::u16string Cheie;
  std::int32_t NrAparitii = 0;
  std::vector<std::int32_t> AlteAparitii;
};

// Stop reading this file now: raised by a callback of the XML node reader,
// which ends the parse as a success.
class EFerXmlOprire : public std::exception {
 public:
  const char* what() const noexcept override { return ""; }
};

// Makes the parser give up; never leaves the XML node reader.
class EFerXmlAbandon : public std::exception {
 public:
  const char* what() const noexcept override { return ""; }
};

class TFerXmlProbleme {
 public:
  // Appends a problem located by the model (unit ordinal and label, path,
  // line and column); returns its index.
  std::int32_t Adauga(const TFerXmlProblema& AModel, TFerXmlSeveritate ASeveritate, TFerXmlMesaj AMesaj,
                      std::u16string_view AAtribut, std::u16string_view AValoare,
                      std::vector<std::u16string> AParametri, std::u16string_view ASugestie);
  // Plain append of a whole problem (counted like every change).
  std::int32_t Add(TFerXmlProblema problema);
  // Removes the problem at index and gives it back.
  TFerXmlProblema Extract(std::int32_t index);
  void Delete(std::int32_t index);

  std::int32_t Count() const { return static_cast<std::int32_t>(FLista.size()); }
  const TFerXmlProblema& operator[](std::int32_t index) const { return FLista[static_cast<size_t>(index)]; }
  const std::vector<TFerXmlProblema>& Lista() const { return FLista; }

  // The two things that change on a problem already in the list.
  std::vector<std::u16string>& Detalii(std::int32_t index) { return FLista[static_cast<size_t>(index)].Detalii; }
  void MarcheazaNeschimbata(std::int32_t index) { FLista[static_cast<size_t>(index)].swUnitateNeschimbata = true; }
  void MarcheazaAltImport(std::int32_t index) { FLista[static_cast<size_t>(index)].swAltImport = true; }
  // Replaces a problem, keeping the counts right.
  void Inlocuieste(std::int32_t index, TFerXmlProblema problema) {
    Notifica(FLista[static_cast<size_t>(index)], -1);
    FLista[static_cast<size_t>(index)] = std::move(problema);
    Notifica(FLista[static_cast<size_t>(index)], 1);
  }
  void SeteazaPozitie(std::int32_t index, std::int32_t linie, std::int32_t coloana) {
    FLista[static_cast<size_t>(index)].Linie = linie;
    FLista[static_cast<size_t>(index)].Coloana = coloana;
  }

  bool AreFatala() const { return FNrFatale > 0; }
  bool PrimaFatala(TFerXmlProblema& AProblema) const;
  std::int32_t NrFatale() const { return FNrFatale; }
  std::int32_t NrUnitatiRefuzate() const { return static_cast<std::int32_t>(FEroriPeUnitate.size()); }
  bool UnitateRefuzata(std::int32_t AOrdin) const { return FEroriPeUnitate.contains(AOrdin); }

 private:
  void Notifica(const TFerXmlProblema& p, std::int32_t delta);

  std::vector<TFerXmlProblema> FLista;
  std::int32_t FNrFatale = 0;
  std::unordered_map<std::int32_t, std::int32_t> FEroriPeUnitate;
};

// A warning the reports show: not of a refused unit, not of an unchanged one.
bool AvertizareRaportabila(const TFerXmlProbleme& probleme, const TFerXmlProblema& p);

TFerXmlProblema ModelProblema(std::int32_t ordin, std::u16string_view eticheta, std::u16string_view cale);

// Digits of the decimal text of the number of units (at least 1).
std::int32_t LatimeOrdin(std::int32_t nrUnitati);

// Labels of the other units with the same key as unitate, and a "... (+n)"
// line for those beyond the ten that are listed.
std::vector<std::u16string> EticheteAlteAparitii(const std::vector<TFerXmlUnitate>& unitati,
                                                 const TFerXmlUnitate& unitate);

// "(line:column)", as labels and paths show a position.
std::u16string TextPozitie(std::int32_t linie, std::int32_t coloana);
// "Name 007 (line:column)": an element with its position among its
// siblings, zero-padded to the width, and its position in the file.
std::u16string NumeOrdinPozitie(std::u16string_view nume, std::int32_t latime, std::int64_t ordin,
                                std::int32_t linie, std::int32_t coloana);

// Unit labels.
std::u16string EtichetaSet(std::int32_t latime, const TFerXmlUnitate& u, std::u16string_view deschidere,
                           std::u16string_view destinatie, std::u16string_view marca, std::u16string_view set);
std::u16string EtichetaArticol(std::int32_t latime, const TFerXmlUnitate& u, std::u16string_view cod);
// A child of the root that is not a unit element; prefix is "Set" or "Record".
std::u16string EtichetaStraina(std::u16string_view prefix, std::int32_t latime, const TFerXmlUnitate& u);

std::u16string ValoareAfisata(std::u16string_view valoare);
std::u16string AtributAfisat(std::u16string_view nume, std::u16string_view valoare);

// The template filled with the strings; when its placeholders do not fit
// them, the template followed by " [", the strings joined by ", " and "]".
std::u16string FormatSigur(std::u16string_view tipar, const std::vector<std::u16string>& argumente);

// The catalogue text a message kind takes as template (nullptr for the
// kinds that have none).
const std::u16string* TiparMesaj(TFerXmlMesaj mesaj, const TKVTrsStringsV2& catalog);

std::u16string TextMesaj(const TFerXmlProblema& p, const TKVTrsStringsV2& catalog);
// A message with a suggestion appended, as problem texts carry one.
std::u16string AdaugaSugestie(std::u16string_view text, std::u16string_view sugestie, const TKVTrsStringsV2& catalog);
std::u16string TextProblema(const TFerXmlProblema& p, const TKVTrsStringsV2& catalog);
std::u16string TextProblemaAltImport(const TFerXmlProblema& p, const TKVTrsStringsV2& catalog,
                                     std::u16string_view indiciu);

}  // namespace kavelo
