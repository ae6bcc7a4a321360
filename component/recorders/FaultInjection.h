// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A seam for tests: make one named step of the file code fail once with a given errno, as a full disk,
// a crash between two writes or a refused permission would (tests run as root, which no file mode
// stops). Steps: "open" (opening a file to read), "create" (the temporary file), "write", "sync",
// "rename". The module exports DPMCtrlInjectFault for the tests; nothing else arms it.
#include <functional>
#include <string_view>

void InjectFault(std::string_view step, int error, int skip = 0);
// Runs `action` once when the step is next reached, and lets the step go on: what another process might
// do at that moment (swap a folder for a link).
void InjectAction(std::string_view step, std::function<void()> action);
void ClearFaults();
// 0 when the step may run; else the errno it fails with (the fault is then used up).
int TakeFault(std::string_view step);
// A system call's `result`, or -1 with errno set when the step is to fail.
int FailOr(std::string_view step, int result);
