// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/tool/RecorderTool.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <ostream>
#include <sys/stat.h>

#include "component/models/TextRules.h"
#include "component/recorders/FileAccess.h"
#include "component/recorders/RecorderFolder.h"
#include "component/recorders/RecorderRequest.h"
#include "component/recorders/RecordersRoot.h"
#include "component/settings/SettingsReport.h"

namespace {

constexpr const char* kUsage =
    "usage: dpmrecorder [--root FOLDER] COMMAND [ARGUMENTS]\n"
    "       dpmrecorder --version\n"
    "\n"
    "Simulated DPM recorders live in FOLDER (default: $QUORVEL_RECORDERS, else\n"
    "$XDG_DATA_HOME/quorvel/recorders, else ~/.local/share/quorvel/recorders).\n"
    "\n"
    "commands:\n"
    "  models                      list the recorder models\n"
    "  add MODEL [NAME]            plug in a new recorder of MODEL (a name or type id)\n"
    "  remove NAME                 unplug a recorder and delete it\n"
    "  list                        list the recorders\n"
    "  show NAME                   model, clock, every setting, keyword and value row,\n"
    "                                the DPM4 record and the card files of a recorder\n"
    "  press NAME BUTTON           press a button: stop play record insert eol rewind\n"
    "  release NAME BUTTON           forward dls del dialup dialdown dialpress smart1\n"
    "                                smart2 programmable, or a button code 0 to 29\n"
    "  scan NAME CODE              scan a barcode\n"
    "  scanner NAME attach|detach  attach or detach a barcode scanner\n"
    "  put NAME FILE               copy a dictation file onto the recorder's card\n"
    "  record NAME SECONDS [START-END ...]\n"
    "                              record a dictation of SECONDS on the card, with spoken\n"
    "                                instructions from START to END seconds\n";

constexpr const char* kButtons[] = {"stop", "play",   "record",  "insert",    "eol",    "rewind", "forward",     "dls",
                                    "del",  "dialup", "dialdown", "dialpress", "smart1", "smart2", "programmable"};

bool ParseNumber(const std::string& text, long* out) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  *out = std::stol(text);
  return true;
}

// The press code of a button name or the code itself; -1 when unknown.
long ButtonCode(const std::string& text, bool press) {
  long code = -1;
  if (ParseNumber(text, &code)) return code <= kLastButtonCode ? code : -1;
  for (size_t i = 0; i < std::size(kButtons); ++i)
    if (text == kButtons[i]) return static_cast<long>(i * 2) + (press ? 0 : 1);
  return -1;
}

const RecorderModel* ModelOf(const std::string& text) {
  long type = 0;
  if (ParseNumber(text, &type)) return FindRecorderModel(static_cast<LONG>(type));
  return FindRecorderModelByName(text.c_str());
}

std::string ClockText(std::int64_t offsetSeconds) {
  std::time_t now = std::time(nullptr) + static_cast<std::time_t>(offsetSeconds);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[64];
  std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
  return buffer;
}

}  // namespace

int RecorderTool::Run(const std::vector<std::string>& all) {
  std::vector<std::string> args = all;
  m_root = RecordersRoot();
  if (args.size() >= 2 && args[0] == "--root") {
    m_root = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) return Usage("no command given");
  const std::string& command = args[0];
  const size_t n = args.size();
  if (command == "help" || command == "--help" || command == "-h") {
    m_out << kUsage;
    return 0;
  }
  if (command == "models" && n == 1) return Models();
  if (command == "add" && (n == 2 || n == 3)) return Add(args);
  if (command == "remove" && n == 2) return Remove(args[1]);
  if (command == "list" && n == 1) return List();
  if (command == "show" && n == 2) return Show(args[1]);
  if ((command == "press" || command == "release") && n == 3) return Button(args[1], args[2], command == "press");
  if (command == "scan" && n == 3) return Scan(args[1], args[2]);
  if (command == "scanner" && n == 3) return Scanner(args[1], args[2]);
  if (command == "put" && n == 3) return PutFile(args[1], args[2]);
  if (command == "record" && n >= 3) return Record(args);
  return Usage("unknown command or wrong number of arguments: " + command);
}

int RecorderTool::Usage(const std::string& problem) {
  m_err << "dpmrecorder: " << problem << "\n\n" << kUsage;
  return 2;
}

int RecorderTool::Fail(const std::string& message) {
  m_err << "dpmrecorder: " << message << "\n";
  return 1;
}

int RecorderTool::Models() {
  for (const RecorderModel& model : AllRecorderModels())
    m_out << model.type << "\t" << model.name << "\t" << model.keywordCount << " keywords x " << model.keywordRows
          << " values" << (model.IsDpm4() ? "\tDPM4" : "") << "\n";
  return 0;
}

int RecorderTool::Add(const std::vector<std::string>& args) {
  const RecorderModel* model = ModelOf(args[1]);
  if (!model) return Fail("unknown model '" + args[1] + "' (see: dpmrecorder models)");
  std::string path;
  HRESULT hr = RecorderFolder::Create(m_root, *model, args.size() == 3 ? args[2] : std::string(), &path);
  if (hr == E_INVALIDARG) return Fail("'" + args[2] + "' cannot be a recorder name");
  if (FAILED(hr)) return Fail("cannot add the recorder in " + m_root + ": " + DescribeFileResult(hr));
  m_out << RecorderFolder(path).Name() << "\n";
  return 0;
}

std::string RecorderTool::AnyFolderOf(const std::string& name) {
  if (!IsPlainFileName(name) || name[0] == '.') {
    Fail("'" + name + "' is not a recorder name");
    return {};
  }
  const std::string path = m_root + "/" + name;
  std::error_code error;
  if (!std::filesystem::is_directory(path, error)) {
    Fail("no recorder '" + name + "' in " + m_root + " (see: dpmrecorder list)");
    return {};
  }
  return path;
}

std::string RecorderTool::FolderOf(const std::string& name) {
  const std::string path = AnyFolderOf(name);
  if (path.empty()) return {};
  RecorderIdentity identity;
  if (HRESULT hr = RecorderFolder(path).LoadIdentity(&identity); FAILED(hr)) {
    Fail("recorder '" + name + "' is damaged: its identity.json is " + DescribeFileResult(hr));
    return {};
  }
  return path;
}

int RecorderTool::Remove(const std::string& name) {
  const std::string path = AnyFolderOf(name);
  if (path.empty()) return 1;
  if (HRESULT hr = RecorderFolder(path).Remove(); FAILED(hr))
    return Fail("cannot remove " + path + ": " + DescribeFileResult(hr));
  return 0;
}

int RecorderTool::List() {
  for (const std::string& path : AllRecorderFolders(m_root)) {
    RecorderFolder folder(path);
    RecorderIdentity identity;
    m_out << folder.Name() << "\t"
          << (SUCCEEDED(folder.LoadIdentity(&identity)) ? FindRecorderModel(identity.deviceType)->name : "damaged")
          << "\n";
  }
  return 0;
}

int RecorderTool::Show(const std::string& name) {
  const std::string path = AnyFolderOf(name);
  if (path.empty()) return 1;
  RecorderFolder folder(path);
  RecorderIdentity identity;
  if (HRESULT hr = folder.LoadIdentity(&identity); FAILED(hr)) {
    m_out << "name:      " << name << "\nmodel:     damaged (identity.json: " << DescribeFileResult(hr) << ")\n";
    return 0;
  }
  const RecorderModel& model = *FindRecorderModel(identity.deviceType);
  m_out << "name:      " << name << "\nmodel:     " << model.name << " (type " << model.type << ")\n"
        << "serial:    " << identity.serialNumber << "\nMAC:       " << identity.macAddress
        << "\nfirmware:  " << identity.firmwareVersion << "\n";
  RecorderState state;
  if (SUCCEEDED(folder.LoadState(&state)))
    m_out << "clock:     " << ClockText(state.clockOffsetSeconds) << " (" << state.clockOffsetSeconds
          << " s from this computer)\nscanner:   " << (state.barcodeScanner ? "attached" : "none")
          << "\nLEDs:      " << state.leds[0] << " " << state.leds[1] << "\nPUK set:   "
          << (state.pukHash.empty() ? "no" : "yes") << "\n";
  else
    m_out << "state:     damaged\n";
  RecorderSettings settings;
  if (SUCCEEDED(folder.LoadSettings(model, &settings))) {
    SettingsReport(model, settings).Write(m_out);
  } else {
    m_out << "settings:  damaged\n";
  }
  std::vector<CardFile> files;
  if (SUCCEEDED(folder.ListCard(&files))) {
    m_out << "card:      " << files.size() << " file(s)\n";
    for (const CardFile& file : files) {
      m_out << "  " << file.name << "\t";
      if (file.link) m_out << "link (refused: dpmCtrlInvalidFile)\n";
      else m_out << file.bytes << " bytes\n";
    }
  } else {
    m_out << "card:      missing\n";
  }
  return 0;
}

int RecorderTool::Button(const std::string& name, const std::string& button, bool press) {
  const long code = ButtonCode(button, press);
  if (code < 0) return Usage("unknown button '" + button + "'");
  RecorderRequest request;
  request.kind = RecorderRequest::Kind::Button;
  request.button = static_cast<LONG>(code);
  return ChangeAndReport(name, request, [&](RecorderState& state) {
    state.lastButton = request.button;
    return S_OK;
  });
}

int RecorderTool::Scan(const std::string& name, const std::string& code) {
  RecorderRequest request;
  request.kind = RecorderRequest::Kind::Barcode;
  request.code = code;
  if (!RequestFromJson(RequestToJson(request), &request))
    return Fail("a barcode holds 1 to 128 printable ASCII characters");
  const std::string path = FolderOf(name);
  if (path.empty()) return 1;
  RecorderFolder folder(path);
  RecorderState state;
  if (FAILED(folder.LoadState(&state))) return Fail("the state of " + name + " is damaged");
  if (!state.barcodeScanner) return Fail(name + " has no barcode scanner attached (dpmrecorder scanner " + name + " attach)");
  if (FAILED(folder.PostRequest(RequestToJson(request)))) return Fail("cannot write to " + path);
  return 0;
}

int RecorderTool::Scanner(const std::string& name, const std::string& how) {
  if (how != "attach" && how != "detach") return Usage("scanner takes attach or detach, not '" + how + "'");
  RecorderRequest request;
  request.kind = RecorderRequest::Kind::Scanner;
  request.attached = how == "attach";
  return ChangeAndReport(name, request, [&](RecorderState& state) {
    state.barcodeScanner = request.attached;
    return S_OK;
  });
}

int RecorderTool::ChangeAndReport(const std::string& name, const RecorderRequest& request,
                                  const std::function<HRESULT(RecorderState&)>& change) {
  const std::string path = FolderOf(name);
  if (path.empty()) return 1;
  RecorderFolder folder(path);
  if (HRESULT hr = folder.UpdateState(change); FAILED(hr))
    return Fail("cannot change the state of " + name + ": " + DescribeFileResult(hr));
  if (HRESULT hr = folder.PostRequest(RequestToJson(request)); FAILED(hr))
    return Fail("cannot write to " + path + ": " + DescribeFileResult(hr));
  return 0;
}

int RecorderTool::PutFile(const std::string& name, const std::string& file) {
  const std::string path = FolderOf(name);
  if (path.empty()) return 1;
  std::string content;
  if (HRESULT hr = ReadWholeFile(file, 64u << 20, &content); FAILED(hr))
    return Fail("cannot read " + file + ": " + DescribeFileResult(hr));
  // The card's copy is no more readable than the file put there, as cp makes it.
  struct stat st {};
  const mode_t mode = ::stat(file.c_str(), &st) == 0 ? st.st_mode & 0777 : 0600;
  const std::string base = std::filesystem::path(file).filename().string();
  if (!IsPlainFileName(base) ||
      FAILED(WriteFileAtomically(RecorderFolder(path).CardPath() + "/" + base, content, FileLinks::Refuse, mode)))
    return Fail("cannot copy " + file + " onto the card of " + name);
  return 0;
}
