// The tool's own tables, defined from the format: one field per column of
// the given elements, named after the column's field name.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "format/vocabulary.h"
#include "platform/memory_table.h"

namespace kavelo {

// Called before each field is added; may change its type and size; false
// leaves the field out.
using TFiltruCamp = std::function<bool(const TFerXmlColoana& coloana, TTipCamp& tip, int& marime)>;

void DefinesteCampuri(TTabelMemorie& tabel, const std::vector<TFerXmlElement>& elemente,
                      const TFiltruCamp& filtru = nullptr);

// An empty articles table: the fields of Record and a unique primary index
// "IndexPrimar" on Cod_Mag.
std::unique_ptr<TTabelMemorie> TabelArticole();

// An empty sets table: the fields of Set and SetRecord, no index.
std::unique_ptr<TTabelMemorie> TabelSeturi();

}  // namespace kavelo
