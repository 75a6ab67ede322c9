#pragma once

// The configuration store: the profiles with the active one, the macros, and the device-wide
// settings. Every other part of the configurator reaches the model through this interface.
//
// Virtual operations are in a fixed slot order shared with sibling models (slot numbers in the comments); reserved
// slots do nothing and return 0 or false. A profile as the last argument is optional: null
// means the active profile; what happens when there is neither is said per operation (most
// getters fall back to the store's last-value fields). No operation reports errors.

#include "model/AssignmentRecord.h"
#include "model/CMacro.h"
#include "model/IMouseProfile.h"
#include "model/ModelId.h"

#include <cstdint>
#include <string>
#include <string_view>

// The device object, declared by the device layer; the store only keeps the pointer.
class IMouseDevice;

class IMouseConfig {
public:
    // Deletes every profile, last first; no active profile afterwards.
    /* 0 */ virtual void ClearProfiles() = 0;
    // A null device is ignored.
    /* 1 */ virtual void SetDevice(IMouseDevice* device) = 0;
    // Count 0: false. With a profile: forwarded. Without (the active one is not used): the
    // last-value stage arrays (at most 10 stages of zero).
    /* 2 */ virtual bool CreateStages(int32_t count, IMouseProfile* profile = nullptr) = 0;
    /* 3 */ virtual void SetAccelerationRange(int32_t minimum, int32_t maximum) = 0;
    /* 4 */ virtual void SetActiveStageCount(int32_t count, IMouseProfile* profile = nullptr) = 0;
    /* 5 */ virtual int32_t GetProfileCount() const = 0;
    /* 6 */ virtual int32_t GetMacroCount() const = 0;
    /* 7 */ virtual int32_t GetStageCount(IMouseProfile* profile = nullptr) const = 0;
    /* 8 */ virtual int32_t GetActiveStageCount(IMouseProfile* profile = nullptr) const = 0;
    /* 9 */ virtual int32_t GetKeyAssignmentCount(IMouseProfile* profile = nullptr) const = 0;
    // Throws std::out_of_range for an index outside the profile's key order; 0 without profile.
    /* 10 */ virtual int32_t GetAssignedKey(int32_t index, IMouseProfile* profile = nullptr) const = 0;
    // Appends a new profile of that name (not checked for uniqueness).
    /* 11 */ virtual IMouseProfile* NewProfile(std::u16string_view name) = 0;
    // Appends a copy; null for null.
    /* 12 */ virtual IMouseProfile* DuplicateProfile(IMouseProfile* profile) = 0;
    /* 13 */ virtual IMouseProfile* GetProfile(int32_t index) const = 0;
    /* 14 */ virtual IMouseProfile* FindProfileById(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) const = 0;
    // Regardless of case.
    /* 15 */ virtual IMouseProfile* FindProfileByName(std::u16string_view name) const = 0;
    // Replaces the profile by a renamed copy at the same place (and its file, when it has one);
    // the old object is destroyed. Null when the name is identical or the profile is null or
    // not in the store.
    /* 16 */ virtual IMouseProfile* RenameProfile(IMouseProfile* profile, std::u16string_view name) = 0;
    // Removes and destroys the profile and deletes its file; null does nothing.
    /* 17 */ virtual void DeleteProfile(IMouseProfile* profile) = 0;
    /* 18 */ virtual IMouseProfile* GetActiveProfile() const = 0;
    /* 19 */ virtual void SetActiveProfile(IMouseProfile* profile) = 0;
    /* 20 */ virtual void Reserved20(int32_t, int32_t) {}
    /* 21 */ virtual int32_t Reserved21(int32_t) { return 0; }
    /* 22 */ virtual void SetProgramPath(std::u16string_view path, IMouseProfile* profile = nullptr) = 0;
    /* 23 */ virtual std::u16string GetProgramPath(IMouseProfile* profile = nullptr) const = 0;
    /* 24 */ virtual void SetAutoSwitch(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 25 */ virtual uint8_t GetAutoSwitch(IMouseProfile* profile = nullptr) const = 0;
    // Sets the profile-display flag of every profile.
    /* 26 */ virtual void SetProfileDisplayAll(uint8_t flag) = 0;
    /* 27 */ virtual void SetProfileDisplay(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 28 */ virtual uint8_t GetProfileDisplay(IMouseProfile* profile = nullptr) const = 0;
    /* 29 */ virtual void SetSensitivityDisplay(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 30 */ virtual uint8_t GetSensitivityDisplay(IMouseProfile* profile = nullptr) const = 0;
    /* 31 */ virtual void SetStageXYSeparate(int32_t stage, uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 32 */ virtual uint8_t GetStageXYSeparate(int32_t stage, IMouseProfile* profile = nullptr) const = 0;
    // The profile argument of the acceleration and polling-rate operations is ignored.
    /* 33 */ virtual void SetAccelerationEnabled(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 34 */ virtual uint8_t GetAccelerationEnabled(IMouseProfile* profile = nullptr) const = 0;
    // Clamped to the acceleration range.
    /* 35 */ virtual void SetAccelerationLevel(int32_t level, IMouseProfile* profile = nullptr) = 0;
    /* 36 */ virtual int32_t GetAccelerationLevel(IMouseProfile* profile = nullptr) const = 0;
    /* 37 */ virtual void Reserved37(int32_t, int32_t) {}
    /* 38 */ virtual int32_t Reserved38(int32_t) { return 0; }
    // Result: the new current index (the profile's, else the store's).
    /* 39 */ virtual int32_t SetCurrentStage(int32_t stage, IMouseProfile* profile = nullptr) = 0;
    /* 40 */ virtual int32_t GetCurrentStage(IMouseProfile* profile = nullptr) const = 0;
    // Setters: forwarded, and also written, clamped to the last range, into the last-value
    // arrays when those exist. Result: the value stored (the profile's when there is one).
    /* 41 */ virtual int32_t SetStageDpi(int32_t stage, int32_t value, IMouseProfile* profile = nullptr) = 0;
    /* 42 */ virtual int32_t GetStageDpi(int32_t stage, IMouseProfile* profile = nullptr) const = 0;
    /* 43 */ virtual int32_t SetStageDpiX(int32_t stage, int32_t value, IMouseProfile* profile = nullptr) = 0;
    /* 44 */ virtual int32_t GetStageDpiX(int32_t stage, IMouseProfile* profile = nullptr) const = 0;
    /* 45 */ virtual int32_t SetStageDpiY(int32_t stage, int32_t value, IMouseProfile* profile = nullptr) = 0;
    /* 46 */ virtual int32_t GetStageDpiY(int32_t stage, IMouseProfile* profile = nullptr) const = 0;
    /* 47 */ virtual void SetDpiRange(int32_t minimum, int32_t maximum, int32_t step, IMouseProfile* profile = nullptr) = 0;
    /* 48 */ virtual bool GetDpiRange(int32_t& minimum, int32_t& maximum, int32_t& step, IMouseProfile* profile = nullptr) const = 0;
    /* 49 */ virtual void Reserved49(int32_t, int32_t) {}
    /* 50 */ virtual bool Reserved50(int32_t) { return false; }
    /* 51 */ virtual void Reserved51(int32_t, int32_t) {}
    /* 52 */ virtual bool Reserved52(int32_t) { return false; }
    /* 53 */ virtual void SetPollingRate(int32_t choice, IMouseProfile* profile = nullptr) = 0;
    /* 54 */ virtual int32_t GetPollingRate(IMouseProfile* profile = nullptr) const = 0;
    // The assignment operations need a profile; without one the setters return false, the
    // getters give function -1 with zero parameters and return false.
    /* 55 */ virtual bool SetButtonAssignment(int32_t button, const AssignmentRecord& record, IMouseProfile* profile = nullptr) = 0;
    /* 56 */ virtual bool GetButtonAssignment(int32_t button, AssignmentRecord& record, IMouseProfile* profile = nullptr) = 0;
    /* 57 */ virtual bool HasClickAssignment(IMouseProfile* profile = nullptr) const = 0;
    /* 58 */ virtual bool SetKeyAssignment(int32_t scanCode, const AssignmentRecord& record, IMouseProfile* profile = nullptr) = 0;
    /* 59 */ virtual bool GetKeyAssignment(int32_t scanCode, AssignmentRecord& record, IMouseProfile* profile = nullptr) = 0;
    /* 60 */ virtual void SetThumbKeysEnabled(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    // True without a profile.
    /* 61 */ virtual uint8_t GetThumbKeysEnabled(IMouseProfile* profile = nullptr) const = 0;
    // Null (nothing changed) when a macro of that name exists, regardless of case.
    /* 62 */ virtual CMacro* NewMacro(std::u16string_view name) = 0;
    /* 63 */ virtual void DeleteMacro(CMacro* macro) = 0;
    /* 64 */ virtual CMacro* FindMacroById(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) const = 0;
    /* 65 */ virtual CMacro* FindMacroByName(std::u16string_view name) const = 0;
    /* 66 */ virtual CMacro* GetMacro(int32_t index) const = 0;
    /* 67 */ virtual void Reserved67(int32_t, int32_t) {}
    /* 68 */ virtual int32_t Reserved68(int32_t) { return 0; }
    /* 69 */ virtual void Reserved69(int32_t, int32_t) {}
    /* 70 */ virtual int32_t Reserved70(int32_t) { return 0; }
    /* 71 */ virtual int32_t Reserved71(int32_t) { return 0; }
    /* 72 */ virtual int32_t Reserved72(int32_t, int32_t, int32_t) { return 0; }
    /* 73 */ virtual int32_t Reserved73(int32_t, int32_t) { return 0; }
    /* 74 */ virtual void Reserved74(int32_t, int32_t) {}
    /* 75 */ virtual int32_t Reserved75(int32_t) { return 0; }
    /* 76 */ virtual void Reserved76(int32_t, int32_t) {}
    /* 77 */ virtual int32_t Reserved77(int32_t) { return 0; }
    /* 78 */ virtual void Reserved78(int32_t, int32_t) {}
    /* 79 */ virtual int32_t Reserved79(int32_t) { return 0; }
    /* 80 */ virtual void Reserved80(int32_t, int32_t) {}
    /* 81 */ virtual int32_t Reserved81(int32_t) { return 0; }
    /* 82 */ virtual void Reserved82(int32_t, int32_t) {}
    /* 83 */ virtual int32_t Reserved83(int32_t) { return 0; }
    /* 84 */ virtual void Reserved84(int32_t, int32_t) {}
    /* 85 */ virtual int32_t Reserved85(int32_t) { return 0; }
    // The lights: the setters write the profile and the store's copy; the getters fall back
    // to the store's copy.
    /* 86 */ virtual void SetScrollLight(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 87 */ virtual uint8_t GetScrollLight(IMouseProfile* profile = nullptr) const = 0;
    /* 88 */ virtual void SetGlowLight(uint8_t flag, IMouseProfile* profile = nullptr) = 0;
    /* 89 */ virtual uint8_t GetGlowLight(IMouseProfile* profile = nullptr) const = 0;
    /* 90 */ virtual void Reserved90(int32_t, int32_t) {}
    /* 91 */ virtual bool Reserved91(int32_t) { return false; }
    /* 92 */ virtual void Reserved92(int32_t, int32_t) {}
    /* 93 */ virtual bool Reserved93(int32_t) { return false; }
    /* 94 */ virtual void Reserved94(int32_t, int32_t) {}
    /* 95 */ virtual int32_t Reserved95(int32_t) { return 0; }
    // Profile files in the save folder and the settings file.
    /* 96 */ virtual void LoadAll() = 0;
    /* 97 */ virtual bool SaveAll() = 0;
    /* 98 */ virtual int32_t ScanProfiles() = 0;
    // Null saves every profile (result true).
    /* 99 */ virtual bool SaveProfile(IMouseProfile* profile = nullptr) = 0;
    /* 100 */ virtual int32_t Reserved100() { return 0; }
    /* 101 */ virtual int32_t Reserved101() { return 0; }
    /* 102 */ virtual int32_t Reserved102() { return 0; }
    /* 103 */ virtual int32_t Reserved103() { return 0; }
    /* 104 */ virtual int32_t Reserved104() { return 0; }
    /* 105 */ virtual int32_t Reserved105() { return 0; }
    /* 106 */ virtual int32_t GetAccelerationMin() const = 0;
    /* 107 */ virtual int32_t GetAccelerationMax() const = 0;
    /* 108 */ virtual int32_t Reserved108() { return 0; }
    /* 109 */ virtual int32_t Reserved109() { return 0; }
    /* 110 */ virtual int32_t Reserved110() { return 0; }
    /* 111 */ virtual bool Reserved111(int32_t, int32_t) { return false; }
    /* 112 */ virtual bool Reserved112(int32_t, int32_t, int32_t) { return false; }
    /* 113 */ virtual bool Reserved113(int32_t, int32_t) { return false; }
    /* 114 */ virtual bool Reserved114(int32_t, int32_t, int32_t) { return false; }
    /* 115 */ virtual bool Reserved115(int32_t, int32_t, int32_t) { return false; }
    /* 116 */ virtual bool Reserved116(int32_t) { return false; }
    /* 117 */ virtual void Reserved117() {}
    // Deletes every profile and macro.
    /* 118 */ virtual ~IMouseConfig() = default;
    // The profile-file extension without the dot.
    /* 119 */ virtual std::u16string GetProfileExtension() const = 0;

    // Beyond the fixed slots (appended so that the slot order stays):
    // the device object given to SetDevice (not owned), or null;
    virtual IMouseDevice* GetDevice() const = 0;
    // the save folder (ends with '/'), where profile files lie and import/export dialogs start;
    virtual std::u16string GetProfileFolder() const = 0;
    virtual std::u16string GetMacroFolder() const = 0;
    // the settings file (save/Vorn.mvc).
    virtual std::u16string GetSettingsPath() const = 0;

protected:
    IMouseConfig() = default;
    IMouseConfig(const IMouseConfig&) = default;
    IMouseConfig& operator=(const IMouseConfig&) = default;
};
