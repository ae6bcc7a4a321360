// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Resources.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Gdi.h"

namespace {

constexpr std::array<std::pair<UINT, const char*>, 1> kStringTable{{
    {IDS_ABOUTBOX, "About Selvarin DPM"},
}};

// The application icon: a small hand-held recorder, drawn here so the build needs no image tools.
// '.' transparent, 'k' outline, 'b' body, 'd' display, 'g' display text, 'r' record button,
// 's' grille and keys, 'w' highlight.
constexpr std::array<const char*, 32> kRecorderGlyph{
    "................................",
    "...........kkkkkkkkkk...........",
    "..........kbbbbbbbbbbk..........",
    ".........kbwwwwwwwwwwbk.........",
    ".........kbwssssssssbbk.........",
    ".........kbbsbsbsbsbbbk.........",
    ".........kbbssssssssbbk.........",
    ".........kbbbbbbbbbbbbk.........",
    ".........kbkkkkkkkkkkbk.........",
    ".........kbkddddddddkbk.........",
    ".........kbkdggdgdddkbk.........",
    ".........kbkddddddddkbk.........",
    ".........kbkdgggggddkbk.........",
    ".........kbkddddddddkbk.........",
    ".........kbkkkkkkkkkkbk.........",
    ".........kbbbbbbbbbbbbk.........",
    ".........kbbbbrrrrbbbbk.........",
    ".........kbbbrrrrrrbbbk.........",
    ".........kbbbrrwrrrbbbk.........",
    ".........kbbbrrrrrrbbbk.........",
    ".........kbbbbrrrrbbbbk.........",
    ".........kbbbbbbbbbbbbk.........",
    ".........kbssbbssbbssbk.........",
    ".........kbssbbssbbssbk.........",
    ".........kbbbbbbbbbbbbk.........",
    ".........kbssbbssbbssbk.........",
    ".........kbssbbssbbssbk.........",
    ".........kbbbbbbbbbbbbk.........",
    "..........kbbbbbbbbbbk..........",
    "...........kkkkkkkkkk...........",
    "................................",
    "................................",
};

constexpr bool EveryRowIsSquare() {
  for (const char* row : kRecorderGlyph) {
    if (std::char_traits<char>::length(row) != kRecorderGlyph.size()) return false;
  }
  return true;
}
static_assert(EveryRowIsSquare());

std::uint32_t GlyphColour(char c) {
  switch (c) {
    case 'k': return 0xFF1E2228;
    case 'b': return 0xFF4A5563;
    case 'w': return 0xFF8C99A8;
    case 's': return 0xFF2C333C;
    case 'd': return 0xFF9FD8A6;
    case 'g': return 0xFF2F5E37;
    case 'r': return 0xFFD8322E;
    default: return 0x00000000;
  }
}

}  // namespace

std::string LoadResourceString(UINT id) {
  for (const auto& [key, text] : kStringTable) {
    if (key == id) return text;
  }
  return {};
}

HICON LoadResourceIcon(UINT id) {
  if (id != IDR_MAINFRAME) return nullptr;
  constexpr int kSize = static_cast<int>(kRecorderGlyph.size());
  std::vector<std::uint32_t> pixels;
  pixels.reserve(kSize * kSize);
  for (const char* row : kRecorderGlyph) {
    for (int x = 0; x < kSize; ++x) pixels.push_back(GlyphColour(row[x]));
  }
  return CreateIconFromPixels(kSize, kSize, pixels.data());
}
