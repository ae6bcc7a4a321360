// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/files/FileTask.h"

std::string FileTask::Text() const {
  switch (kind) {
    case Kind::Copy: return "Copy " + source;
    case Kind::Move: return "Move " + source;
    case Kind::Delete: return "Delete " + source;
    case Kind::Convert: return "Convert " + source;
    case Kind::Separate: return "SeparateSpokenInstructions " + source;
  }
  return source;
}
