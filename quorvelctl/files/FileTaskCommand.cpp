// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/files/FileTaskCommand.h"

#include <filesystem>
#include <nlohmann/json.hpp>

#include "device/DpmEvents.h"
#include "device/DpmResults.h"
#include "platform/automation/Apartment.h"
#include "quorvelctl/cli/ProgressBar.h"
#include "quorvelctl/cli/TextCodec.h"

namespace {

constexpr int kPumpMs = 200;
constexpr LONG kTaskOver = 100;

// copy and move take a folder: without this check a missing one would become the copy's file name.
bool IsFolder(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

ExitCode CFileTaskCommand::Copy(CCommandContext& context) {
  return CFileTaskCommand(context, "copy")
      .Run([](IDPMControl* control, BSTR source,
              BSTR destination) { return control->Copy(source, destination, VARIANT_FALSE); },
           "copied");
}

ExitCode CFileTaskCommand::Move(CCommandContext& context) {
  return CFileTaskCommand(context, "move")
      .Run([](IDPMControl* control, BSTR source,
              BSTR destination) { return control->Move(source, destination, VARIANT_FALSE); },
           "moved");
}

ExitCode CFileTaskCommand::Run(const Start& start, const char* done) {
  const CConsole& console = m_context.Console();
  const std::string& source = m_context.Line().arguments[0];
  const std::string& destination = m_context.Line().arguments[1];
  const std::string label = std::string(m_verb) + " " + source;
  if (!IsFolder(destination)) {
    return console.Failure(label + ": " + destination + " is not a folder", dpmCtrlPathNotFound);
  }
  std::optional<Bstr> wideSource = Utf8ToBstr(source), wideDestination = Utf8ToBstr(destination);
  if (!wideSource || !wideDestination) return console.Failure(label + ": a name that is not UTF-8", E_INVALIDARG);

  IDPMControl* control = m_context.Session().Control();
  CDeviceEvents events{DPMEventProgress};
  if (HRESULT hr = events.Attach(control); FAILED(hr)) return console.Failure("following the task", hr);
  // Caught from before the start, so no signal can end the program with the task half done.
  const CStopSignals stop;
  HRESULT hr = stop.Requested() ? dpmCtrlOperationCancelled : start(control, wideSource->Get(), wideDestination->Get());
  if (SUCCEEDED(hr)) hr = Follow(events, stop);
  events.Detach();
  if (FAILED(hr)) return console.Failure(label, hr);
  if (console.Json()) {
    console.OrderedDocument({{"task", m_verb}, {"source", source}, {"destination", destination}, {"done", done}});
  } else {
    console.Line(std::string(done) + " " + source + " to " + destination);
  }
  return kExitDone;
}

HRESULT CFileTaskCommand::Follow(CDeviceEvents& events, const CStopSignals& stop) {
  std::shared_ptr<ApartmentDispatcher> dispatcher = CoGetApartmentDispatcher();
  CProgressBar bar;
  bool cancelling = false;
  for (;;) {
    dispatcher->PumpFor(kPumpMs);
    if (stop.Requested() && !cancelling) {
      // The task still ends with its last progress event, with this code as its result.
      cancelling = SUCCEEDED(m_context.Session().Control()->CancelTasks(dpmCtrlOperationCancelled));
    }
    for (DeviceEvent event; events.Take(&event);) {
      // A failed or cancelled task's last event is no full bar.
      if (event.percent < kTaskOver || SUCCEEDED(event.result)) bar.Show(event.text, event.percent);
      if (event.percent >= kTaskOver) return event.result;
    }
  }
}
