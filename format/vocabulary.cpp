#include "format/vocabulary.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <unordered_map>

#include "format/column_rows.h"
#include "platform/ascii.h"
#include "platform/utf.h"

namespace kavelo {

namespace {

[[noreturn]] void Opreste(const std::string& mesaj) {
  std::fprintf(stderr, "%s\n", mesaj.c_str());
  std::fflush(stderr);
  std::abort();
}

[[noreturn]] void RandGresit(const RandColoana& r, std::u16string_view ce) {
  Opreste("format table: " + Utf8DinUtf16(r.NumeXML) + ": " + Utf8DinUtf16(ce));
}

std::vector<std::u16string_view> Imparte(std::u16string_view text, std::u16string_view separator) {
  std::vector<std::u16string_view> piese;
  if (text.empty()) return piese;
  size_t i = 0;
  for (;;) {
    const size_t j = text.find(separator, i);
    if (j == std::u16string_view::npos) {
      piese.push_back(text.substr(i));
      return piese;
    }
    piese.push_back(text.substr(i, j - i));
    i = j + separator.size();
  }
}

std::int64_t Intreg(const RandColoana& r, std::u16string_view text) {
  const std::string ascii = Utf8DinUtf16(text);
  std::int64_t v = 0;
  auto [p, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), v);
  if (ec != std::errc() || p != ascii.data() + ascii.size()) RandGresit(r, u"bad number in the length");
  return v;
}

TFerXmlCaractere Caractere(const RandColoana& r, std::u16string_view lista) {
  TFerXmlCaractere set = 0;
  for (const auto nume : Imparte(lista, u", ")) {
    if (nume == u"apostrophe") set |= Caracter(fxcApostrof);
    else if (nume == u"final asterisk") set |= Caracter(fxcSteaLaFinal);
    else if (nume == u"comma") set |= Caracter(fxcVirgula);
    else if (nume == u"tab") set |= Caracter(fxcTab);
    else if (nume == u"line break") set |= Caracter(fxcRandNou);
    else RandGresit(r, u"unknown forbidden character");
  }
  return set;
}

TFerXmlColoana Coloana(const RandColoana& r) {
  TFerXmlColoana c;
  c.Element = r.Element;
  c.NumeRO = r.NumeRO;
  c.NumeXML = r.NumeXML;
  c.Tip = r.Tip;
  c.swInXSD = r.Tip != fxtIgnorat;
  const std::u16string_view lungime = r.Lungime;
  if (const size_t p = lungime.find(u".."); p != std::u16string_view::npos) {
    if (r.Tip != fxtIntreg) RandGresit(r, u"a range on a column that is not an integer");
    c.MinInt = Intreg(r, lungime.substr(0, p));
    c.MaxInt = Intreg(r, lungime.substr(p + 2));
  } else if (!lungime.empty()) {
    c.LungimeCanonica = static_cast<std::int32_t>(Intreg(r, lungime));
  }
  if (r.Tip == fxtBifa && c.LungimeCanonica != 1) RandGresit(r, u"a checkbox has length 1");

  for (const auto regula : Imparte(r.Reguli, u"; ")) {
    const auto dupa = [&](std::u16string_view prefix) -> std::u16string_view {
      return regula.starts_with(prefix) ? regula.substr(prefix.size()) : std::u16string_view();
    };
    if (regula == u"mandatory") {
      c.swObligatoriu = true;
    } else if (regula == u"schema: non-empty") {
      c.ValoareXSD = fxvxNevida;
    } else if (regula == u"schema: non-blank") {
      c.ValoareXSD = fxvxNealba;
    } else if (regula == u"not negative") {
      c.swRealNenegativ = true;
    } else if (regula == u"rule fxreExact") {
      c.RegulaEnum = fxreExact;
    } else if (regula == u"rule fxreLiteraVeche") {
      c.RegulaEnum = fxreLiteraVeche;
    } else if (regula == u"rule fxreBrut") {
      c.RegulaEnum = fxreBrut;
    } else if (const auto lista = dupa(u"values: "); !lista.empty()) {
      bool gasit = false;
      for (const auto& l : ListeValori())
        if (lista == l.Nume) {
          c.Valori = l.Valori;
          gasit = true;
        }
      if (!gasit) RandGresit(r, u"unknown value list");
    } else if (regula == u"free values") {
      c.swValoriLibere = true;
    } else if (regula == u"inner spaces ignored") {
      c.swSpatiiInterne = true;
    } else if (regula == u"warns unless X") {
      c.swAvertizareLitera = true;
    } else if (const auto valori = dupa(u"tolerated: "); !valori.empty()) {
      for (const auto v : Imparte(valori, u", ")) c.ValoriTolerate.emplace_back(v);
    } else if (const auto interzise = dupa(u"forbidden: "); !interzise.empty()) {
      c.Interzise = Caractere(r, interzise);
    } else if (regula == u"withdrawn" || regula.starts_with(u"withdrawn -> ")) {
      if (r.Tip != fxtIgnorat || !EgalFaraCaz(c.NumeRO, c.NumeXML)) RandGresit(r, u"a withdrawn column is ignored");
      c.swRetras = true;
      if (regula != u"withdrawn") c.Inlocuitor = regula.substr(13);
    } else if (regula == u"not in schema") {
      if (c.swInXSD) RandGresit(r, u"only ignored columns are outside the schema");
    } else if (regula == u"Romanian name in format 1") {
      c.swNumeV1RO = true;
    } else {
      RandGresit(r, u"unknown rule");
    }
  }
  if (r.Tip == fxtEnum && c.Valori.empty()) RandGresit(r, u"an enumeration needs its values");
  return c;
}

struct TabelFormat {
  std::array<std::vector<TFerXmlColoana>, kNrElemente> Coloane;
  std::array<std::unordered_map<std::u16string, int, HashU16, std::equal_to<>>, kNrElemente> IndexXml;
  std::array<std::unordered_map<std::u16string, int>, kNrElemente> IndexRO;  // NumeRO in upper case

  TabelFormat() {
    for (const auto* randuri : {&RanduriSeturi(), &RanduriArticole()})
      for (const auto& r : *randuri) Coloane[r.Element].push_back(Coloana(r));
    InregistreazaColoaneUtilizator(Coloane[fxeArticol], ColoaneUtilizator());
    for (int e = 0; e < kNrElemente; ++e) {
      const auto& coloane = Coloane[e];
      for (int i = 0; i < static_cast<int>(coloane.size()); ++i) {
        IndexXml[e].emplace(coloane[i].NumeXML, i);  // the first column keeps a shared key
        if (!coloane[i].NumeRO.empty()) IndexRO[e].emplace(MajusculeAscii(coloane[i].NumeRO), i);
      }
    }
  }

  static std::u16string MajusculeAscii(std::u16string_view text) {
    std::u16string out(text);
    for (auto& ch : out) ch = MajusculaAscii(ch);
    return out;
  }
};

const TabelFormat& Tabel() {
  static const TabelFormat tabel;
  return tabel;
}

}  // namespace

void InregistreazaColoaneUtilizator(std::vector<TFerXmlColoana>& coloaneArticol,
                                    const std::vector<std::u16string>& nume) {
  for (const auto& n : nume) {
    bool gasit = false;
    for (auto& c : coloaneArticol)
      if (EgalFaraCaz(c.NumeRO, n)) {
        c.Proprietar = fxpUtilizator;
        gasit = true;
      }
    if (!gasit) Opreste("KV.FeronerieXML.Format: user-owned column not registered: " + Utf8DinUtf16(n));
  }
}

void ConstruiesteTabelFormat() { Tabel(); }

const std::vector<TFerXmlColoana>& ColoaneElement(TFerXmlElement e) { return Tabel().Coloane[e]; }

const TFerXmlColoana* ColoanaDupaXml(TFerXmlElement e, std::u16string_view nume) {
  const auto& t = Tabel();
  const auto it = t.IndexXml[e].find(nume);
  return it == t.IndexXml[e].end() ? nullptr : &t.Coloane[e][it->second];
}

const TFerXmlColoana* ColoanaDupaRO(TFerXmlElement e, std::u16string_view nume) {
  if (nume.empty()) return nullptr;
  const auto& t = Tabel();
  const auto it = t.IndexRO[e].find(TabelFormat::MajusculeAscii(nume));
  return it == t.IndexRO[e].end() ? nullptr : &t.Coloane[e][it->second];
}

const TFerXmlColoana* AliasRO(TFerXmlElement e, std::u16string_view nume) {
  const TFerXmlColoana* c = ColoanaDupaRO(e, nume);
  return c != nullptr && !EgalFaraCaz(c->NumeRO, c->NumeXML) ? c : nullptr;
}

bool ColoanaActiva(TFerXmlElement e, int index) {
  const auto& coloane = ColoaneElement(e);
  return index >= 0 && index < static_cast<int>(coloane.size()) && coloane[index].Activa();
}

std::u16string NumeElement(TFerXmlElement e) {
  static constexpr const char16_t* kNume[kNrElemente] = {u"Base",   u"Set",    u"SetRecord",
                                                         u"CamLocksRecord", u"Record", u"WeightChartRecord"};
  return kNume[e];
}

const std::vector<TFerXmlElement>& ElementeContinut(TFerXmlContinut c) {
  static const std::vector<TFerXmlElement> seturi = {fxeSet, fxeRandSet, fxeBlocator};
  static const std::vector<TFerXmlElement> articole = {fxeArticol, fxeDiagrama};
  return c == fxcSeturi ? seturi : articole;
}

bool EsteElementArticole(TFerXmlElement e) { return e == fxeArticol || e == fxeDiagrama; }

bool ElementAlt(TFerXmlContinut c, std::u16string_view nume, TFerXmlElement& element) {
  for (const TFerXmlContinut continut : {c, ContinutAlt(c)})
    for (const TFerXmlElement e : ElementeContinut(continut))
      for (const auto& col : ColoaneElement(e))
        if (col.Activa() && (col.NumeXML == nume || (!col.NumeRO.empty() && EgalFaraCaz(col.NumeRO, nume)))) {
          element = e;
          return true;
        }
  return false;
}

bool DeschidereCuMana(std::u16string_view valoare) {
  for (const char16_t* cod : {u"OBX", u"OX", u"CBX", u"CRX", u"CX", u"PVTVX"})
    if (valoare == cod) return true;
  return false;
}

const std::vector<DeschidereVeche>& DeschideriVechi() {
  static const std::vector<DeschidereVeche> lista = {
      {u"OBS", u"TTX"}, {u"OBD", u"TTX"}, {u"OS", u"TX"},     {u"OD", u"TX"},       {u"CBS", u"TSX"},
      {u"CBD", u"TSX"}, {u"CRS", u"LSX"}, {u"CRD", u"LSX"},   {u"CS", u"SX"},       {u"CD", u"SX"},
      {u"PVTVS", u"VSwlX"}, {u"PVTVD", u"VSwlX"},
  };
  return lista;
}

}  // namespace kavelo
