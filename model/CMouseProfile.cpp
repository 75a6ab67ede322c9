#include "model/CMouseProfile.h"

#include "model/ButtonNumbers.h"
#include "model/FunctionCodes.h"
#include "model/IniFile.h"
#include "model/ProfileFile.h"

#include "platform/system/Utf16.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {
// _wsplitpath gives each part at most 255 characters and a terminator.
constexpr size_t kMaxPathPartChars = 255;
} // namespace

std::u16string ProgramFileNameOf(std::u16string_view path)
{
    const size_t slash = path.find_last_of(u"/\\");
    std::u16string_view fileName = slash == std::u16string_view::npos ? path : path.substr(slash + 1);
    if (slash == std::u16string_view::npos && fileName.size() >= 2 && fileName[1] == u':')
        fileName.remove_prefix(2); // a drive without a folder
    const size_t dot = fileName.rfind(u'.');
    std::u16string_view name = dot == std::u16string_view::npos ? fileName : fileName.substr(0, dot);
    std::u16string_view extension = dot == std::u16string_view::npos ? std::u16string_view() : fileName.substr(dot);
    return std::u16string(name.substr(0, kMaxPathPartChars)) +
           std::u16string(extension.substr(0, kMaxPathPartChars));
}

CMouseProfile::CMouseProfile(std::u16string_view name) : m_name(name) {}

CMouseProfile::CMouseProfile(const CMouseProfile& other)
    : IMouseProfile(other),
      m_name(other.m_name),
      m_programPath(other.m_programPath),
      m_programFileName(other.m_programFileName),
      m_filePath(other.m_filePath),
      m_id(other.m_id),
      m_autoSwitch(other.m_autoSwitch),
      m_sensitivityDisplay(other.m_sensitivityDisplay),
      m_profileDisplay(other.m_profileDisplay),
      m_thumbKeysEnabled(other.m_thumbKeysEnabled),
      m_dpiMin(other.m_dpiMin),
      m_dpiMax(other.m_dpiMax),
      m_dpiStep(other.m_dpiStep),
      m_stageCount(other.m_stageCount),
      m_activeStageCount(other.m_activeStageCount)
{
    CreateStages(m_stageCount);
    m_currentStage = other.m_currentStage;
    m_glowLight = other.m_glowLight;
    m_scrollLight = other.m_scrollLight;
    for (int32_t stage = 1; stage <= m_stageCount; ++stage) {
        SetStageDpi(stage, other.GetStageDpi(stage));
        SetStageDpiX(stage, other.GetStageDpiX(stage));
        SetStageDpiY(stage, other.GetStageDpiY(stage));
        SetStageXYSeparate(stage, other.GetStageXYSeparate(stage));
    }
    m_buttonAssignments = other.m_buttonAssignments;
    m_keyOrder = other.m_keyOrder;
    m_keyAssignments = other.m_keyAssignments;
}

bool CMouseProfile::CreateStages(int32_t count)
{
    count = std::clamp(count, 1, kMaxStages);
    m_stages = std::make_unique<SensitivityStage[]>(size_t(count));
    m_stageCount = count;
    SetCurrentStage(1);
    return true;
}

int32_t CMouseProfile::GetStageCount() const { return m_stageCount; }
int32_t CMouseProfile::GetActiveStageCount() const { return m_activeStageCount; }
int32_t CMouseProfile::GetKeyAssignmentCount() const { return int32_t(m_keyAssignments.size()); }

void CMouseProfile::SetActiveStageCount(int32_t count) { m_activeStageCount = std::min(count, m_stageCount); }

int32_t CMouseProfile::GetAssignedKey(int32_t index) const
{
    if (index < 0 || size_t(index) >= m_keyOrder.size())
        throw std::out_of_range("GetAssignedKey: index outside the key order");
    return m_keyOrder[size_t(index)];
}

std::u16string CMouseProfile::GetName() const { return m_name; }
ModelId CMouseProfile::GetId() const { return m_id; }
bool CMouseProfile::HasFile() const { return !m_filePath.empty(); }
void CMouseProfile::SetName(std::u16string_view name) { m_name = name; }

void CMouseProfile::SetId(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) { m_id = ModelId{{w0, w1, w2, w3}}; }

std::u16string CMouseProfile::GetProgramFileName() const { return m_programFileName; }
void CMouseProfile::SetProgramFileName(std::u16string_view fileName) { m_programFileName = fileName; }
std::u16string CMouseProfile::GetFilePath() const { return m_filePath; }
std::u16string CMouseProfile::GetProgramPath() const { return m_programPath; }

void CMouseProfile::SetProgramPath(std::u16string_view path)
{
    m_programPath = path;
    m_programFileName = ProgramFileNameOf(path);
}

void CMouseProfile::SetAutoSwitch(uint8_t flag) { m_autoSwitch = flag; }
uint8_t CMouseProfile::GetAutoSwitch() const { return m_autoSwitch; }
void CMouseProfile::SetSensitivityDisplay(uint8_t flag) { m_sensitivityDisplay = flag; }
uint8_t CMouseProfile::GetSensitivityDisplay() const { return m_sensitivityDisplay; }
void CMouseProfile::SetProfileDisplay(uint8_t flag) { m_profileDisplay = flag; }
uint8_t CMouseProfile::GetProfileDisplay() const { return m_profileDisplay; }

int32_t CMouseProfile::StageIndex(int32_t stage) const
{
    if (!m_stages || m_stageCount == 0)
        return -1;
    if (stage > m_stageCount)
        return m_stageCount - 1;
    return std::max(stage, 1) - 1;
}

int32_t CMouseProfile::Clamp(int32_t value) const { return ClampToRange(value, m_dpiMin, m_dpiMax); }

void CMouseProfile::SetStageXYSeparate(int32_t stage, uint8_t flag)
{
    if (const int32_t i = StageIndex(stage); i >= 0)
        m_stages[size_t(i)].xySeparate = flag;
}

uint8_t CMouseProfile::GetStageXYSeparate(int32_t stage) const
{
    const int32_t i = StageIndex(stage);
    return i >= 0 ? m_stages[size_t(i)].xySeparate : 0;
}

int32_t CMouseProfile::SetCurrentStage(int32_t stage)
{
    if (m_stageCount != 0 && stage < m_stageCount)
        m_currentStage = std::max(stage, 1) - 1;
    else
        m_currentStage = std::max(m_stageCount - 1, 0);
    return m_currentStage;
}

int32_t CMouseProfile::GetCurrentStage() const { return m_currentStage + 1; }

int32_t CMouseProfile::SetStageValue(int32_t SensitivityStage::*field, int32_t stage, int32_t value)
{
    const int32_t i = StageIndex(stage);
    if (i < 0)
        return 0;
    return m_stages[size_t(i)].*field = Clamp(value);
}

int32_t CMouseProfile::GetStageValue(int32_t SensitivityStage::*field, int32_t stage) const
{
    const int32_t i = StageIndex(stage);
    return i >= 0 ? m_stages[size_t(i)].*field : 0;
}

int32_t CMouseProfile::SetStageDpi(int32_t stage, int32_t value) { return SetStageValue(&SensitivityStage::dpi, stage, value); }
int32_t CMouseProfile::GetStageDpi(int32_t stage) const { return GetStageValue(&SensitivityStage::dpi, stage); }
int32_t CMouseProfile::SetStageDpiX(int32_t stage, int32_t value) { return SetStageValue(&SensitivityStage::dpiX, stage, value); }
int32_t CMouseProfile::GetStageDpiX(int32_t stage) const { return GetStageValue(&SensitivityStage::dpiX, stage); }
int32_t CMouseProfile::SetStageDpiY(int32_t stage, int32_t value) { return SetStageValue(&SensitivityStage::dpiY, stage, value); }
int32_t CMouseProfile::GetStageDpiY(int32_t stage) const { return GetStageValue(&SensitivityStage::dpiY, stage); }

void CMouseProfile::SetDpiRange(int32_t minimum, int32_t maximum, int32_t step)
{
    m_dpiMin = minimum;
    m_dpiMax = maximum;
    m_dpiStep = step;
}

bool CMouseProfile::GetDpiRange(int32_t& minimum, int32_t& maximum, int32_t& step) const
{
    minimum = m_dpiMin;
    maximum = m_dpiMax;
    step = m_dpiStep;
    return true;
}

void CMouseProfile::SetScrollLight(uint8_t flag) { m_scrollLight = flag; }
uint8_t CMouseProfile::GetScrollLight() const { return m_scrollLight; }
void CMouseProfile::SetGlowLight(uint8_t flag) { m_glowLight = flag; }
uint8_t CMouseProfile::GetGlowLight() const { return m_glowLight; }

bool CMouseProfile::SetButtonAssignment(int32_t button, const AssignmentRecord& record)
{
    if (!IsFunctionAllowed(record.function, button))
        return false;
    m_buttonAssignments[button] = record;
    return true;
}

AssignmentRecord CMouseProfile::GetButtonAssignment(int32_t button) { return m_buttonAssignments[button]; }

bool CMouseProfile::HasClickAssignment() const
{
    const auto isClick = [](const auto& entry) { return entry.second.function == FunctionCode::Click; };
    if (std::any_of(m_buttonAssignments.begin(), m_buttonAssignments.end(), isClick))
        return true;
    return m_thumbKeysEnabled && std::any_of(m_keyAssignments.begin(), m_keyAssignments.end(), isClick);
}

bool CMouseProfile::SetKeyAssignment(int32_t scanCode, const AssignmentRecord& record)
{
    if (std::find(m_keyOrder.begin(), m_keyOrder.end(), scanCode) == m_keyOrder.end())
        m_keyOrder.push_back(scanCode);
    if (!IsFunctionAllowed(record.function, Button::KeyAssignment))
        return false;
    m_keyAssignments[scanCode] = record;
    return true;
}

AssignmentRecord CMouseProfile::GetKeyAssignment(int32_t scanCode) { return m_keyAssignments[scanCode]; }

void CMouseProfile::SetThumbKeysEnabled(uint8_t flag) { m_thumbKeysEnabled = flag; }
uint8_t CMouseProfile::GetThumbKeysEnabled() const { return m_thumbKeysEnabled; }

bool CMouseProfile::IsFunctionAllowed(int32_t function, int32_t button) const
{
    return IsFunctionAllowedOn(function, button);
}

void CMouseProfile::GetAllowedFunctionKeys(std::vector<std::u16string>& keys, int32_t button) const
{
    for (int32_t code : GetAllowedFunctions(button))
        keys.emplace_back(GetFunctionKey(code));
}

bool CMouseProfile::Save(std::u16string& baseName, std::u16string_view folder, std::u16string_view extension)
{
    using namespace ProfileFile;
    if (baseName.empty()) {
        baseName = DeriveProfileBaseName(m_name, folder, extension);
        if (baseName.empty())
            return false;
    } else {
        baseName = SanitizeFileBaseName(std::u16string_view(baseName).substr(0, kMaxBaseNameChars));
    }
    m_filePath = ComposeProfilePath(folder, baseName, extension);

    // A fresh installation may lack the save folder; the writes below do not create folders.
    std::error_code ec;
    std::filesystem::create_directories(quor::system::ToPath(folder), ec);

    IniFile file(m_filePath);
    if (!file.WriteString(SectionProperties, KeyName, m_name) ||
        !file.WriteString(SectionProperties, KeyExe, m_programPath) ||
        !file.WriteInt(SectionProperties, KeyAuto, m_autoSwitch == 1 ? 1 : 0))
        return false;
    for (const auto& [button, record] : m_buttonAssignments) {
        if (record.function != FunctionCode::None)
            file.WriteInt(SectionAssignments, std::u16string(quor::system::FromUtf8(std::to_string(button))), record.function);
    }
    return true;
}

bool CMouseProfile::Load(std::u16string_view baseName, std::u16string_view folder, std::u16string_view extension)
{
    using namespace ProfileFile;
    const std::u16string path = ComposeProfilePath(folder, baseName, extension);
    IniFile file(path);
    std::u16string name = file.ReadString(SectionProperties, KeyName, u"");
    if (name.empty())
        return false;
    m_name = std::move(name);
    m_filePath = path;
    m_programPath = file.ReadString(SectionProperties, KeyExe, u"");
    if (!m_programPath.empty())
        m_programFileName = ProgramFileNameOf(m_programPath);
    m_autoSwitch = file.ReadInt(SectionProperties, KeyAuto, 0) != 0 ? 1 : 0;

    std::vector<std::u16string> lines;
    file.ReadSection(SectionAssignments, lines);
    for (const std::u16string& line : lines) {
        const size_t equals = line.find(u'=');
        if (equals == std::u16string::npos)
            continue;
        const std::string number = quor::system::ToUtf8(std::u16string_view(line).substr(0, equals));
        const std::u16string_view value = std::u16string_view(line).substr(equals + 1);
        const int32_t entry = int32_t(std::strtol(number.c_str(), nullptr, 10));
        if (entry != 0 && !value.empty())
            ReadAssignmentEntry(entry, value);
    }
    return true;
}
