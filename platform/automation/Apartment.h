// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Single-threaded apartments and their dispatcher.
//
// Each apartment thread has one dispatcher. Other threads (and the apartment itself) post calls to it;
// the calls, due timers and ready file descriptors run on the apartment's thread, in order, only while
// that thread pumps. WaitHandle() is a file descriptor that is readable whenever something is due, so
// an event loop (Qt's, in platform/ui) can watch it and call Pump(); a test can call Pump() by hand.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/automation/Types.h"

constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

// S_OK for the thread's first call, S_FALSE for a nested one (each needs its CoUninitialize);
// RPC_E_CHANGED_MODE for anything but COINIT_APARTMENTTHREADED.
HRESULT CoInitializeEx(void* reserved, DWORD coinit);
// Ends one CoInitializeEx; the last one ends the apartment and disconnects its dispatcher.
void CoUninitialize();

class ApartmentDispatcher {
 public:
  using Call = std::function<void()>;
  using TimerId = std::uint32_t;
  using WatchId = std::uint32_t;

  virtual ~ApartmentDispatcher() = default;

  // Any thread. RPC_E_DISCONNECTED once the apartment has ended (the call is dropped).
  virtual HRESULT Post(Call call) = 0;

  // Apartment thread only. A timer repeats every `ms` until killed; ids are never 0.
  virtual TimerId SetTimer(unsigned ms, Call call) = 0;
  virtual void KillTimer(TimerId id) = 0;
  // Calls `call` each time the descriptor is readable while the thread pumps (level-triggered: the
  // call must read what is there).
  virtual WatchId WatchReadable(int fd, Call call) = 0;
  virtual void Unwatch(WatchId id) = 0;

  virtual int WaitHandle() const = 0;
  // Runs what is due now, without waiting; returns how many calls ran. Re-entrant.
  virtual std::size_t Pump() = 0;
  // Waits up to `ms` for something to be due, then pumps.
  virtual std::size_t PumpFor(int ms) = 0;
  virtual bool IsApartmentThread() const = 0;
};

// The calling thread's dispatcher; null outside an apartment.
std::shared_ptr<ApartmentDispatcher> CoGetApartmentDispatcher();
