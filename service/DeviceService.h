#pragma once

// The device service component: the virtual mouse behind CoCreateInstance. A program calls
// RegisterDeviceService once at start (the class must be entered explicitly: a static library's
// self-registration would be dropped by the linker); afterwards
//   CoCreateInstance(CLSID_QuorDeviceService, nullptr, CLSCTX_ALL, IID_IDeviceEnum, &enumerator)
// gives the device enumerator. Every other interface comes from there.
//
// The virtual mouse lives in the SQLite file named by QUOR_DEVICE_DB, else
// $XDG_DATA_HOME/morva/quor-device.sqlite (~/.local/share when unset); a missing file is made in
// the factory state. Several processes may use it at once.

#include "device/DeviceIds.h"
#include "platform/com/HResult.h"

HRESULT RegisterDeviceService();
