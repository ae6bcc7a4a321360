// SPDX-License-Identifier: GPL-3.0-or-later
// How the recorder's security codes are kept: Argon2id now, PBKDF2 hashes of earlier versions still read.
#include <gtest/gtest.h>

#include <string>

#include "component/recorders/SecurityCodes.h"

namespace {

TEST(SecurityCodes, Argon2idHashVerifiesOnlyItsCodeAndNeverHoldsIt) {
  std::string hash, again;
  ASSERT_EQ(HashCode("12345678", &hash), S_OK);
  EXPECT_EQ(hash.rfind("$argon2id$v=19$m=65536,t=2,p=1$", 0), 0u) << hash;
  EXPECT_EQ(hash.find("12345678"), std::string::npos);
  EXPECT_TRUE(CodeMatches("", hash, "12345678"));
  EXPECT_FALSE(CodeMatches("", hash, "12345679"));
  EXPECT_FALSE(NeedsRehash(hash));
  ASSERT_EQ(HashCode("12345678", &again), S_OK);
  EXPECT_NE(hash, again) << "each hash has its own salt";
}

// PBKDF2-HMAC-SHA256 with 4096 rounds, salted with the recorder's salt text, as earlier versions kept codes.
struct LegacyRow {
  const char* salt;
  const char* hash;
  const char* code;
  bool matches;
};

class LegacyCodes : public testing::TestWithParam<LegacyRow> {};

TEST_P(LegacyCodes, StillVerifyAndAskToBeRehashed) {
  const LegacyRow& row = GetParam();
  EXPECT_EQ(CodeMatches(row.salt, row.hash, row.code), row.matches);
  EXPECT_TRUE(NeedsRehash(row.hash));
}

constexpr const char* kPublished = "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a";
constexpr const char* kRecorderSalt = "00112233445566778899aabbccddeeff";
constexpr const char* kRecorderPuk = "9a9e11128a77f11d14e4aef58e1221cb59c1cf330265f7f3a69b76685ba3f4cd";

INSTANTIATE_TEST_SUITE_P(
    EarlierVersions, LegacyCodes,
    testing::Values(LegacyRow{"salt", kPublished, "password", true},  // the published PBKDF2 vector
                    LegacyRow{"salt", kPublished, "passwore", false},
                    LegacyRow{"pepper", kPublished, "password", false},
                    LegacyRow{kRecorderSalt, kRecorderPuk, "12345678", true},
                    LegacyRow{kRecorderSalt, "C5E478D59288C841AA530DB6845C4C8D962893A001CE4E11A4963873AA98134", "password",
                              false}));

// Hashes a damaged or hostile state file could hold: each matches nothing, and quickly.
class DamagedHashes : public testing::TestWithParam<const char*> {};

TEST_P(DamagedHashes, MatchNothing) {
  EXPECT_FALSE(CodeMatches("salt", GetParam(), "password"));
  EXPECT_TRUE(NeedsRehash(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    StateFile, DamagedHashes,
    testing::Values("", "$argon2id$", "$argon2id$v=19$m=65536,t=2,p=1$junk$junk",
                    "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134",    // one digit short
                    "x5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a",   // not hex
                    // more memory or passes than any sound setting: refused before any work
                    "$argon2id$v=19$m=4194304,t=2,p=1$c2FsdHNhbHRzYWx0c2FsdA$"
                    "9IeNfUOrkeWFQtdqufgX6ED1p5gfnZPtIkDRyJKg4Bo",
                    "$argon2id$v=19$m=65536,t=100000,p=1$c2FsdHNhbHRzYWx0c2FsdA$"
                    "9IeNfUOrkeWFQtdqufgX6ED1p5gfnZPtIkDRyJKg4Bo"));

struct FormatRow {
  bool (*rule)(std::string_view);
  const char* code;
  bool valid;
};

class CodeFormats : public testing::TestWithParam<FormatRow> {};

TEST_P(CodeFormats, FollowTheRecorderRules) { EXPECT_EQ(GetParam().rule(GetParam().code), GetParam().valid); }

INSTANTIATE_TEST_SUITE_P(
    Rules, CodeFormats,
    testing::Values(FormatRow{IsValidPuk, "12345678", true}, FormatRow{IsValidPuk, "1234567", false},
                    FormatRow{IsValidPuk, "1234567a", false}, FormatRow{IsValidPuk, "", false},
                    FormatRow{IsValidPin, "", true}, FormatRow{IsValidPin, "1234", true},
                    FormatRow{IsValidPin, "123", false}, FormatRow{IsValidPin, "123456789", false},
                    FormatRow{IsValidPassword, "", true}, FormatRow{IsValidPassword, "secret42", true},
                    FormatRow{IsValidPassword, "secret4", false}, FormatRow{IsValidPassword, "password", false},
                    FormatRow{IsValidPassword, "12345678", false},
                    FormatRow{IsValidPassword, "abcdefgh1\x7f", false}));

}  // namespace
