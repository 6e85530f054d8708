#pragma once
#include <string>

#include "platform/date_time.h"
#include "platform/locale.h"

namespace dorvena::store {

// The date as the locale writes it in short form: the caption of the date button and the date
// part of every day key. Two dates are the same day exactly when their tokens are equal. The
// token never holds "=", CR, LF or NUL, which would break the line it is stored in.
std::string dateToken(const platform::Locale& locale, const platform::Date& date);

}  // namespace dorvena::store
