// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/RecorderFolder.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "component/recorders/FileAccess.h"
#include "component/recorders/FolderHandle.h"
#include "component/recorders/RecorderLock.h"
#include "component/settings/SettingsJson.h"
#include "device/DpmResults.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxStateFile = 64 * 1024;
constexpr size_t kMaxRequestFile = 4096;

std::string RandomHex(int digits) {
  std::random_device random;
  std::string out;
  for (int i = 0; i < digits; ++i) out += "0123456789ABCDEF"[random() % 16];
  return out;
}

RecorderIdentity NewIdentity(const RecorderModel& model) {
  RecorderIdentity identity;
  identity.deviceType = model.type;
  identity.serialNumber = RandomHex(8);
  std::string mac = "00:0E:18";
  std::string tail = RandomHex(6);
  for (int i = 0; i < 6; i += 2) mac += ":" + tail.substr(static_cast<size_t>(i), 2);
  identity.macAddress = mac;
  identity.firmwareVersion = model.IsDpm4() ? "4.2.17" : "2.1.9";
  identity.oemString = "Orvane";
  identity.buildNumber = 1000 + model.type * 10;
  return identity;
}

RecorderState NewState() {
  RecorderState state;
  state.clockOffsetSeconds = -(3 * 3600 + 17 * 60 + 42);  // an unset recorder clock runs behind
  return state;
}

// The lock before a recorder's configuration is written: busy, or the configuration cannot be written.
HRESULT TakeForWriting(const std::string& folder, RecorderLock* lock) {
  HRESULT hr = lock->Take(folder);
  if (SUCCEEDED(hr) || hr == dpmCtrlDeviceNotReady) return hr;
  return dpmCtrlWriteDeviceConfiguration;
}

HRESULT WriteNewFile(const std::string& path, std::string_view content) {
  return WriteFileAtomically(path, content);
}

bool IsTemporaryName(const std::string& name) { return name.find(".tmp-") != std::string::npos; }

bool EndsWithNoCase(const std::string& text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// A dictation's companion is its name with ".json" added (the files room, DictationCompanion.h).
bool IsCompanionWithout(const std::string& name, const std::vector<std::string>& names) {
  if (!EndsWithNoCase(name, ".json")) return false;
  const std::string dictation = name.substr(0, name.size() - 5);
  if (!EndsWithNoCase(dictation, ".dss") && !EndsWithNoCase(dictation, ".ds2")) return false;
  return !std::binary_search(names.begin(), names.end(), dictation);
}

// The names in an open folder, sorted; false when it cannot be read through.
bool NamesIn(const FolderHandle& folder, std::vector<std::string>* names) {
  std::error_code error;
  for (fs::directory_iterator it(folder.Path(), error), end; !error && it != end; it.increment(error))
    names->push_back(it->path().filename().string());
  std::sort(names->begin(), names->end());
  return !error;
}

// What the recorder folder, requests/ or card/ holds that a writer left behind.
void TidyFolder(const FolderHandle& folder, bool card) {
  std::vector<std::string> names;
  if (!NamesIn(folder, &names)) return;
  std::error_code error;
  for (const std::string& name : names) {
    if (IsTemporaryName(name)) RemoveAbandonedTemporary(folder.Path(), name);
    else if (!card && name.rfind(".card-formatting-", 0) == 0) fs::remove_all(folder.Path() + "/" + name, error);
    else if (card && IsCompanionWithout(name, names)) ::unlink((folder.Path() + "/" + name).c_str());
  }
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.size() > 255) return false;
  return name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::string RecorderFolder::Name() const { return fs::path(m_path).filename().string(); }

HRESULT RecorderFolder::Create(const std::string& root, const RecorderModel& model, std::string_view name,
                               std::string* createdPath) {
  std::error_code error;
  fs::create_directories(root, error);
  if (error) return ResultFromErrno(error.value());
  const RecorderIdentity identity = NewIdentity(model);
  std::string finalName = name.empty() ? std::string(model.name) + "-" + identity.serialNumber : std::string(name);
  if (!IsPlainFileName(finalName) || finalName[0] == '.') return E_INVALIDARG;
  const std::string finalPath = root + "/" + finalName;
  if (fs::exists(finalPath, error)) return dpmCtrlFileExists;

  std::string work = root + "/.new-XXXXXX";
  if (!::mkdtemp(work.data())) return ResultFromErrno(errno);
  RecorderSettings settings = FactorySettings(model);
  settings.macAddress.assign(identity.macAddress.begin(), identity.macAddress.end());
  settings.firmwareVersion.assign(identity.firmwareVersion.begin(), identity.firmwareVersion.end());
  HRESULT hr = WriteNewFile(work + "/identity.json", IdentityToJson(identity));
  if (SUCCEEDED(hr)) hr = WriteNewFile(work + "/settings.json", SettingsToJson(settings));
  if (SUCCEEDED(hr)) hr = WriteNewFile(work + "/state.json", StateToJson(NewState()));
  if (SUCCEEDED(hr) && (::mkdir((work + "/card").c_str(), 0755) != 0 || ::mkdir((work + "/requests").c_str(), 0755) != 0))
    hr = ResultFromErrno(errno);
  // The recorder appears whole or not at all.
  if (SUCCEEDED(hr) && ::rename(work.c_str(), finalPath.c_str()) != 0)
    hr = errno == EEXIST || errno == ENOTEMPTY ? dpmCtrlFileExists : ResultFromErrno(errno);
  if (FAILED(hr)) {
    fs::remove_all(work, error);
    return hr;
  }
  if (createdPath) *createdPath = finalPath;
  return S_OK;
}

HRESULT RecorderFolder::Remove() const {
  std::error_code error;
  if (!fs::is_directory(m_path, error)) return dpmCtrlNoDeviceConnected;
  const fs::path folder(m_path);
  const std::string aside = (folder.parent_path() / ("." + folder.filename().string() + ".gone-" + RandomHex(6))).string();
  {
    RecorderLock lock;  // a change under way ends before its recorder goes
    if (HRESULT hr = lock.Take(m_path); FAILED(hr)) return hr;
    if (::rename(m_path.c_str(), aside.c_str()) != 0) return ResultFromErrno(errno);
  }
  fs::remove_all(aside, error);
  return S_OK;
}

HRESULT RecorderFolder::LoadIdentity(RecorderIdentity* identity) const {
  std::string text;
  if (HRESULT hr = ReadWholeFile(m_path + "/identity.json", kMaxStateFile, &text, FileLinks::Refuse); FAILED(hr))
    return hr;
  return IdentityFromJson(text, identity);
}

HRESULT RecorderFolder::LoadSettings(const RecorderModel& model, RecorderSettings* settings) const {
  std::string text;
  RecorderSettings loaded;
  if (FAILED(ReadWholeFile(m_path + "/settings.json", kMaxSettingsFileBytes, &text, FileLinks::Refuse)) ||
      FAILED(SettingsFromJson(text, &loaded)) || loaded.deviceType != model.type)
    return dpmCtrlReadDeviceConfiguration;
  *settings = std::move(loaded);
  return S_OK;
}

HRESULT RecorderFolder::StoreSettings(const RecorderSettings& settings) const {
  RecorderLock lock;
  if (HRESULT hr = TakeForWriting(m_path, &lock); FAILED(hr)) return hr;
  return WriteConfiguration("settings.json", SettingsToJson(settings));
}

HRESULT RecorderFolder::UpdateSettings(const RecorderModel& model,
                                       const std::function<HRESULT(RecorderSettings&)>& change) const {
  RecorderLock lock;
  if (HRESULT hr = TakeForWriting(m_path, &lock); FAILED(hr)) return hr;
  RecorderSettings settings;
  if (HRESULT hr = LoadSettings(model, &settings); FAILED(hr)) return hr;
  if (HRESULT hr = change(settings); hr != S_OK) return hr;
  return WriteConfiguration("settings.json", SettingsToJson(settings));
}

HRESULT RecorderFolder::LoadState(RecorderState* state) const {
  std::string text;
  if (FAILED(ReadWholeFile(m_path + "/state.json", kMaxStateFile, &text, FileLinks::Refuse)) ||
      FAILED(StateFromJson(text, state)))
    return dpmCtrlReadDeviceConfiguration;
  return S_OK;
}

HRESULT RecorderFolder::UpdateState(const std::function<HRESULT(RecorderState&)>& change) const {
  RecorderLock lock;
  if (HRESULT hr = TakeForWriting(m_path, &lock); FAILED(hr)) return hr;
  RecorderState state;
  if (HRESULT hr = LoadState(&state); FAILED(hr)) return hr;
  if (HRESULT hr = change(state); hr != S_OK) return hr;
  return WriteConfiguration("state.json", StateToJson(state));
}

HRESULT RecorderFolder::WriteConfiguration(const char* name, std::string_view content) const {
  HRESULT hr = WriteFileAtomically(m_path + "/" + name, content, FileLinks::Refuse);
  if (SUCCEEDED(hr)) return S_OK;
  return hr == dpmCtrlOutOfDiskSpace ? hr : dpmCtrlWriteDeviceConfiguration;
}

HRESULT RecorderFolder::OpenCard(FolderHandle* card) const {
  FolderHandle recorder;
  if (HRESULT hr = recorder.Open(m_path); FAILED(hr)) return hr == dpmCtrlInvalidFile ? hr : dpmCtrlNoDrive;
  if (HRESULT hr = card->OpenChild(recorder, "card"); FAILED(hr)) return hr == dpmCtrlInvalidFile ? hr : dpmCtrlNoDrive;
  return S_OK;
}

HRESULT RecorderFolder::ListCard(std::vector<CardFile>* files) const {
  FolderHandle card;
  if (HRESULT hr = OpenCard(&card); FAILED(hr)) return hr;
  std::vector<std::string> names;
  if (!NamesIn(card, &names)) return dpmCtrlNoDrive;
  std::vector<CardFile> found;
  for (const std::string& name : names) {
    if (IsTemporaryName(name) || IsCompanionWithout(name, names)) continue;
    // Another process may rename or delete an entry between the listing and the look at it.
    struct stat st {};
    if (::fstatat(card.Descriptor(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno == ENOENT) continue;
      return dpmCtrlNoDrive;
    }
    if (S_ISREG(st.st_mode)) found.push_back({name, static_cast<std::uint64_t>(st.st_size)});
    else if (S_ISLNK(st.st_mode)) found.push_back({name, 0, true});
  }
  *files = std::move(found);
  return S_OK;
}

HRESULT RecorderFolder::FormatCard() const {
  RecorderLock lock;
  if (HRESULT hr = lock.Take(m_path); FAILED(hr)) return hr;
  std::error_code error;
  const std::string aside = m_path + "/.card-formatting-" + RandomHex(6);
  if (fs::exists(CardPath(), error) && ::rename(CardPath().c_str(), aside.c_str()) != 0)
    return dpmCtrlNoDrive;
  if (::mkdir(CardPath().c_str(), 0755) != 0 && errno != EEXIST) return ResultFromErrno(errno);
  fs::remove_all(aside, error);
  return S_OK;
}

HRESULT RecorderFolder::DeleteCardFile(std::string_view name) const {
  if (!IsPlainFileName(name)) return E_INVALIDARG;
  FolderHandle card;
  if (HRESULT hr = OpenCard(&card); FAILED(hr)) return hr;
  const std::string file(name);
  struct stat st {};
  if (::fstatat(card.Descriptor(), file.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return dpmCtrlFileNotFound;
  if (S_ISLNK(st.st_mode)) return dpmCtrlInvalidFile;
  if (!S_ISREG(st.st_mode)) return dpmCtrlFileNotFound;
  if (::unlinkat(card.Descriptor(), file.c_str(), 0) != 0) return ResultFromErrno(errno);
  return S_OK;
}

HRESULT RecorderFolder::StoreFile(std::string_view name, std::string_view content) const {
  if (!IsPlainFileName(name)) return E_INVALIDARG;
  RecorderLock lock;
  if (HRESULT hr = lock.Take(m_path); FAILED(hr)) return hr;
  return WriteFileAtomically(m_path + "/" + std::string(name), content, FileLinks::Refuse);
}

void RecorderFolder::Tidy() const {
  RecorderLock lock;
  if (lock.TryTake(m_path) != S_OK) return;
  FolderHandle recorder;
  if (FAILED(recorder.Open(m_path))) return;
  TidyFolder(recorder, false);
  for (const char* name : {"requests", "card"}) {
    FolderHandle inside;
    if (SUCCEEDED(inside.OpenChild(recorder, name))) TidyFolder(inside, name == std::string_view("card"));
  }
}

HRESULT RecorderFolder::PostRequest(std::string_view json) const {
  static std::atomic<unsigned> sequence{0};
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  char name[96];
  std::snprintf(name, sizeof name, "/%020lld-%06d-%04u.json",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                static_cast<int>(::getpid() % 1000000), sequence++ % 10000);
  RecorderLock lock;  // held while the temporary file exists, so tidying leaves it alone
  if (HRESULT hr = lock.Take(m_path); FAILED(hr)) return hr;
  return WriteFileAtomically(RequestsPath() + name, json, FileLinks::Refuse);
}

std::vector<std::string> RecorderFolder::TakeRequests() const {
  FolderHandle recorder, folder;
  std::vector<std::string> names;
  if (FAILED(recorder.Open(m_path)) || FAILED(folder.OpenChild(recorder, "requests")) || !NamesIn(folder, &names))
    return {};
  std::vector<std::string> requests;
  for (const std::string& name : names) {
    if (name.size() <= 5 || name.compare(name.size() - 5, 5, ".json") != 0 || name[0] == '.') continue;
    std::string text;
    if (SUCCEEDED(ReadWholeFile(RequestsPath() + "/" + name, kMaxRequestFile, &text, FileLinks::Refuse)))
      requests.push_back(std::move(text));
    ::unlinkat(folder.Descriptor(), name.c_str(), 0);
  }
  return requests;
}
