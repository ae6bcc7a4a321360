// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SeparateSpokenInstructions: splits a dictation at its spoken instructions. The dictation part is
// the audio outside every instruction, named like the source (in the destination folder, or the
// destination itself); the instruction part is the audio inside them, one instruction file named
// after the dictation part with "_I" before its extension. A frame belongs to an instruction when
// it begins inside one. Each part gets the source's header and companion; the dictation part's
// companion names the instruction part when both are written.
#include <string>

#include "component/files/FileTask.h"

HRESULT RunSeparate(const FileTask& task, TaskProgress& progress);
// dpmCtrlNoInstructionFile for a dictation without spoken instructions, dpmCtrlInvalidFile for a
// file that is not a DSS dictation, dpmCtrlAudioFormatNotSupported for DS2, E_INVALIDARG for a target
// not named *.dss or *.ds2, and the targets' refusals (FileFamily.h's codes).
HRESULT CheckSeparate(const FileTask& task);
