#pragma once

// The moving of configuration between the store and one device the caller holds: the whole
// read and write by categories, the macro operations they use, and the import and export of
// profile and macro files. The device object makes one for each operation on the device it
// found; its background writer makes one of its own with copies of the tables, so that it
// needs nothing of the device object while it runs.
//
// A write given a WriterState runs in steps under its gate and stops when the owner gives it
// up. Results are booleans; nothing throws.

#include "device/DeviceTables.h"
#include "device/IDPI.h"
#include "device/IDevice.h"
#include "device/IMacroManager.h"
#include "device/IProfile.h"
#include "device/IProfileManager.h"
#include "device/WriterState.h"
#include "model/CMacro.h"
#include "model/IMouseConfig.h"
#include "model/IMouseProfile.h"
#include "model/ModelId.h"
#include "platform/com/ComPtr.h"

#include <cstdint>
#include <string_view>
#include <vector>

class ConfigurationTransfer {
public:
    ConfigurationTransfer(IDevice* device, const DeviceTables& tables, const std::vector<uint32_t>& buttonBits,
                          const std::vector<uint32_t>& keyIds, WriterState* gate = nullptr);

    // Every device profile the store knows by id, then the device-wide categories. The result
    // is that of the last device-wide category read (true when none ran).
    bool Read(IMouseConfig& store, uint32_t mask);
    // Deletes what the store does not know, creates and renames profiles, writes every store
    // profile and the device-wide categories, and makes the store's active profile current.
    bool Write(IMouseConfig& store, uint32_t mask);

    // A macro without events is refused. The new id goes into the macro.
    bool AddMacro(CMacro& macro);
    // Id, name and events of the device's macro into macro.
    bool ReadMacro(const ModelId& id, CMacro& macro);
    bool DeleteAllMacros();

    bool ImportProfileFile(std::u16string_view path, IMouseConfig& store);
    bool ExportProfileFile(std::u16string_view path, const IMouseProfile& profile);
    bool HasProfile(const IMouseProfile& profile);
    bool ImportMacroFile(std::u16string_view path, IMouseConfig& store);
    bool ExportMacroFile(std::u16string_view path, const CMacro& macro);
    bool HasMacro(const CMacro& macro);

    // Stage count and sensitivity range of a device profile into a store profile; true when
    // both were read and the stages made.
    static bool ReadSensitivityLimits(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);

private:
    using ProfilePtr = quor::com::ComPtr<IProfile>;

    bool BeginStep(std::unique_lock<std::mutex>& step);
    quor::com::ComPtr<IProfileManager> ProfileManager();
    quor::com::ComPtr<IMacroManager> MacroManager();

    bool ReadProperties(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool WriteProperties(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool ReadSensitivity(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool WriteSensitivity(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool ReadAssignments(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool WriteAssignments(IProfileManager* manager, IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool ReadLights(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool WriteLights(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile);
    bool ReadAcceleration(IMouseConfig& store);
    bool WriteAcceleration(IMouseConfig& store);
    bool ReadPollingRate(IMouseConfig& store);
    bool WritePollingRate(IMouseConfig& store);
    bool ReadMacros(IMouseConfig& store);
    bool WriteMacro(IMacroManager* manager, CMacro& macro);

    // Reads properties, sensitivity, assignments and lights of a device profile as the read
    // does, each only after the ones before succeeded.
    void ReadProfile(IProfile* deviceProfile, IMouseConfig& store, IMouseProfile* profile, uint32_t mask);
    // Gives a store profile a new device profile: create, take its id, name it.
    ProfilePtr CreateDeviceProfile(IProfileManager* manager, IMouseProfile* profile);
    // Codes 19 and 5 name their target; the device needs its id (codes 18 and 4). False when
    // the target cannot be found or put on the device.
    bool ResolveByName(IProfileManager* manager, IMouseConfig& store, AssignmentRecord& record);

    IDevice* m_device = nullptr;
    const DeviceTables& m_tables;
    const std::vector<uint32_t>& m_buttonBits;
    const std::vector<uint32_t>& m_keyIds;
    WriterState* m_gate = nullptr;
};

// The device's 16-byte id and the model's four words hold the same bytes.
GUID ToGuid(const ModelId& id);
ModelId ToModelId(REFGUID id);
