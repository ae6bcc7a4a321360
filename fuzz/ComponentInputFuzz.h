#pragma once
// The body of the component's fuzz target: everything the component parses from outside (settings
// files, the committed settings, identity and state of a recorder folder, the tool's requests).
#include <cstddef>
#include <cstdint>

// Returns 0; aborts when a parsed settings record does not survive being written and read again.
int FuzzComponentInput(const std::uint8_t* data, std::size_t size);
