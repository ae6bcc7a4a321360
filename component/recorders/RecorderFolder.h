// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One simulated recorder: its folder ("drive") and the files in it.
//
//   identity.json   model and identity (RecorderState.h), written once
//   settings.json   the committed settings (SettingsJson.h)
//   state.json      clock offset, LEDs, images, scanner, barcode layout, security hashes
//   card/           the memory card: dictation files
//   requests/       what the recorder tool asks a running session to report (button, barcode, scanner)
//
//   .lock           what the recorder's lock is taken on (RecorderLock.h)
//
// None of these may be a link: one is refused (dpmCtrlInvalidFile) and never followed.
// Every file is replaced atomically, and every change to the files beside card/ (and to requests/)
// holds the recorder's lock from reading to writing back. Every folder of the recorders folder is a
// recorder, a damaged one when its identity.json is not valid; folders starting with '.' are work in
// progress and ignored, so a recorder appears and disappears with one rename.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "component/models/RecorderModel.h"
#include "component/recorders/FolderHandle.h"
#include "component/recorders/RecorderState.h"
#include "component/settings/RecorderSettings.h"

struct CardFile {
  std::string name;
  std::uint64_t bytes;
  bool link = false;  // listed as what it is, and never followed
};

class RecorderFolder {
 public:
  explicit RecorderFolder(std::string path) : m_path(std::move(path)) {}

  // Makes a new recorder of the model in `root` (created when missing), named `name` or, when empty,
  // after the model and its serial number. dpmCtrlFileExists when the name is taken.
  static HRESULT Create(const std::string& root, const RecorderModel& model, std::string_view name,
                        std::string* createdPath);
  // Takes the recorder away (the unplugging), damaged or not; dpmCtrlNoDeviceConnected when it is not
  // there.
  HRESULT Remove() const;

  const std::string& Path() const { return m_path; }
  std::string Name() const;

  HRESULT LoadIdentity(RecorderIdentity* identity) const;
  // dpmCtrlReadDeviceConfiguration when the file is missing, damaged or of another model.
  HRESULT LoadSettings(const RecorderModel& model, RecorderSettings* settings) const;
  // dpmCtrlWriteDeviceConfiguration (dpmCtrlOutOfDiskSpace for a full disk); the old file stays whole.
  HRESULT StoreSettings(const RecorderSettings& settings) const;
  // LoadSettings, `change`, StoreSettings, all under the recorder's lock. What `change` returns other
  // than S_OK comes back as it is, and nothing is written.
  HRESULT UpdateSettings(const RecorderModel& model,
                         const std::function<HRESULT(RecorderSettings&)>& change) const;
  HRESULT LoadState(RecorderState* state) const;
  // Reads the state, lets `change` change it and writes it back, all under the recorder's lock. What
  // `change` returns other than S_OK comes back as it is, and nothing is written.
  HRESULT UpdateState(const std::function<HRESULT(RecorderState&)>& change) const;

  // The card's files and links, without the temporary files of writers at work or gone and without
  // companions whose dictation is not there. dpmCtrlInvalidFile when card/ is a link.
  HRESULT ListCard(std::vector<CardFile>* files) const;
  // Empties the card in one step: the old card is moved aside first, then deleted.
  HRESULT FormatCard() const;
  // E_INVALIDARG for a name that is not a plain file name, dpmCtrlFileNotFound when absent.
  HRESULT DeleteCardFile(std::string_view name) const;
  // Stores a file beside the recorder's state (welcome screen, display image).
  HRESULT StoreFile(std::string_view name, std::string_view content) const;

  // Deletes what an interrupted write or format left behind (temporary files, a card moved aside,
  // companions whose dictation never arrived). Only while nobody holds the recorder's lock: then no
  // writer is at work and what is found is abandoned (a card's temporary file also only when its
  // writer is gone: tasks write there without the lock). When someone does, the tidying waits for
  // another time. A link is removed as a name, never followed; a linked folder is left alone.
  void Tidy() const;

  // Queues a request for a running session (the tool's side).
  HRESULT PostRequest(std::string_view json) const;
  // Takes every queued request, oldest first.
  std::vector<std::string> TakeRequests() const;

  std::string CardPath() const { return m_path + "/card"; }
  std::string RequestsPath() const { return m_path + "/requests"; }

 private:
  // card/, opened without following a link: dpmCtrlInvalidFile for one, dpmCtrlNoDrive when missing.
  HRESULT OpenCard(FolderHandle* card) const;
  // Under the lock: dpmCtrlWriteDeviceConfiguration, or dpmCtrlOutOfDiskSpace for a full disk.
  HRESULT WriteConfiguration(const char* name, std::string_view content) const;

  std::string m_path;
};

// Whether a name (no folder part) may be a file on the card or in the recorder folder.
bool IsPlainFileName(std::string_view name);
