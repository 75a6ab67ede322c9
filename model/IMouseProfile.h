#pragma once

// A profile: one named set of mouse settings (assignments, sensitivity stages and range, thumb
// keys, lights, on-screen-display switches, the program bound for automatic switching). A plain
// data object with clamping rules; it knows nothing of the device.
//
// Virtual operations are in a fixed slot order shared with sibling models (slot numbers in the comments); reserved
// slots do nothing and return 0 or false. Stage numbers count from 1; a number above the stage
// count addresses the last stage; stage number 0 addresses stage 1. No operation fails except
// GetAssignedKey with an index outside the key order, which throws std::out_of_range.

#include "model/AssignmentRecord.h"
#include "model/ModelId.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IMouseProfile {
public:
    /* 0 */ virtual bool CreateStages(int32_t count) = 0;
    /* 1 */ virtual int32_t GetStageCount() const = 0;
    /* 2 */ virtual int32_t GetActiveStageCount() const = 0;
    /* 3 */ virtual int32_t GetKeyAssignmentCount() const = 0;
    /* 4 */ virtual void SetActiveStageCount(int32_t count) = 0;
    /* 5 */ virtual int32_t GetAssignedKey(int32_t index) const = 0;
    /* 6 */ virtual std::u16string GetName() const = 0;
    /* 7 */ virtual ModelId GetId() const = 0;
    /* 8 */ virtual bool HasFile() const = 0;
    /* 9 */ virtual void SetName(std::u16string_view name) = 0;
    /* 10 */ virtual void SetId(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) = 0;
    /* 11 */ virtual std::u16string GetProgramFileName() const = 0;
    /* 12 */ virtual void SetProgramFileName(std::u16string_view fileName) = 0;
    /* 13 */ virtual std::u16string GetFilePath() const = 0;
    /* 14 */ virtual std::u16string GetProgramPath() const = 0;
    /* 15 */ virtual void SetProgramPath(std::u16string_view path) = 0;
    /* 16 */ virtual void SetAutoSwitch(uint8_t flag) = 0;
    /* 17 */ virtual uint8_t GetAutoSwitch() const = 0;
    /* 18 */ virtual void SetSensitivityDisplay(uint8_t flag) = 0;
    /* 19 */ virtual uint8_t GetSensitivityDisplay() const = 0;
    /* 20 */ virtual void SetProfileDisplay(uint8_t flag) = 0;
    /* 21 */ virtual uint8_t GetProfileDisplay() const = 0;
    /* 22 */ virtual void SetStageXYSeparate(int32_t stage, uint8_t flag) = 0;
    /* 23 */ virtual uint8_t GetStageXYSeparate(int32_t stage) const = 0;
    // Result: the new current index (from 0).
    /* 24 */ virtual int32_t SetCurrentStage(int32_t stage) = 0;
    // Result: the current stage number (index + 1; 0 before any stage was selected).
    /* 25 */ virtual int32_t GetCurrentStage() const = 0;
    // The sensitivity setters clamp to the range and return the stored value.
    /* 26 */ virtual int32_t SetStageDpi(int32_t stage, int32_t value) = 0;
    /* 27 */ virtual int32_t GetStageDpi(int32_t stage) const = 0;
    /* 28 */ virtual int32_t SetStageDpiX(int32_t stage, int32_t value) = 0;
    /* 29 */ virtual int32_t GetStageDpiX(int32_t stage) const = 0;
    /* 30 */ virtual int32_t SetStageDpiY(int32_t stage, int32_t value) = 0;
    /* 31 */ virtual int32_t GetStageDpiY(int32_t stage) const = 0;
    /* 32 */ virtual void SetDpiRange(int32_t minimum, int32_t maximum, int32_t step) = 0;
    /* 33 */ virtual bool GetDpiRange(int32_t& minimum, int32_t& maximum, int32_t& step) const = 0;
    /* 34 */ virtual void SetScrollLight(uint8_t flag) = 0;
    /* 35 */ virtual uint8_t GetScrollLight() const = 0;
    /* 36 */ virtual void SetGlowLight(uint8_t flag) = 0;
    /* 37 */ virtual uint8_t GetGlowLight() const = 0;
    /* 38 */ virtual void Reserved38(int32_t) {}
    /* 39 */ virtual int32_t Reserved39() { return 0; }
    // Stores the record when IsFunctionAllowed(record.function, button); else changes nothing.
    /* 40 */ virtual bool SetButtonAssignment(int32_t button, const AssignmentRecord& record) = 0;
    // A button without an entry gets an all-zero record (code 0), which is then kept.
    /* 41 */ virtual AssignmentRecord GetButtonAssignment(int32_t button) = 0;
    /* 42 */ virtual bool HasClickAssignment() const = 0;
    // Appends the key to the key order (even when the record is then refused).
    /* 43 */ virtual bool SetKeyAssignment(int32_t scanCode, const AssignmentRecord& record) = 0;
    /* 44 */ virtual AssignmentRecord GetKeyAssignment(int32_t scanCode) = 0;
    /* 45 */ virtual void SetThumbKeysEnabled(uint8_t flag) = 0;
    /* 46 */ virtual uint8_t GetThumbKeysEnabled() const = 0;
    /* 47 */ virtual bool IsFunctionAllowed(int32_t function, int32_t button) const = 0;
    // Appends the language keys of the functions allowed on the button, in offer order.
    /* 48 */ virtual void GetAllowedFunctionKeys(std::vector<std::u16string>& keys, int32_t button) const = 0;
    /* 49 */ virtual bool ReadAssignmentEntry(int32_t entry, std::u16string_view value) { (void)entry; (void)value; return false; }
    /* 50 */ virtual int32_t Reserved50(int32_t) { return 0; }
    /* 51 */ virtual bool Reserved51(int32_t, int32_t) { return false; }
    /* 52 */ virtual bool Reserved52(int32_t, int32_t) { return false; }
    /* 53 */ virtual bool Reserved53(int32_t) { return false; }
    /* 54 */ virtual void Reserved54(int32_t, int32_t) {}
    /* 55 */ virtual bool Reserved55(int32_t) { return false; }
    // Writes the profile file folder + baseName + "." + extension; an empty baseName is derived
    // from the name and handed back. False when no base name is free or a property write fails.
    /* 56 */ virtual bool Save(std::u16string& baseName, std::u16string_view folder, std::u16string_view extension) = 0;
    // Reads the profile file; false (profile unchanged) when it has no name.
    /* 57 */ virtual bool Load(std::u16string_view baseName, std::u16string_view folder, std::u16string_view extension) = 0;
    /* 58 */ virtual ~IMouseProfile() = default;
    /* 59 */ virtual void Reserved59(int32_t) {}
    /* 60 */ virtual bool Reserved60() { return false; }
    /* 61 */ virtual void Reserved61() {}

protected:
    IMouseProfile() = default;
    IMouseProfile(const IMouseProfile&) = default;
    IMouseProfile& operator=(const IMouseProfile&) = default;
};
