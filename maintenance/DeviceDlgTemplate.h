#pragma once
// Dialog template 129, the device maintenance window.
#include "platform/ui/DialogTemplate.h"

inline constexpr UINT IDD_DEVICE_DLG = 129;

const DialogTemplate& DeviceDlgTemplate();
