#include "import/problems.h"

#include "platform/ascii.h"
#include "platform/exception.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

using S = TKVTrsStringsV2;

// The template field of each message kind, in kind order.
constexpr std::u16string S::*kTipare[kNrMesaje] = {
    nullptr,
    nullptr,
    nullptr,
    &S::rsImpXmlMotivNumar,
    &S::rsImpXmlMotivInterval,
    &S::rsImpXmlMotivValori,
    &S::rsImpXmlMotivLungime,
    &S::rsImpXmlNepermisAici,
    &S::rsImpXmlMotivBifa,
    &S::rsImpXmlApareDeMaiMulteOri,
    &S::rsImpXmlAtributNecunoscut,
    &S::rsImpXmlLipseste,
    &S::rsImpXmlCititCa,
    &S::rsImpXmlScurtat,
    &S::rsImpXmlFaraEfect,
    &S::rsImpXmlSpatiiLaCapete,
    &S::rsImpXmlDiferaDeArticol,
    &S::rsImpXmlNuExistaIn,
    &S::rsArticolFeronerieInexistent,
    &S::rsDiagramaDeGreutateLaXNedefinita,
    &S::rsCotaBlocatorXLaPiesaXNuEsteNumar,
    &S::rsImpXmlSetFaraNume,
    &S::rsImpXmlSetInlocuit,
    &S::rsImpXmlImportatiIntaiArticolele,
    &S::rsImpXmlExportVechi,
    &S::rsArticolDublu,
};

std::int32_t AdunaVerificat(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_add_overflow(a, b, &r)) throw Exceptie(u"Integer overflow");
  return r;
}

std::u16string Uneste(const std::vector<std::u16string>& piese, std::u16string_view separator) {
  std::u16string out;
  for (size_t i = 0; i < piese.size(); ++i) {
    if (i > 0) out += separator;
    out += piese[i];
  }
  return out;
}

std::int64_t I(std::int32_t v) { return v; }

}  // namespace

void TFerXmlProbleme::Notifica(const TFerXmlProblema& p, std::int32_t delta) {
  if (p.Severitate == fxvFatal) {
    FNrFatale = AdunaVerificat(FNrFatale, delta);
  } else if (p.Severitate == fxvEroare && p.OrdinUnitate >= 1) {
    const auto it = FEroriPeUnitate.find(p.OrdinUnitate);
    const std::int32_t nou = AdunaVerificat(it == FEroriPeUnitate.end() ? 0 : it->second, delta);
    if (nou < 1) {
      if (it != FEroriPeUnitate.end()) FEroriPeUnitate.erase(it);
    } else if (it == FEroriPeUnitate.end()) {
      FEroriPeUnitate.emplace(p.OrdinUnitate, nou);
    } else {
      it->second = nou;
    }
  }
}

std::int32_t TFerXmlProbleme::Adauga(const TFerXmlProblema& AModel, TFerXmlSeveritate ASeveritate,
                                     TFerXmlMesaj AMesaj, std::u16string_view AAtribut,
                                     std::u16string_view AValoare, std::vector<std::u16string> AParametri,
                                     std::u16string_view ASugestie) {
  TFerXmlProblema p;
  p.Severitate = ASeveritate;
  p.Mesaj = AMesaj;
  p.OrdinUnitate = AModel.OrdinUnitate;
  p.EtichetaUnitate = AModel.EtichetaUnitate;
  p.Cale = AModel.Cale;
  p.Atribut = AAtribut;
  p.Valoare = AValoare;
  p.Parametri = std::move(AParametri);
  p.Sugestie = ASugestie;
  p.Linie = AModel.Linie;
  p.Coloana = AModel.Coloana;
  return Add(std::move(p));
}

std::int32_t TFerXmlProbleme::Add(TFerXmlProblema problema) {
  FLista.push_back(std::move(problema));
  Notifica(FLista.back(), 1);
  return Count() - 1;
}

TFerXmlProblema TFerXmlProbleme::Extract(std::int32_t index) {
  TFerXmlProblema p = std::move(FLista.at(static_cast<size_t>(index)));
  FLista.erase(FLista.begin() + index);
  Notifica(p, -1);
  return p;
}

void TFerXmlProbleme::Delete(std::int32_t index) { Extract(index); }

bool TFerXmlProbleme::PrimaFatala(TFerXmlProblema& AProblema) const {
  if (FNrFatale > 0)
    for (const auto& p : FLista)
      if (p.Severitate == fxvFatal) {
        AProblema = p;
        return true;
      }
  AProblema = TFerXmlProblema();
  return false;
}

bool AvertizareRaportabila(const TFerXmlProbleme& probleme, const TFerXmlProblema& p) {
  return p.Severitate == fxvAvertizare && !p.swUnitateNeschimbata &&
         (p.OrdinUnitate < 1 || !probleme.UnitateRefuzata(p.OrdinUnitate));
}

TFerXmlProblema ModelProblema(std::int32_t ordin, std::u16string_view eticheta, std::u16string_view cale) {
  TFerXmlProblema p;
  p.OrdinUnitate = ordin;
  p.EtichetaUnitate = eticheta;
  p.Cale = cale;
  return p;
}

std::int32_t LatimeOrdin(std::int32_t nrUnitati) {
  return static_cast<std::int32_t>(TextNumar(nrUnitati).size());
}

std::vector<std::u16string> EticheteAlteAparitii(const std::vector<TFerXmlUnitate>& unitati,
                                                 const TFerXmlUnitate& unitate) {
  const std::int64_t latime = LatimeOrdin(static_cast<std::int32_t>(unitati.size()));
  std::vector<std::u16string> etichete;
  for (const std::int32_t index : unitate.AlteAparitii) {
    const TFerXmlUnitate& u = unitati.at(static_cast<size_t>(index));
    etichete.push_back(Format(u"%s %.*d (%d:%d)", {u.Nume, latime, I(u.Ordin), I(u.Linie), I(u.Coloana)}));
  }
  const std::int64_t rest = std::int64_t{unitate.NrAparitii} - 1 - static_cast<std::int64_t>(unitate.AlteAparitii.size());
  if (rest > 0) etichete.push_back(Format(u"... (+%d)", {rest}));
  return etichete;
}

std::u16string TextPozitie(std::int32_t linie, std::int32_t coloana) {
  return u"(" + TextNumar(linie) + u":" + TextNumar(coloana) + u")";
}

std::u16string NumeOrdinPozitie(std::u16string_view nume, std::int32_t latime, std::int64_t ordin,
                                std::int32_t linie, std::int32_t coloana) {
  std::u16string text(nume);
  text += u' ';
  std::u16string cifre = TextNumar(ordin < 0 ? -ordin : ordin);
  if (ordin < 0) text += u'-';
  if (static_cast<std::int64_t>(cifre.size()) < latime) text.append(static_cast<size_t>(latime) - cifre.size(), u'0');
  text += cifre;
  text += u' ';
  text += TextPozitie(linie, coloana);
  return text;
}

std::u16string EtichetaSet(std::int32_t latime, const TFerXmlUnitate& u, std::u16string_view deschidere,
                           std::u16string_view destinatie, std::u16string_view marca, std::u16string_view set) {
  return Format(u"Set %.*d (%d:%d) [%s|%s|%s|%s]",
                {I(latime), I(u.Ordin), I(u.Linie), I(u.Coloana), ValoareAfisata(deschidere),
                 ValoareAfisata(destinatie), ValoareAfisata(marca), ValoareAfisata(set)});
}

std::u16string EtichetaArticol(std::int32_t latime, const TFerXmlUnitate& u, std::u16string_view cod) {
  return NumeOrdinPozitie(u"Record", latime, u.Ordin, u.Linie, u.Coloana) + u" [Code=\"" + ValoareAfisata(cod) +
         u"\"]";
}

std::u16string EtichetaStraina(std::u16string_view prefix, std::int32_t latime, const TFerXmlUnitate& u) {
  return Format(u"%s %.*d (%d:%d) <%s>",
                {std::u16string(prefix), I(latime), I(u.Ordin), I(u.Linie), I(u.Coloana), u.Nume});
}

std::u16string ValoareAfisata(std::u16string_view valoare) {
  bool taiat = false;
  if (valoare.size() > 60) {
    const bool surogat = valoare[59] >= 0xD800 && valoare[59] <= 0xDBFF;
    valoare = valoare.substr(0, surogat ? 59 : 60);
    taiat = true;
  }
  std::u16string out;
  out.reserve(valoare.size() + 8);
  for (const char16_t c : valoare) {
    switch (c) {
      case u'\t': out += u"\\t"; break;
      case u'\n': out += u"\\n"; break;
      case u'\r': out += u"\\r"; break;
      case u'"': out += u"\\\""; break;
      default: out.push_back(c);
    }
  }
  if (taiat) out += u"...";
  return out;
}

std::u16string AtributAfisat(std::u16string_view nume, std::u16string_view valoare) {
  std::u16string out(nume);
  out += u"=\"";
  out += ValoareAfisata(valoare);
  out += u'"';
  return out;
}

std::u16string FormatSigur(std::u16string_view tipar, const std::vector<std::u16string>& argumente) {
  const std::vector<ArgumentFormat> args(argumente.begin(), argumente.end());
  if (auto text = IncearcaFormat(tipar, args)) return *text;
  return std::u16string(tipar) + u" [" + Uneste(argumente, u", ") + u"]";
}

const std::u16string* TiparMesaj(TFerXmlMesaj mesaj, const TKVTrsStringsV2& catalog) {
  const auto camp = kTipare[mesaj];
  return camp == nullptr ? nullptr : &(catalog.*camp);
}

std::u16string TextMesaj(const TFerXmlProblema& p, const TKVTrsStringsV2& catalog) {
  std::u16string t;
  if (p.Mesaj == fxmFisierIncompatibil || p.Mesaj == fxmExceptie)
    t = Uneste(p.Parametri, u" ");
  else if (p.Mesaj == fxmVersiuneNoua)
    t = AtributAfisat(p.Atribut, p.Valoare);
  else
    t = FormatSigur(*TiparMesaj(p.Mesaj, catalog), p.Parametri);
  return AdaugaSugestie(t, p.Sugestie, catalog);
}

std::u16string AdaugaSugestie(std::u16string_view text, std::u16string_view sugestie,
                              const TKVTrsStringsV2& catalog) {
  if (sugestie.empty()) return std::u16string(text);
  const std::u16string s(TaieBlancuri(FormatSigur(catalog.rsImpXmlPoateX, {std::u16string(sugestie)})));
  std::u16string rezultat(TaieBlancuriDreapta(text));
  if (rezultat.empty()) return s;
  const char16_t ultim = rezultat.back();
  if (ultim != u'!' && ultim != u'.' && ultim != u'?') rezultat += u'.';
  rezultat += u' ';
  rezultat += s;
  return rezultat;
}

std::u16string TextProblema(const TFerXmlProblema& p, const TKVTrsStringsV2& catalog) {
  if (p.Severitate == fxvFatal && p.Mesaj == fxmVersiuneNoua)
    return catalog.rsFisierIncompatibil + u" (" + TextMesaj(p, catalog) + u")";
  std::u16string t = TextMesaj(p, catalog);
  if (!p.Atribut.empty() && p.Mesaj >= fxmMotivNumar && p.Mesaj <= fxmAtributNecunoscut)
    t = p.Atribut + u"=\"" + ValoareAfisata(p.Valoare) + u"\": " + t;
  if (!p.Cale.empty())
    t = p.Cale + u": " + t;
  else if (p.Linie > 0)
    t = Format(u"(%d:%d) %s", {I(p.Linie), I(p.Coloana), t});
  if (p.Severitate == fxvFatal) return catalog.rsFisierIncompatibil + u"\n" + t;
  return t;
}

std::u16string TextProblemaAltImport(const TFerXmlProblema& p, const TKVTrsStringsV2& catalog,
                                     std::u16string_view indiciu) {
  std::u16string t = TextProblema(p, catalog);
  if (p.swAltImport && !indiciu.empty()) {
    t += u'\n';
    t += indiciu;
  }
  return t;
}

}  // namespace kavelo
