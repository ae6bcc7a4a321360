// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog template 131, the device settings dialog.
#include "platform/ui/DialogTemplate.h"

const DialogTemplate& DeviceSettingsTemplate();
