#pragma once

// The device object's three tables: the device bit and the device index of each mouse button,
// and the DeviceAssignment template of each function code; with them the translation of an
// AssignmentRecord into the device's record and back, and the NumLock rule of single keys.
// Empty until Build; an empty table translates every code as kind 0 and knows no button.

#include "device/DeviceAssignment.h"
#include "model/AssignmentRecord.h"

#include <cstdint>
#include <map>

class DeviceTables {
public:
    // Always succeeds; building again gives the same tables.
    void Build();
    void Clear();

    // 0 for a button without a row.
    uint32_t ButtonBit(int32_t button) const;
    uint32_t ButtonIndex(int32_t button) const;
    // The lowest button number whose value matches; 0 (no button) when none does.
    int32_t ButtonOfBit(uint32_t bit) const;
    int32_t ButtonOfIndex(uint32_t index) const;

    // The template of a function code; a code without a row gives an all-zero record (kind 0).
    DeviceAssignment Template(int32_t function) const;
    // The device record for a button index or key scan code (target, at offset 4).
    DeviceAssignment Translate(const AssignmentRecord& record, uint32_t target) const;
    // The model record of a device record: function -1 when no row explains it.
    AssignmentRecord ReverseTranslate(const DeviceAssignment& assignment) const;

private:
    std::map<int32_t, uint32_t> m_buttonBits;
    std::map<int32_t, uint32_t> m_buttonIndices;
    std::map<int32_t, DeviceAssignment> m_actions;
};

// The NumLock key never goes to the device with the extended flag, and always comes back with
// it (single-key records only; other records are left alone).
void ApplyNumLockRuleForWrite(AssignmentRecord& record);
void ApplyNumLockRuleForRead(AssignmentRecord& record);
