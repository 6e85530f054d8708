#include "platform/win32/win32_locale.h"

#include <windows.h>

#include "platform/date_picture.h"
#include "platform/win32/text.h"

namespace dorvena::platform::win32 {
namespace {

std::string localeText(LCTYPE type) {
  wchar_t buffer[128];
  const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  return n > 0 ? narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1))) : std::string();
}

}  // namespace

CaseFold systemCaseFold() {
  CaseFold fold = asciiCaseFold();
  for (int b = 0x80; b < 256; ++b) {
    const char in = static_cast<char>(b);
    wchar_t wide[2];
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &in, 1, wide, 2) != 1) continue;
    wchar_t upper[4];
    // Linguistic casing: in Turkish the dotless i has I for its capital. ASCII never gets here,
    // so the dotted i keeps the ASCII rule.
    const int n = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING, wide,
                               1, upper, 4);
    if (n != 1) continue;
    char out[4];
    BOOL lossy = FALSE;
    // No best fit: a capital the code page lacks must not turn into a look-alike letter.
    const int m =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, upper, 1, out, 4, nullptr, &lossy);
    if (m == 1 && !lossy) fold[b] = static_cast<unsigned char>(out[0]);
  }
  return fold;
}

void Win32Locale::reread() {
  picture_ = localeText(LOCALE_SSHORTDATE);
  separator_ = localeText(LOCALE_SDATE);
  // The system counts day names from Monday (LOCALE_SDAYNAME1) to Sunday (LOCALE_SDAYNAME7).
  for (int day = 0; day < 7; ++day) {
    dayNames_[static_cast<std::size_t>(day)] =
        localeText(day == 0 ? LOCALE_SDAYNAME7 : LOCALE_SDAYNAME1 + static_cast<LCTYPE>(day - 1));
  }
  fold_ = systemCaseFold();
}

std::string Win32Locale::longDayName(int weekday) const {
  return dayNames_.at(static_cast<std::size_t>(weekday));
}

std::string Win32Locale::formatShortDate(const Date& date, const std::string& picture) const {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(date.year);
  st.wMonth = static_cast<WORD>(date.month);
  st.wDay = static_cast<WORD>(date.day);
  const std::wstring format = widen(picture);
  const wchar_t* pictureArg = picture.empty() ? nullptr : format.c_str();
  const DWORD flags = picture.empty() ? DATE_SHORTDATE : 0;
  wchar_t buffer[256];
  const int n = date.year >= 1601 && date.year <= 30827
                    ? GetDateFormatW(LOCALE_USER_DEFAULT, flags, &st, pictureArg, buffer, 256)
                    : 0;
  // Outside the years the system can write, the portable writer gives the same digits.
  if (n <= 0) return formatDatePicture(picture, date);
  return narrow(std::wstring_view(buffer, static_cast<std::size_t>(n - 1)));
}

}  // namespace dorvena::platform::win32
