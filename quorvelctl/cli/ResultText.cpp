// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/cli/ResultText.h"

#include "device/ResultNames.h"
#include "platform/automation/ResultCodeText.h"

std::string CResultText::Of(HRESULT code) {
  if (const ResultCodeText* text = FindResultCodeText(code)) {
    return std::string(text->words) + " (" + std::string(text->symbol) + ")";
  }
  return GetResultName(code);
}
