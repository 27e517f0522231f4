// ISO 8601 dates and date-times, as client date columns are written.
#pragma once

#include <string_view>

#include "platform/memory_table.h"

namespace kavelo {

// Reads "yyyy-mm-dd" or "yyyy-mm-ddThh:mm[:ss[.fraction]]" with an optional
// time-zone designator ("Z", "+hh:mm", "-hh:mm", "+hhmm", "+hh"). The clock
// time is kept as written: the designator is checked and then ignored, since
// the tables store local date-times without a zone.
bool CitesteIso8601(std::u16string_view text, TDataOra& data);

// The date-time of a calendar date and the seconds since its midnight.
TDataOra CompuneDataOra(int an, int luna, int zi, double secunde);

}  // namespace kavelo
