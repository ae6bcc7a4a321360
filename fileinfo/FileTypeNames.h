// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts the file information dialog shows for a file type and a compression mode.
#include "platform/automation/Types.h"

// Compared as unsigned: a negative value is unknown like any other out of the table.
const char* FileTypeName(LONG type);
const char* CompressionModeName(LONG mode);
