// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recorder's security codes. Rules a careful recorder applies:
//   PUK       exactly 8 digits; set once (a second SetPUK is dpmCtrlAccessDenied), it then guards
//             the PIN.
//   PIN       4 to 8 digits, set only with the right PUK (dpmCtrlAccessDenied otherwise, and when no
//             PUK is set); an empty PIN switches the PIN lock off.
//   password  the encryption password: 8 to 32 printable ASCII characters with at least one letter
//             and one digit; changing or clearing (empty) a set password needs the old password or
//             the PUK as the old key (dpmCtrlAccessDenied otherwise).
// A code that breaks its format is E_INVALIDARG.
//
// Codes are kept only as libsodium Argon2id strings (salt and cost inside), at the interactive limits:
// 2 passes over 64 MiB, a few hundred milliseconds a guess, so a stolen folder does not give up even a
// 4-digit PIN in seconds. Recorders written by earlier versions hold PBKDF2-HMAC-SHA256 hashes (4096
// rounds, hex, salted with the recorder's "salt" text); those still verify and are replaced by Argon2id
// as soon as the code is known again (changed, or given as the old key).
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

// S_OK and the stored form of `code`; E_OUTOFMEMORY when the hash's memory cannot be had.
HRESULT HashCode(std::string_view code, std::string* hash);
// Whether `code` is the one `hash` was made from. An empty, damaged or absurdly costly hash matches nothing.
bool CodeMatches(std::string_view salt, std::string_view hash, std::string_view code);
// Whether a matching hash should be made again: an old PBKDF2 hash, or Argon2id at other limits.
bool NeedsRehash(std::string_view hash);

bool IsValidPuk(std::string_view puk);
bool IsValidPin(std::string_view pin);  // the empty PIN included
bool IsValidPassword(std::string_view password);  // the empty password included
