#pragma once
#include "platform/ui/DialogTemplate.h"

// Template 130: the file information dialog.
const DialogTemplate& FileInfoTemplate();
