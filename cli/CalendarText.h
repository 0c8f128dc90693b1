// Dates and times in the command line's texts: "2005-03-01 09:30", the same
// order whatever the locale, so that scripts and people read one form.
#pragma once

#include <string>

#include "platform/CalendarTime.h"

namespace cli {

// "YYYY-MM-DD hh:mm", with seconds ":ss" when asked; between separates the
// date from the time (' ', or 'T' for JSON).
std::string CalendarText(const CalendarTime& time, char between = ' ', bool seconds = false);

}  // namespace cli
