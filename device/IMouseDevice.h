#pragma once

// The configurator's device object: its only way to the mouse. It finds the mouse through the
// device service for each operation and lets it go at the operation's end; only a background
// write (Transfer in write mode) keeps it until its writer thread ends.
//
// Virtual operations are in the design's slot order (slot numbers in the comments); reserved
// slots do nothing and return false. Every operation is called from the user-interface thread;
// none throws.

#include "model/CMacro.h"
#include "model/IMouseConfig.h"
#include "model/IMouseProfile.h"
#include "model/ModelId.h"

#include <cstdint>
#include <string>
#include <string_view>

// Modes of Transfer.
inline constexpr int32_t TRANSFER_WRITE = 0; // starts a background write
inline constexpr int32_t TRANSFER_READ = 1; // reads now

// Category mask bits of Transfer.
inline constexpr uint32_t TRANSFER_ASSIGNMENTS = 0x01; // per profile
inline constexpr uint32_t TRANSFER_LIGHTS = 0x02; // per profile
inline constexpr uint32_t TRANSFER_SENSITIVITY = 0x04; // per profile
inline constexpr uint32_t TRANSFER_MACROS = 0x08;
inline constexpr uint32_t TRANSFER_POLLING_RATE = 0x10;
inline constexpr uint32_t TRANSFER_ACCELERATION = 0x20;
inline constexpr uint32_t TRANSFER_COLOURS = 0x40; // another device type's; unused here
inline constexpr uint32_t TRANSFER_ALL = 0x7F;

class IMouseDevice {
public:
    // Finds the mouse of that type (null: 0, which finds nothing), fills the store with one
    // profile per device profile (factory defaults, name, id, stage count and range), reads the
    // assignable buttons and keys, versions and polling rates. True when the mouse was found and
    // every read succeeded.
    /* 0 */ virtual bool Connect(IMouseConfig* store, const uint16_t* type) = 0;
    /* 1 */ virtual bool Reserved1(int32_t) { return false; }
    // Lets the device go, clears connected and forgets the buttons, keys and polling rates.
    /* 2 */ virtual void Reset() = 0;
    /* 3 */ virtual int32_t GetPollingRateCount() const = 0;
    // Reports a second; 0 for an index outside the list.
    /* 4 */ virtual uint32_t GetPollingRateAt(int32_t index) const = 0;
    /* 5 */ virtual int32_t GetMaxProfiles() const = 0;
    // 0 when the mouse is absent.
    /* 6 */ virtual int32_t GetDeviceProfileCount() = 0;
    /* 7 */ virtual bool IsBusy() = 0;
    // The three macro operations act on the device held by the running operation; without one
    // they return false.
    /* 8 */ virtual bool AddMacro(CMacro* macro) = 0;
    /* 9 */ virtual bool ReadMacro(const ModelId& id, CMacro* macro) = 0;
    /* 10 */ virtual bool DeleteAllMacros() = 0;
    /* 11 */ virtual bool ImportMacroFile(std::u16string_view path, IMouseConfig* store) = 0;
    /* 12 */ virtual bool ExportMacroFile(std::u16string_view path, CMacro* macro) = 0;
    /* 13 */ virtual bool HasMacro(CMacro* macro) = 0;
    /* 14 */ virtual bool ImportProfileFile(std::u16string_view path, IMouseConfig* store) = 0;
    /* 15 */ virtual bool ExportProfileFile(std::u16string_view path, IMouseProfile* profile) = 0;
    /* 16 */ virtual bool HasProfile(IMouseProfile* profile) = 0;
    // TRANSFER_READ reads the categories of mask into the store now. TRANSFER_WRITE starts one
    // background write of them and returns whether it started; while it runs the store must
    // not be changed structurally and no second write starts.
    /* 17 */ virtual bool Transfer(IMouseConfig* store, int32_t mode, uint32_t mask) = 0;
    /* 18 */ virtual bool Reserved18(int32_t, int32_t) { return false; }
    /* 19 */ virtual bool IsConnected() const = 0;
    // "major.minor" with two minor digits; empty before Connect read them. Result true.
    /* 20 */ virtual bool GetFirmwareVersion(std::u16string& version) const = 0;
    /* 21 */ virtual bool GetDriverVersion(std::u16string& version) const = 0;
    /* 22 */ virtual uint32_t GetTypeNumber() const = 0;
    // Waits up to 7500 ms for a running background write.
    /* 23 */ virtual ~IMouseDevice() = default;

protected:
    IMouseDevice() = default;
    IMouseDevice(const IMouseDevice&) = default;
    IMouseDevice& operator=(const IMouseDevice&) = default;
};
