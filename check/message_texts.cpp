#include "check/message_texts.h"

#include <algorithm>

#include "format/lookups.h"
#include "platform/ascii.h"
#include "platform/files.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

struct TextDublu {
  const char16_t* Engleza;
  const char16_t* Romana;
};

constexpr TextDublu kTexte[] = {
    {u"only X (yes) or an empty value (no) is accepted", u"se acceptă doar X (da) sau o valoare goală (nu)"},
    {u"it has %s characters and the format allows at most %s", u"are %s caractere, iar formatul acceptă cel mult %s"},
    {u"attribute %s is not part of the format", u"atributul %s nu face parte din format"},
    {u"The hardware article with the code '%s' is not in the articles file ",
     u"Articolul de feronerie cu codul '%s' nu există în fișierul de articole "},
    {u"The hardware article with the code '%s' is not in this file: it must already exist in the customer's database",
     u"Articolul de feronerie cu codul '%s' nu este în acest fișier: trebuie să existe deja în baza de date a "
     u"clientului"},
    {u"The hardware article with the code '%s' is a record of this file that is refused (see above)",
     u"Articolul de feronerie cu codul '%s' este o înregistrare refuzată a acestui fișier (vedeți mai sus)"},
    {u"appears %s times in this weight chart", u"apare de %s ori în această diagramă de greutate"},
    {u"is given %s times on this element", u"este dat de %s ori pe acest element"},
    {u"; Kavelo keeps another value as written, but the format does not allow it",
     u"; Kavelo păstrează altă valoare așa cum este scrisă, dar formatul nu o permite"},
    {u"; Kavelo keeps this old value but never reads it",
     u"; Kavelo păstrează această valoare veche, dar nu o citește niciodată"},
    {u"FormatVersion is missing: Kavelo reads the file as format 1 (its older exports: numbered elements such as "
     u"<Set1> are accepted, unknown attributes of Base ignored); a file written for format 2 starts with <Base "
     u"FormatVersion=\"2\" Content=\"%s\">",
     u"FormatVersion lipsește: Kavelo citește fișierul ca format 1 (exporturile lui mai vechi: elemente numerotate "
     u"ca <Set1> sunt acceptate, atributele necunoscute ale lui Base ignorate); un fișier scris pentru formatul 2 "
     u"începe cu <Base FormatVersion=\"2\" Content=\"%s\">"},
    {u"FormatVersion=\"1\": Kavelo reads the file as format 1 (its older exports: numbered elements such as <Set1> "
     u"are accepted, unknown attributes of Base ignored); a file written for format 2 has FormatVersion=\"2\"",
     u"FormatVersion=\"1\": Kavelo citește fișierul ca format 1 (exporturile lui mai vechi: elemente numerotate ca "
     u"<Set1> sunt acceptate, atributele necunoscute ale lui Base ignorate); un fișier scris pentru formatul 2 are "
     u"FormatVersion=\"2\""},
    {u"Content is missing: Kavelo takes the kind of file from its first element; a file written for format 2 has "
     u"Content=\"%s\"",
     u"Content lipsește: Kavelo află felul fișierului din primul lui element; un fișier scris pentru formatul 2 are "
     u"Content=\"%s\""},
    {u"the file has no <%s> element: Kavelo would import nothing",
     u"fișierul nu are niciun element <%s>: Kavelo nu ar importa nimic"},
};
static_assert(std::size(kTexte) == xtuFaraUnitati + 1);

// The explanations of "has no effect" warnings; the first rule that matches wins.
enum class Conditie { Niciuna, DSeTerminaCu, DContine, DIncepeCu };
struct Explicatie {
  std::vector<std::u16string_view> Atribute;  // empty: any attribute
  Conditie Cand;
  std::u16string_view D;
  std::u16string_view Text;  // empty: the attribute + " is read only with EspagnoleteExtensions"
};

const std::vector<Explicatie>& Explicatii() {
  static const std::vector<Explicatie> lista = {
      {{u"Set"}, Conditie::Niciuna, u"",
       u"every set except FS needs a size-range row: a SetRecord with Code=\"XY\", an empty Side and MaxX and MaxY "
       u"greater than 0; without it Kavelo cannot use the set for a sash"},
      {{u"XY"}, Conditie::Niciuna, u"",
       u"the size-range row needs MaxX and MaxY greater than 0, MinX not above MaxX and MinY not above MaxY"},
      {{u"SetRecord"}, Conditie::Niciuna, u"", u"Kavelo never uses a row without Code"},
      {{}, Conditie::DSeTerminaCu, u"; Code=\"XY\"", u"the size-range row (Code=\"XY\") does not read it"},
      {{u"MinX", u"MinY"}, Conditie::Niciuna, u"",
       u"the row applies only to sizes between its limits: a minimum greater than 0 without a maximum, or a minimum "
       u"above the maximum, leaves no size"},
      {{u"MinRabbet"}, Conditie::Niciuna, u"",
       u"the article applies only to rebates between MinRabbet and MaxRabbet: a minimum above the maximum leaves "
       u"none"},
      {{u"Left-Right"}, Conditie::DContine, u"; Opening=",
       u"this opening has no hand, so a row for one hand (L or R) never applies: leave Left-Right empty"},
      {{u"Dimension"}, Conditie::Niciuna, u"", u"Dimension is read only with DimensionIndex=\"-1\""},
      {{u"DimensionIndex"}, Conditie::Niciuna, u"",
       u"DimensionIndex is beyond the cam-lock dimensions of every piece the cam lock can go to, so it is never "
       u"placed"},
      {{u"ForExtensions"}, Conditie::Niciuna, u"",
       u"ForExtensions places the cam lock on the espagnolette extensions, and the row has none"},
      {{u"EspagnoleteExtensions", u"EspagnoleteExtensionsUp"}, Conditie::DIncepeCu, u"FittingType=",
       u"only an article of FittingType Espagnolete, Lock-bolt or RebateReverserEspagnolete takes extensions"},
      {{u"EspagnoleteExtensions", u"EspagnoleteExtensionsUp"}, Conditie::DContine, u"; Length=",
       u"the extension article has no Length greater than 0, so Kavelo never adds it"},
      {{u"EspagnoleteExtensionsUp", u"MaxExtensionsLength"}, Conditie::Niciuna, u"", u""},
      {{u"EspagnoleteExtensions"}, Conditie::Niciuna, u"",
       u"write one code per line: a line with a list or a function is read as one unknown code"},
      {{u"VerifyWeightChart"}, Conditie::Niciuna, u"", u"the weight check needs a MaxWeight greater than 0"},
      {{u"Side"}, Conditie::DSeTerminaCu, u"; Reference=",
       u"the row (or its article) gives a Side but no Reference, so Kavelo never positions the article: give the row "
       u"a Reference"},
      {{u"Side"}, Conditie::Niciuna, u"",
       u"this Side and this Reference do not go together, so Kavelo never positions the article"},
      {{u"ChildParentsIDs"}, Conditie::DIncepeCu, u"ParentID=", u"a row cannot be its own parent"},
      {{u"ChildParentsIDs"}, Conditie::Niciuna, u"",
       u"no row of this set has one of these ParentIDs, so Kavelo removes the row from every sash (an option row of "
       u"the series can also be the parent: they are not checked here)"},
      {{u"Functions"}, Conditie::Niciuna, u"",
       u"only the first call of a line is read, and its parentheses must balance: write one call per line"},
      {{u"WeightChart"}, Conditie::Niciuna, u"", u"the <WeightChart> element wins over WeightChart=\"\""},
      {{u"WeightChartRecord"}, Conditie::Niciuna, u"", u"a curve needs at least three different vertices"},
      {{u"OldCode"}, Conditie::Niciuna, u"",
       u"OldCode is the code the article had before: equal to Code it renames nothing"},
  };
  return lista;
}


}  // namespace

std::u16string TextUnealta(TXmlCheckTextUnealta text, TXmlCheckLimba limba) {
  return limba == xclRomana ? kTexte[text].Romana : kTexte[text].Engleza;
}

void InlocuiesteMesaje(TKVTrsStringsV2& s, TXmlCheckLimba limba) {
  s.rsImpXmlMotivLungime = TextUnealta(xtuLungime, limba);
  s.rsImpXmlAtributNecunoscut = TextUnealta(xtuAtributNecunoscut, limba);
  s.rsArticolFeronerieInexistent = TextUnealta(xtuMembruLipsa, limba);
}

std::u16string CodDinEticheta(std::u16string_view eticheta) {
  const size_t p = eticheta.find(u"[Code=\"");
  if (p == std::u16string_view::npos || !eticheta.ends_with(u"\"]")) return std::u16string();
  const size_t inceput = p + 7, sfarsit = eticheta.size() - 2;
  if (sfarsit < inceput) return std::u16string();
  return std::u16string(eticheta.substr(inceput, sfarsit - inceput));
}

TXmlCheckTexte::TXmlCheckTexte(const TKVTrsStringsV2& stringuri, TXmlCheckLimba limba, TXmlCheckTip tip,
                               std::u16string_view fisierArticole)
    : FRS(stringuri), FLimba(limba), FTip(tip), FNumeCatalog(NumeFaraFolder(std::u16string(fisierArticole))) {}

std::u16string TXmlCheckTexte::TextRegula(TXmlCheckTextUnealta text, const std::vector<std::u16string>& parametri) const {
  return FormatSigur(TextUnealta(text), parametri);
}

const TFerXmlColoana* TXmlCheckTexte::CautaColoana(std::u16string_view nume) const {
  for (const TFerXmlElement e : {fxeSet, fxeRandSet, fxeBlocator, fxeArticol, fxeDiagrama}) {
    if (EsteElementArticole(e) != (FTip == xctArticoleFeronerie)) continue;
    const TFerXmlColoana* c = ColoanaDupaXml(e, nume);
    if (c == nullptr) c = AliasRO(e, nume);
    if (c != nullptr) return c->swRetras ? nullptr : c;
  }
  return nullptr;
}

const TFerXmlColoana* TXmlCheckTexte::ColoanaEnum(std::u16string_view nume) const {
  const TFerXmlColoana* c = CautaColoana(nume);
  return c != nullptr && c->Tip == fxtEnum ? c : nullptr;
}

bool TXmlCheckTexte::ValoareInAfaraFormatului(const TFerXmlProblema& p, const TFerXmlColoana*& coloana,
                                              bool& vechi) const {
  vechi = false;
  coloana = nullptr;
  if (p.Mesaj != fxmNuExistaIn && p.Mesaj != fxmFaraEfect) return false;
  coloana = ColoanaEnum(p.Atribut);
  if (coloana == nullptr) return false;
  if (p.Mesaj == fxmNuExistaIn) return p.Parametri.size() >= 3 && p.Parametri[2] == ValoriAcceptate(*coloana);
  if (p.Parametri.size() >= 2 && p.Parametri[1] == p.Atribut + u"=" + ValoareAfisata(p.Valoare)) {
    vechi = true;
    return true;
  }
  return false;
}

TMesajSiSugestie TXmlCheckTexte::MesajSiSugestie(const TFerXmlProblema& p) const {
  TMesajSiSugestie r;
  r.Sugestie = p.Sugestie;
  r.swPrefixAtribut = p.Mesaj >= fxmMotivNumar && p.Mesaj <= fxmAtributNecunoscut;
  const TFerXmlColoana* coloana = nullptr;
  bool vechi = false;
  if (p.Severitate == fxvEroare && p.Mesaj == fxmMotivBifa) {
    r.Mesaj = TextUnealta(xtuBifaRefuzata);
    return r;
  }
  if (p.Mesaj == fxmMotivLungime && (coloana = ColoanaEnum(p.Atribut)) != nullptr) {
    if (r.Sugestie.empty()) r.Sugestie = SugestieValoareEnum(*coloana, p.Valoare);
    r.Mesaj = FormatSigur(FRS.rsImpXmlMotivValori, {ValoriAcceptate(*coloana)});
    return r;
  }
  if (ValoareInAfaraFormatului(p, coloana, vechi)) {
    r.swPrefixAtribut = true;
    if (r.Sugestie.empty()) r.Sugestie = SugestieValoareEnum(*coloana, p.Valoare);
    r.Mesaj = FormatSigur(FRS.rsImpXmlMotivValori, {ValoriAcceptate(*coloana)}) +
              TextUnealta(vechi ? xtuValoareVeche : xtuValoareInAfaraFormatului);
    return r;
  }
  if (p.Mesaj == fxmApareDeMaiMulteOri && !p.Parametri.empty()) {
    if (p.Atribut == u"KgPerMP") {
      r.Mesaj = FormatSigur(TextUnealta(xtuDeMaiMulteOriDiagrama), {p.Parametri[0]});
      return r;
    }
    if (!p.Atribut.empty() && p.Atribut != u"Code") {
      r.Mesaj = FormatSigur(TextUnealta(xtuDeMaiMulteOriElement), {p.Parametri[0]});
      return r;
    }
  }
  if (p.Mesaj == fxmArticolInexistent && !p.Parametri.empty()) {
    if (FTip == xctSeturiFeronerie && !FNumeCatalog.empty()) {
      r.Mesaj = FormatSigur(TextUnealta(xtuArticolNuInFisierArticole), {p.Parametri[0]}) + FNumeCatalog;
      return r;
    }
    if (FTip == xctArticoleFeronerie) {
      r.Mesaj = FormatSigur(
          TextUnealta(FCoduriRefuzate.contains(ValoareAfisata(p.Parametri[0])) ? xtuMembruRefuzat : xtuMembruLipsa),
          {p.Parametri[0]});
      return r;
    }
  }
  if (p.Mesaj == fxmCotaBlocatorNuENumar) r.swPrefixAtribut = true;
  TFerXmlProblema copie = p;
  copie.Sugestie.clear();
  r.Mesaj = TextMesaj(copie, FRS);
  return r;
}

std::u16string TXmlCheckTexte::Explicatie(const TFerXmlProblema& p) const {
  if (FLimba != xclEngleza || p.Mesaj != fxmFaraEfect) return std::u16string();
  const std::u16string_view a = p.Atribut;
  const std::u16string_view d = p.Parametri.size() >= 2 ? std::u16string_view(p.Parametri[1]) : std::u16string_view();
  for (const auto& e : Explicatii()) {
    if (!e.Atribute.empty() && std::find(e.Atribute.begin(), e.Atribute.end(), a) == e.Atribute.end()) continue;
    const bool potrivit = e.Cand == Conditie::Niciuna || (e.Cand == Conditie::DSeTerminaCu && d.ends_with(e.D)) ||
                          (e.Cand == Conditie::DContine && d.find(e.D) != std::u16string_view::npos) ||
                          (e.Cand == Conditie::DIncepeCu && d.starts_with(e.D));
    if (!potrivit) continue;
    if (e.Text.empty()) return std::u16string(a) + u" is read only with EspagnoleteExtensions";
    return std::u16string(e.Text);
  }
  return std::u16string();
}

std::u16string TXmlCheckTexte::Text(const TFerXmlProblema& p) const {
  const TMesajSiSugestie m = MesajSiSugestie(p);
  std::u16string t = AdaugaSugestie(m.Mesaj, m.Sugestie, FRS);
  if (m.swPrefixAtribut && !p.Atribut.empty()) t = p.Atribut + u"=\"" + ValoareAfisata(p.Valoare) + u"\": " + t;
  if (!p.Cale.empty())
    t = p.Cale + u": " + t;
  else if (p.Linie > 0)
    t = Format(u"(%d:%d) %s", {std::int64_t{p.Linie}, std::int64_t{p.Coloana}, t});
  const std::u16string explicatie = Explicatie(p);
  if (!explicatie.empty()) t += u" - " + explicatie;
  return t;
}

void TXmlCheckTexte::AdaugaCodRefuzat(std::u16string_view eticheta) {
  std::u16string c = CodDinEticheta(eticheta);
  if (!c.empty()) FCoduriRefuzate.insert(std::move(c));
}

}  // namespace kavelo
