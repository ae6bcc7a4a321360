#pragma once
// SHA-256, and the key stretching built on it, for the recorder's security codes.
#include <array>
#include <cstdint>
#include <string_view>

class Sha256 {
 public:
  using Digest = std::array<std::uint8_t, 32>;

  Sha256();
  void Update(std::string_view bytes);
  Digest Final();  // the object is spent afterwards

  static Digest Of(std::string_view bytes);

 private:
  void Compress(const std::uint8_t* block);

  std::array<std::uint32_t, 8> m_state;
  std::array<std::uint8_t, 64> m_block{};
  std::size_t m_used = 0;
  std::uint64_t m_totalBytes = 0;
};

Sha256::Digest HmacSha256(std::string_view key, std::string_view message);
// The first 32-byte block of PBKDF2-HMAC-SHA256.
Sha256::Digest Pbkdf2Sha256(std::string_view password, std::string_view salt, unsigned iterations);
