// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/settings/SettingCatalog.h"

#include <charconv>
#include <vector>

#include "device/IDPMRecordingProfile.h"
#include "device/SettingSchema.h"
#include "platform/automation/ComPtr.h"
#include "quorvelctl/cli/TextCodec.h"

namespace {

using S = IDPMDeviceSettings;
using P = IDPMRecordingProfile;
using Getter = decltype(SettingDescriptor::get);
using Putter = decltype(SettingDescriptor::put);

VARIANT_BOOL Automation(bool flag) { return flag ? VARIANT_TRUE : VARIANT_FALSE; }

// The adapters below turn the interface's typed accessors into the catalogue's uniform ones; the
// index vector has the group's length by the time they run.
Getter GetNumber(HRESULT (S::*get)(LONG*), ValueNames names) {
  return [=](S* s, const SettingIndex&, CSettingValue* out) {
    LONG value = 0;
    const HRESULT hr = (s->*get)(&value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Number(value, names);
    return hr;
  };
}
Putter PutNumber(HRESULT (S::*put)(LONG)) {
  return [=](S* s, const SettingIndex&, const CSettingValue& v) { return (s->*put)(v.AsNumber()); };
}
Getter GetFlag(HRESULT (S::*get)(VARIANT_BOOL*)) {
  return [=](S* s, const SettingIndex&, CSettingValue* out) {
    VARIANT_BOOL value = VARIANT_FALSE;
    const HRESULT hr = (s->*get)(&value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Flag(value != VARIANT_FALSE);
    return hr;
  };
}
Putter PutFlag(HRESULT (S::*put)(VARIANT_BOOL)) {
  return [=](S* s, const SettingIndex&, const CSettingValue& v) { return (s->*put)(Automation(v.AsFlag())); };
}
HRESULT GiveText(HRESULT hr, const Bstr& text, CSettingValue* out) {
  if (SUCCEEDED(hr)) *out = CSettingValue::Text(BstrToUtf8(text.Get()));
  return hr;
}
// Texts were checked for UTF-8 when parsed, so the conversion only fails on memory.
Bstr WideText(const CSettingValue& v) {
  std::optional<Bstr> wide = Utf8ToBstr(v.AsText());
  return wide ? std::move(*wide) : Bstr();
}
Getter GetText(HRESULT (S::*get)(BSTR*)) {
  return [=](S* s, const SettingIndex&, CSettingValue* out) {
    Bstr text;
    const HRESULT hr = (s->*get)(text.Receive());
    return GiveText(hr, text, out);
  };
}
Putter PutText(HRESULT (S::*put)(BSTR)) {
  return [=](S* s, const SettingIndex&, const CSettingValue& v) { return (s->*put)(WideText(v).Get()); };
}

Getter GetText1(HRESULT (S::*get)(LONG, BSTR*)) {
  return [=](S* s, const SettingIndex& i, CSettingValue* out) {
    Bstr text;
    const HRESULT hr = (s->*get)(i[0], text.Receive());
    return GiveText(hr, text, out);
  };
}
Putter PutText1(HRESULT (S::*put)(LONG, BSTR)) {
  return [=](S* s, const SettingIndex& i, const CSettingValue& v) { return (s->*put)(i[0], WideText(v).Get()); };
}
Getter GetText2(HRESULT (S::*get)(LONG, LONG, BSTR*)) {
  return [=](S* s, const SettingIndex& i, CSettingValue* out) {
    Bstr text;
    const HRESULT hr = (s->*get)(i[0], i[1], text.Receive());
    return GiveText(hr, text, out);
  };
}
Putter PutText2(HRESULT (S::*put)(LONG, LONG, BSTR)) {
  return [=](S* s, const SettingIndex& i, const CSettingValue& v) {
    return (s->*put)(i[0], i[1], WideText(v).Get());
  };
}
Getter GetFlag1(HRESULT (S::*get)(LONG, VARIANT_BOOL*)) {
  return [=](S* s, const SettingIndex& i, CSettingValue* out) {
    VARIANT_BOOL value = VARIANT_FALSE;
    const HRESULT hr = (s->*get)(i[0], &value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Flag(value != VARIANT_FALSE);
    return hr;
  };
}
Putter PutFlag1(HRESULT (S::*put)(LONG, VARIANT_BOOL)) {
  return [=](S* s, const SettingIndex& i, const CSettingValue& v) { return (s->*put)(i[0], Automation(v.AsFlag())); };
}
Getter GetNumber1(HRESULT (S::*get)(LONG, LONG*), ValueNames names) {
  return [=](S* s, const SettingIndex& i, CSettingValue* out) {
    LONG value = 0;
    const HRESULT hr = (s->*get)(i[0], &value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Number(value, names);
    return hr;
  };
}
Putter PutNumber1(HRESULT (S::*put)(LONG, LONG)) {
  return [=](S* s, const SettingIndex& i, const CSettingValue& v) { return (s->*put)(i[0], v.AsNumber()); };
}
Getter GetNumber2(HRESULT (S::*get)(LONG, LONG, LONG*), ValueNames names) {
  return [=](S* s, const SettingIndex& i, CSettingValue* out) {
    LONG value = 0;
    const HRESULT hr = (s->*get)(i[0], i[1], &value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Number(value, names);
    return hr;
  };
}
Putter PutNumber2(HRESULT (S::*put)(LONG, LONG, LONG)) {
  return [=](S* s, const SettingIndex& i, const CSettingValue& v) { return (s->*put)(i[0], i[1], v.AsNumber()); };
}

// A number behind an index the program always passes as 0 (VoiceCommandType).
Getter GetNumberAt0(HRESULT (S::*get)(LONG, LONG*), ValueNames names) {
  return [=](S* s, const SettingIndex&, CSettingValue* out) {
    LONG value = 0;
    const HRESULT hr = (s->*get)(0, &value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Number(value, names);
    return hr;
  };
}
Putter PutNumberAt0(HRESULT (S::*put)(LONG, LONG)) {
  return [=](S* s, const SettingIndex&, const CSettingValue& v) { return (s->*put)(0, v.AsNumber()); };
}

HRESULT ProfileOf(S* s, LONG profile, ComPtr<P>* out) {
  return s->get_RecordingProfile(profile, out->ReleaseAndGetAddressOf());
}
Getter GetProfileNumber(HRESULT (P::*get)(LONG*), ValueNames names) {
  return [=](S* s, const SettingIndex& i, CSettingValue* out) {
    ComPtr<P> profile;
    HRESULT hr = ProfileOf(s, i[0], &profile);
    LONG value = 0;
    if (SUCCEEDED(hr)) hr = (profile.Get()->*get)(&value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Number(value, names);
    return hr;
  };
}
Putter PutProfileNumber(HRESULT (P::*put)(LONG)) {
  return [=](S* s, const SettingIndex& i, const CSettingValue& v) {
    ComPtr<P> profile;
    HRESULT hr = ProfileOf(s, i[0], &profile);
    return SUCCEEDED(hr) ? (profile.Get()->*put)(v.AsNumber()) : hr;
  };
}
Getter GetMicDirection() {
  return [](S* s, const SettingIndex& i, CSettingValue* out) {
    ComPtr<P> profile;
    HRESULT hr = ProfileOf(s, i[0], &profile);
    LONG value = 0;
    if (SUCCEEDED(hr)) hr = profile->get_MicrophoneDirection(i[1], &value);
    if (SUCCEEDED(hr)) *out = CSettingValue::Number(value, value_names::MicrophoneDirection());
    return hr;
  };
}
Putter PutMicDirection() {
  return [](S* s, const SettingIndex& i, const CSettingValue& v) {
    ComPtr<P> profile;
    HRESULT hr = ProfileOf(s, i[0], &profile);
    return SUCCEEDED(hr) ? profile->put_MicrophoneDirection(i[1], v.AsNumber()) : hr;
  };
}

#define SCALAR(x, kind, names, ...) SCALAR_##kind(x, value_names::names()),
#define SCALAR_Number(x, names) \
  SettingDescriptor { #x, SettingGroup::Scalar, ValueKind::Number, names, GetNumber(&S::get_##x, names), PutNumber(&S::put_##x) }
#define SCALAR_IndexedNumber(x, names)                                                                        \
  SettingDescriptor {                                                                                         \
    #x, SettingGroup::Scalar, ValueKind::Number, names, GetNumberAt0(&S::get_##x, names), PutNumberAt0(&S::put_##x) \
  }
#define SCALAR_Flag(x, names) \
  SettingDescriptor { #x, SettingGroup::Scalar, ValueKind::Flag, {}, GetFlag(&S::get_##x), PutFlag(&S::put_##x) }
#define SCALAR_Text(x, names) \
  SettingDescriptor { #x, SettingGroup::Scalar, ValueKind::Text, {}, GetText(&S::get_##x), PutText(&S::put_##x) }
#define KEYWORD_FLAG(x) \
  SettingDescriptor { #x, SettingGroup::Keyword, ValueKind::Flag, {}, GetFlag1(&S::get_##x), PutFlag1(&S::put_##x) }

namespace n = value_names;

const std::vector<SettingDescriptor>& Table() {
  static const std::vector<SettingDescriptor> table{
      DPM_SCALAR_SETTINGS(SCALAR)
      {"MACAddress", SettingGroup::Identity, ValueKind::Text, {}, GetText(&S::get_MACAddress), {}},
      {"FirmwareVersion", SettingGroup::Identity, ValueKind::Text, {}, GetText(&S::get_FirmwareVersion), {}},
      {"KeywordUsageString", SettingGroup::Keyword, ValueKind::Text, {}, GetText1(&S::get_KeywordUsageString),
       PutText1(&S::put_KeywordUsageString)},
      KEYWORD_FLAG(KeywordBarcodeScan),
      KEYWORD_FLAG(KeywordVoiceCommand),
      KEYWORD_FLAG(KeywordMandatory),
      {"KeywordContentString", SettingGroup::KeywordRow, ValueKind::Text, {},
       GetText2(&S::get_KeywordContentString), PutText2(&S::put_KeywordContentString)},
      {"SmartButtonConfiguration", SettingGroup::SmartButton, ValueKind::Number, n::SmartButtonFunction(),
       GetNumber2(&S::get_SmartButtonConfiguration, n::SmartButtonFunction()),
       PutNumber2(&S::put_SmartButtonConfiguration)},
      {"DisplayAreaMapping", SettingGroup::DisplayArea, ValueKind::Number, n::DisplayContent(),
       GetNumber1(&S::get_DisplayAreaMapping, n::DisplayContent()), PutNumber1(&S::put_DisplayAreaMapping)},
      {"AudioQuality", SettingGroup::Profile, ValueKind::Number, n::AudioQuality(),
       GetProfileNumber(&P::get_AudioQuality, n::AudioQuality()), PutProfileNumber(&P::put_AudioQuality)},
      {"ProfileMicSensitivity", SettingGroup::Profile, ValueKind::Number, n::MicrophoneSensitivity(),
       GetProfileNumber(&P::get_ProfileMicSensitivity, n::MicrophoneSensitivity()),
       PutProfileNumber(&P::put_ProfileMicSensitivity)},
      {"MicrophoneDirection", SettingGroup::ProfilePosition, ValueKind::Number, n::MicrophoneDirection(),
       GetMicDirection(), PutMicDirection()},
  };
  return table;
}

bool InProfile(SettingGroup group) { return group == SettingGroup::Profile || group == SettingGroup::ProfilePosition; }

// "[12]" at the front of `rest`: the number, and `rest` moved past it.
bool TakeIndex(std::string_view* rest, LONG* index) {
  if (rest->empty() || rest->front() != '[') return false;
  const size_t close = rest->find(']');
  if (close == std::string_view::npos || close == 1) return false;
  const char* first = rest->data() + 1;
  const char* last = rest->data() + close;
  const auto [end, error] = std::from_chars(first, last, *index);
  if (error != std::errc() || end != last) return false;
  rest->remove_prefix(close + 1);
  return true;
}

}  // namespace

std::span<const SettingDescriptor> CSettingCatalog::All() { return Table(); }

const SettingDescriptor* CSettingCatalog::Find(std::string_view name, bool inProfile) {
  for (const SettingDescriptor& setting : Table()) {
    if (setting.name == name && InProfile(setting.group) == inProfile) return &setting;
  }
  return nullptr;
}

bool CSettingCatalog::ParseKey(std::string_view key, const SettingDescriptor** setting, SettingIndex* index,
                               std::string* error) {
  index->clear();
  std::string_view rest = key;
  constexpr std::string_view kProfile = "RecordingProfile";
  const bool inProfile = rest.substr(0, kProfile.size()) == kProfile && rest.size() > kProfile.size() &&
                         rest[kProfile.size()] == '[';
  if (inProfile) {
    rest.remove_prefix(kProfile.size());
    LONG profile = 0;
    if (!TakeIndex(&rest, &profile) || rest.empty() || rest.front() != '.') {
      *error = "expected RecordingProfile[N].NAME: " + std::string(key);
      return false;
    }
    rest.remove_prefix(1);
    index->push_back(profile);
  }
  const std::string_view name = rest.substr(0, rest.find('['));
  rest.remove_prefix(name.size());
  *setting = Find(name, inProfile);
  if (!*setting) {
    *error = "no such setting: " + std::string(key);
    return false;
  }
  for (LONG n = 0; !rest.empty();) {
    if (!TakeIndex(&rest, &n)) {
      *error = "bad index in " + std::string(key);
      return false;
    }
    index->push_back(n);
  }
  if (index->size() != IndexCount((*setting)->group)) {
    *error = std::string((*setting)->name) + " takes " + std::to_string(IndexCount((*setting)->group)) +
             " index(es): " + std::string(key);
    return false;
  }
  return true;
}
