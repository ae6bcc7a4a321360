// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/files/FileCommands.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "device/IDPMControl.h"
#include "device/IDPMFileInfo.h"
#include "device/IDPMFileList.h"
#include "quorvelctl/cli/ResultText.h"
#include "quorvelctl/files/DictationProperties.h"
#include "quorvelctl/session/RecorderInfo.h"
#include "quorvelctl/cli/TextCodec.h"

namespace {

HRESULT OpenInfo(IDPMControl* control, const std::string& path, ComPtr<IDPMFileInfo>* info) {
  std::optional<Bstr> wide = Utf8ToBstr(path);
  if (!wide) return E_INVALIDARG;
  return control->get_IDPMFileInfo(wide->Get(), info->ReleaseAndGetAddressOf());
}

// The names of the dictations in the folder, as the component lists them.
HRESULT DictationNames(IDPMControl* control, BSTR folder, std::vector<std::string>* names) {
  ComPtr<IDPMFileList> list;
  LONG count = 0;
  HRESULT hr = control->get_FileList(list.ReleaseAndGetAddressOf());
  if (SUCCEEDED(hr)) hr = list->put_Folder(folder);
  if (SUCCEEDED(hr)) hr = list->get_Count(&count);
  for (LONG index = 1; SUCCEEDED(hr) && index <= count; ++index) {
    Bstr name;
    hr = list->get_Item(index, name.Receive());
    if (SUCCEEDED(hr)) names->push_back(BstrToUtf8(name.Get()));
  }
  return hr;
}

const DictationProperty* Find(const std::vector<DictationProperty>& properties, std::string_view name) {
  for (const DictationProperty& property : properties) {
    if (property.name == name) return &property;
  }
  return nullptr;
}

std::string TextOf(const std::vector<DictationProperty>& properties, std::string_view name) {
  const DictationProperty* property = Find(properties, name);
  return property && SUCCEEDED(property->result) ? property->text : std::string();
}

// One line of the listing: name, author, length, recording start and end.
struct ListedDictation {
  std::string name;
  HRESULT result = S_OK;
  std::string author;
  LONG lengthMs = 0;
  std::string start;
  std::string end;

  static ListedDictation Read(IDPMControl* control, const std::string& folder, const std::string& name) {
    ListedDictation listed;
    listed.name = name;
    ComPtr<IDPMFileInfo> info;
    listed.result = OpenInfo(control, folder + "/" + name, &info);
    if (FAILED(listed.result)) return listed;
    const std::vector<DictationProperty> properties = CDictationProperties::Read(info.Get());
    // The length is the one property every dictation has; without it the file is damaged.
    const DictationProperty* length = Find(properties, "DictationLength");
    listed.result = length ? length->result : E_UNEXPECTED;
    if (FAILED(listed.result)) return listed;
    listed.lengthMs = length->value.get<LONG>();
    listed.author = TextOf(properties, "Author");
    listed.start = TextOf(properties, "RecordingStartDate") + " " + TextOf(properties, "RecordingStartTime");
    listed.end = TextOf(properties, "RecordingEndDate") + " " + TextOf(properties, "RecordingEndTime");
    return listed;
  }

  nlohmann::ordered_json Json() const {
    if (FAILED(result)) return {{"name", name}, {"error", CResultText::Of(result)}};
    return {{"name", name}, {"author", author}, {"lengthMs", lengthMs}, {"recordingStart", start},
            {"recordingEnd", end}};
  }

  std::string Line() const {
    return name + "\t" + author + "\t" + CFileCommands::LengthText(lengthMs) + "\t" + start + "\t" + end;
  }
};

}  // namespace

ExitCode CFileCommands::Files(CCommandContext& context) {
  const CConsole& console = context.Console();
  const std::string label = "recorder " + std::to_string(context.Line().device);
  ExitCode exit = kExitDone;
  ComPtr<IDPMDevice> device;
  if (!context.SelectedDevice(&device, &exit)) return exit;
  RecorderInfo recorder;
  Bstr card;
  std::vector<std::string> names;
  HRESULT hr = RecorderInfo::Read(device.Get(), context.Line().device, &recorder);
  // The component names the card's folder where a drive letter would be.
  if (SUCCEEDED(hr)) hr = device->GetDriveLetter(card.Receive());
  if (SUCCEEDED(hr)) hr = DictationNames(context.Session().Control(), card.Get(), &names);
  if (FAILED(hr)) return console.Failure("the card of " + label, hr);

  const std::string folder = BstrToUtf8(card.Get());
  nlohmann::ordered_json dictations = nlohmann::ordered_json::array();
  std::vector<ListedDictation> listed;
  for (const std::string& name : names) {
    listed.push_back(ListedDictation::Read(context.Session().Control(), folder, name));
    dictations.push_back(listed.back().Json());
  }
  if (console.Json()) {
    console.OrderedDocument({{"recorder", recorder.Json()}, {"folder", folder}, {"dictations", dictations}});
  } else {
    for (const ListedDictation& dictation : listed) {
      if (SUCCEEDED(dictation.result)) console.Line(dictation.Line());
    }
  }
  // A dictation that cannot be read is named on stderr; the others are still listed.
  for (const ListedDictation& dictation : listed) {
    if (FAILED(dictation.result)) exit = console.Failure(folder + "/" + dictation.name, dictation.result);
  }
  return exit;
}

ExitCode CFileCommands::Info(CCommandContext& context) {
  const CConsole& console = context.Console();
  const std::string& path = context.Line().arguments[0];
  ComPtr<IDPMFileInfo> info;
  if (!Utf8ToBstr(path)) return console.Failure("info " + path + ": a name that is not UTF-8", E_INVALIDARG);
  if (HRESULT hr = OpenInfo(context.Session().Control(), path, &info); FAILED(hr)) {
    return console.Failure("info " + path, hr);
  }
  const std::vector<DictationProperty> properties = CDictationProperties::Read(info.Get());
  if (console.Json()) {
    console.OrderedDocument(CDictationProperties::Json(properties));
  } else {
    for (const std::string& line : CDictationProperties::Lines(properties)) console.Line(line);
  }
  return kExitDone;
}

std::string CFileCommands::LengthText(LONG milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%ld:%02ld:%02ld.%03ld", static_cast<long>(milliseconds / 3600000),
                static_cast<long>(milliseconds / 60000 % 60), static_cast<long>(milliseconds / 1000 % 60),
                static_cast<long>(milliseconds % 1000));
  return text;
}
