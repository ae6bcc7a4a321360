// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every property of a dictation's file information, read through IDPMFileInfo in the interface's
// order. A property the file has no answer for (a DS2 file's author, say) keeps the component's code
// instead of a value, so one unreadable field does not hide the others.
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "device/IDPMFileInfo.h"

struct DictationProperty {
  std::string name;            // the interface's name, without get_
  nlohmann::ordered_json value;  // text, number, flag, or a list
  HRESULT result = S_OK;
  std::string text;            // the value as `info` prints it
};

class CDictationProperties {
 public:
  static std::vector<DictationProperty> Read(IDPMFileInfo* info);
  // {"FileName": ..., ..., "unreadable": {"Author": "dpmCtrlNotSupported"}} (unreadable only when any is).
  static nlohmann::ordered_json Json(const std::vector<DictationProperty>& properties);
  // "NAME: value" lines.
  static std::vector<std::string> Lines(const std::vector<DictationProperty>& properties);
};
