// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog template 135, the DPM4 smart buttons and recording profiles dialog.
#include "platform/ui/DialogTemplate.h"

const DialogTemplate& SmartButtonsTemplate();
