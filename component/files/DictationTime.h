// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A recording time as the DSS header keeps it (12 ASCII digits YYMMDDhhmmss, years 2000 to 2099) and
// the texts the file information shows: dates "YYYY-MM-DD", times "hh:mm:ss".
#include <ctime>
#include <string>
#include <string_view>

struct DictationTime {
  int year = 2000;  // 2000 to 2099
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;

  // False unless the text is 12 digits naming a real date and time.
  static bool FromDigits(std::string_view digits, DictationTime* out);
  // The local time of `when`; false outside the years the header can hold.
  static bool FromLocal(std::time_t when, DictationTime* out);
  std::string Digits() const;
  std::string DateText() const;
  std::string TimeText() const;
};

// Whether a text is a real date "YYYY-MM-DD" (years 1970 to 2099) or time "hh:mm:ss".
bool IsDateText(std::string_view text);
bool IsTimeText(std::string_view text);
// The local date and time texts of a file time.
std::string LocalDateText(std::time_t when);
std::string LocalTimeText(std::time_t when);
