// The English message table, compiled into the program in the saved form of
// an in-memory table: one row per message name ("VarName") with its English
// text ("Text").
#include "check/english_messages.h"

namespace kavelo {

extern const char kTabelEnglez[];
const char kTabelEnglez[] = R"kvtable(KVTABLE 1
FIELD	VarName	WideString	64
FIELD	Text	WideMemo	0
ROW	rsFisierulXNuExista	File %s does not exist!
ROW	rsFisierIncompatibil	Unknown file or incompatible version !
ROW	rsArticolDublu	The current article is a copy!
ROW	rsImpXmlMotivNumar	a number written like %s is expected, without decimal comma, spaces, thousands separator or unit
ROW	rsImpXmlMotivInterval	the value must be between %s and %s
ROW	rsImpXmlMotivValori	the accepted values are: %s
ROW	rsImpXmlMotivLungime	it has %s characters and this database's column holds at most %s
ROW	rsImpXmlNepermisAici	%s is not allowed here
ROW	rsImpXmlMotivBifa	Kavelo reads any non-empty value as YES: write X for yes or leave it empty for no
ROW	rsImpXmlApareDeMaiMulteOri	appears %s times in the file
ROW	rsImpXmlAtributNecunoscut	attribute %s matches no column of this database
ROW	rsImpXmlPoateX	 Did you mean "%s"?
ROW	rsImpXmlLipseste	%s is missing
ROW	rsImpXmlCititCa	%s was read as %s
ROW	rsImpXmlScurtat	%s: the text was shortened from %s to %s characters
ROW	rsImpXmlFaraEfect	%s has no effect in Kavelo (%s)
ROW	rsImpXmlSpatiiLaCapete	%s="%s" has leading or trailing spaces, a tab or a line break; the value was kept exactly as written
ROW	rsImpXmlDiferaDeArticol	%s="%s" differs from the article's value ("%s")
ROW	rsImpXmlNuExistaIn	%s="%s" does not exist in %s
ROW	rsImpXmlSetFaraNume	Set %s has no name (HardwareSet=""): Kavelo applies it to the sashes with this opening, destination and brand that have no set chosen
ROW	rsImpXmlSetInlocuit	The existing set is replaced: %s rows removed, %s added, %s changed
ROW	rsImpXmlImportatiIntaiArticolele	Import the articles file first: %s rows have codes that are not in the articles yet, so they keep no colour and no description
ROW	rsImpXmlExportVechi	The file was exported by Kavelo %s or older, which did not write %s: export it again with the current version
ROW	rsImpXmlMarciNoi	The brands %s are not in Suppliers. Add them?
ROW	rsImpXmlRezumatSeturi	Series "%s": %s new sets, %s replaced, %s unchanged, %s refused. Continue the import?
ROW	rsImpXmlRezumatArticole	%s new articles, %s modified, %s unchanged, %s refused. Continue the import?
ROW	rsImpXmlPastratiValorile	On %s existing articles the file changes columns that you normally fill in yourself in Kavelo: %s. Keep your values in these columns?
ROW	rsCotaBlocatorXLaPiesaXNuEsteNumar	The cam lock dimension %s at the piece %s is not a number
ROW	rsArticolFeronerieInexistent	The hardware article with the code '%s' does not exist in the hardware articles table
ROW	rsDiagramaDeGreutateLaXNedefinita	Weight diagram in hardware article %s is not defined!
END	30
)kvtable";

}  // namespace kavelo
