// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dialog template 129, the device maintenance window.
#include "platform/ui/DialogTemplate.h"

const DialogTemplate& DeviceDlgTemplate();
