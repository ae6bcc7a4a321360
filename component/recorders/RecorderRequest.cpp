// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/recorders/RecorderRequest.h"

#include "component/settings/JsonChecks.h"

using json_checks::Json;

std::string RequestToJson(const RecorderRequest& request) {
  switch (request.kind) {
    case RecorderRequest::Kind::Button: return Json{{"action", "button"}, {"button", request.button}}.dump();
    case RecorderRequest::Kind::Barcode:
      return Json{{"action", "barcode"}, {"code", request.code}}.dump(-1, ' ', false, Json::error_handler_t::replace);
    case RecorderRequest::Kind::Scanner: return Json{{"action", "scanner"}, {"attached", request.attached}}.dump();
  }
  return {};
}

bool RequestFromJson(std::string_view text, RecorderRequest* out) {
  Json doc;
  std::string action;
  if (!json_checks::Parse(text, &doc) || !doc.is_object() || !doc.contains("action") ||
      !json_checks::GetString(doc["action"], &action))
    return false;
  RecorderRequest request;
  if (action == "button") {
    request.kind = RecorderRequest::Kind::Button;
    if (!json_checks::HasExactly(doc, {"action", "button"}) || !json_checks::GetLong(doc["button"], &request.button) ||
        request.button < 0 || request.button > kLastButtonCode)
      return false;
  } else if (action == "barcode") {
    request.kind = RecorderRequest::Kind::Barcode;
    if (!json_checks::HasExactly(doc, {"action", "code"}) || !json_checks::GetString(doc["code"], &request.code) ||
        request.code.empty() || request.code.size() > kMaxBarcodeLength)
      return false;
    for (char c : request.code)
      if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  } else if (action == "scanner") {
    request.kind = RecorderRequest::Kind::Scanner;
    if (!json_checks::HasExactly(doc, {"action", "attached"}) || !json_checks::GetBool(doc["attached"], &request.attached))
      return false;
  } else {
    return false;
  }
  *out = std::move(request);
  return true;
}
