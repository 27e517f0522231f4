#include "check/format_errors.h"

#include "app/version.h"
#include "platform/ascii.h"
#include "platform/text_format.h"

namespace kavelo {

namespace {

std::u16string NumeContinutTip(TXmlCheckTip tip) {
  return tip == xctSeturiFeronerie ? u"HardwareSets" : u"HardwareArticles";
}

TXmlCheckTip TipAlt(TXmlCheckTip tip) {
  return tip == xctSeturiFeronerie ? xctArticoleFeronerie : xctSeturiFeronerie;
}

}  // namespace


void ClasificaFatala(TXmlCheckFisier& r, const TFerXmlProblema& p) {
  std::u16string parametri;
  for (const auto& a : p.Parametri) parametri += u" " + a;
  r.IndiciuFatal.clear();
  switch (p.Mesaj) {
    case fxmFisierIncompatibil:
      if (p.Linie <= 0) {
        r.CodFatal = u"notReadable";
        r.TitluFatal = u"the file cannot be read as XML";
      } else {
        r.CodFatal = u"notWellFormed";
        r.TitluFatal = u"the file is not well-formed XML";
      }
      {
        const std::u16string mic = MinusculeAscii(parametri);
        if (mic.find(u"encoding") != std::u16string::npos || mic.find(u"character") != std::u16string::npos)
          r.IndiciuFatal =
              u"Save the file as UTF-8, or declare its real encoding in <?xml version=\"1.0\" encoding=\"...\"?>.";
      }
      break;
    case fxmVersiuneNoua:
      r.CodFatal = u"newerFormat";
      r.TitluFatal = Format(u"the file is of a newer format than format %d, which this %s checks: use a newer %s",
                            {std::int64_t{kVersiuneFormat}, std::u16string(kNumeUnealta), std::u16string(kNumeUnealta)});
      break;
    case fxmMotivValori:
      if (p.swAltImport) {
        r.CodFatal = u"otherFileType";
        r.TitluFatal = r.Tip == xctSeturiFeronerie ? u"this is a hardware-articles file, not a hardware-sets file"
                                                   : u"this is a hardware-sets file, not a hardware-articles file";
      } else if (p.Atribut == u"FormatVersion") {
        r.CodFatal = u"invalidFormatVersion";
        r.TitluFatal = u"FormatVersion is not a format number";
      } else if (p.Atribut == u"Content") {
        r.CodFatal = u"unknownContent";
        r.TitluFatal = Format(u"Content is not %s", {NumeContinutTip(r.Tip)});
      } else {
        r.CodFatal = u"notAHardwareFile";
        r.TitluFatal = Format(u"the file is not a Kavelo hardware XML file: its root element must be <%s>",
                              {std::u16string(u"Base")});
      }
      break;
    default:
      r.CodFatal = u"cannotCheck";
      r.TitluFatal = u"the file cannot be imported";
  }
}

std::u16string IndiciuAltTip(TXmlCheckTip tip, const std::u16string& fisier, bool swFisierArticole) {
  if (swFisierArticole)
    return Format(u"-> --articles needs your %s file; this is a %s file", {NumeTip(tip), NumeTip(TipAlt(tip))});
  return Format(u"-> %s %s \"%s\"", {std::u16string(kNumeUnealta), NumeTip(TipAlt(tip)), fisier});
}

void AdaugaEroareFormat(TXmlCheckFisier& r, std::u16string cod, std::u16string atribut, std::u16string valoare,
                        std::u16string textRegula) {
  TXmlCheckEroareFormat e;
  e.P = ModelProblema(0, u"", u"");
  e.P.Severitate = fxvEroare;
  e.P.Mesaj = fxmExceptie;
  e.P.Atribut = std::move(atribut);
  e.P.Valoare = std::move(valoare);
  e.P.Parametri = {textRegula};
  if (r.Baza.swCitit) {
    e.P.Linie = r.Baza.Linie;
    e.P.Coloana = r.Baza.Coloana;
  }
  e.Cod = std::move(cod);
  e.swDinImport = false;
  e.TextRegula = std::move(textRegula);
  r.EroriFormat.push_back(std::move(e));
}

void ColecteazaEroriFormat(TXmlCheckFisier& r, bool swCatalog) {
  TFerXmlProbleme* probleme = r.Probleme();
  if (probleme != nullptr) {
    TFerXmlProbleme pastrate;
    bool schimbat = false;
    for (std::int32_t i = 0; i < probleme->Count(); ++i) {
      const TFerXmlProblema& p = (*probleme)[i];
      if (p.OrdinUnitate < 1 && p.Cale.empty() && p.Linie == 0 && r.Baza.swCitit)
        probleme->SeteazaPozitie(i, r.Baza.Linie, r.Baza.Coloana);
      if (p.Mesaj == fxmImportatiIntaiArticolele) {
        schimbat = true;
        continue;
      }
      if (AvertizareRaportabila(*probleme, p)) {
        const TFerXmlColoana* coloana = nullptr;
        bool vechi = false;
        std::u16string cod;
        if (swCatalog && p.Mesaj == fxmArticolInexistent)
          cod = u"articleNotInArticlesFile";
        else if (r.Texte->ValoareInAfaraFormatului(p, coloana, vechi))
          cod = vechi ? u"oldValueNotInFormat" : u"valueNotInFormat";
        if (!cod.empty()) {
          r.EroriFormat.push_back({p, std::move(cod), true, u""});
          schimbat = true;
          continue;
        }
      }
      pastrate.Add(p);
    }
    if (schimbat) *probleme = std::move(pastrate);
  }

  const std::u16string continut = NumeContinutTip(r.Tip);
  if (!r.Baza.swVersiune)
    AdaugaEroareFormat(r, u"formatVersionMissing", u"FormatVersion", u"",
                       r.Texte->TextRegula(xtuVersiuneLipsa, {continut}));
  else if (r.VersiuneFormat < 2)
    AdaugaEroareFormat(r, u"formatVersion1", u"FormatVersion", r.Baza.Versiune, r.Texte->TextRegula(xtuVersiune1, {}));
  if (!r.Baza.swContinut)
    AdaugaEroareFormat(r, u"contentMissing", u"Content", u"", r.Texte->TextRegula(xtuContinutLipsa, {continut}));
  if (r.NrUnitati == 0)
    AdaugaEroareFormat(r, u"noUnits", u"", u"",
                       r.Texte->TextRegula(xtuFaraUnitati, {r.Tip == xctSeturiFeronerie ? u"Set" : u"Record"}));

  r.NrErori = 0;
  r.NrAvertizari = 0;
  if (probleme != nullptr)
    for (const auto& p : probleme->Lista()) {
      if (p.Severitate == fxvEroare) ++r.NrErori;
      if (AvertizareRaportabila(*probleme, p)) ++r.NrAvertizari;
    }
}

}  // namespace kavelo
