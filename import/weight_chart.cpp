// The weight chart of an article: the chart attribute, the WeightChart
// element and its rows, their checks, and the canonical texts that tell
// whether a stored chart changes.
#include <algorithm>
#include <array>
#include <map>

#include "format/lookups.h"
#include "import/articles_import.h"
#include "platform/ascii.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

// "X10", "Y012": a point beyond the tenth.
bool PunctDincolo(std::u16string_view nume) {
  if (nume.size() < 2 || (nume[0] != u'X' && nume[0] != u'Y')) return false;
  const std::u16string_view cifre = nume.substr(1);
  for (const char16_t c : cifre)
    if (c < u'0' || c > u'9') return false;
  const size_t prima = cifre.find_first_not_of(u'0');
  return prima != std::u16string_view::npos && cifre.size() - prima >= 2;
}

std::u16string Ghilimele(std::u16string_view text) { return u"\"" + ValoareAfisata(TaieXml(text)) + u"\""; }

}  // namespace

void TFerXmlImportArticole::AtributDiagrama(TFerXmlArticolCitit& a, const TFerXmlAtribut& atribut) {
  a.swAtributDiagrama = true;
  a.NumeAtributDiagrama = atribut.Nume;
  if (!atribut.Valoare.empty())
    AdaugaEroare(a.Model, fxmMotivValori, atribut.Nume, atribut.Valoare, {u"\"\""});
}

void TFerXmlImportArticole::CitesteDiagrama(TFerXmlArticolCitit& a, const TFerXmlNod& nod,
                                            const TFerXmlProblema& model) {
  a.swElementDiagrama = true;
  a.Diagrama.clear();
  for (const auto& [nume, valoare] : nod.Atribute)
    AdaugaEroare(model, fxmNepermisAici, nume, valoare, {nume}, u"<WeightChartRecord>");
  if (nod.swText) AdaugaEroare(model, fxmNepermisAici, u"", u"", {Ghilimele(nod.Text)});

  const std::int64_t latime = LatimeOrdin(static_cast<std::int32_t>(nod.Copii.size()));
  const int iKg = FiKgPerMP;
  std::vector<std::int64_t> ordine;  // KgPerMP values in order of first appearance
  std::map<std::int64_t, int> numar;
  bool citit = false;
  std::int64_t q = 0;
  for (const auto& copil : nod.Copii) {
    ++q;
    std::u16string kg, sufix;
    if (ValoareAtribut(*copil, fxeDiagrama, u"KgPerMP", kg)) sufix = u" KgPerMP=" + ValoareAfisata(kg);
    const std::u16string cale =
        model.Cale + u" / " +
        NumeOrdinPozitie(u"WeightChartRecord", static_cast<std::int32_t>(latime), q, copil->Linie, copil->Coloana) +
        sufix;
    const TFerXmlProblema m = ModelProblema(model.OrdinUnitate, model.EtichetaUnitate, cale);
    if (!VerificaElement(fxcArticole, FFisier.Versiune, copil->Nume, FProbleme, m, u"WeightChartRecord")) continue;
    CitesteRandDiagrama(a, *copil, m);
    citit = true;
    if (iKg >= 0)
      if (const auto* v = std::get_if<std::int64_t>(&a.Diagrama.back()[static_cast<size_t>(iKg)]))
        if (numar[*v]++ == 0) ordine.push_back(*v);
  }
  if (!citit) AdaugaEroare(model, fxmLipseste, u"", u"", {u"<WeightChartRecord>"});
  for (const std::int64_t v : ordine)
    if (numar[v] >= 2) AdaugaEroare(model, fxmApareDeMaiMulteOri, u"KgPerMP", TextNumar(v), {TextNumar(numar[v])});
}

void TFerXmlImportArticole::CitesteRandDiagrama(TFerXmlArticolCitit& a, const TFerXmlNod& nod,
                                                const TFerXmlProblema& model) {
  TRandDiagrama rand(static_cast<size_t>(FModelDiagrama.NrCampuri()));
  const std::int32_t n0 = FProbleme.Count();
  const std::vector<TFerXmlAtribut> atribute = FNume->RezolvaNod(nod, fxeDiagrama, FProbleme, model);
  for (const auto& at : atribute) {
    if (at.Pas != fxnNecunoscut || !PunctDincolo(at.Nume)) continue;
    for (std::int32_t i = FProbleme.Count() - 1; i >= n0; --i)
      if (FProbleme[i].Mesaj == fxmAtributNecunoscut && FProbleme[i].Atribut == at.Nume) {
        FProbleme.Delete(i);
        break;
      }
    AdaugaEroare(model, fxmNepermisAici, at.Nume, at.Valoare, {at.Nume});
  }
  FNume->VerificaObligatorii(fxeDiagrama, nod, FProbleme, model, atribute);
  if (nod.swText) AdaugaEroare(model, fxmNepermisAici, u"", u"", {Ghilimele(nod.Text)});
  for (const auto& copil : nod.Copii) AdaugaEroare(model, fxmNepermisAici, u"", u"", {u"<" + copil->Nume + u">"});
  for (const auto& at : atribute) {
    if (at.swDublura || (at.Pas != fxnColoana && at.Pas != fxnAliasRO)) continue;
    const auto it = FIndexDiagrama.find(at.Coloana->NumeXML);
    if (it == FIndexDiagrama.end()) continue;
    TValoareCamp v;
    if (Converteste(*at.Coloana, &FModelDiagrama.Camp(it->second), v, model, at.Valoare, at.Nume))
      rand[static_cast<size_t>(it->second)] = std::move(v);
  }

  // The row check: points given without gaps, and at least three different points.
  static const std::array<std::u16string, 10> kX = {u"X0", u"X1", u"X2", u"X3", u"X4",
                                                    u"X5", u"X6", u"X7", u"X8", u"X9"};
  static const std::array<std::u16string, 10> kY = {u"Y0", u"Y1", u"Y2", u"Y3", u"Y4",
                                                    u"Y5", u"Y6", u"Y7", u"Y8", u"Y9"};
  // Which points are given (not blank), in one look at the attributes.
  std::array<bool, 10> areX{}, areY{};
  for (const auto& at : atribute) {
    if (at.swDublura || (at.Pas != fxnColoana && at.Pas != fxnAliasRO) || TaieBlancuri(at.Valoare).empty()) continue;
    const std::u16string& n = at.Coloana->NumeXML;
    if (n.size() == 2 && (n[0] == u'X' || n[0] == u'Y') && n[1] >= u'0' && n[1] <= u'9')
      (n[0] == u'X' ? areX : areY)[static_cast<size_t>(n[1] - u'0')] = true;
  }
  int ultim = -1;
  for (int p = 0; p <= 9; ++p)
    if (areX[static_cast<size_t>(p)] || areY[static_cast<size_t>(p)]) ultim = p;
  for (int p = 0; p <= ultim; ++p) {
    const std::u16string& x = kX[static_cast<size_t>(p)];
    const std::u16string& y = kY[static_cast<size_t>(p)];
    if (!areX[static_cast<size_t>(p)])
      AdaugaEroare(model, fxmLipseste, x, u"", {x});
    else if (!areY[static_cast<size_t>(p)])
      AdaugaEroare(model, fxmLipseste, y, u"", {y});
  }
  // Points with both values, in order; the detail text is built only for the warning.
  std::vector<std::pair<std::int64_t, std::pair<std::u16string, std::u16string>>> puncte;
  for (std::int64_t p = 0; p <= 9; ++p) {
    const int ix = FiX[static_cast<size_t>(p)], iy = FiY[static_cast<size_t>(p)];
    if (ix < 0 || iy < 0 || EsteNul(rand[static_cast<size_t>(ix)]) || EsteNul(rand[static_cast<size_t>(iy)])) continue;
    puncte.push_back({p, {TextCamp(rand[static_cast<size_t>(ix)]), TextCamp(rand[static_cast<size_t>(iy)])}});
  }
  std::vector<const std::pair<std::u16string, std::u16string>*> diferite;
  for (const auto& punct : puncte) {
    const auto& xy = punct.second;
    if (std::none_of(diferite.begin(), diferite.end(), [&xy](const auto* d) { return *d == xy; }))
      diferite.push_back(&xy);
  }
  const bool gol = std::all_of(rand.begin(), rand.end(), [](const TValoareCamp& v) { return EsteNul(v); });
  if (gol || diferite.size() < 3) {
    std::u16string detaliu;
    if (FiKgPerMP >= 0) detaliu = u"KgPerMP=" + TextCamp(rand[static_cast<size_t>(FiKgPerMP)]);
    for (const auto& [p, xy] : puncte) detaliu = Format(u"%s; X%d=%s; Y%d=%s", {detaliu, p, xy.first, p, xy.second});
    AdaugaFaraEfect(model, u"WeightChartRecord", u"<WeightChartRecord>", detaliu, u"");
  }
  a.Diagrama.push_back(std::move(rand));
}

void TFerXmlImportArticole::DiagramaSiAtribut(const TFerXmlArticolCitit& a) {
  if (!a.swElementDiagrama) return;
  if (a.swAtributDiagrama)
    AdaugaFaraEfect(a.Model, u"WeightChart", AtributAfisat(a.NumeAtributDiagrama, u""), u"<WeightChart>", u"");
  if (FiDiagrama < 0) AdaugaAvertizare(a.Model, fxmAtributNecunoscut, u"WeightChart", u"", {u"<WeightChart>"});
}

std::u16string TFerXmlImportArticole::TextRandDiagrama(const TRandDiagrama& rand) const {
  std::u16string text;
  for (int i = 0; i < FModelDiagrama.NrCampuri(); ++i) {
    if (i > 0) text += u'\x01';
    text += TextCanonic(FModelDiagrama.Camp(i), FColDiagrama[static_cast<size_t>(i)], true, rand[static_cast<size_t>(i)]);
  }
  return text;
}

std::u16string TFerXmlImportArticole::TextDiagrama(const std::vector<TRandDiagrama>& randuri) const {
  std::vector<std::u16string> texte;
  for (const auto& r : randuri) texte.push_back(TextRandDiagrama(r));
  std::sort(texte.begin(), texte.end());
  std::u16string text;
  for (size_t i = 0; i < texte.size(); ++i) {
    if (i > 0) text += u'\x02';
    text += texte[i];
  }
  return text;
}

std::u16string TFerXmlImportArticole::TextDiagramaStocata() const {
  const TValoareCamp& v = FTabel->Valoare(FiDiagrama);
  if (EsteNul(v)) return std::u16string();
  const std::string* octeti = std::get_if<std::string>(&v);
  const std::string continut = octeti != nullptr ? *octeti : std::string();
  if (continut.empty()) return std::u16string();
  TTabelMemorie stocat;
  try {
    stocat.Incarca(continut);
  } catch (const std::exception&) {
    return std::u16string(1, u'\0');
  }
  std::vector<int> harta;
  for (int i = 0; i < FModelDiagrama.NrCampuri(); ++i) harta.push_back(stocat.IndexCamp(FModelDiagrama.Camp(i).Nume));
  std::vector<TRandDiagrama> randuri;
  for (stocat.First(); !stocat.Eof(); stocat.Next()) {
    TRandDiagrama r;
    for (const int i : harta) r.push_back(i < 0 ? TValoareCamp() : stocat.Valoare(i));
    randuri.push_back(std::move(r));
  }
  return TextDiagrama(randuri);
}

void TFerXmlImportArticole::ExportVechi() {
  if (FFisier.Versiune >= 2 || !FFisier.swAliasDiagramaGreutate) return;
  std::vector<std::u16string> coduri;
  for (const auto& e : FPlan.Articole)
    if (e->Actiune == fxaNou && e->swFaraDiagrama) coduri.push_back(AtributAfisat(u"Code", e->Cod));
  if (coduri.empty()) return;
  const std::int32_t i =
      AdaugaAvertizare(ModelProblema(0, u"", u""), fxmExportVechi, u"", u"", {u"2026.0.79", u"<WeightChart>"});
  SeteazaDetalii(i, std::move(coduri));
}

}  // namespace kavelo
