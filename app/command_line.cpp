#include "app/command_line.h"

#include "app/version.h"
#include "platform/ascii.h"
#include "platform/files.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

struct NumeTipuri {
  TXmlCheckTip Tip;
  const char16_t* Nume;
  const char16_t* Alias;
};
constexpr NumeTipuri kTipuri[] = {
    {xctSeturiFeronerie, u"hardware-sets", u"feronerie-seturi"},
    {xctArticoleFeronerie, u"hardware-articles", u"feronerie-articole"},
};

const std::u16string kSeturi = u"hardware-sets";
const std::u16string kArticole = u"hardware-articles";

bool EsteComutator(const std::u16string& nume) {
  return nume == u"--quiet" || nume == u"--version" || nume == u"--self-test";
}

bool AreValoare(const std::u16string& nume) {
  return nume == u"--articles" || nume == u"--lang" || nume == u"--report" || nume == u"--format";
}

// Case-insensitive comparison of file names (the folding of the names' letters).
bool AcelasiNume(const std::u16string& a, const std::u16string& b) { return EgalFaraCaz(a, b); }

std::u16string Extensie(const std::u16string& nume) {
  const std::u16string fara = NumeFaraFolder(nume);
  const size_t p = fara.rfind(u'.');
  return p == std::u16string::npos ? std::u16string() : fara.substr(p);
}

bool Esec(std::u16string& mesaj, std::u16string text) {
  mesaj = std::move(text);
  return false;
}

}  // namespace

std::u16string NumeTip(TXmlCheckTip tip) {
  for (const auto& t : kTipuri)
    if (t.Tip == tip) return t.Nume;
  return std::u16string();
}

bool TipDupaNume(const std::u16string& nume, TXmlCheckTip& tip) {
  for (const auto& t : kTipuri)
    if (EgalFaraCaz(nume, t.Nume) || EgalFaraCaz(nume, t.Alias)) {
      tip = t.Tip;
      return true;
    }
  return false;
}

std::u16string CaleCompleta(const std::u16string& nume) {
  auto cale = CaleAbsoluta(nume);
  return cale ? *cale : nume;
}

bool CitesteOptiuni(const std::vector<std::u16string>& args, int maxIndex, TXmlCheckOptiuni& o,
                    std::u16string& mesaj) {
  o = TXmlCheckOptiuni();
  mesaj.clear();
  if (maxIndex < 0) return Esec(mesaj, u"no arguments");
  const size_t n = static_cast<size_t>(maxIndex) + 1;

  for (size_t i = 0; i < n; ++i)
    if (args[i] == u"-h" || args[i] == u"/?" || EgalFaraCaz(args[i], u"--help")) {
      o.swAjutor = true;
      return true;
    }

  std::vector<std::u16string> vazute;
  std::vector<std::u16string> pozitionale;
  for (size_t i = 0; i < n; ++i) {
    const std::u16string& arg = args[i];
    if (arg.starts_with(u"--")) {
      const size_t egal = arg.find(u'=');
      const bool cuEgal = egal != std::u16string::npos;
      const std::u16string nume = MinusculeAscii(cuEgal ? arg.substr(0, egal) : arg);
      if (!EsteComutator(nume) && !AreValoare(nume)) return Esec(mesaj, Format(u"unknown option %s", {arg}));
      for (const auto& v : vazute)
        if (v == nume) return Esec(mesaj, Format(u"option %s is given twice", {nume}));
      vazute.push_back(nume);
      if (EsteComutator(nume)) {
        if (cuEgal) return Esec(mesaj, Format(u"option %s takes no value", {nume}));
        if (nume == u"--quiet") o.swLiniste = true;
        else if (nume == u"--version") o.swVersiune = true;
        else o.swAutoTest = true;
        continue;
      }
      std::u16string valoare;
      if (cuEgal) {
        valoare = arg.substr(egal + 1);
      } else {
        if (i + 1 >= n) return Esec(mesaj, Format(u"option %s needs a value", {nume}));
        valoare = args[++i];
      }
      if (valoare.empty()) return Esec(mesaj, Format(u"option %s needs a value", {nume}));
      if (nume == u"--articles") {
        o.FisierArticole = valoare;
      } else if (nume == u"--report") {
        o.FisierRaport = valoare;
      } else if (nume == u"--lang") {
        if (EgalFaraCaz(valoare, u"en")) o.Limba = xclEngleza;
        else if (EgalFaraCaz(valoare, u"ro")) o.Limba = xclRomana;
        else return Esec(mesaj, Format(u"unknown language \"%s\" for --lang: use en or ro", {valoare}));
      } else {
        if (EgalFaraCaz(valoare, u"text")) o.Format = xcfText;
        else if (EgalFaraCaz(valoare, u"json")) o.Format = xcfJson;
        else return Esec(mesaj, Format(u"unknown format \"%s\" for --format: use text or json", {valoare}));
      }
    } else if (arg.size() > 1 && arg[0] == u'-') {
      return Esec(mesaj, Format(u"unknown option %s", {arg}));
    } else {
      pozitionale.push_back(arg);
    }
  }

  if (pozitionale.size() >= 3)
    return Esec(mesaj, Format(u"unexpected argument \"%s\": give one file to check", {pozitionale[2]}));
  if (!pozitionale.empty()) {
    TXmlCheckTip tip;
    if (TipDupaNume(pozitionale[0], tip)) {
      o.Tip = tip;
      if (pozitionale.size() == 2) o.Fisier = pozitionale[1];
    } else if (pozitionale.size() == 2 && TipDupaNume(pozitionale[1], tip)) {
      return Esec(mesaj, Format(u"the type comes first: %s %s \"%s\"",
                                {std::u16string(kNumeUnealta), NumeTip(tip), pozitionale[0]}));
    } else if (SeTerminaCuFaraCaz(pozitionale[0], u".xml")) {
      const std::u16string unealta = kNumeUnealta;
      return Esec(mesaj, Format(u"the type is missing before the file: %s %s \"%s\" or %s %s \"%s\"",
                                {unealta, kSeturi, pozitionale[0], unealta, kArticole, pozitionale[0]}));
    } else {
      return Esec(mesaj, Format(u"unknown type \"%s\": use %s or %s", {pozitionale[0], kSeturi, kArticole}));
    }
  }

  if (o.swVersiune || o.swAutoTest) return true;
  if (o.Tip == xctNiciunul) return Esec(mesaj, Format(u"the type is missing: %s or %s", {kSeturi, kArticole}));
  if (o.Fisier.empty()) return Esec(mesaj, u"the file to check is missing");
  if (!o.FisierArticole.empty() && o.Tip != xctSeturiFeronerie)
    return Esec(mesaj, Format(u"--articles is only for %s: the articles file the sets refer to", {kSeturi}));
  if (!o.FisierRaport.empty()) {
    const std::u16string raport = CaleCompleta(o.FisierRaport);
    if (AcelasiNume(raport, CaleCompleta(o.Fisier)) ||
        (!o.FisierArticole.empty() && AcelasiNume(raport, CaleCompleta(o.FisierArticole))))
      return Esec(mesaj, Format(u"--report \"%s\" is a file being checked: give another file for the report",
                                {o.FisierRaport}));
    if (EgalFaraCaz(Extensie(o.FisierRaport), u".xml"))
      return Esec(mesaj, Format(u"--report \"%s\" is an .xml file: give the report another name (.txt, .json)",
                                {o.FisierRaport}));
  }
  return true;
}

}  // namespace kavelo
