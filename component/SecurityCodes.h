#pragma once
// The recorder's security codes. Rules a careful recorder applies:
//   PUK       exactly 8 digits; set once (a second SetPUK is dpmCtrlAccessDenied), it then guards
//             the PIN.
//   PIN       4 to 8 digits, set only with the right PUK (dpmCtrlAccessDenied otherwise, and when no
//             PUK is set); an empty PIN switches the PIN lock off.
//   password  the encryption password: 8 to 32 printable ASCII characters with at least one letter
//             and one digit; changing or clearing (empty) a set password needs the old password or
//             the PUK as the old key (dpmCtrlAccessDenied otherwise).
// A code that breaks its format is E_INVALIDARG. Codes are kept only as salted hashes: the salt is
// 16 random bytes per recorder, the hash PBKDF2-HMAC-SHA256 of the code with 4096 rounds, both as hex,
// so the recorder folder never holds a code in clear and a stolen folder costs a search per guess.
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

std::string NewSalt();
std::string HashCode(std::string_view salt, std::string_view code);
bool CodeMatches(std::string_view salt, std::string_view hash, std::string_view code);

bool IsValidPuk(std::string_view puk);
bool IsValidPin(std::string_view pin);  // the empty PIN included
bool IsValidPassword(std::string_view password);  // the empty password included
