// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accessibility interface of the framework's buttons: radio buttons announced as such, and every
// action a click. Private to platform/ui.

namespace ui {

// Once per run, before the first window is made.
void InstallAccessibleButtons();

}  // namespace ui
