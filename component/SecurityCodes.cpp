#include "component/SecurityCodes.h"

#include <random>

#include "component/Sha256.h"

namespace {

constexpr int kRounds = 4096;

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

template <class Bytes>
std::string Hex(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (auto b : bytes) {
    text.push_back(kDigits[static_cast<std::uint8_t>(b) >> 4]);
    text.push_back(kDigits[static_cast<std::uint8_t>(b) & 0xF]);
  }
  return text;
}

// Compares without stopping at the first difference, so timing tells nothing about a guess.
bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace

std::string NewSalt() {
  std::random_device random;
  std::string bytes;
  for (int i = 0; i < 16; ++i) bytes.push_back(static_cast<char>(random() & 0xFF));
  return Hex(bytes);
}

std::string HashCode(std::string_view salt, std::string_view code) {
  return Hex(Pbkdf2Sha256(code, salt, kRounds));
}

bool CodeMatches(std::string_view salt, std::string_view hash, std::string_view code) {
  return !hash.empty() && SameText(HashCode(salt, code), hash);
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
