// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileinfo/FileTypeNames.h"

const char* FileTypeName(LONG type) {
  switch (static_cast<ULONG>(type)) {
    case 0: return "dpmFileTypeOther";
    case 1: return "dpmFileTypeNonDPM2";
    case 2: return "dpmFileTypeDictation";
    case 3: return "dpmFileTypeInstruction";
    default: return "unknown file type";
  }
}

const char* CompressionModeName(LONG mode) {
  switch (static_cast<ULONG>(mode)) {
    case 0: return "dpmStandardPlayNoSilenceComp";
    case 1: return "dpmStandardPlayWithSilenceComp";
    case 2: return "dpmLongPlayNoSilenceComp";
    case 3: return "dpmTSLongPLayNoSilenceComp";
    case 4: return "dpmTSLongPLayWithSilenceComp";
    case 6: return "dpmQualityPlayNoSilenceComp";
    case 17: return "dpmMP3";
    default: return "unknown compression mode";
  }
}
