// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The services a window asks of its host: message boxes and the system's file, folder and audio
// format choosers. The application runs with the Qt host (real dialogs); tests install a ScriptedHost
// that answers from a script and records what was shown.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui/WinTypes.h"

struct OpenFileRequest {
  std::string title;
  std::string filter;       // "Name|*.ext|...|" pairs; empty: all files
  std::string initialPath;
};

// Folder browser flags.
constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_STATUSTEXT = 0x0004;

// Audio format chooser flags (this platform's values).
constexpr DWORD ACMFORMATCHOOSE_STYLEF_CONTEXTHELP = 0x00000080;
constexpr DWORD ACM_FORMATENUMF_INPUT = 0x00800000;
constexpr std::size_t ACM_METRIC_MAX_SIZE_FORMAT = 50;

struct AudioFormatRequest {
  std::string title;
  std::string initialName;
  DWORD style = 0;
  DWORD enumFlags = 0;
  std::size_t maxFormatSize = ACM_METRIC_MAX_SIZE_FORMAT;
};

struct AudioFormatChoice {
  std::string name;        // the format's name; may be empty
  std::string formatTag;   // e.g. "PCM"
  std::string format;      // e.g. "16,000 kHz, 16 Bit, Mono"
  std::vector<BYTE> block; // the format block (WAVEFORMATEX layout, little-endian)
};

class IHostServices {
 public:
  virtual ~IHostServices() = default;
  // Returns IDOK, IDCANCEL, IDYES or IDNO.
  virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) = 0;
  // True with the chosen path; false when cancelled.
  virtual bool GetOpenFileName(HWND owner, const OpenFileRequest& request, std::string& path) = 0;
  virtual bool BrowseForFolder(HWND owner, const std::string& title, UINT flags, std::string& folder) = 0;
  virtual bool ChooseAudioFormat(HWND owner, const AudioFormatRequest& request, AudioFormatChoice& choice) = 0;
};

// The installed host (the Qt host unless another one was installed).
IHostServices& GetHostServices();
// Installs a host (null: the Qt host again) and returns the one it replaced.
IHostServices* SetHostServices(IHostServices* host);

// A message box captioned with the application's name, owned by the active window.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
