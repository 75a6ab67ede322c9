#pragma once

// Macro events between the model (virtual-key codes, MacroEvent) and the device service
// (scan codes, MacroEventBuffer).

#include "device/MacroEventBuffer.h"
#include "model/MacroEvent.h"

#include <vector>

// A CoTaskMemAlloc buffer the caller frees with CoTaskMemFree; null when memory is short.
// Events of an unknown type stay zero records, which a reader skips.
MacroEventBuffer* MakeMacroEventBuffer(const std::vector<MacroEvent>& events);

// Key and pause events of the buffer; records of other kinds are skipped.
std::vector<MacroEvent> ReadMacroEventBuffer(const MacroEventBuffer& buffer);
