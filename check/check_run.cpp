#include "check/check_run.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/version.h"
#include "check/articles_table.h"
#include "check/format_errors.h"
#include "check/json_report.h"
#include "check/text_report.h"
#include "import/articles_import.h"
#include "import/xml_reader.h"
#include "platform/ascii.h"
#include "platform/exception.h"
#include "platform/files.h"
#include "platform/input_stream.h"
#include "platform/text_format.h"
#include "platform/utf.h"

namespace kavelo {

void CitesteBaza(const std::u16string& fisier, TXmlCheckBaza& baza) {
  baza = TXmlCheckBaza();
  FileInputStream in(fisier);
  TFerXmlProblema problema;
  CitesteXml(
      in,
      [&](TFerXmlNod& nod, std::int32_t ordin) {
        if (ordin == 0) {
          baza.swCitit = true;
          baza.Linie = nod.Linie;
          baza.Coloana = nod.Coloana;
          baza.swVersiune = nod.Atribut(u"FormatVersion", baza.Versiune);
          baza.swContinut = nod.Atribut(u"Content", baza.Continut);
        }
        throw EFerXmlOprire();
      },
      problema);
}

std::unique_ptr<TXmlCheckFisier> VerificaFisier(TXmlCheckTip tip, const std::u16string& fisier,
                                                const TKVTrsStringsV2& stringuri, bool swFisierArticole,
                                                const std::u16string& fisierArticole, TTabelMemorie* catalog,
                                                TXmlCheckLimba limba) {
  auto r = std::make_unique<TXmlCheckFisier>();
  r->Tip = tip;
  r->Fisier = fisier;
  r->swVerificat = true;
  r->Texte = std::make_unique<TXmlCheckTexte>(stringuri, limba, tip,
                                              catalog != nullptr ? fisierArticole : std::u16string());
  if (!FisierExista(fisier)) {
    r->swFatal = true;
    r->CodFatal = u"fileNotFound";
    r->TitluFatal = u"the file does not exist";
    r->TextFatal = FormatSigur(stringuri.rsFisierulXNuExista, {fisier});
    return r;
  }
  TFerXmlContext ctx;
  ctx.NumeSerie = NumeFaraFolder(fisier);
  ctx.NumeArticole = ctx.NumeSerie;
  try {
    CitesteBaza(fisier, r->Baza);
    FileInputStream in(fisier);
    if (tip == xctSeturiFeronerie) {
      ctx.Articole = catalog;
      r->PlanSeturi = ImportaSeturi(in, ctx, true);
    } else {
      auto tabel = TabelArticole();
      ctx.Articole = tabel.get();
      // A plain articles check needs only the outcomes; an --articles file is
      // applied afterwards as the catalog of the sets.
      r->PlanArticole = ImportaArticole(in, ctx, nullptr, !swFisierArticole);
      r->Catalog = std::move(tabel);
    }
  } catch (const std::exception& e) {
    r->swFatal = true;
    r->CodFatal = u"cannotCheck";
    r->TitluFatal = u"the file cannot be checked";
    r->TextFatal = stringuri.rsFisierIncompatibil + u"\n" + MesajExceptie(e);
    return r;
  }

  TFerXmlProblema fatala;
  if (r->Probleme()->PrimaFatala(fatala)) {
    r->swFatal = true;
    r->swProblemaFatala = true;
    r->ProblemaFatala = fatala;
    ClasificaFatala(*r, fatala);
    r->TextFatal = TextProblemaAltImport(fatala, stringuri, IndiciuAltTip(tip, fisier, swFisierArticole));
    return r;
  }

  if (r->PlanSeturi) {
    const TFerXmlPlanSeturi& plan = *r->PlanSeturi;
    r->NrUnitati = static_cast<std::int32_t>(plan.Seturi.size());
    r->NrRefuzate = plan.Nr(fxaRefuzat);
    r->NrAcceptate = r->NrUnitati - r->NrRefuzate;
    r->Generator = plan.Generator;
    r->Serie = plan.SerieSursa;
    r->VersiuneFormat = plan.Versiune;
  } else {
    TFerXmlPlanArticole& plan = *r->PlanArticole;
    if (swFisierArticole) {
      // The articles become the catalog of the sets: the plan is written into the table.
      const TFerXmlRezultatAplicare aplicat = AplicaPlanArticole(plan, *r->Catalog, false);
      r->NrRefuzate = aplicat.NrRefuzate;
      r->NrAcceptate = aplicat.NrNoi + aplicat.NrModificate + aplicat.NrNeschimbate;
    } else {
      r->NrRefuzate = plan.NrRefuzate;
      r->NrAcceptate = plan.Nr(fxaNou) + plan.Nr(fxaInlocuit) + plan.NrNeschimbate;
    }
    r->NrUnitati = r->NrAcceptate + r->NrRefuzate;
    r->Generator = plan.Generator;
    r->VersiuneFormat = plan.Versiune;
    plan.Articole.clear();  // only the counts and problems are needed from here on
    if (!swFisierArticole) r->Catalog.reset();
    for (const auto& p : plan.Probleme.Lista())
      if (p.Severitate == fxvEroare && p.OrdinUnitate >= 1) r->Texte->AdaugaCodRefuzat(p.EtichetaUnitate);
  }
  ColecteazaEroriFormat(*r, catalog != nullptr);
  return r;
}

std::unique_ptr<TFerXmlPlanSeturi> ImportaSeturi(InputStream& stream, const TFerXmlContext& ctx, bool swGoleste) {
  const auto tabel = TabelSeturi();
  if (swGoleste) tabel->DupaPost = [](TTabelMemorie& t) { t.Goleste(); };
  return FerXmlImportaSeturi(stream, ctx, *tabel, nullptr);
}

std::unique_ptr<TXmlCheckFisier> FisierNeverificat(TXmlCheckTip tip, const std::u16string& fisier,
                                                   const TKVTrsStringsV2& stringuri, TXmlCheckLimba limba) {
  auto r = std::make_unique<TXmlCheckFisier>();
  r->Tip = tip;
  r->Fisier = fisier;
  r->swVerificat = false;
  r->MotivNeverificat = u"the file given with --articles cannot be imported (see above), so the sets are not checked";
  r->Texte = std::make_unique<TXmlCheckTexte>(stringuri, limba, tip, u"");
  return r;
}

int CodIesire(const TXmlCheckFisier* articole, const TXmlCheckFisier& principal) {
  int cod = 0;
  for (const TXmlCheckFisier* r : {articole, &principal}) {
    if (r == nullptr) continue;
    if (!r->swVerificat || r->swFatal) return 2;
    if (r->NrErori > 0 || r->NrEroriFormat() > 0) cod = 1;
  }
  return cod;
}

bool AcelasiFisier(const std::u16string& a, const std::u16string& b) {
  if (a.empty() || b.empty()) return false;
  struct stat sa, sb;
  if (::stat(NumeSistemDinUtf16(a).c_str(), &sa) != 0 || ::stat(NumeSistemDinUtf16(b).c_str(), &sb) != 0)
    return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::unique_ptr<OutputStream> DeschideRaport(const std::u16string& nume, std::u16string& eroare) {
  eroare.clear();
  const std::string cale = NumeSistemDinUtf16(nume);
  int fd = ::open(cale.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    eroare = std::u16string(TaieBlancuri(Utf16DinUtf8(std::strerror(errno))));
    return nullptr;
  }
  ::close(fd);
  fd = ::open(cale.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    eroare = std::u16string(TaieBlancuri(Utf16DinUtf8(std::strerror(errno))));
    return nullptr;
  }
  return std::make_unique<FileOutputStream>(fd);
}

int Verifica(const TXmlCheckOptiuni& o, TKVTrsStringsV2& stringuri, TXmlCheckIesire* iesire, TXmlCheckIesire* eroare) {
  InlocuiesteMesaje(stringuri, o.Limba);

  std::unique_ptr<TXmlCheckIesireUtf8> raport;
  if (!o.FisierRaport.empty()) {
    if (AcelasiFisier(o.FisierRaport, o.Fisier) || AcelasiFisier(o.FisierRaport, o.FisierArticole)) {
      eroare->ScrieLinie(LinieVersiune());
      eroare->ScrieLinie(Format(u"error: --report \"%s\" is a file being checked: give another file for the report",
                                {o.FisierRaport}));
      return 2;
    }
    std::u16string mesaj;
    std::unique_ptr<OutputStream> stream = DeschideRaport(o.FisierRaport, mesaj);
    if (!stream) {
      eroare->ScrieLinie(LinieVersiune());
      eroare->ScrieLinie(Format(u"error: cannot write the report \"%s\": %s", {o.FisierRaport, mesaj}));
      return 2;
    }
    raport = std::make_unique<TXmlCheckIesireUtf8>(stream.release(), o.Format == xcfText, true);
  }

  std::unique_ptr<TXmlCheckFisier> rezultatArticole, principal;
  if (o.Tip == xctSeturiFeronerie && !o.FisierArticole.empty()) {
    rezultatArticole =
        VerificaFisier(xctArticoleFeronerie, o.FisierArticole, stringuri, true, std::u16string(), nullptr, o.Limba);
    if (rezultatArticole->swVerificat && !rezultatArticole->swFatal)
      principal = VerificaFisier(o.Tip, o.Fisier, stringuri, false, o.FisierArticole, rezultatArticole->Catalog.get(),
                                 o.Limba);
    else
      principal = FisierNeverificat(o.Tip, o.Fisier, stringuri, o.Limba);
    rezultatArticole->Catalog.reset();
  } else {
    principal = VerificaFisier(o.Tip, o.Fisier, stringuri, false, std::u16string(), nullptr, o.Limba);
  }
  const TXmlCheckFisier* articole = rezultatArticole.get();
  int cod = CodIesire(articole, *principal);

  TXmlCheckIesireMultipla tee(o.swLiniste ? std::vector<TXmlCheckIesire*>{raport.get()}
                                          : std::vector<TXmlCheckIesire*>{iesire, raport.get()});
  if (!tee.Goala()) {
    if (o.Format == xcfJson)
      ScrieRaportJson(&tee, o, articole, false, cod, *principal);
    else
      ScrieRaportText(&tee, o, stringuri, cod, *principal, articole);
  }
  if (o.swLiniste) {
    if (o.Format == xcfJson)
      ScrieRaportJson(iesire, o, articole, true, cod, *principal);
    else
      ScrieRaportLinistit(iesire, articole, *principal);
  }

  if (raport) {
    try {
      raport->Goleste();
    } catch (const std::exception& e) {
      eroare->ScrieLinie(LinieVersiune());
      eroare->ScrieLinie(Format(u"error: cannot write the report \"%s\": %s", {o.FisierRaport, MesajExceptie(e)}));
      cod = 2;
    }
  }
  return cod;
}

}  // namespace kavelo
