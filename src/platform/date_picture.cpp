#include "platform/date_picture.h"

#include <cstdio>

namespace dorvena::platform {
namespace {

std::string number(int value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*d", digits, value);
  return buf;
}

}  // namespace

std::string formatDatePicture(std::string_view picture, const Date& date) {
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      // A quoted literal; '' inside it stands for one quote. An unclosed quote runs to the end.
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            out += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        out += picture[i++];
      }
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    switch (c) {
      case 'd':
        out += number(date.day, run >= 2 ? 2 : 1);
        break;
      case 'M':
        out += number(date.month, run >= 2 ? 2 : 1);
        break;
      case 'y':
        // y: year in century without a leading zero; yy: two digits; yyy and longer: full year.
        if (run == 1)
          out += number(date.year % 100, 1);
        else if (run == 2)
          out += number(date.year % 100, 2);
        else
          out += number(date.year, 4);
        break;
      default:
        out.append(run, c);
        break;
    }
    i += run;
  }
  return out;
}

}  // namespace dorvena::platform
