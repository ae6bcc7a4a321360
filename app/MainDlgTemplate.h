#pragma once
// Dialog template 102, the main window.
#include "platform/ui/DialogTemplate.h"

const DialogTemplate& MainDlgTemplate();
