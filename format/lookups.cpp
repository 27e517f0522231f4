#include "format/lookups.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

#include "platform/ascii.h"
#include "platform/utf.h"

namespace kavelo {

namespace {

bool EsteAlbXml(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// The longest distance a suggestion may have for a key of this length.
int DistantaMaxima(std::u16string_view cheie) { return cheie.size() > 4 ? 2 : 1; }

struct Candidat {
  std::u16string Cheie;
  const TFerXmlColoana* Coloana;
};

// Index of the first entry matching t by equality (exact or ignoring case).
int Potrivire(const TFerXmlColoana& c, std::u16string_view t, bool faraCaz) {
  for (size_t i = 0; i < c.Valori.size(); ++i) {
    const auto& v = c.Valori[i];
    if (faraCaz ? (EgalFaraCaz(t, v.CodXML) || EgalFaraCaz(t, v.ValoareRO)) : (t == v.CodXML || t == v.ValoareRO))
      return static_cast<int>(i);
  }
  return -1;
}

TRezolvareEnum Succes(std::u16string_view valoare, bool liber, bool cititCa) {
  return TRezolvareEnum{true, std::u16string(valoare), liber, cititCa};
}

}  // namespace

std::u16string_view TaieXml(std::u16string_view text) {
  size_t i = 0, n = text.size();
  while (i < n && EsteAlbXml(text[i])) ++i;
  while (n > i && EsteAlbXml(text[n - 1])) --n;
  return text.substr(i, n - i);
}

std::u16string CheieNume(std::u16string_view text) {
  std::u16string cheie;
  cheie.reserve(text.size());
  for (const char16_t c : text)
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
      cheie.push_back(MajusculaAscii(c));
  return cheie;
}

int DistantaEditare(std::u16string_view a, std::u16string_view b) {
  std::vector<int> rand(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) rand[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    int diagonala = rand[0];
    rand[0] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      const int sus = rand[j];
      rand[j] = std::min({sus + 1, rand[j - 1] + 1, diagonala + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonala = sus;
    }
  }
  return rand[b.size()];
}

std::u16string SugestieNume(TFerXmlContinut c, TFerXmlElement e, std::u16string_view nume) {
  const std::u16string cheie = CheieNume(nume);
  if (cheie.empty()) return std::u16string();

  std::vector<TFerXmlElement> elemente;
  if (e == fxeBase)
    elemente = {fxeBase};
  else
    elemente = ElementeContinut(c);
  std::vector<Candidat> candidati;
  for (const TFerXmlElement el : elemente)
    for (const auto& col : ColoaneElement(el)) {
      if (!col.Activa()) continue;
      candidati.push_back({CheieNume(col.NumeXML), &col});
      if (!col.NumeRO.empty()) candidati.push_back({CheieNume(col.NumeRO), &col});
    }

  std::vector<const Candidat*> alesi;
  for (const auto& k : candidati)
    if (k.Cheie == cheie) alesi.push_back(&k);
  if (alesi.empty()) {
    static const std::pair<const char16_t*, const char16_t*> kAliasuri[] = {
        {u"COLOR", u"Colour"}, {u"QUANTITY", u"Qty"}, {u"QUANTITIY", u"Qty"},
        {u"QTY", u"Qty"},      {u"LEFTRIGHT", u"Left-Right"}, {u"HAND", u"Left-Right"},
    };
    for (const auto& [alias, xml] : kAliasuri)
      if (cheie == alias)
        for (const auto& k : candidati)
          if (k.Coloana->NumeXML == xml) alesi.push_back(&k);
  }
  if (alesi.empty()) {
    int minim = std::numeric_limits<int>::max();
    std::vector<std::pair<int, const Candidat*>> distante;
    for (const auto& k : candidati) {
      const int d = DistantaEditare(cheie, k.Cheie);
      distante.emplace_back(d, &k);
      minim = std::min(minim, d);
    }
    if (minim <= DistantaMaxima(cheie))
      for (const auto& [d, k] : distante)
        if (d == minim) alesi.push_back(k);
  }
  if (alesi.empty()) return std::u16string();

  if (std::any_of(alesi.begin(), alesi.end(), [&](const Candidat* k) { return k->Coloana->Element == e; }))
    std::erase_if(alesi, [&](const Candidat* k) { return k->Coloana->Element != e; });
  const TFerXmlColoana* primul = alesi.front()->Coloana;
  for (const Candidat* k : alesi)
    if (k->Coloana->NumeXML != primul->NumeXML) return std::u16string();
  if (primul->Element != e) return u"<" + NumeElement(primul->Element) + u">";
  return primul->NumeXML;
}

TRezolvareEnum RezolvaValoareEnum(const TFerXmlColoana& c, std::u16string_view text) {
  switch (c.RegulaEnum) {
    case fxreNormal:
    case fxreLiteraVeche: {
      const std::u16string_view t = TaieXml(text);
      if (t.empty()) return Succes(u"", false, false);
      if (const int i = Potrivire(c, t, false); i >= 0) return Succes(c.Valori[i].ValoareRO, false, t != text);
      if (const int i = Potrivire(c, t, true); i >= 0) return Succes(c.Valori[i].ValoareRO, false, true);
      if (c.swSpatiiInterne) {
        std::u16string fara(t);
        std::erase(fara, u' ');
        if (const int i = Potrivire(c, fara, true); i >= 0) return Succes(c.Valori[i].ValoareRO, false, true);
      }
      for (const auto& v : c.ValoriTolerate)
        if (t == v) return Succes(text, true, false);
      if ((c.RegulaEnum == fxreLiteraVeche && t.size() == 1) || c.swValoriLibere) return Succes(text, true, false);
      return TRezolvareEnum{};
    }
    case fxreExact: {
      if (text.empty()) return Succes(u"", false, false);
      if (const int i = Potrivire(c, text, false); i >= 0) return Succes(c.Valori[i].ValoareRO, false, false);
      if (c.swValoriLibere) return Succes(text, true, false);
      return TRezolvareEnum{};
    }
    case fxreBrut: {
      if (text.empty() || text == u"1-2") return Succes(text, false, false);
      const std::string ascii = Utf8DinUtf16(text);
      int n = 0;
      auto [p, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), n);
      if (ec != std::errc() || p != ascii.data() + ascii.size() || ascii.empty()) n = 2;
      if (n != 1 && n != 2) return TRezolvareEnum{};
      if (text == u"X" || text == u"x" || text == u"1" || text == u"2") return Succes(text, false, false);
      return Succes(n == 1 ? u"1" : u"X", false, true);
    }
  }
  return TRezolvareEnum{};
}

std::u16string CodXmlStocat(const TFerXmlColoana& c, std::u16string_view valoare) {
  if (c.Tip != fxtEnum || c.RegulaEnum == fxreBrut) return std::u16string(valoare);
  for (const auto& v : c.Valori)
    if (v.ValoareRO == valoare) return v.CodXML;
  if (c.RegulaEnum == fxreExact) return std::u16string(valoare);
  const TRezolvareEnum r = RezolvaValoareEnum(c, valoare);
  if (r.swSucces && !r.swLiber && !r.Valoare.empty())
    for (const auto& v : c.Valori)
      if (v.ValoareRO == r.Valoare) return v.CodXML;
  return std::u16string(valoare);
}

std::u16string SugestieValoareEnum(const TFerXmlColoana& c, std::u16string_view text) {
  if (c.Tip != fxtEnum || c.RegulaEnum == fxreBrut) return std::u16string();
  const std::u16string_view t = TaieXml(text);
  const std::u16string k = CheieNume(t);
  if (EgalFaraCaz(c.NumeRO, u"Deschidere"))
    for (const auto& d : DeschideriVechi())
      if (EgalFaraCaz(t, d.Nume)) return d.Cod;
  if (EgalFaraCaz(c.NumeRO, u"Referinta") && EgalFaraCaz(t, u"Echidistant")) return u"DimensionPercent";
  if (c.RegulaEnum == fxreExact) {
    if (EgalFaraCaz(c.NumeRO, u"Utilizare") && (k == u"GROUP" || k == u"GRUP")) return u"!GROUP";
    for (const auto& v : c.Valori)
      if (EgalFaraCaz(t, v.CodXML) || EgalFaraCaz(t, v.ValoareRO)) return v.CodXML;
    return std::u16string();
  }
  if (EgalFaraCaz(c.NumeRO, u"StDr")) {
    if (k == u"LEFT" || k == u"STANGA") return u"L";
    if (k == u"RIGHT" || k == u"DREAPTA") return u"R";
  }
  if (k.empty()) return std::u16string();
  for (const auto& v : c.Valori)
    if (CheieNume(v.CodXML) == k || CheieNume(v.ValoareRO) == k) return v.CodXML;
  int minim = std::numeric_limits<int>::max();
  std::vector<std::pair<int, const std::u16string*>> distante;
  for (const auto& v : c.Valori) {
    const int d = std::min(DistantaEditare(k, CheieNume(v.CodXML)), DistantaEditare(k, CheieNume(v.ValoareRO)));
    distante.emplace_back(d, &v.CodXML);
    minim = std::min(minim, d);
  }
  const std::u16string* ales = nullptr;
  for (const auto& [d, cod] : distante) {
    if (d != minim) continue;
    if (ales != nullptr && *ales != *cod) return std::u16string();
    ales = cod;
  }
  if (ales == nullptr || minim > DistantaMaxima(k)) return std::u16string();
  return *ales;
}

std::u16string ValoriAcceptate(const TFerXmlColoana& c) {
  std::u16string text;
  for (size_t i = 0; i < c.Valori.size(); ++i) {
    if (i > 0) text += u", ";
    text += c.Valori[i].CodXML;
  }
  return text;
}

std::u16string CodXmlCamp(std::u16string_view numeCamp, std::u16string_view valoare) {
  for (const TFerXmlElement e : {fxeSet, fxeRandSet, fxeBlocator, fxeArticol, fxeDiagrama})
    if (const TFerXmlColoana* c = ColoanaDupaRO(e, numeCamp))
      return c->Tip == fxtEnum ? CodXmlStocat(*c, valoare) : std::u16string(valoare);
  return std::u16string(valoare);
}

}  // namespace kavelo
