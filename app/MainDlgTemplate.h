// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog template 102, the main window.
#include "platform/ui/DialogTemplate.h"

const DialogTemplate& MainDlgTemplate();
