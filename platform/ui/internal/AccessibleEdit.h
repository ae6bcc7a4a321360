// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The accessibility interface of the framework's edit fields, on their own and inside editable drop-down
// lists. Qt's own lets a client change a read-only field and type what the field's validator refuses;
// here a client changes a field only as the keyboard could. Private to platform/ui.

class QAccessibleInterface;
class QObject;
class QString;

namespace ui {

// The accessibility bus's factory for the framework's edit fields; null for any other object.
QAccessibleInterface* AccessibleEditFor(const QString& className, QObject* object);

}  // namespace ui
