// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accessibility interface of the framework's buttons: radio buttons announced as such, and every
// action a click. Private to platform/ui.

class QAccessibleInterface;
class QObject;
class QString;

namespace ui {

// The accessibility bus's factory for the framework's buttons; null for any other object.
QAccessibleInterface* AccessibleButtonFor(const QString& className, QObject* object);

}  // namespace ui
