// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The body of the dictation fuzz target: what the component reads from dictation files and the
// program's format blocks (DSS headers and audio blocks, companion files, wave format blocks).
#include <cstddef>
#include <cstdint>

// Returns 0; aborts when something read does not survive being written and read again.
int FuzzDictationInput(const std::uint8_t* data, std::size_t size);
