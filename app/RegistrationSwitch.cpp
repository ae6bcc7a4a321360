// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegistrationSwitch.h"

#include <algorithm>
#include <cctype>

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

RegistrationSwitch FindRegistrationSwitch(std::string_view commandLine) {
  for (std::size_t at = commandLine.find_first_of("-/"); at != std::string_view::npos;
       at = commandLine.find_first_of("-/", at + 1)) {
    const std::string_view rest = commandLine.substr(at + 1);
    if (EqualsIgnoringCase(rest, "UnregServer")) return RegistrationSwitch::UnregServer;
    if (EqualsIgnoringCase(rest, "RegServer")) return RegistrationSwitch::RegServer;
  }
  return RegistrationSwitch::None;
}
