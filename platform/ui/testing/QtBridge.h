// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// For tests and the application's own start-up only (never for window code): the Qt widget behind a
// window handle, so a test can click and type into real widgets with QTest.
class QWidget;
struct HWND__;

QWidget* WidgetFromHandle(HWND__* hwnd);
// The window handle of a widget made by platform/ui (or of its nearest such ancestor); null if none.
HWND__* HandleFromWidget(QWidget* widget);
