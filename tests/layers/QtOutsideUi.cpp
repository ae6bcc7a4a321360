// SPDX-License-Identifier: GPL-3.0-or-later
// Built only by include_rules_qt_private_test, which expects this file not to compile: a folder that
// links the platform's ui library does not get Qt's headers with it.
#include <QWidget>

#include "platform/ui/Dialog.h"

int main() { return QWidget().isVisible() ? 1 : 0; }
