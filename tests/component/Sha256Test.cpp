// Published test vectors for the hash behind the recorder's security codes.
#include <gtest/gtest.h>

#include <string>

#include "component/SecurityCodes.h"
#include "component/Sha256.h"

namespace {

std::string Hex(const Sha256::Digest& d) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  for (auto b : d) {
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 0xF]);
  }
  return text;
}

struct HashRow {
  std::string input;
  const char* digest;
};

class Sha256Vectors : public testing::TestWithParam<HashRow> {};

TEST_P(Sha256Vectors, MatchThePublishedDigest) { EXPECT_EQ(Hex(Sha256::Of(GetParam().input)), GetParam().digest); }

// Lengths around the padding boundary (55, 56 and 64 bytes) and across many blocks.
INSTANTIATE_TEST_SUITE_P(
    Published, Sha256Vectors,
    testing::Values(HashRow{"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
                    HashRow{"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
                    HashRow{"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
                    HashRow{std::string(1000000, 'a'),
                            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}));

TEST(Sha256, UpdatesInPiecesGiveTheSameDigestAsOneUpdate) {
  const std::string text(200, 'x');
  Sha256 pieces;
  for (std::size_t i = 0; i < text.size(); i += 7) pieces.Update(std::string_view(text).substr(i, 7));
  EXPECT_EQ(pieces.Final(), Sha256::Of(text));
}

TEST(HmacSha256, MatchesThePublishedCasesForShortAndOverlongKeys) {
  EXPECT_EQ(Hex(HmacSha256("Jefe", "what do ya want for nothing?")),
            "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
  EXPECT_EQ(Hex(HmacSha256(std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First")),
            "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
}

TEST(Pbkdf2Sha256, MatchesThePublishedVectors) {
  EXPECT_EQ(Hex(Pbkdf2Sha256("password", "salt", 1)),
            "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b");
  EXPECT_EQ(Hex(Pbkdf2Sha256("password", "salt", 2)),
            "ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43");
  EXPECT_EQ(Hex(Pbkdf2Sha256("password", "salt", 4096)),
            "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
}

TEST(SecurityCodes, HashDependsOnSaltAndCodeAndNeverHoldsTheCode) {
  const std::string salt = NewSalt();
  EXPECT_EQ(salt.size(), 32u);
  EXPECT_NE(salt, NewSalt());
  const std::string hash = HashCode(salt, "12345678");
  EXPECT_EQ(hash.size(), 64u);
  EXPECT_EQ(hash.find("12345678"), std::string::npos);
  EXPECT_TRUE(CodeMatches(salt, hash, "12345678"));
  EXPECT_FALSE(CodeMatches(salt, hash, "12345679"));
  EXPECT_FALSE(CodeMatches(NewSalt(), hash, "12345678"));
  EXPECT_FALSE(CodeMatches(salt, "", ""));
}

}  // namespace
