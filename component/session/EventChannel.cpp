// SPDX-License-Identifier: GPL-3.0-or-later
#include "component/session/EventChannel.h"

#include "platform/automation/Bstr.h"
#include "platform/automation/Variant.h"

EventArgument NumberArgument(LONG value) { return {false, value, {}}; }

EventArgument TextArgument(std::u16string text) { return {true, 0, std::move(text)}; }

void EventChannel::Post(DISPID event, std::vector<EventArgument> arguments) {
  if (!m_dispatcher) return;
  std::weak_ptr<EventChannel> weak = weak_from_this();
  m_dispatcher->Post([weak, event, arguments = std::move(arguments)] {
    if (auto channel = weak.lock()) channel->Deliver(event, arguments);
  });
}

void EventChannel::Close() {
  if (m_point) m_point->DisconnectAll();
  m_point = nullptr;
}

void EventChannel::Deliver(DISPID event, const std::vector<EventArgument>& arguments) {
  if (!m_point) return;
  // Automation passes arguments last first.
  std::vector<VARIANT> values(arguments.size());
  for (size_t i = 0; i < arguments.size(); ++i) {
    VARIANT& v = values[arguments.size() - 1 - i];
    VariantInit(&v);
    if (arguments[i].isText) {
      v.vt = VT_BSTR;
      v.bstrVal = SysAllocStringLen(arguments[i].text.data(), static_cast<UINT>(arguments[i].text.size()));
    } else {
      v.vt = VT_I4;
      v.lVal = arguments[i].number;
    }
  }
  DISPPARAMS params{values.data(), nullptr, static_cast<UINT>(values.size()), 0};
  for (const ComPtr<IDispatch>& sink : m_point->SinksAs<IDispatch>()) {
    Variant result;
    sink->Invoke(event, GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.Get(), nullptr, nullptr);
  }
  for (VARIANT& v : values) VariantClear(&v);
}
