#include "platform/headless/headless_locale.h"

#include "platform/date_picture.h"

namespace dorvena::platform {

HeadlessLocale::HeadlessLocale()
    // Code page 1254 bytes: Salı, Çarşamba, Perşembe.
    : dayNames{"Pazar",
               "Pazartesi",
               "Sal\xFD",
               "\xC7"
               "ar\xFE"
               "amba",
               "Per\xFE"
               "embe",
               "Cuma",
               "Cumartesi"},
      fold(cp1254CaseFold()) {}

std::string HeadlessLocale::formatShortDate(const Date& date, const std::string& pic) const {
  return formatDatePicture(pic, date);
}

}  // namespace dorvena::platform
