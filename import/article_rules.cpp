// The rules an accepted article is checked against as a whole: code and
// number lists, the brand, the host's vocabularies and colours, what a new
// article needs, code widths, the old code, rebates, and group members.
#include <iterator>

#include "format/lookups.h"
#include "import/articles_import.h"
#include "platform/ascii.h"
#include "platform/numbers.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {


bool Alb(std::u16string_view t) { return TaieBlancuri(t).empty(); }

struct VocabularColoana {
  const char16_t* NumeXml;
  TFerXmlVocabular Vocabular;
  const char16_t* NumeLista;  // nullptr: the values themselves
};
constexpr VocabularColoana kVocabulare[] = {
    {u"Currency", fxvbValuta, u"Valuta.cds"},
    {u"ConsumptionCategory", fxvbCategorieConsum, u"CategoriiAdausuri.cds"},
    {u"CatConsumCaAcc", fxvbCategorieConsum, u"CategoriiAdausuri.cds"},
    {u"CodFormarePret", fxvbFormarePret, u"AdausuriAccesorii.cds"},
    {u"CodManoperaUsa", fxvbManopera, u"Manopera.cds"},
    {u"CodManoperaFer", fxvbManopera, u"Manopera.cds"},
    {u"MU", fxvbUM, nullptr},
};


}  // namespace

TFerXmlLatimeCod TFerXmlImportArticole::LatimeCod() {
  if (!swLatimeCodCitita) {
    swLatimeCodCitita = true;
    if (FCtx.LatimeCodSeturi) FLatimeCod = FCtx.LatimeCodSeturi();
  }
  return FLatimeCod;
}

void TFerXmlImportArticole::VerificaLinii(const TFerXmlArticolCitit& a) {
  for (size_t i = 0; i < FCampuri.size(); ++i) {
    if (FCampuri[i].Tip != ftaRegistru || !a.swPrezent[i] || EsteNul(a.Valori[i])) continue;
    const TFerXmlColoana& c = *FCampuri[i].Coloana;
    const std::u16string text = TextCamp(a.Valori[i]);
    if (c.Tip == fxtListaCoduri) {
      for (const auto linie : ImparteLinii(text)) {
        const std::u16string_view taiat = TaieBlancuri(linie);
        if (taiat.empty() || taiat.starts_with(u"//") || taiat == linie) continue;
        AdaugaAvertizare(a.Model, fxmSpatiiLaCapete, c.NumeXML, linie, {c.NumeXML, ValoareAfisata(linie)});
      }
    } else if (c.Tip == fxtListaNumere) {
      std::int64_t numar = 0;
      for (const auto linie : ImparteLinii(text)) {
        ++numar;
        const std::u16string_view t = TaieXml(linie);
        double d;
        if (t.empty() || CitesteReal(t, d) == RezultatNumar::Citit) continue;
        AdaugaAvertizare(a.Model, fxmCotaBlocatorNuENumar, c.NumeXML, t, {TextNumar(numar), a.Cod});
      }
    }
  }
}

void TFerXmlImportArticole::ReguliArticol(const TFerXmlArticolCitit& a) {
  const TFerXmlProblema& model = a.Model;
  // 1. The brand of an existing article.
  if (a.swExistent) {
    const int i = CampColoana(u"Mark");
    if (i >= 0 && a.swPrezent[static_cast<size_t>(i)]) {
      const std::u16string fisier = TextCamp(a.Valori[static_cast<size_t>(i)]);
      const std::u16string stocat = TextCamp(CitesteCamp(*FTabel, i));
      if (!fisier.empty() && !stocat.empty() && TextComparabil(fisier, 0) != TextComparabil(stocat, 0))
        AdaugaAvertizare(model, fxmDiferaDeArticol, u"Mark", fisier,
                         {u"Mark", ValoareAfisata(fisier), ValoareAfisata(stocat)});
    }
  }
  // 2. Vocabularies and colours.
  if (FVocabularCamp.empty()) {
    FVocabularCamp.assign(FCampuri.size(), -1);
    for (size_t i = 0; i < FCampuri.size(); ++i)
      for (size_t v = 0; v < std::size(kVocabulare); ++v)
        if (FCampuri[i].Tip == ftaRegistru && FCampuri[i].Coloana->NumeXML == kVocabulare[v].NumeXml)
          FVocabularCamp[i] = static_cast<int>(v);
  }
  for (size_t i = 0; i < FCampuri.size(); ++i) {
    if (FCampuri[i].Tip != ftaRegistru || !a.swPrezent[i]) continue;
    const std::u16string& numeXml = FCampuri[i].Coloana->NumeXML;
    const VocabularColoana* voc = FVocabularCamp[i] < 0 ? nullptr : &kVocabulare[FVocabularCamp[i]];
    const bool culoare = numeXml == u"Colour" && !FCulori.empty();
    if (voc == nullptr && !culoare) continue;
    const std::u16string valoare = TextCamp(a.Valori[i]);
    if (valoare.empty()) continue;
    if (voc != nullptr && !FVocabulare[voc->Vocabular].empty() && !(numeXml == u"Currency" && valoare == u"0")) {
      if (FVocabulare[voc->Vocabular].contains(valoare)) continue;
      std::u16string lista;
      if (voc->NumeLista != nullptr) {
        lista = voc->NumeLista;
      } else {
        for (const auto& v : FCtx.Vocabulare[voc->Vocabular]) {
          if (v.empty()) continue;
          if (!lista.empty()) lista += u", ";
          lista += v;
        }
        lista = u"(" + lista + u")";
      }
      const auto s = FVocabularePliate[voc->Vocabular].find(FormaPliata(valoare));
      AdaugaAvertizare(model, fxmNuExistaIn, numeXml, valoare, {numeXml, ValoareAfisata(valoare), lista},
                       s == FVocabularePliate[voc->Vocabular].end() ? u"" : s->second);
    } else if (culoare && !FCulori.contains(valoare)) {
      const auto s = FCuloriPliate.find(FormaPliata(valoare));
      AdaugaAvertizare(model, fxmNuExistaIn, u"Colour", valoare, {u"Colour", ValoareAfisata(valoare), u"*Culori.cds"},
                       s == FCuloriPliate.end() ? u"" : s->second);
    }
  }
  // 3. What a new article needs.
  if (!a.swExistent) {
    if (CampColoana(u"Currency") >= 0 && NumarCamp(ValoareArticol(a, u"Price")) != 0 && Alb(TextArticol(a, u"Currency")))
      AdaugaAvertizare(model, fxmLipseste, u"Currency", u"", {u"Currency"});
    for (const char16_t* nume : {u"ConsumptionCategory", u"MU"})
      if (CampColoana(nume) >= 0 && Alb(TextArticol(a, nume)))
        AdaugaAvertizare(model, fxmLipseste, nume, u"", {nume});
  }
  // 4. The code against the code column of the host's sets tables.
  if (a.Cod.size() > 20) {
    const TFerXmlLatimeCod latime = LatimeCod();
    if (latime.Latime > 0 && static_cast<size_t>(latime.Latime) < a.Cod.size()) {
      const std::int32_t i = AdaugaAvertizare(model, fxmMotivLungime, u"Code", a.Cod,
                                              {TextNumar(static_cast<long long>(a.Cod.size())), TextNumar(latime.Latime)});
      SeteazaDetalii(i, {latime.Tabel});
    }
  }
  // 5. Cam lock codes.
  if (a.Cod.size() > 30 && TextArticol(a, u"FittingType") == u"Blocator") {
    const std::int32_t i = AdaugaAvertizare(model, fxmMotivLungime, u"Code", a.Cod,
                                            {TextNumar(static_cast<long long>(a.Cod.size())), u"30"});
    SeteazaDetalii(i, {u"<CamLocksRecord> Code"});
  }
  // 6. The old code.
  if (const int i = CampColoana(u"OldCode"); i >= 0 && a.swPrezent[static_cast<size_t>(i)]) {
    const std::u16string vechi = TextCamp(a.Valori[static_cast<size_t>(i)]);
    if (!vechi.empty() && vechi == a.CodScris)
      AdaugaFaraEfect(model, u"OldCode", u"OldCode",
                      Format(u"OldCode=%s; %s", {AfisareArticol(a, u"OldCode"), AtributAfisat(u"Code", a.CodScris)}),
                      vechi);
  }
  // 7. Rebates.
  const int iMin = CampColoana(u"MinRabbet"), iMax = CampColoana(u"MaxRabbet");
  if ((iMin >= 0 && a.swPrezent[static_cast<size_t>(iMin)]) || (iMax >= 0 && a.swPrezent[static_cast<size_t>(iMax)])) {
    const double minim = NumarCamp(ValoareArticol(a, u"MinRabbet")), maxim = NumarCamp(ValoareArticol(a, u"MaxRabbet"));
    if (minim > 0 && maxim > 0 && minim > maxim)
      AdaugaFaraEfect(model, u"MinRabbet", u"MinRabbet",
                      Format(u"%s=%s; %s=%s", {std::u16string(u"MinRabbet"), AfisareArticol(a, u"MinRabbet"),
                                               std::u16string(u"MaxRabbet"), AfisareArticol(a, u"MaxRabbet")}),
                      AfisareArticol(a, u"MinRabbet"));
  }
  // 8. The members of a group, checked at the end of the file.
  if (TextArticol(a, u"Use") == u"!GROUP")
    for (const char16_t* coloana : {u"Functions", u"GroupInwardOpening", u"GroupOutwardOpening"}) {
      const std::u16string text = TextArticol(a, coloana);
      for (const auto linie : ImparteLinii(text)) {
        const std::u16string_view cod = TaieBlancuri(linie);
        if (cod.empty() || cod.starts_with(u"//") || cod.find(u'(') != std::u16string_view::npos) continue;
        FMembri.push_back({a.Ordin, a.Model, coloana, std::u16string(cod)});
      }
    }
}

void TFerXmlImportArticole::VerificaMembri() {
  std::unordered_set<std::u16string> noi;
  for (const auto& e : FPlan.Articole)
    if (e->Actiune == fxaNou) noi.insert(e->Cod);
  for (const auto& m : FMembri) {
    const TFerXmlActiune actiune = FActiuni[static_cast<size_t>(m.Ordin - 1)];
    if (actiune != fxaNou && actiune != fxaInlocuit) continue;
    if (FCodExact.contains(m.Cod) || noi.contains(m.Cod)) continue;
    std::u16string sugestie;
    if (const auto t = FCodTolerant.find(FormaToleranta(m.Cod)); t != FCodTolerant.end() && t->second >= 0 &&
                                                                 FCoduri[static_cast<size_t>(t->second)] != m.Cod)
      sugestie = FCoduri[static_cast<size_t>(t->second)];
    else if (const auto p = FCodPliat.find(FormaPliata(m.Cod)); p != FCodPliat.end() && p->second != m.Cod)
      sugestie = p->second;
    AdaugaAvertizare(m.Model, fxmArticolInexistent, m.Atribut, m.Cod, {m.Cod}, sugestie);
  }
}

}  // namespace kavelo
