#include "check/json_report.h"

#include "app/version.h"
#include "check/text_report.h"
#include "platform/ascii.h"

namespace kavelo {

namespace {

constexpr const char16_t* kCoduri[kNrMesaje] = {
    u"notReadable",       u"newerFormat",         u"exception",
    u"notANumber",        u"outOfRange",          u"notAnAcceptedValue",
    u"tooLong",           u"notAllowedHere",      u"flagValue",
    u"duplicate",         u"unknownAttribute",    u"missing",
    u"readAs",            u"shortened",           u"noEffect",
    u"surroundingWhitespace", u"differsFromArticle", u"notInList",
    u"articleNotFound",   u"weightChartMissing",  u"camLockDimensionNotANumber",
    u"setWithoutName",    u"setReplaced",         u"importArticlesFirst",
    u"oldExport",         u"duplicateArticle",
};

const char16_t* TextSeveritate(TFerXmlSeveritate s) {
  return s == fxvFatal ? u"fatal" : s == fxvEroare ? u"error" : u"warning";
}

std::u16string LiniiLf(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      out += u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool Cifra(char16_t c) { return c >= u'0' && c <= u'9'; }

// A decimal number at s[i], moving i past it; too large counts as 0.
std::int32_t Numar(std::u16string_view s, size_t& i) {
  std::int64_t n = 0;
  bool prea = false;
  while (i < s.size() && Cifra(s[i])) {
    n = n * 10 + (s[i++] - u'0');
    if (n > INT32_MAX) prea = true, n = 0;
  }
  return prea ? 0 : static_cast<std::int32_t>(n);
}

// "Name 07 (15:3)...", "<Name> (15:3)": the line and column in parentheses.
bool PozitieDinSegment(std::u16string_view s, std::int32_t& linie, std::int32_t& coloana) {
  size_t i = 0;
  if (!s.empty() && s[0] == u'<') {
    const size_t p = s.find(u'>');
    if (p == std::u16string_view::npos) return false;
    i = p + 1;
  } else {
    while (i < s.size() && s[i] != u' ' && s[i] != u'"' && s[i] != u'(' && s[i] != u')' && s[i] != u'=') ++i;
    if (i == 0) return false;
  }
  if (i + 1 < s.size() && s[i] == u' ' && Cifra(s[i + 1])) {
    ++i;
    while (i < s.size() && Cifra(s[i])) ++i;
  }
  if (i + 1 >= s.size() || s[i] != u' ' || s[i + 1] != u'(') return false;
  i += 2;
  if (i >= s.size() || !Cifra(s[i])) return false;
  const std::int32_t l = Numar(s, i);
  if (i >= s.size() || s[i] != u':') return false;
  ++i;
  if (i >= s.size() || !Cifra(s[i])) return false;
  const std::int32_t c = Numar(s, i);
  if (i >= s.size() || s[i] != u')') return false;
  linie = l;
  coloana = c;
  return true;
}

struct ValoriProblema {
  std::u16string Severitate, Cod, Mesaj, Sugestie, Text, Explicatie;
  bool swSeveritateProprie = true;
};

void ScrieProblemaJson(TXmlCheckJson& j, const TFerXmlProblema& p, const ValoriProblema& v) {
  j.IncepeObiect(u"");
  j.Text(u"severity", v.Severitate);
  j.Text(u"kaveloSeverity", v.swSeveritateProprie ? TextSeveritate(p.Severitate) : u"none");
  j.Text(u"code", v.Cod);
  j.Text(u"unit", p.EtichetaUnitate);
  j.Numar(u"unitOrdinal", p.OrdinUnitate);
  std::int32_t linie = 0, coloana = 0;
  const bool pozitie = PozitieProblema(p, linie, coloana);
  j.NumarSauNul(u"line", linie, pozitie);
  j.NumarSauNul(u"column", coloana, pozitie);
  j.Text(u"path", p.Cale);
  j.Text(u"attribute", p.Atribut);
  j.Text(u"value", p.Valoare);
  j.Text(u"message", v.Mesaj);
  j.Text(u"suggestion", v.Sugestie);
  j.Text(u"explanation", v.Explicatie);
  j.Text(u"text", v.Text);
  j.IncepeLista(u"details");
  for (const auto& d : p.Detalii) j.Text(u"", d);
  j.TerminaLista();
  j.TerminaObiect();
}

}  // namespace

const char16_t* CodProblema(TFerXmlMesaj mesaj) { return kCoduri[mesaj]; }

bool PozitieProblema(const TFerXmlProblema& p, std::int32_t& linie, std::int32_t& coloana) {
  bool gasit = false;
  if (!p.Cale.empty()) {
    std::u16string_view rest = p.Cale;
    for (;;) {
      std::int32_t l, c;
      if (PozitieDinSegment(rest, l, c)) {
        linie = l;
        coloana = c;
        gasit = true;
      }
      const size_t sep = rest.find(u" / ");
      if (sep == std::u16string_view::npos) break;
      rest.remove_prefix(sep + 3);
    }
    if (gasit) return true;
  }
  if (!p.EtichetaUnitate.empty() && PozitieDinSegment(p.EtichetaUnitate, linie, coloana)) return true;
  if (p.Linie > 0) {
    linie = p.Linie;
    coloana = p.Coloana;
    return true;
  }
  return false;
}

void ScrieFisierJson(TXmlCheckJson& j, const TXmlCheckFisier& f, bool swLiniste) {
  j.Text(u"type", NumeTip(f.Tip));
  j.Text(u"file", f.Fisier);
  j.Logic(u"checked", f.swVerificat);
  j.Text(u"notCheckedReason", f.swVerificat ? u"" : f.MotivNeverificat);
  j.Logic(u"fatal", f.swVerificat && f.swFatal);
  j.Text(u"fatalCode", f.CodFatal);
  j.Text(u"fatalHeading", f.TitluFatal);
  j.Text(u"fatalMessage", LiniiLf(f.TextFatal));
  j.Text(u"fatalHint", f.IndiciuFatal);
  j.NumarSauNul(u"fileFormatVersion", f.VersiuneFormat, f.VersiuneFormat > 0);
  if (f.Baza.swVersiune) j.Text(u"declaredFormatVersion", f.Baza.Versiune); else j.Nul(u"declaredFormatVersion");
  if (f.Baza.swContinut) j.Text(u"declaredContent", f.Baza.Continut); else j.Nul(u"declaredContent");
  j.Text(u"generator", f.Generator);
  j.Text(u"series", f.Serie);
  j.IncepeObiect(u"summary");
  j.Numar(u"units", f.NrUnitati);
  j.Numar(u"accepted", f.NrAcceptate);
  j.Numar(u"refused", f.NrRefuzate);
  j.Numar(u"errors", f.NrErori);
  j.Numar(u"formatErrors", f.NrEroriFormat());
  j.Numar(u"warnings", f.NrAvertizari);
  const bool numarat = f.swVerificat && !f.swFatal;
  j.Text(u"text", numarat ? LinieNumarare(f) + u" " + LinieErori(f) : u"");
  j.TerminaObiect();
  if (swLiniste) return;

  j.IncepeLista(u"problems");
  if (f.swVerificat && f.swFatal) {
    if (f.swProblemaFatala) {
      const TFerXmlProblema& p = f.ProblemaFatala;
      ScrieProblemaJson(j, p,
                        {u"fatal", f.CodFatal, TextMesaj(p, f.Texte->Stringuri()), p.Sugestie, LiniiLf(f.TextFatal),
                         f.IndiciuFatal, true});
    } else {
      TFerXmlProblema p = ModelProblema(0, u"", u"");
      p.Severitate = fxvFatal;
      const std::u16string text = LiniiLf(f.TextFatal);
      ScrieProblemaJson(j, p, {u"fatal", f.CodFatal, text, u"", text, f.IndiciuFatal, true});
    }
  } else if (f.swVerificat) {
    if (const TFerXmlProbleme* probleme = f.Probleme())
      for (const auto& p : probleme->Lista()) {
        if (p.Severitate != fxvEroare && !AvertizareRaportabila(*probleme, p)) continue;
        const TMesajSiSugestie m = f.Texte->MesajSiSugestie(p);
        ScrieProblemaJson(j, p,
                          {TextSeveritate(p.Severitate), CodProblema(p.Mesaj), m.Mesaj, m.Sugestie, f.Texte->Text(p),
                           f.Texte->Explicatie(p), true});
      }
    for (const auto& e : f.EroriFormat)
      ScrieProblemaJson(j, e.P,
                        {u"error", e.Cod, e.swDinImport ? f.Texte->Mesaj(e.P) : e.TextRegula,
                         e.swDinImport ? f.Texte->Sugestie(e.P) : u"", TextEroareFormat(f, e), u"", e.swDinImport});
  }
  j.TerminaLista();
}

void ScrieRaportJson(TXmlCheckIesire* iesire, const TXmlCheckOptiuni& o, const TXmlCheckFisier* articole,
                     bool swLiniste, int cod, const TXmlCheckFisier& principal) {
  TXmlCheckJson j(iesire);
  j.IncepeObiect(u"");
  ScrieMembriVersiune(j);
  j.Text(u"language", o.Limba == xclRomana ? u"ro" : u"en");
  j.Numar(u"exitCode", cod);
  ScrieFisierJson(j, principal, swLiniste);
  if (articole != nullptr) {
    j.IncepeObiect(u"articles");
    ScrieFisierJson(j, *articole, swLiniste);
    j.TerminaObiect();
  }
  j.IncepeLista(u"notChecked");
  if (principal.swVerificat && !principal.swFatal)
    for (const auto& item : Neverificate(principal.Tip, o.FisierArticole)) j.Text(u"", item);
  j.TerminaLista();
  j.TerminaObiect();
  j.Termina();
}

}  // namespace kavelo
