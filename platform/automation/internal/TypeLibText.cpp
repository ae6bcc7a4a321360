// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/internal/TypeLibText.h"

#include <charconv>
#include <limits>
#include <set>
#include <vector>

namespace {

constexpr std::string_view kHeader = "quorvel-typelib 1";
constexpr std::size_t kMaxFunctions = 4096;
constexpr std::size_t kMaxParams = 64;
constexpr std::size_t kMaxInterfaces = 1024;

bool IsName(std::string_view name) {
  if (name.empty() || name.size() > 256) return false;
  for (char c : name) {
    auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u == 0x7F) return false;
  }
  return true;
}

bool IsCallConv(long value) { return value == CC_CDECL || value == CC_STDCALL; }

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos <= line.size()) {
    std::size_t space = line.find(' ', pos);
    if (space == std::string_view::npos) space = line.size();
    words.push_back(line.substr(pos, space - pos));
    pos = space + 1;
  }
  return words;  // an empty word means a doubled, leading or trailing blank: refused by the readers
}

template <class T>
bool ReadNumber(std::string_view word, T* value) {
  if (word.empty()) return false;
  if (word.size() > 1 && word[0] == '0') return false;
  const char* end = word.data() + word.size();
  auto [ptr, error] = std::from_chars(word.data(), end, *value);
  return error == std::errc() && ptr == end;
}

// Hands out one line at a time; every line, the last included, ends in '\n'.
class Lines {
 public:
  explicit Lines(std::string_view text) : m_text(text) {}
  bool Next(std::string_view* line) {
    std::size_t end = m_text.find('\n');
    if (end == std::string_view::npos) return false;
    *line = m_text.substr(0, end);
    m_text.remove_prefix(end + 1);
    return true;
  }
  bool AtEnd() const { return m_text.empty(); }

 private:
  std::string_view m_text;
};

bool ReadFunction(std::string_view line, FunctionDescription* f) {
  auto w = Words(line);
  std::size_t paramCount = 0;
  long callConv = 0;
  if (w.size() < 6 || w[0] != "function" || !ReadNumber(w[1], &f->dispid) || !IsName(w[2]) ||
      !ReadNumber(w[3], &callConv) || !IsCallConv(callConv) || !ReadNumber(w[4], &f->returnType) ||
      !ReadNumber(w[5], &paramCount) || paramCount > kMaxParams || w.size() != 6 + paramCount)
    return false;
  f->name = std::string(w[2]);
  f->callConv = static_cast<CALLCONV>(callConv);
  f->paramTypes.resize(paramCount);
  for (std::size_t i = 0; i < paramCount; ++i)
    if (!ReadNumber(w[6 + i], &f->paramTypes[i])) return false;
  return true;
}

bool ReadInterface(Lines& lines, std::string_view line, InterfaceDescription* itf) {
  auto w = Words(line);
  std::size_t count = 0;
  if (w.size() != 4 || w[0] != "interface" || !GuidFromString(w[1], &itf->iid) || !IsName(w[2]) ||
      !ReadNumber(w[3], &count) || count > kMaxFunctions)
    return false;
  itf->name = std::string(w[2]);
  std::set<DISPID> dispids;
  for (std::size_t i = 0; i < count; ++i) {
    FunctionDescription f{};
    if (!lines.Next(&line) || !ReadFunction(line, &f) || !dispids.insert(f.dispid).second) return false;
    itf->functions.push_back(std::move(f));
  }
  return true;
}

}  // namespace

std::optional<std::string> TypeLibToText(const TypeLibDescription& d) {
  if (!IsName(d.name) || d.interfaces.size() > kMaxInterfaces) return std::nullopt;
  std::string text = std::string(kHeader) + "\n";
  text += "library " + GuidToString(d.libid) + " " + std::to_string(d.major) + " " + std::to_string(d.minor) +
          " " + d.name + "\n";
  std::set<std::string> iids;
  for (const InterfaceDescription& itf : d.interfaces) {
    if (!IsName(itf.name) || itf.functions.size() > kMaxFunctions || !iids.insert(GuidToString(itf.iid)).second)
      return std::nullopt;
    text += "interface " + GuidToString(itf.iid) + " " + itf.name + " " + std::to_string(itf.functions.size()) + "\n";
    std::set<DISPID> dispids;
    for (const FunctionDescription& f : itf.functions) {
      if (!IsName(f.name) || !IsCallConv(f.callConv) || f.paramTypes.size() > kMaxParams ||
          !dispids.insert(f.dispid).second)
        return std::nullopt;
      text += "function " + std::to_string(f.dispid) + " " + f.name + " " + std::to_string(f.callConv) + " " +
              std::to_string(f.returnType) + " " + std::to_string(f.paramTypes.size());
      for (VARTYPE t : f.paramTypes) text += " " + std::to_string(t);
      text += "\n";
    }
  }
  text += "end\n";
  return text;
}

std::optional<TypeLibDescription> TypeLibFromText(std::string_view text) {
  Lines lines(text);
  std::string_view line;
  if (!lines.Next(&line) || line != kHeader || !lines.Next(&line)) return std::nullopt;
  TypeLibDescription d{};
  auto w = Words(line);
  if (w.size() != 5 || w[0] != "library" || !GuidFromString(w[1], &d.libid) || !ReadNumber(w[2], &d.major) ||
      !ReadNumber(w[3], &d.minor) || !IsName(w[4]))
    return std::nullopt;
  d.name = std::string(w[4]);
  std::set<std::string> iids;
  for (;;) {
    if (!lines.Next(&line)) return std::nullopt;
    if (line == "end") break;
    InterfaceDescription itf{};
    if (d.interfaces.size() >= kMaxInterfaces || !ReadInterface(lines, line, &itf) ||
        !iids.insert(GuidToString(itf.iid)).second)
      return std::nullopt;
    d.interfaces.push_back(std::move(itf));
  }
  if (!lines.AtEnd()) return std::nullopt;
  return d;
}
