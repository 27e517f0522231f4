#include "check/text_report.h"

#include "app/version.h"
#include "import/warning_groups.h"
#include "platform/ascii.h"
#include "platform/files.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

struct Cuvinte {
  const char16_t* Plural;  // capitalised
  const char16_t* Singular;
  const char16_t* PluralMic;
};

Cuvinte CuvinteTip(TXmlCheckTip tip) {
  if (tip == xctSeturiFeronerie) return {u"Sets", u"set", u"sets"};
  return {u"Articles", u"article", u"articles"};
}

}  // namespace

std::u16string LinieNumarare(const TXmlCheckFisier& f) {
  return Format(u"%s: %d in the file, %d accepted, %d refused.",
                {std::u16string(CuvinteTip(f.Tip).Plural), std::int64_t{f.NrUnitati}, std::int64_t{f.NrAcceptate},
                 std::int64_t{f.NrRefuzate}});
}

std::u16string LinieErori(const TXmlCheckFisier& f) {
  return Format(u"Errors: %d, format errors: %d, warnings: %d.",
                {std::int64_t{f.NrErori}, std::int64_t{f.NrEroriFormat()}, std::int64_t{f.NrAvertizari}});
}

std::u16string NumarSiSubstantiv(std::int32_t n, std::u16string_view singular, std::u16string_view plural) {
  if (n == 1) return u"1 " + std::u16string(singular);
  return TextNumar(n) + u" " + std::u16string(plural);
}

std::u16string ODeLinie(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      out += u' ';
      ++i;
    } else if (text[i] == u'\r' || text[i] == u'\n') {
      out += u' ';
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<std::u16string> Neverificate(TXmlCheckTip tip, const std::u16string& fisierArticole) {
  if (tip == xctSeturiFeronerie)
    return {
        u"the brands (Mark) against the suppliers of the customer's database: Kavelo asks before it adds a missing "
        u"brand",
        fisierArticole.empty()
            ? u"the article codes of the rows, cam locks and extensions, and what the rows take from those articles "
              u"(description, colour, weight chart, cam-lock dimensions, side and reference): give your articles file "
              u"with --articles to check them against it"
            : Format(u"the article codes against the articles of the customer's database: they were checked against "
                     u"%s instead (a code it does not have is a format error)",
                     {NumeFaraFolder(fisierArticole)}),
        u"the colours against the hardware colours of the profile series",
        u"the column widths and types of the customer's database: the widths used here are those of the format (the "
        u"XSD); an older database can have narrower columns",
        u"the openings and brands the sub-series of the series allow, and the script functions of the database",
        u"the option rows of the series: a ChildParentsIDs row is checked as if the series had none (an option row "
        u"can be its parent)",
        u"whether a set is new, replaces a set of the series or is unchanged: here every set is new",
    };
  return {
      u"the currencies, consumption categories, price-forming codes, labour codes and units of measure of the "
      u"customer's database",
      u"the colours against the hardware colours of the profile series",
      u"the column widths and types of the customer's database (the widths used here are those of the format, the "
      u"XSD), and codes longer than the set rows of a series can hold",
      u"the members of a group (Use=\"!GROUP\") that are articles of the customer's database but not of this file",
      u"whether an article is new or changes an article of the customer's database, and the columns the Kavelo user "
      u"fills in himself: here every article is new",
  };
}

std::u16string TextEroareFormat(const TXmlCheckFisier& f, const TXmlCheckEroareFormat& e) {
  if (e.swDinImport) return f.Texte->Text(e.P);
  if (e.P.Linie > 0)
    return Format(u"(%d:%d) %s", {std::int64_t{e.P.Linie}, std::int64_t{e.P.Coloana}, e.TextRegula});
  return e.TextRegula;
}

void ScrieSectiuneText(TXmlCheckIesire* iesire, const TXmlCheckFisier& f, const TKVTrsStringsV2& stringuri) {
  iesire->ScrieLinie(u"");
  iesire->ScrieLinie(NumeTip(f.Tip) + u": " + f.Fisier);
  if (!f.swVerificat) {
    iesire->ScrieLinie(u"Not checked: " + f.MotivNeverificat + u".");
    return;
  }
  if (f.swFatal) {
    iesire->ScrieLinie(u"FATAL: " + f.TitluFatal + u".");
    std::u16string_view rest = f.TextFatal;
    for (;;) {
      const size_t p = rest.find(u'\n');
      std::u16string_view linie = rest.substr(0, p);
      if (linie.ends_with(u'\r')) linie.remove_suffix(1);
      iesire->ScrieLinie(linie);
      if (p == std::u16string_view::npos) break;
      rest.remove_prefix(p + 1);
    }
    if (!f.IndiciuFatal.empty()) iesire->ScrieLinie(f.IndiciuFatal);
    return;
  }
  std::u16string radacina = f.Baza.swVersiune ? AtributAfisat(u"FormatVersion", f.Baza.Versiune)
                                              : u"FormatVersion missing (read as format 1)";
  radacina += f.Baza.swContinut ? u", " + AtributAfisat(u"Content", f.Baza.Continut) : u", Content missing";
  iesire->ScrieLinie(radacina);
  if (!f.Generator.empty()) iesire->ScrieLinie(AtributAfisat(u"Generator", f.Generator));
  if (!f.Serie.empty()) iesire->ScrieLinie(AtributAfisat(u"Series", f.Serie));
  iesire->ScrieLinie(LinieNumarare(f));
  iesire->ScrieLinie(LinieErori(f));

  const Cuvinte c = CuvinteTip(f.Tip);
  const TFerXmlTextProblema text = [&f](const TFerXmlProblema& p) { return f.Texte->Text(p); };
  const TFerXmlScrieLinie scrie = [iesire](const std::u16string& linie) { iesire->ScrieLinie(linie); };
  if (f.NrErori > 0) {
    iesire->ScrieLinie(u"");
    iesire->ScrieLinie(Format(u"Refused - Kavelo does not import these %s:", {std::u16string(c.PluralMic)}));
    ScrieErori(*f.Probleme(), stringuri, text, scrie, true);
  }
  if (f.NrEroriFormat() > 0) {
    iesire->ScrieLinie(u"");
    iesire->ScrieLinie(
        u"Format errors - Kavelo imports the file with these, but a file written for format 2 must not have them:");
    for (const auto& e : f.EroriFormat) {
      std::u16string linie = u"\t";
      if (!e.P.EtichetaUnitate.empty()) linie += e.P.EtichetaUnitate + (e.P.Cale.empty() ? u": " : u" / ");
      iesire->ScrieLinie(linie + TextEroareFormat(f, e));
    }
  }
  if (f.NrAvertizari > 0) {
    iesire->ScrieLinie(u"");
    iesire->ScrieLinie(Format(u"Warnings - Kavelo imports these %s and changes or ignores what is listed:",
                              {std::u16string(c.PluralMic)}));
    ScrieAvertizari(*f.Probleme(), stringuri, text, scrie, true);
  }
}

std::u16string LinieRezultat(int cod, const TXmlCheckFisier* articole, const TXmlCheckFisier& principal) {
  if (cod == 0)
    return Format(u"Result: OK - no %s would be refused, no format error (exit code 0).",
                  {std::u16string(CuvinteTip(principal.Tip).Singular)});
  if (cod == 2) return u"Result: FATAL - a file cannot be imported (exit code 2).";
  std::u16string parti;
  const auto adauga = [&](const std::u16string& parte) {
    if (!parti.empty()) parti += u", ";
    parti += parte;
  };
  for (const TXmlCheckFisier* f : {articole, &principal}) {
    if (f == nullptr) continue;
    const Cuvinte c = CuvinteTip(f->Tip);
    if (f->NrRefuzate > 0) adauga(NumarSiSubstantiv(f->NrRefuzate, c.Singular, c.PluralMic) + u" would be refused");
    if (f->NrEroriFormat() > 0)
      adauga(NumarSiSubstantiv(f->NrEroriFormat(), u"format error", u"format errors") + u" in the " + NumeTip(f->Tip) +
             u" file");
    if (f->NrRefuzate == 0 && f->NrErori > 0)
      adauga(NumarSiSubstantiv(f->NrErori, u"error", u"errors") + u" in the " + NumeTip(f->Tip) + u" file");
  }
  return u"Result: ERRORS - " + parti + u" (exit code 1).";
}

std::u16string LinieRezumat(const TXmlCheckFisier& f) {
  std::u16string linie = NumeTip(f.Tip) + u": " + f.Fisier;
  if (!f.swVerificat) return linie + u": not checked: " + f.MotivNeverificat;
  if (f.swFatal) return linie + u": FATAL: " + f.TitluFatal + u": " + ODeLinie(f.TextFatal);
  return linie + u": " + LinieNumarare(f) + u" " + LinieErori(f);
}

void ScrieRaportText(TXmlCheckIesire* iesire, const TXmlCheckOptiuni& o, const TKVTrsStringsV2& stringuri, int cod,
                     const TXmlCheckFisier& principal, const TXmlCheckFisier* articole) {
  iesire->ScrieLinie(LinieVersiune());
  if (articole != nullptr) ScrieSectiuneText(iesire, *articole, stringuri);
  ScrieSectiuneText(iesire, principal, stringuri);
  if (principal.swVerificat && !principal.swFatal) {
    iesire->ScrieLinie(u"");
    iesire->ScrieLinie(u"Not checked, because it depends on the Kavelo database the file is imported into:");
    for (const auto& item : Neverificate(principal.Tip, o.FisierArticole)) iesire->ScrieLinie(u"- " + item);
  }
  iesire->ScrieLinie(u"");
  iesire->ScrieLinie(LinieRezultat(cod, articole, principal));
}

void ScrieRaportLinistit(TXmlCheckIesire* iesire, const TXmlCheckFisier* articole, const TXmlCheckFisier& principal) {
  iesire->ScrieLinie(LinieVersiune());
  if (articole != nullptr) iesire->ScrieLinie(LinieRezumat(*articole));
  iesire->ScrieLinie(LinieRezumat(principal));
}

}  // namespace kavelo
