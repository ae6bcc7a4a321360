#include "component/SecurityCodes.h"

#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int kRounds = 4096;

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string Hex(std::uint64_t value) {
  char buffer[17];
  std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(value));
  return buffer;
}

}  // namespace

std::string NewSalt() {
  std::random_device random;
  return Hex((static_cast<std::uint64_t>(random()) << 32) ^ random());
}

std::string HashCode(std::string_view salt, std::string_view code) {
  std::string material = std::string(salt) + ":" + std::string(code);
  std::size_t h = std::hash<std::string>{}(material);
  for (int i = 0; i < kRounds; ++i) h = std::hash<std::string>{}(Hex(h) + material);
  return Hex(h);
}

bool CodeMatches(std::string_view salt, std::string_view hash, std::string_view code) {
  return !hash.empty() && HashCode(salt, code) == hash;
}

bool IsValidPuk(std::string_view puk) { return puk.size() == 8 && AllDigits(puk); }

bool IsValidPin(std::string_view pin) { return pin.empty() || (pin.size() >= 4 && pin.size() <= 8 && AllDigits(pin)); }

bool IsValidPassword(std::string_view password) {
  if (password.empty()) return true;
  if (password.size() < 8 || password.size() > 32) return false;
  bool letter = false, digit = false;
  for (char c : password) {
    if (c < 0x20 || c > 0x7E) return false;
    letter = letter || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    digit = digit || (c >= '0' && c <= '9');
  }
  return letter && digit;
}
