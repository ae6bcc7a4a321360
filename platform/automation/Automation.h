// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything of the automation layer.
#include "platform/automation/Apartment.h"
#include "platform/automation/Bstr.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/CodePage.h"
#include "platform/automation/ComPtr.h"
#include "platform/automation/ConnectionPoint.h"
#include "platform/automation/Guid.h"
#include "platform/automation/SafeArray.h"
#include "platform/automation/TypeLib.h"
#include "platform/automation/Types.h"
#include "platform/automation/Unknown.h"
#include "platform/automation/Variant.h"
