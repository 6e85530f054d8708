#pragma once
#include <string>
#include <string_view>

#include "platform/date_time.h"

namespace dorvena::platform {

// Writes a date by a Windows short-date picture: d, dd, M, MM, yy, yyyy (y and yyyyy as Windows
// does), '...' quoted literals ('' for a quote inside them); every other character stands as it is.
// Day and month names (ddd, MMM...) are written as numbers: short dates of real locales use none.
std::string formatDatePicture(std::string_view picture, const Date& date);

}  // namespace dorvena::platform
