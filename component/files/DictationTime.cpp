// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/DictationTime.h"

#include <cstdio>

namespace {

bool ReadDigits(std::string_view text, size_t at, size_t count, int* out) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  *out = value;
  return true;
}

int DaysIn(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool ValidDate(int year, int month, int day) {
  return month >= 1 && month <= 12 && day >= 1 && day <= DaysIn(year, month);
}

bool ValidTime(int hour, int minute, int second) {
  return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::string Format(const char* pattern, int a, int b, int c) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}

std::tm LocalTm(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

}  // namespace

bool DictationTime::FromDigits(std::string_view digits, DictationTime* out) {
  DictationTime t;
  if (digits.size() != 12 || !ReadDigits(digits, 0, 2, &t.year) || !ReadDigits(digits, 2, 2, &t.month) ||
      !ReadDigits(digits, 4, 2, &t.day) || !ReadDigits(digits, 6, 2, &t.hour) || !ReadDigits(digits, 8, 2, &t.minute) ||
      !ReadDigits(digits, 10, 2, &t.second))
    return false;
  t.year += 2000;
  if (!ValidDate(t.year, t.month, t.day) || !ValidTime(t.hour, t.minute, t.second)) return false;
  *out = t;
  return true;
}

bool DictationTime::FromLocal(std::time_t when, DictationTime* out) {
  const std::tm local = LocalTm(when);
  const int year = local.tm_year + 1900;
  if (year < 2000 || year > 2099) return false;
  *out = {year, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec};
  return true;
}

std::string DictationTime::Digits() const {
  return Format("%02d%02d%02d", year - 2000, month, day) + Format("%02d%02d%02d", hour, minute, second);
}

std::string DictationTime::DateText() const { return Format("%04d-%02d-%02d", year, month, day); }

std::string DictationTime::TimeText() const { return Format("%02d:%02d:%02d", hour, minute, second); }

bool IsDateText(std::string_view text) {
  int year = 0, month = 0, day = 0;
  return text.size() == 10 && text[4] == '-' && text[7] == '-' && ReadDigits(text, 0, 4, &year) &&
         ReadDigits(text, 5, 2, &month) && ReadDigits(text, 8, 2, &day) && year >= 1970 && year <= 2099 &&
         ValidDate(year, month, day);
}

bool IsTimeText(std::string_view text) {
  int hour = 0, minute = 0, second = 0;
  return text.size() == 8 && text[2] == ':' && text[5] == ':' && ReadDigits(text, 0, 2, &hour) &&
         ReadDigits(text, 3, 2, &minute) && ReadDigits(text, 6, 2, &second) && ValidTime(hour, minute, second);
}

std::string LocalDateText(std::time_t when) {
  const std::tm local = LocalTm(when);
  return Format("%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string LocalTimeText(std::time_t when) {
  const std::tm local = LocalTm(when);
  return Format("%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec);
}
