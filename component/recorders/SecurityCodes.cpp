// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/SecurityCodes.h"

#include <sodium.h>

#include <array>
#include <cstdio>

namespace {

constexpr unsigned long long kOpsLimit = crypto_pwhash_OPSLIMIT_INTERACTIVE;
constexpr std::size_t kMemLimit = crypto_pwhash_MEMLIMIT_INTERACTIVE;
// A state file is outside input: a hash asking for more than this would stall or exhaust the machine.
constexpr unsigned long long kMostPasses = crypto_pwhash_OPSLIMIT_SENSITIVE;
constexpr unsigned long long kMostKibibytes = crypto_pwhash_MEMLIMIT_SENSITIVE / 1024;

constexpr std::string_view kArgon2idPrefix = crypto_pwhash_argon2id_STRPREFIX;
constexpr unsigned kLegacyRounds = 4096;

bool SodiumReady() {
  static const bool ready = sodium_init() >= 0;
  return ready;
}

bool AllDigits(std::string_view text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

bool IsArgon2id(std::string_view hash) { return hash.substr(0, kArgon2idPrefix.size()) == kArgon2idPrefix; }

bool CostIsBounded(const std::string& hash) {
  unsigned long long kibibytes = 0, passes = 0;
  unsigned lanes = 0;
  if (std::sscanf(hash.c_str(), "$argon2id$v=%*u$m=%llu,t=%llu,p=%u$", &kibibytes, &passes, &lanes) != 3)
    return false;
  return kibibytes <= kMostKibibytes && passes <= kMostPasses;
}

using Digest = std::array<unsigned char, crypto_auth_hmacsha256_BYTES>;

Digest Hmac(std::string_view key, const unsigned char* message, std::size_t length) {
  crypto_auth_hmacsha256_state state;
  Digest out{};
  crypto_auth_hmacsha256_init(&state, reinterpret_cast<const unsigned char*>(key.data()), key.size());
  crypto_auth_hmacsha256_update(&state, message, length);
  crypto_auth_hmacsha256_final(&state, out.data());
  return out;
}

// The first block of PBKDF2-HMAC-SHA256, as earlier versions stored it.
Digest LegacyHash(std::string_view salt, std::string_view code) {
  std::string first(salt);
  first.append("\0\0\0\1", 4);
  Digest u = Hmac(code, reinterpret_cast<const unsigned char*>(first.data()), first.size());
  Digest result = u;
  for (unsigned round = 1; round < kLegacyRounds; ++round) {
    u = Hmac(code, u.data(), u.size());
    for (std::size_t i = 0; i < result.size(); ++i) result[i] ^= u[i];
  }
  return result;
}

bool LegacyMatches(std::string_view salt, std::string_view hash, std::string_view code) {
  Digest stored{};
  std::size_t length = 0;
  const char* end = nullptr;
  if (hash.size() != 2 * stored.size() ||
      sodium_hex2bin(stored.data(), stored.size(), hash.data(), hash.size(), nullptr, &length, &end) != 0 ||
      length != stored.size() || end != hash.data() + hash.size())
    return false;
  const Digest guess = LegacyHash(salt, code);
  return sodium_memcmp(stored.data(), guess.data(), stored.size()) == 0;
}

}  // namespace

HRESULT HashCode(std::string_view code, std::string* hash) {
  char text[crypto_pwhash_STRBYTES];
  if (!SodiumReady() || crypto_pwhash_str(text, code.data(), code.size(), kOpsLimit, kMemLimit) != 0)
    return E_OUTOFMEMORY;
  *hash = text;
  return S_OK;
}

bool CodeMatches(std::string_view salt, std::string_view hash, std::string_view code) {
  if (hash.empty() || !SodiumReady()) return false;
  if (!IsArgon2id(hash)) return LegacyMatches(salt, hash, code);
  const std::string stored(hash);  // libsodium wants it zero-terminated
  if (stored.size() >= crypto_pwhash_STRBYTES || !CostIsBounded(stored)) return false;
  return crypto_pwhash_str_verify(stored.c_str(), code.data(), code.size()) == 0;
}

bool NeedsRehash(std::string_view hash) {
  if (!IsArgon2id(hash) || hash.size() >= crypto_pwhash_STRBYTES) return true;
  const std::string stored(hash);
  return crypto_pwhash_str_needs_rehash(stored.c_str(), kOpsLimit, kMemLimit) != 0;
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
