#include "import/first_pass.h"

#include <limits>
#include <optional>
#include <unordered_map>

#include "format/lookups.h"
#include "platform/ascii.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

constexpr size_t kPozitiiPastrate = 11;  // of a repeated key: enough for ten others of any unit

bool DoarCifre(std::u16string_view s) {
  if (s.empty()) return false;
  for (const char16_t c : s)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// "<Name> (line:column)"
std::u16string CaleElement(const TFerXmlNod& nod) {
  return Format(u"<%s> (%d:%d)", {nod.Nume, std::int64_t{nod.Linie}, std::int64_t{nod.Coloana}});
}

// An optional sign and decimal digits within 64 bits.
bool Intreg64(std::u16string_view t, std::int64_t& v) {
  size_t i = 0;
  bool negativ = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negativ = t[i++] == u'-';
  if (!DoarCifre(t.substr(i))) return false;
  unsigned long long n = 0;
  const unsigned long long limita = negativ ? 9223372036854775808ULL : 9223372036854775807ULL;
  for (; i < t.size(); ++i) {
    const unsigned cifra = t[i] - u'0';
    if (n > (limita - cifra) / 10) return false;
    n = n * 10 + cifra;
  }
  v = negativ ? static_cast<std::int64_t>(0ULL - n) : static_cast<std::int64_t>(n);
  return true;
}

class TFerXmlCititorPas1 {
 public:
  TFerXmlCititorPas1(TFerXmlContinut continut, TFerXmlProbleme& probleme, InputStream& stream,
                     const TFerXmlProgres& progres)
      : FContinut(continut), FProbleme(probleme), FProgres(progres), FStream(stream) {
    Fisier.Continut = continut;
  }

  void Proceseaza(TFerXmlNod& nod, std::int32_t ordin) {
    if (ordin == 0)
      Radacina(nod);
    else if (ordin > 0)
      Unitate(nod, ordin);
    else
      Sfarsit(nod);
  }

  void Finalizeaza();

  TFerXmlFisier Fisier;
  bool swFatal = false;

 private:
  [[noreturn]] void Fatala(const TFerXmlProblema& model, TFerXmlMesaj mesaj, std::u16string_view atribut,
                           std::u16string_view valoare, std::vector<std::u16string> parametri, bool altImport) {
    const std::int32_t i = FProbleme.Adauga(model, fxvFatal, mesaj, atribut, valoare, std::move(parametri), u"");
    if (altImport) FProbleme.MarcheazaAltImport(i);
    swFatal = true;
    throw EFerXmlOprire();
  }

  void Radacina(const TFerXmlNod& nod);
  void Unitate(const TFerXmlNod& nod, std::int32_t ordin);
  void Sfarsit(const TFerXmlNod& nod);

  TFerXmlContinut FContinut;
  TFerXmlProbleme& FProbleme;
  const TFerXmlProgres& FProgres;
  InputStream& FStream;
  std::vector<TFerXmlUnitate> FUnitati;
  bool swContinutDecis = false;
};

void TFerXmlCititorPas1::Radacina(const TFerXmlNod& nod) {
  TFerXmlProblema model = ModelProblema(0, u"", u"");
  if (nod.Nume != u"Base") {
    model.Cale = CaleElement(nod);
    Fatala(model, fxmMotivValori, u"", u"", {u"<Base>"}, false);
  }
  const std::u16string versiuni = u"1, 2";
  std::u16string valoare;
  if (nod.Atribut(u"FormatVersion", valoare)) {
    const std::u16string_view t = TaieXml(valoare);
    std::int64_t v;
    if (Intreg64(t, v)) {
      if (v < 1) Fatala(model, fxmMotivValori, u"FormatVersion", valoare, {versiuni}, false);
      if (v > 2) Fatala(model, fxmVersiuneNoua, u"FormatVersion", valoare, {}, false);
      Fisier.Versiune = static_cast<std::int32_t>(v);
    } else if (DoarCifre(t.starts_with(u'+') ? t.substr(1) : t)) {
      Fatala(model, fxmVersiuneNoua, u"FormatVersion", valoare, {}, false);
    } else {
      Fatala(model, fxmMotivValori, u"FormatVersion", valoare, {versiuni}, false);
    }
  }
  if (nod.Atribut(u"Content", valoare)) {
    const std::u16string_view t = TaieXml(valoare);
    if (t != NumeContinut(FContinut))
      Fatala(model, fxmMotivValori, u"Content", valoare, {NumeContinut(FContinut)},
             t == NumeContinut(ContinutAlt(FContinut)));
    swContinutDecis = true;
  }
  nod.Atribut(u"Series", Fisier.Serie);
  nod.Atribut(u"Generator", Fisier.Generator);
  if (nod.Atribut(u"ClientColumns", valoare)) {
    const std::u16string_view t = TaieXml(valoare);
    size_t i = 0;
    while (i < t.size()) {
      size_t j = i;
      while (j < t.size() && t[j] != u' ' && t[j] != u'\t' && t[j] != u'\n' && t[j] != u'\r') ++j;
      if (j > i) Fisier.ColoaneClient.emplace_back(t.substr(i, j - i));
      i = j + 1;
    }
  }
  if (Fisier.Versiune >= 2)
    for (const auto& [nume, val] : nod.Atribute) {
      if (nume == u"FormatVersion" || nume == u"Content" || nume == u"Series" || nume == u"Generator" ||
          nume == u"ClientColumns")
        continue;
      FProbleme.Adauga(model, fxvAvertizare, fxmAtributNecunoscut, nume, val, {nume},
                       SugestieNume(FContinut, fxeBase, nume));
    }
}

void TFerXmlCititorPas1::Unitate(const TFerXmlNod& nod, std::int32_t ordin) {
  TFerXmlUnitate u;
  u.Ordin = ordin;
  u.Linie = nod.Linie;
  u.Coloana = nod.Coloana;
  u.Nume = nod.Nume;

  if (!swContinutDecis) {
    const auto dedus = [&](std::u16string_view prefix) {
      return IncepeCuFaraCaz(nod.Nume, prefix) &&
             (nod.Nume.size() == prefix.size() || DoarCifre(std::u16string_view(nod.Nume).substr(prefix.size())));
    };
    std::optional<TFerXmlContinut> c;
    if (dedus(u"Set"))
      c = fxcSeturi;
    else if (dedus(u"Record"))
      c = fxcArticole;
    if (c) {
      swContinutDecis = true;
      Fisier.swContinutDedus = true;
      if (*c != FContinut) {
        TFerXmlProblema model = ModelProblema(0, u"", CaleElement(nod));
        model.Linie = nod.Linie;
        model.Coloana = nod.Coloana;
        Fatala(model, fxmMotivValori, u"", u"", {u"<" + NumeElement(ElementUnitate(FContinut)) + u">"}, true);
      }
    }
  }

  const TFerXmlElement element = ElementUnitate(FContinut);
  u.swUnitate = ElementPermis(Fisier.Versiune, nod.Nume, NumeElement(element));
  if (u.swUnitate) {
    std::u16string valoare;
    if (FContinut == fxcArticole) {
      ValoareAtribut(nod, fxeArticol, u"Code", u.Cheie);
    } else {
      bool primul = true;
      for (const char16_t* nume : {u"Opening", u"WD", u"Mark", u"HardwareSet"}) {
        ValoareAtribut(nod, fxeSet, nume, valoare);
        if (std::u16string_view(nume) == u"Opening" || std::u16string_view(nume) == u"WD") {
          const TRezolvareEnum r = RezolvaValoareEnum(*ColoanaDupaXml(fxeSet, nume), valoare);
          if (r.swSucces) valoare = r.Valoare;
        }
        if (!primul) u.Cheie += u'\x01';
        u.Cheie += valoare;
        primul = false;
      }
    }
  }
  if (FContinut == fxcArticole && !Fisier.swAliasDiagramaGreutate)
    for (const auto& a : nod.Atribute)
      if (EgalFaraCaz(a.first, u"DiagramaGreutate")) Fisier.swAliasDiagramaGreutate = true;
  FUnitati.push_back(std::move(u));
  if (FProgres) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::int32_t>::max();
    FProgres(static_cast<std::int32_t>(std::min(FStream.Pozitie() / 1024, kMax)),
             static_cast<std::int32_t>(std::min(FStream.Marime() / 1024, kMax)));
  }
}

void TFerXmlCititorPas1::Sfarsit(const TFerXmlNod& nod) {
  if (!nod.swText) return;
  TFerXmlProblema model = ModelProblema(0, u"", u"");
  model.Linie = nod.Linie;
  model.Coloana = nod.Coloana;
  FProbleme.Adauga(model, fxvAvertizare, fxmNepermisAici, u"", u"",
                   {u"\"" + ValoareAfisata(TaieXml(nod.Text)) + u"\""}, u"");
}

void TFerXmlCititorPas1::Finalizeaza() {
  struct Aparitii {
    std::int32_t Numar = 0;
    std::vector<std::int32_t> Pozitii;  // the first kPozitiiPastrate, in file order
  };
  std::unordered_map<std::u16string, Aparitii> chei;
  for (size_t i = 0; i < FUnitati.size(); ++i) {
    if (!FUnitati[i].swUnitate) continue;
    Aparitii& a = chei[FUnitati[i].Cheie];
    ++a.Numar;
    if (a.Pozitii.size() < kPozitiiPastrate) a.Pozitii.push_back(static_cast<std::int32_t>(i));
  }
  for (size_t i = 0; i < FUnitati.size(); ++i) {
    TFerXmlUnitate& u = FUnitati[i];
    if (!u.swUnitate) continue;
    const Aparitii& a = chei[u.Cheie];
    u.NrAparitii = a.Numar;
    if (a.Numar > 1)
      for (const std::int32_t p : a.Pozitii)
        if (p != static_cast<std::int32_t>(i) && u.AlteAparitii.size() < 10) u.AlteAparitii.push_back(p);
  }
  Fisier.Unitati = std::move(FUnitati);
  FUnitati.clear();
}

}  // namespace

std::u16string NumeContinut(TFerXmlContinut c) { return c == fxcSeturi ? u"HardwareSets" : u"HardwareArticles"; }

TFerXmlElement ElementUnitate(TFerXmlContinut c) { return c == fxcSeturi ? fxeSet : fxeArticol; }

bool FerXmlCitestePas1(InputStream& stream, TFerXmlContinut continut, TFerXmlProbleme& probleme,
                       const TFerXmlProgres& progres, TFerXmlFisier& fisier) {
  TFerXmlCititorPas1 cititor(continut, probleme, stream, progres);
  TFerXmlProblema problema;
  if (!CitesteXml(stream, [&](TFerXmlNod& nod, std::int32_t ordin) { cititor.Proceseaza(nod, ordin); }, problema)) {
    probleme.Add(std::move(problema));
    cititor.swFatal = true;
  }
  cititor.Finalizeaza();
  fisier = std::move(cititor.Fisier);
  return !cititor.swFatal;
}

bool ElementPermis(std::int32_t versiune, std::u16string_view n, std::u16string_view e) {
  if (n == e) return true;
  if (versiune >= 2) return false;
  if (e != u"Set" && e != u"SetRecord" && e != u"CamLocksRecord" && e != u"Record" && e != u"WeightChartRecord")
    return false;
  return n.starts_with(e) && DoarCifre(n.substr(e.size()));
}

std::u16string SugestieElement(TFerXmlContinut c, std::int32_t versiune, std::u16string_view n) {
  size_t sfarsit = n.size();
  while (sfarsit > 0 && n[sfarsit - 1] >= u'0' && n[sfarsit - 1] <= u'9') --sfarsit;
  const std::u16string cheie = CheieNume(n.substr(0, sfarsit));
  if (cheie.empty()) return std::u16string();
  static const std::vector<std::u16string> kSeturi = {u"Set", u"SetRecord", u"CamLocks", u"CamLocksRecord"};
  static const std::vector<std::u16string> kArticole = {u"Record", u"WeightChart", u"WeightChartRecord"};
  const auto& candidati = c == fxcSeturi ? kSeturi : kArticole;
  std::u16string ales;
  for (const auto& k : candidati)
    if (CheieNume(k) == cheie) {
      ales = k;
      break;
    }
  if (ales.empty()) {
    int minim = std::numeric_limits<int>::max(), laMinim = 0;
    for (const auto& k : candidati) {
      const int d = DistantaEditare(cheie, CheieNume(k));
      if (d < minim) {
        minim = d;
        laMinim = 1;
        ales = k;
      } else if (d == minim) {
        ++laMinim;
      }
    }
    if (laMinim != 1 || minim > (cheie.size() > 4 ? 2 : 1)) return std::u16string();
  }
  if (versiune < 2) ales += n.substr(sfarsit);
  return ales;
}

bool VerificaElement(TFerXmlContinut c, std::int32_t versiune, std::u16string_view n, TFerXmlProbleme& probleme,
                     const TFerXmlProblema& model, std::u16string_view e) {
  if (ElementPermis(versiune, n, e)) return true;
  std::u16string s = SugestieElement(c, versiune, n);
  if (s == n || !ElementPermis(versiune, s, e)) s.clear();
  probleme.Adauga(model, fxvEroare, fxmNepermisAici, u"", u"", {u"<" + std::u16string(n) + u">"}, s);
  return false;
}

bool ValoareAtribut(const TFerXmlNod& nod, TFerXmlElement e, std::u16string_view nume, std::u16string& valoare) {
  if (nod.Atribut(nume, valoare)) return true;
  const TFerXmlColoana* c = ColoanaDupaXml(e, nume);
  if (c != nullptr && !c->NumeRO.empty() && !EgalFaraCaz(c->NumeRO, c->NumeXML))
    for (const auto& [n, v] : nod.Atribute)
      if (EgalFaraCaz(n, c->NumeRO)) {
        valoare = v;
        return true;
      }
  valoare.clear();
  return false;
}

}  // namespace kavelo
