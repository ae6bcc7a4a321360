// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Control ids of the About box (template 100), shared by the box, its template and its tests.

inline constexpr unsigned IDD_ABOUTBOX = 100;

enum AboutDlgControl : int {
  IDC_ABOUT_ICON = 1236,
  IDC_ABOUT_VERSION = 1235,
};
