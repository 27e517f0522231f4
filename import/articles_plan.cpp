#include "import/articles_plan.h"

#include <ctime>
#include <map>
#include <unordered_map>

#include "import/articles_import.h"
#include "platform/ascii.h"
#include "platform/iso_date.h"
#include "platform/text_format.h"

namespace kavelo {

std::int32_t TFerXmlPlanArticole::Nr(TFerXmlActiune actiune) const {
  if (actiune == fxaNeschimbat) return NrNeschimbate;
  if (actiune == fxaRefuzat) return NrRefuzate;
  std::int32_t n = 0;
  for (const auto& e : Articole) n += e->Actiune == actiune;
  return n;
}

std::u16string TFerXmlPlanArticole::TextColoaneUtilizator(std::int32_t& nrArticole) const {
  nrArticole = 0;
  std::map<std::int32_t, std::int64_t> numar;  // by field position: field order
  for (const auto& e : Articole) {
    if (e->Actiune != fxaInlocuit || e->ColoaneUtilizator.empty()) continue;
    ++nrArticole;
    for (const std::int32_t i : e->ColoaneUtilizator) ++numar[i];
  }
  std::u16string text;
  for (const auto& [i, n] : numar) {
    if (!text.empty()) text += u", ";
    text += Format(u"%s (%d)", {NumeXML.at(static_cast<size_t>(i)), n});
  }
  return text;
}

void DefinesteTabelDiagrama(TTabelMemorie& tabel) {
  tabel.AdaugaCamp(u"KgPerMP", ftInteger);
  for (int p = 0; p <= 9; ++p) {
    tabel.AdaugaCamp(u"X" + TextNumar(p), ftInteger);
    tabel.AdaugaCamp(u"Y" + TextNumar(p), ftInteger);
  }
}

void ScrieDiagrama(TTabelMemorie& tabel, int camp, const std::vector<TRandDiagrama>& randuri) {
  TTabelMemorie diagrama;
  DefinesteTabelDiagrama(diagrama);
  diagrama.OrdoneazaDupa(u"KgPerMP");
  for (const auto& rand : randuri) {
    diagrama.Append();
    for (size_t i = 0; i < rand.size() && static_cast<int>(i) < diagrama.NrCampuri(); ++i)
      if (!EsteNul(rand[i])) ScrieCamp(diagrama, static_cast<int>(i), rand[i]);
    diagrama.Post();
  }
  tabel.SeteazaValoare(camp, diagrama.Salveaza());
}

TDataOra DataOraCurenta() {
  const std::time_t acum = std::time(nullptr);
  std::tm t{};
  localtime_r(&acum, &t);
  return CompuneDataOra(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour * 3600.0 + t.tm_min * 60.0 + t.tm_sec);
}

void TFerXmlImportArticole::PlanificaArticol(const TFerXmlArticolCitit& a, std::int32_t n0) {
  auto e = std::make_unique<TFerXmlArticolPlan>();
  for (size_t i = 0; i < FCampuri.size(); ++i) {
    if (!a.swPrezent[i]) continue;
    const TValoareCamp& valoare = a.Valori[i];
    if (a.swExistent) {
      const TDefinitieCamp& f = FTabel->Camp(static_cast<int>(i));
      const bool registru = FCampuri[i].Tip == ftaRegistru;
      const TValoareCamp stocat = CitesteCamp(*FTabel, static_cast<int>(i));
      if (TextCanonic(f, FCampuri[i].Coloana, registru, valoare) ==
          TextCanonic(f, FCampuri[i].Coloana, registru, stocat))
        continue;
      if (registru && FCampuri[i].Coloana->Proprietar == fxpUtilizator && !EsteNul(stocat) &&
          !TextCamp(stocat).empty())
        e->ColoaneUtilizator.push_back(static_cast<std::int32_t>(i));
    } else if (EsteNul(valoare)) {
      continue;
    }
    e->Valori.push_back({static_cast<std::int32_t>(i), valoare});
  }
  bool schimbaDiagrama = false, stergeDiagrama = false;
  if (FiDiagrama >= 0) {
    if (a.swElementDiagrama)
      schimbaDiagrama = !a.swExistent || TextDiagrama(a.Diagrama) != TextDiagramaStocata();
    else if (a.swAtributDiagrama && a.swExistent)
      stergeDiagrama = !TextDiagramaStocata().empty();
  }
  if (a.swExistent && e->Valori.empty() && !schimbaDiagrama && !stergeDiagrama) {
    FActiuni[static_cast<size_t>(a.Ordin - 1)] = fxaNeschimbat;
    for (std::int32_t i = n0; i < FProbleme.Count(); ++i) FProbleme.MarcheazaNeschimbata(i);
    return;
  }
  e->Ordin = a.Ordin;
  e->Eticheta = a.Eticheta;
  e->Cod = a.Cod;
  e->Actiune = a.swExistent ? fxaInlocuit : fxaNou;
  e->swDiagramaElement = schimbaDiagrama;
  if (schimbaDiagrama) e->Diagrama = a.Diagrama;
  e->swStergeDiagrama = stergeDiagrama;
  e->swFaraDiagrama = !a.swExistent && !a.swAtributDiagrama && !a.swElementDiagrama;
  if (FPlan.swDoarRezultate) {
    e->Valori.clear();
    e->Valori.shrink_to_fit();
    e->Diagrama.clear();
  } else if (a.swExistent) {
    for (const auto& v : e->Valori) {
      const TValoareCamp stocat = FTabel->Valoare(v.IndexCamp);
      e->AmprentaStocata += EsteNul(stocat) ? u"True" : u"False";
      e->AmprentaStocata += TextCamp(stocat);
      e->AmprentaStocata += u'\x01';
    }
    if (schimbaDiagrama || stergeDiagrama) {
      const TValoareCamp stocat = FTabel->Valoare(FiDiagrama);
      e->AmprentaStocata += EsteNul(stocat) ? u"True" : u"False";
      e->AmprentaStocata += TextCamp(stocat);
    }
  }
  FActiuni[static_cast<size_t>(a.Ordin - 1)] = e->Actiune;
  FUnitati.at(a.Ordin).Plan = e.get();
  FPlan.Articole.push_back(std::move(e));
}

TFerXmlRezultatAplicare AplicaPlanArticole(TFerXmlPlanArticole& plan, TTabelMemorie& tabel, bool swPastreaza) {
  if (plan.swDoarRezultate) throw Exceptie(u"a plan of outcomes only cannot be applied");
  TFerXmlRezultatAplicare r;
  r.NrNeschimbate = plan.NrNeschimbate;
  r.NrRefuzate = plan.NrRefuzate;
  if (plan.Articole.empty()) return r;
  std::vector<int> campuri;
  for (const auto& nume : plan.CampuriTinta) campuri.push_back(tabel.CampDupaNume(nume));
  const auto camp = [&](std::int32_t index) { return index >= 0 ? campuri.at(static_cast<size_t>(index)) : -1; };
  const int cod = camp(plan.IndexCod), diagrama = camp(plan.IndexDiagrama),
            dataPret = camp(plan.IndexDataModifPret), culoare = camp(plan.IndexCuloare);

  std::unordered_map<std::u16string, TTabelMemorie::TSemn> index;  // 0: the code is on several records
  for (tabel.First(); !tabel.Eof(); tabel.Next()) {
    const auto [it, nou] = index.emplace(TextCamp(tabel.Valoare(cod)), tabel.Semn());
    if (!nou) it->second = 0;
  }

  for (const auto& e : plan.Articole) {
    const TFerXmlProblema model = ModelProblema(e->Ordin, e->Eticheta, u"");
    try {
      const auto it = index.find(e->Cod);
      if (e->Actiune == fxaInlocuit) {
        if (it == index.end() || it->second == 0 || !tabel.MergiLaSemn(it->second)) {
          plan.Probleme.Adauga(model, fxvEroare, fxmArticolInexistent, u"Code", e->Cod, {e->Cod}, u"");
          ++r.NrRefuzate;
          continue;
        }
        tabel.Edit();
      } else {
        if (it != index.end()) {
          plan.Probleme.Adauga(model, fxvEroare, fxmArticolDublu, u"Code", e->Cod, {}, u"");
          ++r.NrRefuzate;
          continue;
        }
        tabel.Append();
        tabel.SeteazaValoare(cod, e->Cod);
      }
      for (const auto& v : e->Valori) {
        if (swPastreaza && e->Actiune == fxaInlocuit &&
            std::find(e->ColoaneUtilizator.begin(), e->ColoaneUtilizator.end(), v.IndexCamp) !=
                e->ColoaneUtilizator.end())
          continue;
        ScrieCamp(tabel, camp(v.IndexCamp), v.Valoare);
        if (v.IndexCamp == plan.IndexPret && dataPret >= 0) tabel.SeteazaValoare(dataPret, DataOraCurenta());
      }
      if (diagrama >= 0) {
        if (e->swStergeDiagrama)
          tabel.SeteazaValoare(diagrama, TValoareCamp());
        else if (e->swDiagramaElement)
          ScrieDiagrama(tabel, diagrama, e->Diagrama);
      }
      if (e->Actiune == fxaNou || tabel.Modificat()) {
        const bool nou = e->Actiune == fxaNou;
        tabel.Post();
        if (nou) {
          ++r.NrNoi;
          if (culoare >= 0 && !TaieBlancuri(TextCamp(tabel.Valoare(culoare))).empty()) ++r.NrNoiCuCuloare;
        } else {
          ++r.NrModificate;
        }
      } else {
        tabel.Cancel();
        ++r.NrNeschimbate;
      }
    } catch (const EKeyViolation&) {
      tabel.Cancel();
      plan.Probleme.Adauga(model, fxvEroare, fxmArticolDublu, u"Code", e->Cod, {}, u"");
      ++r.NrRefuzate;
    } catch (const std::exception& ex) {
      tabel.Cancel();
      plan.Probleme.Adauga(model, fxvEroare, fxmExceptie, u"", u"", {MesajExceptie(ex)}, u"");
      ++r.NrRefuzate;
    }
  }
  return r;
}

}  // namespace kavelo
