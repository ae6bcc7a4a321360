#include "fuzz/ComponentInputFuzz.h"

#include <cstdlib>
#include <string_view>

#include "component/RecorderRequest.h"
#include "component/RecorderState.h"
#include "component/SettingsEditor.h"
#include "component/SettingsJson.h"

int FuzzComponentInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RecorderSettings settings;
  if (SUCCEEDED(SettingsFromJson(text, &settings))) {
    // What import accepts is valid for its model and reads back the same.
    const RecorderModel* model = FindRecorderModel(settings.deviceType);
    if (!model || FAILED(ValidateSettings(*model, settings))) std::abort();
    RecorderSettings again;
    if (FAILED(SettingsFromJson(SettingsToJson(settings), &again)) || !(again == settings)) std::abort();
  }
  RecorderIdentity identity;
  if (SUCCEEDED(IdentityFromJson(text, &identity))) {
    RecorderIdentity again;
    if (FAILED(IdentityFromJson(IdentityToJson(identity), &again)) || again.serialNumber != identity.serialNumber)
      std::abort();
  }
  RecorderState state;
  if (SUCCEEDED(StateFromJson(text, &state))) {
    RecorderState again;
    if (FAILED(StateFromJson(StateToJson(state), &again)) || again.pukHash != state.pukHash) std::abort();
  }
  RecorderRequest request;
  if (RequestFromJson(text, &request)) {
    RecorderRequest again;
    if (!RequestFromJson(RequestToJson(request), &again) || again.kind != request.kind) std::abort();
  }
  return 0;
}
