// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/automation/Apartment.h"

#include "platform/automation/internal/EpollDispatcher.h"

namespace {

struct ApartmentState {
  unsigned initializations = 0;
  std::shared_ptr<EpollDispatcher> dispatcher;
  ~ApartmentState() {
    // A thread that ends without its last CoUninitialize still ends its apartment.
    if (dispatcher) dispatcher->Disconnect();
  }
};

thread_local ApartmentState t_apartment;

}  // namespace

HRESULT CoInitializeEx(void* reserved, DWORD coinit) {
  if (coinit != COINIT_APARTMENTTHREADED) return RPC_E_CHANGED_MODE;
  if (t_apartment.initializations > 0) {
    ++t_apartment.initializations;
    return S_FALSE;
  }
  std::shared_ptr<EpollDispatcher> dispatcher = EpollDispatcher::Create();
  if (!dispatcher) return E_OUTOFMEMORY;
  t_apartment.dispatcher = std::move(dispatcher);
  t_apartment.initializations = 1;
  return S_OK;
}

void CoUninitialize() {
  if (t_apartment.initializations == 0) return;
  if (--t_apartment.initializations > 0) return;
  std::shared_ptr<EpollDispatcher> dispatcher = std::move(t_apartment.dispatcher);
  dispatcher->Disconnect();
}

std::shared_ptr<ApartmentDispatcher> CoGetApartmentDispatcher() { return t_apartment.dispatcher; }
