#pragma once

// The profile implementation that the store creates (see IMouseProfile). Copy construction is
// not memberwise: stages are recreated and their values set through the setters, so they are
// clamped to the copied range.

#include "model/IMouseProfile.h"
#include "model/SensitivityStage.h"

#include <map>
#include <memory>

class CMouseProfile : public IMouseProfile {
public:
    CMouseProfile() = default;
    explicit CMouseProfile(std::u16string_view name);
    CMouseProfile(const CMouseProfile& other);
    CMouseProfile& operator=(const CMouseProfile&) = delete;
    ~CMouseProfile() override = default;

    bool CreateStages(int32_t count) override;
    int32_t GetStageCount() const override;
    int32_t GetActiveStageCount() const override;
    int32_t GetKeyAssignmentCount() const override;
    void SetActiveStageCount(int32_t count) override;
    int32_t GetAssignedKey(int32_t index) const override;
    std::u16string GetName() const override;
    ModelId GetId() const override;
    bool HasFile() const override;
    void SetName(std::u16string_view name) override;
    void SetId(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) override;
    std::u16string GetProgramFileName() const override;
    void SetProgramFileName(std::u16string_view fileName) override;
    std::u16string GetFilePath() const override;
    std::u16string GetProgramPath() const override;
    void SetProgramPath(std::u16string_view path) override;
    void SetAutoSwitch(uint8_t flag) override;
    uint8_t GetAutoSwitch() const override;
    void SetSensitivityDisplay(uint8_t flag) override;
    uint8_t GetSensitivityDisplay() const override;
    void SetProfileDisplay(uint8_t flag) override;
    uint8_t GetProfileDisplay() const override;
    void SetStageXYSeparate(int32_t stage, uint8_t flag) override;
    uint8_t GetStageXYSeparate(int32_t stage) const override;
    int32_t SetCurrentStage(int32_t stage) override;
    int32_t GetCurrentStage() const override;
    int32_t SetStageDpi(int32_t stage, int32_t value) override;
    int32_t GetStageDpi(int32_t stage) const override;
    int32_t SetStageDpiX(int32_t stage, int32_t value) override;
    int32_t GetStageDpiX(int32_t stage) const override;
    int32_t SetStageDpiY(int32_t stage, int32_t value) override;
    int32_t GetStageDpiY(int32_t stage) const override;
    void SetDpiRange(int32_t minimum, int32_t maximum, int32_t step) override;
    bool GetDpiRange(int32_t& minimum, int32_t& maximum, int32_t& step) const override;
    void SetScrollLight(uint8_t flag) override;
    uint8_t GetScrollLight() const override;
    void SetGlowLight(uint8_t flag) override;
    uint8_t GetGlowLight() const override;
    bool SetButtonAssignment(int32_t button, const AssignmentRecord& record) override;
    AssignmentRecord GetButtonAssignment(int32_t button) override;
    bool HasClickAssignment() const override;
    bool SetKeyAssignment(int32_t scanCode, const AssignmentRecord& record) override;
    AssignmentRecord GetKeyAssignment(int32_t scanCode) override;
    void SetThumbKeysEnabled(uint8_t flag) override;
    uint8_t GetThumbKeysEnabled() const override;
    bool IsFunctionAllowed(int32_t function, int32_t button) const override;
    void GetAllowedFunctionKeys(std::vector<std::u16string>& keys, int32_t button) const override;
    bool Save(std::u16string& baseName, std::u16string_view folder, std::u16string_view extension) override;
    bool Load(std::u16string_view baseName, std::u16string_view folder, std::u16string_view extension) override;

    // Read-only views for saving, copying and tests.
    const std::map<int32_t, AssignmentRecord>& GetButtonAssignments() const { return m_buttonAssignments; }
    const std::map<int32_t, AssignmentRecord>& GetKeyAssignments() const { return m_keyAssignments; }
    const std::vector<int32_t>& GetKeyOrder() const { return m_keyOrder; }

private:
    // Index of a stage number, or -1 while there are no stages.
    int32_t StageIndex(int32_t stage) const;
    int32_t Clamp(int32_t value) const;
    int32_t SetStageValue(int32_t SensitivityStage::*field, int32_t stage, int32_t value);
    int32_t GetStageValue(int32_t SensitivityStage::*field, int32_t stage) const;

    std::u16string m_name;
    std::u16string m_programPath;
    std::u16string m_programFileName;
    std::u16string m_filePath;
    ModelId m_id;
    uint8_t m_autoSwitch = 0;
    uint8_t m_sensitivityDisplay = 0;
    uint8_t m_profileDisplay = 0;
    std::map<int32_t, AssignmentRecord> m_buttonAssignments;
    std::map<int32_t, AssignmentRecord> m_keyAssignments;
    std::vector<int32_t> m_keyOrder;
    uint8_t m_thumbKeysEnabled = 1;
    uint8_t m_glowLight = 0;
    uint8_t m_scrollLight = 0;
    int32_t m_dpiMin = 0;
    int32_t m_dpiMax = 0;
    int32_t m_dpiStep = 0;
    std::unique_ptr<SensitivityStage[]> m_stages; // none before the first CreateStages
    int32_t m_stageCount = 0;
    int32_t m_activeStageCount = 0;
    int32_t m_currentStage = -1; // index from 0
};

// The file name and extension of a program path ("game.exe" of "/opt/games/game.exe"); '/' and
// '\' both separate folders, as the Windows path splitter does.
std::u16string ProgramFileNameOf(std::u16string_view path);
