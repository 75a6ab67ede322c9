#pragma once

// Everything the virtual mouse keeps for one profile.

#include "device/DeviceAssignment.h"
#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quor::service {

struct ProfileState {
    GUID id;
    std::u16string name;
    std::u16string program;
    uint16_t flags = 0;
    int32_t rangeMin = 0;
    int32_t rangeMax = 0;
    int32_t rangeStep = 0;
    std::vector<std::pair<int32_t, int32_t>> stages;
    int32_t stageIndex = 1; // from 1
    int32_t currentX = 0;
    int32_t currentY = 0;
    std::vector<DeviceAssignment> buttons; // one per button slot, in slot order
    std::vector<DeviceAssignment> keys;    // one per thumb key, in key order
    std::vector<uint32_t> lights;          // state per light index

    // A profile as the factory makes it.
    static ProfileState Factory(REFGUID id, std::u16string name);

    int32_t Clamp(int32_t value) const;
};

// GetAll of a button or key map: the first *count records (all when they fit); S_FALSE when
// some did not fit.
HRESULT CopyAssignments(const std::vector<DeviceAssignment>& from, uint32_t* count, DeviceAssignment* records);

// SetAssignments: replaces the records of the same targets; E_INVALIDARG (and no change) when
// a target is not one of the map's or a kind is unknown.
HRESULT ApplyAssignments(std::vector<DeviceAssignment>& to, uint32_t count, const DeviceAssignment* records);

} // namespace quor::service
