// SPDX-License-Identifier: GPL-3.0-or-later
// The recorder tool's record command.
#include <ostream>

#include "component/tool/CardRecording.h"
#include "component/tool/RecorderTool.h"
#include "device/DpmResults.h"

namespace {

// Seconds with up to three decimals ("12", "2.5") as milliseconds; false for anything else.
bool Milliseconds(const std::string& text, LONG* out) {
  long long whole = 0, fraction = 0, scale = 1000;
  size_t i = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if ((whole = whole * 10 + (text[i] - '0')) > 1000000) return false;
  if (i == 0) return false;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9' && scale > 1; ++i)
      fraction += (text[i] - '0') * (scale /= 10);
  }
  if (i != text.size()) return false;
  *out = static_cast<LONG>(whole * 1000 + fraction);
  return true;
}

bool Range(const std::string& text, std::array<LONG, 2>* range) {
  const size_t dash = text.find('-');
  return dash != std::string::npos && Milliseconds(text.substr(0, dash), &(*range)[0]) &&
         Milliseconds(text.substr(dash + 1), &(*range)[1]);
}

}  // namespace

int RecorderTool::Record(const std::vector<std::string>& args) {
  CardRecording recording;
  if (!Milliseconds(args[2], &recording.milliseconds)) return Usage("'" + args[2] + "' is not a length in seconds");
  for (size_t i = 3; i < args.size(); ++i) {
    std::array<LONG, 2> range{};
    if (!Range(args[i], &range)) return Usage("'" + args[i] + "' is not START-END in seconds");
    recording.instructions.push_back(range);
  }
  const std::string path = FolderOf(args[1]);
  if (path.empty()) return 1;
  std::string name;
  switch (HRESULT hr = RecordOnCard(RecorderFolder(path), recording, &name)) {
    case S_OK: m_out << name << "\n"; return 0;
    case E_INVALIDARG: return Fail("the length must be 0.001 to 36000 seconds, the instructions ascending inside it");
    case dpmCtrlOutOfDiskSpace: return Fail("the card of " + args[1] + " is full");
    default: return Fail("cannot record on the card of " + args[1] + " (code " + std::to_string(hr) + ")");
  }
}
