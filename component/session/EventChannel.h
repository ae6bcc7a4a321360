// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Delivers _DDPMControlEvents to the sinks of the control's connection point. An event is always
// posted to the apartment's dispatcher and delivered when the apartment thread pumps, never inside
// the caller's own call. After Close nothing more is delivered.
#include <memory>
#include <string>
#include <vector>

#include "platform/automation/Apartment.h"
#include "platform/automation/ConnectionPointImpl.h"

struct EventArgument {
  bool isText = false;
  LONG number = 0;
  std::u16string text;
};

class EventChannel : public std::enable_shared_from_this<EventChannel> {
 public:
  EventChannel(std::shared_ptr<ApartmentDispatcher> dispatcher, ComPtr<ConnectionPointImpl> point)
      : m_dispatcher(std::move(dispatcher)), m_point(std::move(point)) {}

  void Post(DISPID event, std::vector<EventArgument> arguments);
  void Close();
  const std::shared_ptr<ApartmentDispatcher>& Dispatcher() const { return m_dispatcher; }

 private:
  void Deliver(DISPID event, const std::vector<EventArgument>& arguments);

  std::shared_ptr<ApartmentDispatcher> m_dispatcher;
  ComPtr<ConnectionPointImpl> m_point;
};

EventArgument NumberArgument(LONG value);
EventArgument TextArgument(std::u16string text);
