// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bodies of the component's fuzz targets, one per parser of outside input: settings files (also
// the settings a recorder folder commits), a recorder's identity and state, the tool's requests. Each
// returns 0 and aborts when something it parsed does not come back the same after being written and
// read again.
#include <cstddef>
#include <cstdint>

int FuzzSettingsFile(const std::uint8_t* data, std::size_t size);
int FuzzIdentityFile(const std::uint8_t* data, std::size_t size);
int FuzzStateFile(const std::uint8_t* data, std::size_t size);
int FuzzRequestFile(const std::uint8_t* data, std::size_t size);
