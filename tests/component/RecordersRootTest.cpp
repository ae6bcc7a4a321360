// SPDX-License-Identifier: GPL-3.0-or-later
// Where the recorders live, and the UTF-8 form of texts and paths.
#include <gtest/gtest.h>

#include <cstdlib>

#include "component/models/TextRules.h"
#include "component/recorders/RecordersRoot.h"

namespace {

class Environment {
 public:
  explicit Environment(const char* name) : m_name(name) {
    if (const char* value = std::getenv(name)) m_old = value, m_had = true;
  }
  ~Environment() {
    if (m_had) ::setenv(m_name, m_old.c_str(), 1);
    else ::unsetenv(m_name);
  }

 private:
  const char* m_name;
  std::string m_old;
  bool m_had = false;
};

TEST(RecordersRoot, OwnVariableThenDataHomeThenHome) {
  Environment own("QUORVEL_RECORDERS"), data("XDG_DATA_HOME"), home("HOME");
  ::setenv("QUORVEL_RECORDERS", "/tmp/own", 1);
  ::setenv("XDG_DATA_HOME", "/tmp/data", 1);
  ::setenv("HOME", "/tmp/home", 1);
  EXPECT_EQ(RecordersRoot(), "/tmp/own");
  ::unsetenv("QUORVEL_RECORDERS");
  EXPECT_EQ(RecordersRoot(), "/tmp/data/quorvel/recorders");
  ::setenv("XDG_DATA_HOME", "", 1);
  EXPECT_EQ(RecordersRoot(), "/tmp/home/.local/share/quorvel/recorders");
}

TEST(TextRules, Utf8BothWays) {
  std::u16string back;
  const std::u16string text = u"Gr\u00FC\u00DFe \u20AC";
  ASSERT_TRUE(Utf16FromUtf8(Utf8FromUtf16(text), &back));
  EXPECT_EQ(back, text);
  EXPECT_EQ(Utf8FromUtf16(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8FromUtf16(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
  for (const char* bad : {"\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF0\x9F\x98\x80", "\x80"}) {
    EXPECT_FALSE(Utf16FromUtf8(bad, &back)) << bad;
  }
}

}  // namespace
