// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Filling a list box with the file names a file-list object of the component holds.
#include "device/IDPMFileList.h"
#include "platform/ui/ListBox.h"

// Empties the list, then adds items 1 to the object's count, leaving out empty names. The first
// failure of the count or of an item ends the filling and is returned.
HRESULT FillWithFileNames(CListBox& list, IDPMFileList* files);
