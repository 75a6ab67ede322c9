#pragma once

// The configuration store for any mouse of the family (see IMouseConfig). It owns its profiles
// and macros. The last-value fields make it usable before any profile exists: setters write
// both the profile and these fields; getters read the profile and fall back to the fields only
// when no profile is named and none is active. No lock: the device object's writer thread reads
// it while the window thread is kept from starting a second write.

#include "model/CMacroList.h"
#include "model/CMouseProfile.h"
#include "model/IMouseConfig.h"

#include <memory>
#include <vector>

class CMouseConfig : public IMouseConfig {
public:
    CMouseConfig() = default;
    CMouseConfig(const CMouseConfig&) = delete;
    CMouseConfig& operator=(const CMouseConfig&) = delete;
    ~CMouseConfig() override;

    void ClearProfiles() override;
    void SetDevice(IMouseDevice* device) override;
    bool CreateStages(int32_t count, IMouseProfile* profile = nullptr) override;
    void SetAccelerationRange(int32_t minimum, int32_t maximum) override;
    void SetActiveStageCount(int32_t count, IMouseProfile* profile = nullptr) override;
    int32_t GetProfileCount() const override;
    int32_t GetMacroCount() const override;
    int32_t GetStageCount(IMouseProfile* profile = nullptr) const override;
    int32_t GetActiveStageCount(IMouseProfile* profile = nullptr) const override;
    int32_t GetKeyAssignmentCount(IMouseProfile* profile = nullptr) const override;
    int32_t GetAssignedKey(int32_t index, IMouseProfile* profile = nullptr) const override;
    IMouseProfile* NewProfile(std::u16string_view name) override;
    IMouseProfile* DuplicateProfile(IMouseProfile* profile) override;
    IMouseProfile* GetProfile(int32_t index) const override;
    IMouseProfile* FindProfileById(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) const override;
    IMouseProfile* FindProfileByName(std::u16string_view name) const override;
    IMouseProfile* RenameProfile(IMouseProfile* profile, std::u16string_view name) override;
    void DeleteProfile(IMouseProfile* profile) override;
    IMouseProfile* GetActiveProfile() const override;
    void SetActiveProfile(IMouseProfile* profile) override;
    void SetProgramPath(std::u16string_view path, IMouseProfile* profile = nullptr) override;
    std::u16string GetProgramPath(IMouseProfile* profile = nullptr) const override;
    void SetAutoSwitch(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetAutoSwitch(IMouseProfile* profile = nullptr) const override;
    void SetProfileDisplayAll(uint8_t flag) override;
    void SetProfileDisplay(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetProfileDisplay(IMouseProfile* profile = nullptr) const override;
    void SetSensitivityDisplay(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetSensitivityDisplay(IMouseProfile* profile = nullptr) const override;
    void SetStageXYSeparate(int32_t stage, uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetStageXYSeparate(int32_t stage, IMouseProfile* profile = nullptr) const override;
    void SetAccelerationEnabled(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetAccelerationEnabled(IMouseProfile* profile = nullptr) const override;
    void SetAccelerationLevel(int32_t level, IMouseProfile* profile = nullptr) override;
    int32_t GetAccelerationLevel(IMouseProfile* profile = nullptr) const override;
    int32_t SetCurrentStage(int32_t stage, IMouseProfile* profile = nullptr) override;
    int32_t GetCurrentStage(IMouseProfile* profile = nullptr) const override;
    int32_t SetStageDpi(int32_t stage, int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetStageDpi(int32_t stage, IMouseProfile* profile = nullptr) const override;
    int32_t SetStageDpiX(int32_t stage, int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetStageDpiX(int32_t stage, IMouseProfile* profile = nullptr) const override;
    int32_t SetStageDpiY(int32_t stage, int32_t value, IMouseProfile* profile = nullptr) override;
    int32_t GetStageDpiY(int32_t stage, IMouseProfile* profile = nullptr) const override;
    void SetDpiRange(int32_t minimum, int32_t maximum, int32_t step, IMouseProfile* profile = nullptr) override;
    bool GetDpiRange(int32_t& minimum, int32_t& maximum, int32_t& step, IMouseProfile* profile = nullptr) const override;
    void SetPollingRate(int32_t choice, IMouseProfile* profile = nullptr) override;
    int32_t GetPollingRate(IMouseProfile* profile = nullptr) const override;
    bool SetButtonAssignment(int32_t button, const AssignmentRecord& record, IMouseProfile* profile = nullptr) override;
    bool GetButtonAssignment(int32_t button, AssignmentRecord& record, IMouseProfile* profile = nullptr) override;
    bool HasClickAssignment(IMouseProfile* profile = nullptr) const override;
    bool SetKeyAssignment(int32_t scanCode, const AssignmentRecord& record, IMouseProfile* profile = nullptr) override;
    bool GetKeyAssignment(int32_t scanCode, AssignmentRecord& record, IMouseProfile* profile = nullptr) override;
    void SetThumbKeysEnabled(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetThumbKeysEnabled(IMouseProfile* profile = nullptr) const override;
    CMacro* NewMacro(std::u16string_view name) override;
    void DeleteMacro(CMacro* macro) override;
    CMacro* FindMacroById(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) const override;
    CMacro* FindMacroByName(std::u16string_view name) const override;
    CMacro* GetMacro(int32_t index) const override;
    void SetScrollLight(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetScrollLight(IMouseProfile* profile = nullptr) const override;
    void SetGlowLight(uint8_t flag, IMouseProfile* profile = nullptr) override;
    uint8_t GetGlowLight(IMouseProfile* profile = nullptr) const override;
    void LoadAll() override;
    bool SaveAll() override;
    int32_t ScanProfiles() override;
    bool SaveProfile(IMouseProfile* profile = nullptr) override;
    int32_t GetAccelerationMin() const override;
    int32_t GetAccelerationMax() const override;

    IMouseDevice* GetDevice() const override { return m_device; }
    std::u16string GetProfileFolder() const override { return m_profileFolder; }
    std::u16string GetMacroFolder() const override { return m_macroFolder; }
    std::u16string GetSettingsPath() const override { return m_settingsPath; }

protected:
    // Fixes the settings file, profile folder and macro folder (folders end with '/').
    void SetPaths(std::u16string settingsPath, std::u16string profileFolder, std::u16string macroFolder);

    // The named profile, else the active one (may be null).
    IMouseProfile* Resolve(IMouseProfile* profile) const { return profile ? profile : m_activeProfile; }

private:
    // Index of profile in the list, or -1.
    int32_t IndexOf(const IMouseProfile* profile) const;
    // Index into the last-value arrays for a stage number.
    int32_t LastStageIndex(int32_t stage) const;
    using ProfileSetter = int32_t (IMouseProfile::*)(int32_t stage, int32_t value);
    using ProfileGetter = int32_t (IMouseProfile::*)(int32_t stage) const;
    // A stage sensitivity forwarded to the profile and kept in a last-value array.
    int32_t SetStageValue(ProfileSetter setter, std::vector<int32_t>& last, int32_t stage, int32_t value,
                          IMouseProfile* profile);
    int32_t GetStageValue(ProfileGetter getter, const std::vector<int32_t>& last, int32_t stage,
                          IMouseProfile* profile) const;

    IMouseDevice* m_device = nullptr;
    IMouseProfile* m_activeProfile = nullptr;
    std::vector<std::unique_ptr<CMouseProfile>> m_profiles;
    CMacroList m_macros;
    uint8_t m_lastXYSeparate = 0;
    int32_t m_lastDpiMin = 0;
    int32_t m_lastDpiMax = 0;
    int32_t m_lastDpiStep = 0;
    bool m_hasLastStages = false; // the three arrays below exist
    std::vector<int32_t> m_lastStageDpi;
    std::vector<int32_t> m_lastStageDpiX;
    std::vector<int32_t> m_lastStageDpiY;
    int32_t m_lastStageCount = 0;
    int32_t m_lastActiveStageCount = 0;
    int32_t m_lastCurrentStage = -1; // index from 0
    int32_t m_accelerationMin = 0;
    int32_t m_accelerationMax = 0;
    int32_t m_accelerationLevel = 0;
    uint8_t m_accelerationEnabled = 0;
    int32_t m_pollingRate = -1; // PollingRate choice
    uint8_t m_glowLight = 0;
    uint8_t m_scrollLight = 0;
    std::u16string m_settingsPath;
    std::u16string m_profileFolder;
    std::u16string m_macroFolder;
};
