// SPDX-License-Identifier: GPL-3.0-or-later
#include "quorvelctl/session/CommandContext.h"

bool CCommandContext::SelectedDevice(ComPtr<IDPMDevice>* device, ExitCode* exit) {
  const HRESULT hr = m_session.Device(m_line.device, device);
  if (SUCCEEDED(hr)) return true;
  *exit = m_console.Failure("recorder " + std::to_string(m_line.device), hr);
  return false;
}
