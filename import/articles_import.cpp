#include "import/articles_import.h"

#include <algorithm>

#include "format/lookups.h"
#include "platform/ascii.h"
#include "platform/text_format.h"

namespace kavelo {

TFerXmlImportArticole::TFerXmlImportArticole(const TFerXmlContext& ctx, TFerXmlProgres progres,
                                             TFerXmlPlanArticole& plan)
    : TFerXmlValori(plan.Probleme), FCtx(ctx), FPlan(plan), FProgres(std::move(progres)) {}

void TFerXmlImportArticole::Progres(std::int64_t valoare) {
  valoare = std::clamp<std::int64_t>(valoare, 0, 1000);
  if (valoare == FProgresAnterior) return;
  FProgresAnterior = valoare;
  if (FProgres) FProgres(static_cast<std::int32_t>(valoare), 1000);
}

void TFerXmlImportArticole::Executa(InputStream& stream) {
  const TFerXmlProgres progresPas1 = [this](std::int32_t citit, std::int32_t total) {
    Progres(500LL * citit / std::max(total, 1));
  };
  if (!FerXmlCitestePas1(stream, fxcArticole, FProbleme, progresPas1, FFisier)) return;
  FPlan.Generator = FFisier.Generator;
  FPlan.Versiune = FFisier.Versiune;
  if (FFisier.Unitati.empty()) return;
  Pregateste();
  FActiuni.assign(FFisier.Unitati.size(), fxaRefuzat);
  FLatimeOrdin = LatimeOrdin(static_cast<std::int32_t>(FFisier.Unitati.size()));
  TFerXmlProblema problema;
  const bool ok = CitesteXml(
      stream,
      [this](TFerXmlNod& nod, std::int32_t ordin) {
        if (ordin >= 1) CitesteRecord(nod, ordin);
      },
      problema);
  if (!ok) {
    FProbleme.Add(std::move(problema));
    return;
  }
  SfarsitFisier();
  Progres(1000);
}

void TFerXmlImportArticole::Pregateste() {
  FTabel = FCtx.Articole;
  if (FTabel == nullptr) throw Exceptie(u"TFerXmlContext.Articole: no articles table was given");
  FiCod = FTabel->CampDupaNume(u"COD_MAG");
  FNume = std::make_unique<TFerXmlNumeAtribute>(fxcArticole, FFisier.ColoaneClient, FFisier.Versiune);
  std::vector<std::u16string> nume;
  for (int i = 0; i < FTabel->NrCampuri(); ++i) nume.push_back(FTabel->Camp(i).Nume);
  FNume->SeteazaCampuriTinta(fxeArticol, nume);
  FPlan.CampuriTinta = nume;
  FPlan.NumeXML.clear();
  FCampuri.assign(nume.size(), TFerXmlCampArticol());
  for (int i = 0; i < static_cast<int>(nume.size()); ++i) {
    const TFerXmlColoana* c = ColoanaDupaRO(fxeArticol, nume[static_cast<size_t>(i)]);
    FPlan.NumeXML.push_back(c != nullptr ? c->NumeXML : nume[static_cast<size_t>(i)]);
    TFerXmlCampArticol& camp = FCampuri[static_cast<size_t>(i)];
    if (c != nullptr) {
      if (i == FiCod) {
        camp = {ftaCod, c};
      } else if (c->Tip == fxtImbricat) {
        camp.Tip = ftaDiagrama;
        FiDiagrama = i;
      } else if (c->Activa()) {
        camp = {ftaRegistru, c};
        FIndexArt.emplace(c->NumeXML, i);
      }
    } else if (FNume->EsteColoanaClient(fxeArticol, nume[static_cast<size_t>(i)]) && CampScriibil(FTabel->Camp(i))) {
      camp.Tip = ftaClient;
    }
  }
  FPlan.IndexCod = FiCod;
  FPlan.IndexDiagrama = FiDiagrama;
  FPlan.IndexPret = CampColoana(u"Price");
  FPlan.IndexCuloare = CampColoana(u"Colour");
  FPlan.IndexDataModifPret = FTabel->IndexCamp(u"DataModifPret");

  DefinesteTabelDiagrama(FModelDiagrama);
  for (int i = 0; i < FModelDiagrama.NrCampuri(); ++i) {
    const TFerXmlColoana* c = ColoanaDupaRO(fxeDiagrama, FModelDiagrama.Camp(i).Nume);
    FColDiagrama.push_back(c);
    if (c != nullptr) FIndexDiagrama.emplace(c->NumeXML, i);
  }
  FiKgPerMP = FModelDiagrama.IndexCamp(u"KgPerMP");
  for (int p = 0; p <= 9; ++p) {
    FiX[static_cast<size_t>(p)] = FModelDiagrama.IndexCamp(u"X" + TextNumar(p));
    FiY[static_cast<size_t>(p)] = FModelDiagrama.IndexCamp(u"Y" + TextNumar(p));
  }

  const auto adauga = [](std::unordered_map<std::u16string, std::int32_t>& index, std::u16string cheie,
                         std::int32_t p) {
    const auto [it, nou] = index.emplace(std::move(cheie), p);
    if (!nou) it->second = it->second >= 0 ? -2 : it->second - 1;
  };
  for (FTabel->First(); !FTabel->Eof(); FTabel->Next()) {
    const auto p = static_cast<std::int32_t>(FCoduri.size());
    std::u16string cod = TextCamp(FTabel->Valoare(FiCod));
    FSemne.push_back(FTabel->Semn());
    adauga(FCodExact, cod, p);
    adauga(FCodTolerant, FormaToleranta(cod), p);
    FCodPliat.emplace(FormaPliata(cod), cod);
    FCoduri.push_back(std::move(cod));
  }

  for (const auto& c : FCtx.CuloriFeronerie) {
    FCulori.insert(c);
    FCuloriPliate.emplace(FormaPliata(c), c);
  }
  for (int v = 0; v < kNrVocabulare; ++v)
    for (const auto& valoare : FCtx.Vocabulare[static_cast<size_t>(v)]) {
      FVocabulare[static_cast<size_t>(v)].insert(valoare);
      FVocabularePliate[static_cast<size_t>(v)].emplace(FormaPliata(valoare), valoare);
    }
}

int TFerXmlImportArticole::CampColoana(std::u16string_view numeXml) const {
  const auto it = FIndexArt.find(numeXml);
  return it == FIndexArt.end() ? -1 : it->second;
}

TValoareCamp TFerXmlImportArticole::ValoareArticol(const TFerXmlArticolCitit& a, std::u16string_view numeXml) const {
  const int i = CampColoana(numeXml);
  if (i < 0) return TValoareCamp();
  if (a.swPrezent[static_cast<size_t>(i)]) return a.Valori[static_cast<size_t>(i)];
  if (a.swExistent) return CitesteCamp(*FTabel, i);
  return TValoareCamp();
}

std::u16string TFerXmlImportArticole::TextArticol(const TFerXmlArticolCitit& a, std::u16string_view numeXml) const {
  return TextCamp(ValoareArticol(a, numeXml));
}

std::u16string TFerXmlImportArticole::AfisareArticol(const TFerXmlArticolCitit& a,
                                                     std::u16string_view numeXml) const {
  const int i = CampColoana(numeXml);
  if (i < 0) return std::u16string();
  return ValoareStocataAfisata(ValoareArticol(a, numeXml), FCampuri[static_cast<size_t>(i)].Coloana);
}

void TFerXmlImportArticole::CitesteRecord(TFerXmlNod& nod, std::int32_t k) {
  const auto nrUnitati = static_cast<std::int64_t>(FFisier.Unitati.size());
  Progres(500 + 500LL * k / std::max<std::int64_t>(nrUnitati, 1));
  const std::int32_t n0 = FProbleme.Count();
  const TFerXmlUnitate& u = FFisier.Unitati[static_cast<size_t>(k - 1)];
  const std::int32_t latime = FLatimeOrdin;
  if (!u.swUnitate) {
    VerificaElement(fxcArticole, FFisier.Versiune, nod.Nume, FProbleme,
                    ModelProblema(k, EtichetaStraina(u"Record", latime, u), u""), u"Record");
    return;
  }

  TFerXmlArticolCitit a;
  a.Ordin = k;
  a.Eticheta = EtichetaArticol(latime, u, u.Cheie);
  a.Model = ModelProblema(k, a.Eticheta, u"");
  a.CodScris = u.Cheie;
  a.Valori.assign(static_cast<size_t>(FTabel->NrCampuri()), TValoareCamp());
  a.swPrezent.assign(static_cast<size_t>(FTabel->NrCampuri()), false);
  const TFerXmlProblema& model = a.Model;

  const std::vector<TFerXmlAtribut> atribute = FNume->RezolvaNod(nod, fxeArticol, FProbleme, model);
  FNume->VerificaObligatorii(fxeArticol, nod, FProbleme, model, atribute);
  if (nod.swText)
    AdaugaEroare(model, fxmNepermisAici, u"", u"", {u"\"" + ValoareAfisata(TaieXml(nod.Text)) + u"\""});
  if (u.NrAparitii >= 2 && !TaieBlancuri(u.Cheie).empty()) {
    const std::int32_t i =
        AdaugaEroare(model, fxmApareDeMaiMulteOri, u"Code", u.Cheie, {TextNumar(u.NrAparitii)});
    SeteazaDetalii(i, EticheteAlteAparitii(FFisier.Unitati, u));
  }

  for (const TFerXmlAtribut& at : atribute) {
    if (at.swDublura) continue;
    if (at.Pas == fxnColoana || at.Pas == fxnAliasRO) {
      const TFerXmlColoana& c = *at.Coloana;
      if (c.NumeXML == u"Code") {
        if (TaieBlancuri(at.Valoare).empty()) continue;
        if (EgalFaraCaz(at.Valoare, u"XY")) {
          AdaugaEroare(model, fxmNepermisAici, at.Nume, at.Valoare, {u"\"" + at.Valoare + u"\""});
          continue;
        }
        TValoareCamp v;
        if (ConvertesteText(c, &FTabel->Camp(FiCod), v, model, at.Valoare, at.Nume)) a.Cod = at.Valoare;
      } else if (c.Tip == fxtImbricat) {
        AtributDiagrama(a, at);
      } else if (c.Tip != fxtIgnorat) {
        const int i = CampColoana(c.NumeXML);
        if (i < 0) {
          if (!at.Valoare.empty()) AdaugaAvertizare(model, fxmAtributNecunoscut, at.Nume, at.Valoare, {at.Nume});
          continue;
        }
        TValoareCamp v;
        if (Converteste(c, &FTabel->Camp(i), v, model, at.Valoare, at.Nume)) {
          a.Valori[static_cast<size_t>(i)] = std::move(v);
          a.swPrezent[static_cast<size_t>(i)] = true;
        }
      }
    } else if (at.Pas == fxnColoanaClient) {
      const int i = FTabel->IndexCamp(at.NumeCamp);
      if (i >= 0 && FCampuri[static_cast<size_t>(i)].Tip == ftaClient) {
        TValoareCamp v;
        if (ConvertesteClient(FTabel->Camp(i), at.Nume, v, model, at.Valoare)) {
          a.Valori[static_cast<size_t>(i)] = std::move(v);
          a.swPrezent[static_cast<size_t>(i)] = true;
        }
      } else if (i >= 0) {
        ClientNeschimbabil(FTabel->Camp(i), at.Nume, model, at.Valoare);
      }
    }
  }

  int diagrame = 0;
  for (const auto& copil : nod.Copii) {
    if (copil->Nume == u"WeightChart") {
      const TFerXmlProblema m =
          ModelProblema(k, a.Eticheta, copil->Nume + u" " + TextPozitie(copil->Linie, copil->Coloana));
      if (diagrame++ == 0)
        CitesteDiagrama(a, *copil, m);
      else
        AdaugaEroare(m, fxmNepermisAici, u"", u"", {u"<WeightChart>"});
    } else {
      const TFerXmlProblema m = ModelProblema(
          k, a.Eticheta,
          Format(u"<%s> (%d:%d)", {copil->Nume, std::int64_t{copil->Linie}, std::int64_t{copil->Coloana}}));
      VerificaElement(fxcArticole, FFisier.Versiune, copil->Nume, FProbleme, m, u"WeightChart");
    }
  }
  DiagramaSiAtribut(a);

  if (FProbleme.UnitateRefuzata(k) || !Identifica(a)) return;
  if (a.swExistent) FTabel->MergiLaSemn(FSemne[static_cast<size_t>(a.IndexStocat)]);
  VerificaLinii(a);
  ReguliArticol(a);
  PlanificaArticol(a, n0);
}

bool TFerXmlImportArticole::Identifica(TFerXmlArticolCitit& a) {
  const TFerXmlProblema& model = a.Model;
  if (const auto it = FCodExact.find(a.Cod); it != FCodExact.end()) {
    if (it->second < 0) {
      AdaugaEroare(model, fxmArticolDublu, u"Code", a.Cod, {});
      return false;
    }
    a.IndexStocat = it->second;
  } else if (const auto tol = FCodTolerant.find(FormaToleranta(a.Cod)); tol != FCodTolerant.end()) {
    if (tol->second < 0) {
      AdaugaEroare(model, fxmArticolDublu, u"Code", a.Cod, {});
      return false;
    }
    a.IndexStocat = tol->second;
    const std::u16string& stocat = FCoduri[static_cast<size_t>(tol->second)];
    AdaugaAvertizare(model, fxmCititCa, u"Code", a.Cod, {AtributAfisat(u"Code", a.Cod), AtributAfisat(u"Code", stocat)});
    a.Cod = stocat;
  } else if (const auto pl = FCodPliat.find(FormaPliata(a.Cod)); pl != FCodPliat.end()) {
    AdaugaAvertizare(model, fxmNuExistaIn, u"Code", a.Cod,
                     {u"Code", ValoareAfisata(a.Cod),
                      FCtx.NumeArticole.empty() ? u"ArticoleFeronerie.cds" : FCtx.NumeArticole},
                     pl->second);
  }
  a.swExistent = a.IndexStocat >= 0;

  if (const auto t = FTinte.find(a.Cod); t != FTinte.end()) {
    TFerXmlUnitateArticol& anterior = FUnitati.at(t->second);
    const std::int32_t i = AdaugaEroare(model, fxmApareDeMaiMulteOri, u"Code", a.CodScris, {u"2"});
    SeteazaDetalii(i, {anterior.Eticheta});
    if (!FProbleme.UnitateRefuzata(t->second)) {
      const std::int32_t j = AdaugaEroare(ModelProblema(t->second, anterior.Eticheta, u""), fxmApareDeMaiMulteOri,
                                          u"Code", anterior.CodScris, {u"2"});
      SeteazaDetalii(j, {a.Eticheta});
      if (anterior.Plan != nullptr) {
        std::erase_if(FPlan.Articole, [&](const auto& p) { return p.get() == anterior.Plan; });
        anterior.Plan = nullptr;
      }
      FActiuni[static_cast<size_t>(t->second - 1)] = fxaRefuzat;
    }
    return false;
  }
  FTinte.emplace(a.Cod, a.Ordin);
  FUnitati.emplace(a.Ordin, TFerXmlUnitateArticol{a.Eticheta, a.CodScris, nullptr});
  return true;
}

void TFerXmlImportArticole::SfarsitFisier() {
  VerificaMembri();
  ExportVechi();
  FPlan.NrNeschimbate = static_cast<std::int32_t>(std::count(FActiuni.begin(), FActiuni.end(), fxaNeschimbat));
  FPlan.NrRefuzate = static_cast<std::int32_t>(std::count(FActiuni.begin(), FActiuni.end(), fxaRefuzat));
}

std::unique_ptr<TFerXmlPlanArticole> ImportaArticole(InputStream& stream, const TFerXmlContext& ctx,
                                                     const TFerXmlProgres& progres, bool swDoarRezultate) {
  auto plan = std::make_unique<TFerXmlPlanArticole>();
  plan->swDoarRezultate = swDoarRezultate;
  TFerXmlImportArticole import(ctx, progres, *plan);
  import.Executa(stream);
  return plan;
}

}  // namespace kavelo
