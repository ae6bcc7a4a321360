// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion lives in its own module (DPMConvert.so, beside the module or program that holds
// this code), loaded on the first conversion: FFmpeg and the many libraries it pulls in then cost
// nothing to a program that never converts, which is most start-ups.
#include <string>

#include "component/files/ConvertJob.h"
#include "component/files/FileTask.h"
#include "component/files/TargetFile.h"

// The entry points the converter module exports.
extern "C" using ConvertDssFn = HRESULT(const ConvertJob* job, TargetFile* target, TaskProgress* progress);
extern "C" using InspectTargetFn = TargetState(const ConvertJob* job, const std::string* target);
inline constexpr char kConvertDssSymbol[] = "DpmConvertDss";
inline constexpr char kInspectTargetSymbol[] = "DpmInspectTarget";

// Converts through the module into the open target. The module is loaded under the checks the
// component itself is loaded under (LoadTrustedModule): dpmCtrlNotSupported when it is missing or does
// not load, CO_E_UNSAFEMODULE when another user could have changed it or its folder; else
// AudioConversion's codes.
HRESULT ConvertDss(const ConvertJob& job, TargetFile& target, TaskProgress& progress);
// What the existing file `target` is to `job`; Foreign when the module cannot be loaded.
TargetState InspectTarget(const ConvertJob& job, const std::string& target);
