// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one file task of any kind (what the queue's worker calls).
#include "component/files/FileTask.h"

HRESULT RunFileTask(const FileTask& task, TaskProgress& progress);
