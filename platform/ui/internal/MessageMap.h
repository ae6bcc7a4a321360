// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window object's message map: the handlers its class registered, searched in registration order.
// Private to platform/ui.
#include <functional>
#include <vector>

#include "platform/ui/Wnd.h"

struct CWnd::MessageMap {
  struct Command {
    UINT code;
    int first;
    int last;
    std::function<void(UINT)> fn;
  };
  struct Notify {
    UINT code;
    int id;
    bool reflected;
    std::function<void(NMHDR*, LRESULT*)> fn;
  };
  struct Message {
    UINT message;
    std::function<LRESULT(WPARAM, LPARAM)> fn;
  };
  std::vector<Command> commands;
  std::vector<Notify> notifies;
  std::vector<Message> messages;
};
