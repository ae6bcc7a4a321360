// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "platform/ui/DialogTemplate.h"

// Template 130: the file information dialog.
const DialogTemplate& FileInfoTemplate();
