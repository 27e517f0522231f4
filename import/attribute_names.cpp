#include "import/attribute_names.h"

#include "format/lookups.h"
#include "import/first_pass.h"
#include "platform/ascii.h"

namespace kavelo {

namespace {

std::u16string Majuscule(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = MajusculaAscii(c);
  return out;
}

bool NumeValid(std::u16string_view nume) {
  const auto litera = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
  if (nume.empty() || !(litera(nume[0]) || nume[0] == u'_')) return false;
  for (const char16_t c : nume.substr(1))
    if (!(litera(c) || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.')) return false;
  return true;
}

bool Alb(std::u16string_view v) { return TaieXml(v).empty(); }

// The target key of an attribute, for repetitions: empty for steps that never repeat.
std::u16string_view CheieTinta(const TFerXmlAtribut& a) {
  switch (a.Pas) {
    case fxnColoana:
    case fxnAliasRO:
    case fxnRetras: return a.Coloana->NumeXML;
    case fxnColoanaClient: return a.NumeCamp;
    default: return std::u16string_view();
  }
}

// The first element, of the content's then of the other content's, with an
// active column of that XML or Romanian name; Base when none has one.
TFerXmlElement PrimulElementCu(TFerXmlContinut continut, std::u16string_view n) {
  for (const TFerXmlContinut c : {continut, ContinutAlt(continut)})
    for (const TFerXmlElement e : ElementeContinut(c)) {
      const TFerXmlColoana* col = ColoanaDupaXml(e, n);
      if (col == nullptr || !col->Activa()) col = ColoanaDupaRO(e, n);
      if (col != nullptr && col->Activa()) return e;
    }
  return fxeBase;
}

}  // namespace

TFerXmlNumeAtribute::TFerXmlNumeAtribute(TFerXmlContinut continut, std::vector<std::u16string> coloaneClientDeclarate,
                                         std::int32_t versiune)
    : FContinut(continut), FVersiune(versiune), FColoaneClientDeclarate(std::move(coloaneClientDeclarate)) {}

std::u16string TFerXmlNumeAtribute::CheieCache(TFerXmlElement element, std::u16string_view nume) {
  std::u16string cheie;
  cheie.reserve(nume.size() + 2);
  cheie += static_cast<char16_t>(u'0' + element);  // the element's number: one digit
  cheie += u'\x01';
  cheie += nume;
  return cheie;
}

void TFerXmlNumeAtribute::SeteazaCampuriTinta(TFerXmlElement element, const std::vector<std::u16string>& numeCampuri) {
  FCampuriClient[element].clear();
  FRezolvari.clear();
  if (element != fxeRandSet && element != fxeArticol) return;
  for (const auto& camp : numeCampuri) {
    if (!NumeValid(camp)) continue;
    bool coloanaFormat = false;
    for (const TFerXmlElement e : ElementeContinut(FContinut)) {
      if (ColoanaDupaRO(e, camp) != nullptr) coloanaFormat = true;
      for (const auto& c : ColoaneElement(e))
        if (c.Activa() && EgalFaraCaz(c.NumeXML, camp)) coloanaFormat = true;
    }
    if (!coloanaFormat) FCampuriClient[element].emplace(Majuscule(camp), camp);
  }
}

bool TFerXmlNumeAtribute::EsteColoanaClient(TFerXmlElement element, std::u16string_view numeCamp) const {
  return FCampuriClient[element].contains(Majuscule(numeCamp));
}

TFerXmlAtribut TFerXmlNumeAtribute::RezolvaFaraCache(TFerXmlElement e, std::u16string_view n) const {
  TFerXmlAtribut a;
  a.Nume = n;
  a.Element = e;
  if (const TFerXmlColoana* c = ColoanaDupaXml(e, n)) {
    a.Pas = c->swRetras ? fxnRetras : fxnColoana;
    a.Coloana = c;
    return a;
  }
  if (const TFerXmlColoana* c = AliasRO(e, n)) {
    a.Pas = fxnAliasRO;
    a.Coloana = c;
    return a;
  }
  if (const auto it = FCampuriClient[e].find(Majuscule(n)); it != FCampuriClient[e].end()) {
    a.Pas = fxnColoanaClient;
    a.NumeCamp = it->second;
    return a;
  }
  for (const auto& c : ColoaneElement(e))
    if (c.Activa() && EgalFaraCaz(c.NumeXML, n)) {
      a.Pas = fxnVariantaCaz;
      a.Coloana = &c;
      return a;
    }
  if (const TFerXmlElement alt = PrimulElementCu(FContinut, n); alt != fxeBase && alt != e) {
    a.Pas = fxnAltElement;
    a.Element = alt;
    return a;
  }
  if (FVersiune > 1)
    for (const auto& d : FColoaneClientDeclarate)
      if (d == n) {
        a.Pas = fxnClientDeclarat;
        return a;
      }
  a.Pas = fxnNecunoscut;
  return a;
}

TFerXmlAtribut TFerXmlNumeAtribute::Rezolva(TFerXmlElement element, std::u16string_view nume,
                                            std::u16string_view valoare) {
  FCheie.clear();
  FCheie += static_cast<char16_t>(u'0' + element);
  FCheie += u'\x01';
  FCheie += nume;
  auto it = FRezolvari.find(FCheie);
  if (it == FRezolvari.end()) it = FRezolvari.emplace(FCheie, RezolvaFaraCache(element, nume)).first;
  TFerXmlAtribut a = it->second;
  a.Valoare = valoare;
  return a;
}

std::u16string TFerXmlNumeAtribute::Sugestie(TFerXmlElement element, std::u16string_view nume) {
  const std::u16string cheie = CheieCache(element, nume);
  auto it = FSugestii.find(cheie);
  if (it == FSugestii.end()) it = FSugestii.emplace(cheie, SugestieNume(FContinut, element, nume)).first;
  return it->second;
}

std::vector<TFerXmlAtribut> TFerXmlNumeAtribute::RezolvaNod(const TFerXmlNod& nod, TFerXmlElement element,
                                                            TFerXmlProbleme& probleme, const TFerXmlProblema& model) {
  std::vector<TFerXmlAtribut> atribute;
  atribute.reserve(nod.Atribute.size());  // no reallocation: the keys below view into the elements
  // Target key -> index of its first attribute; a node has few attributes.
  std::vector<std::pair<std::u16string_view, size_t>> primele;
  const auto prima = [&](std::u16string_view cheie) -> size_t {
    for (const auto& [k, i] : primele)
      if (k == cheie) return i;
    return SIZE_MAX;
  };
  bool repetitii = false;
  for (const auto& [nume, valoare] : nod.Atribute) {
    atribute.push_back(Rezolva(element, nume, valoare));
    const std::u16string_view cheie = CheieTinta(atribute.back());
    if (cheie.empty()) continue;
    if (prima(cheie) != SIZE_MAX)
      repetitii = true;
    else
      primele.emplace_back(cheie, atribute.size() - 1);
  }

  if (repetitii)
    for (size_t i = 0; i < atribute.size(); ++i) {
      const std::u16string_view cheie = CheieTinta(atribute[i]);
      if (cheie.empty() || prima(cheie) != i) continue;
      int numar = 1;
      size_t conteaza = i;
      bool diferit = false;
      for (size_t j = i + 1; j < atribute.size(); ++j) {
        if (CheieTinta(atribute[j]) != cheie) continue;
        ++numar;
        if (atribute[conteaza].Pas != fxnColoana && conteaza == i && atribute[j].Pas == fxnColoana) conteaza = j;
        if (atribute[j].Valoare != atribute[i].Valoare) diferit = true;
      }
      if (numar < 2) continue;
      for (size_t j = i; j < atribute.size(); ++j)
        if (j != conteaza && CheieTinta(atribute[j]) == cheie) atribute[j].swDublura = true;
      if (diferit)
        probleme.Adauga(model, fxvEroare, fxmApareDeMaiMulteOri, cheie, atribute[conteaza].Valoare,
                        {TextNumar(numar)}, u"");
    }

  for (const auto& a : atribute) {
    switch (a.Pas) {
      case fxnColoana:
      case fxnColoanaClient:
        break;
      case fxnAliasRO:
        if (FVersiune >= 2)
          probleme.Adauga(model, fxvAvertizare, fxmCititCa, a.Nume, a.Valoare,
                          {AtributAfisat(a.Nume, a.Valoare), AtributAfisat(a.Coloana->NumeXML, a.Valoare)}, u"");
        break;
      case fxnAltElement:
        probleme.Adauga(model, fxvEroare, fxmNepermisAici, a.Nume, a.Valoare, {a.Nume},
                        u"<" + NumeElement(a.Element) + u">");
        break;
      case fxnVariantaCaz:
        probleme.Adauga(model, fxvEroare, fxmAtributNecunoscut, a.Nume, a.Valoare, {a.Nume}, a.Coloana->NumeXML);
        break;
      case fxnRetras:
        if (a.Valoare.empty()) break;
        if (!a.Coloana->Inlocuitor.empty())
          probleme.Adauga(model, fxvEroare, fxmNepermisAici, a.Nume, a.Valoare, {a.Nume}, a.Coloana->Inlocuitor);
        else
          probleme.Adauga(model, fxvAvertizare, fxmFaraEfect, a.Nume, a.Valoare,
                          {a.Nume, a.Nume + u"=" + ValoareAfisata(a.Valoare)}, u"");
        break;
      case fxnClientDeclarat:
        probleme.Adauga(model, fxvAvertizare, fxmAtributNecunoscut, a.Nume, a.Valoare, {a.Nume}, u"");
        break;
      case fxnNecunoscut:
        probleme.Adauga(model, FVersiune < 2 ? fxvAvertizare : fxvEroare, fxmAtributNecunoscut, a.Nume, a.Valoare,
                        {a.Nume}, Sugestie(element, a.Nume));
        break;
    }
  }
  return atribute;
}

bool TFerXmlNumeAtribute::VerificaObligatorii(TFerXmlElement element, const TFerXmlNod& nod, TFerXmlProbleme& probleme,
                                              const TFerXmlProblema& model,
                                              const std::vector<TFerXmlAtribut>& atribute) {
  const std::int32_t inainte = probleme.Count();
  const auto lipseste = [&](std::u16string_view nume, std::u16string_view valoare) {
    probleme.Adauga(model, fxvEroare, fxmLipseste, nume, valoare, {std::u16string(nume)}, u"");
  };
  // present and not blank
  const auto cere = [&](std::u16string_view nume) {
    const TFerXmlAtribut* a = CautaAtribut(atribute, nume);
    if (a == nullptr || Alb(a->Valoare)) lipseste(nume, a == nullptr ? u"" : a->Valoare);
  };
  const auto cerePrezent = [&](std::u16string_view nume) {
    if (CautaAtribut(atribute, nume) == nullptr) lipseste(nume, u"");
  };
  switch (element) {
    case fxeBase:
      break;
    case fxeSet: {
      cere(u"Opening");
      cere(u"WD");
      const TFerXmlAtribut* mark = CautaAtribut(atribute, u"Mark");
      if (mark == nullptr || (!mark->Valoare.empty() && Alb(mark->Valoare)))
        lipseste(u"Mark", mark == nullptr ? u"" : mark->Valoare);
      cerePrezent(u"HardwareSet");
      break;
    }
    case fxeRandSet:
      switch (TipRand(nod, atribute)) {
        case fxrsArticol:
          cere(u"Qty");
          break;
        case fxrsFaraCod:
          cerePrezent(u"Code");
          cere(u"Qty");
          break;
        case fxrsXY:
        case fxrsGol:
          break;
      }
      break;
    case fxeBlocator: {
      const TFerXmlAtribut* cod = CautaAtribut(atribute, u"Code");
      if (cod != nullptr && !cod->Valoare.empty() && CautaAtribut(atribute, u"DimensionIndex") == nullptr) {
        if (FVersiune < 2)
          probleme.Adauga(model, fxvEroare, fxmExportVechi, u"DimensionIndex", u"", {u"2026.0.79", u"DimensionIndex"},
                          u"");
        else
          lipseste(u"DimensionIndex", u"");
      }
      break;
    }
    case fxeArticol:
      cere(u"Code");
      break;
    case fxeDiagrama: {
      bool punct = false;
      for (int k = 0; k <= 9; ++k)
        for (const char16_t axa : {u'X', u'Y'}) {
          const std::u16string nume = std::u16string(1, axa) + TextNumar(k);
          const TFerXmlAtribut* a = CautaAtribut(atribute, nume);
          if (a != nullptr && !Alb(a->Valoare)) punct = true;
        }
      if (punct) cere(u"KgPerMP");
      break;
    }
  }
  return probleme.Count() == inainte;
}

const TFerXmlAtribut* CautaAtribut(const std::vector<TFerXmlAtribut>& atribute, std::u16string_view nume) {
  for (const auto& a : atribute)
    if (!a.swDublura && (a.Pas == fxnColoana || a.Pas == fxnAliasRO) && a.Coloana->NumeXML == nume) return &a;
  return nullptr;
}

bool CautaAtribut(const std::vector<TFerXmlAtribut>& atribute, std::u16string_view nume, TFerXmlAtribut& atribut) {
  if (const TFerXmlAtribut* a = CautaAtribut(atribute, nume)) {
    atribut = *a;
    return true;
  }
  atribut = TFerXmlAtribut();
  return false;
}

TFerXmlTipRandSet TipRand(const TFerXmlNod& rand, const std::vector<TFerXmlAtribut>& atribute) {
  if (const TFerXmlAtribut* cod = CautaAtribut(atribute, u"Code"); cod != nullptr && !Alb(cod->Valoare))
    return EgalFaraCaz(cod->Valoare, u"XY") ? fxrsXY : fxrsArticol;
  std::u16string valoare;
  for (const auto& copil : rand.Copii)
    for (const auto& nepot : copil->Copii)
      if (ValoareAtribut(*nepot, fxeBlocator, u"Code", valoare) && !Alb(valoare)) return fxrsFaraCod;
  for (const auto& a : atribute) {
    if (a.swDublura || Alb(a.Valoare)) continue;
    if (a.Pas == fxnColoanaClient) return fxrsFaraCod;
    if ((a.Pas == fxnColoana || a.Pas == fxnAliasRO) && a.Coloana->Tip != fxtImbricat && a.Coloana->Tip != fxtIgnorat) {
      const std::u16string& n = a.Coloana->NumeXML;
      if (n != u"ItemNo" && n != u"Left-Right" && n != u"Description" && n != u"Colour" && n != u"InactiveOpening")
        return fxrsFaraCod;
    }
  }
  return fxrsGol;
}

}  // namespace kavelo
