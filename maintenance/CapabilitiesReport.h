// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The multi-line text that lists what a connected recorder supports.
#include <string>

#include "device/IDPMCapabilities.h"

// Reads every property of the capabilities object; a property that fails reads as 0 or "no".
std::string BuildCapabilitiesReport(IDPMCapabilities* capabilities);
