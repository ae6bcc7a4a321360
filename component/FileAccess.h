#pragma once
// Whole-file reads with a size cap and atomic whole-file writes (temporary file, sync, rename, sync of
// the folder): a failure or a crash at any step leaves the old file whole. Failures come back as the
// component's codes:
//   dpmCtrlFileNotFound    no such file (its folder exists)
//   dpmCtrlPathNotFound    a folder of the path does not exist, or the path is empty
//   dpmCtrlAccessDenied    the system refused access, the path names a folder, or the target
//                          folder has no write permission for anyone (refused even when root could
//                          write there, as a read-only target file is)
//   dpmCtrlFileReadOnly    the target file is marked read-only, or the file system is read-only
//   dpmCtrlOutOfDiskSpace  the disk or quota is full
//   dpmCtrlInvalidFile     the file is larger than the cap
//   E_FAIL                 any other system failure
#include <string>
#include <string_view>

#include "platform/automation/Types.h"

HRESULT ReadWholeFile(const std::string& path, size_t maxBytes, std::string* content);
HRESULT WriteFileAtomically(const std::string& path, std::string_view content);
// The component code for a system errno (the table above).
HRESULT ResultFromErrno(int error);
// The steps of an atomic write, for writers that stream: all of `content` to a descriptor, and the
// sync of a folder after a rename in it.
HRESULT WriteAll(int fd, std::string_view content);
void SyncFolder(const std::string& folder);
