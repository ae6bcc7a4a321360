// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether an existing file is a whole conversion of a dictation, as FFmpeg reads it: an earlier
// conversion is known by the tags every conversion writes (the dictation's name, author, recording
// time and comment) and is whole when its format is the one asked for and its packets run to the
// dictation's length. A file FFmpeg cannot open, or one of another dictation or format, is Foreign.
#include <string>

#include "component/files/ConvertJob.h"

TargetState StateOfConversionTarget(const ConvertJob& job, const std::string& target);
