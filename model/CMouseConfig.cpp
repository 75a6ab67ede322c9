#include "model/CMouseConfig.h"

#include "model/FunctionCodes.h"
#include "model/IniFile.h"
#include "model/ProfileFile.h"

#include "platform/system/TextCase.h"
#include "platform/system/Utf16.h"

#include <algorithm>
#include <filesystem>

namespace sys = quor::system;

CMouseConfig::~CMouseConfig() { ClearProfiles(); }

void CMouseConfig::SetPaths(std::u16string settingsPath, std::u16string profileFolder, std::u16string macroFolder)
{
    m_settingsPath = std::move(settingsPath);
    m_profileFolder = std::move(profileFolder);
    m_macroFolder = std::move(macroFolder);
}

int32_t CMouseConfig::IndexOf(const IMouseProfile* profile) const
{
    for (size_t i = 0; i < m_profiles.size(); ++i) {
        if (m_profiles[i].get() == profile)
            return int32_t(i);
    }
    return -1;
}

void CMouseConfig::ClearProfiles()
{
    m_activeProfile = nullptr;
    while (!m_profiles.empty())
        m_profiles.pop_back();
}

void CMouseConfig::SetDevice(IMouseDevice* device)
{
    if (device)
        m_device = device;
}

bool CMouseConfig::CreateStages(int32_t count, IMouseProfile* profile)
{
    if (count == 0)
        return false;
    if (profile)
        return profile->CreateStages(count);
    count = std::clamp(count, 1, kMaxStages);
    m_lastStageDpi.assign(size_t(count), 0);
    m_lastStageDpiX.assign(size_t(count), 0);
    m_lastStageDpiY.assign(size_t(count), 0);
    m_hasLastStages = true;
    m_lastStageCount = count;
    return true;
}

void CMouseConfig::SetAccelerationRange(int32_t minimum, int32_t maximum)
{
    m_accelerationMin = minimum;
    m_accelerationMax = maximum;
}

void CMouseConfig::SetActiveStageCount(int32_t count, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetActiveStageCount(count);
    m_lastActiveStageCount = std::min(count, m_lastStageCount);
}

int32_t CMouseConfig::GetProfileCount() const { return int32_t(m_profiles.size()); }
int32_t CMouseConfig::GetMacroCount() const { return m_macros.GetCount(); }

int32_t CMouseConfig::GetStageCount(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetStageCount() : m_lastStageCount;
}

int32_t CMouseConfig::GetActiveStageCount(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetActiveStageCount() : m_lastActiveStageCount;
}

int32_t CMouseConfig::GetKeyAssignmentCount(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetKeyAssignmentCount() : 0;
}

int32_t CMouseConfig::GetAssignedKey(int32_t index, IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetAssignedKey(index) : 0;
}

IMouseProfile* CMouseConfig::NewProfile(std::u16string_view name)
{
    return m_profiles.emplace_back(std::make_unique<CMouseProfile>(name)).get();
}

IMouseProfile* CMouseConfig::DuplicateProfile(IMouseProfile* profile)
{
    const auto* source = dynamic_cast<CMouseProfile*>(profile);
    if (!source)
        return nullptr;
    return m_profiles.emplace_back(std::make_unique<CMouseProfile>(*source)).get();
}

IMouseProfile* CMouseConfig::GetProfile(int32_t index) const
{
    if (index < 0 || index >= GetProfileCount())
        return nullptr;
    return m_profiles[size_t(index)].get();
}

IMouseProfile* CMouseConfig::FindProfileById(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) const
{
    const ModelId id{{w0, w1, w2, w3}};
    for (const auto& profile : m_profiles) {
        if (profile->GetId() == id)
            return profile.get();
    }
    return nullptr;
}

IMouseProfile* CMouseConfig::FindProfileByName(std::u16string_view name) const
{
    for (const auto& profile : m_profiles) {
        if (sys::EqualsNoCase(profile->GetName(), name))
            return profile.get();
    }
    return nullptr;
}

IMouseProfile* CMouseConfig::RenameProfile(IMouseProfile* profile, std::u16string_view name)
{
    if (!profile || profile->GetName() == name)
        return nullptr;
    profile->SetName(name);
    const int32_t index = IndexOf(profile);
    auto* source = dynamic_cast<CMouseProfile*>(profile);
    if (index < 0 || !source)
        return nullptr;

    std::unique_ptr<CMouseProfile> old = std::move(m_profiles[size_t(index)]);
    m_profiles[size_t(index)] = std::make_unique<CMouseProfile>(*source);
    CMouseProfile* copy = m_profiles[size_t(index)].get();
    if (old->HasFile()) {
        // The old file goes only once the new one is written: a failed save must not leave the
        // profile without any file. A rename that only changes letter case may derive the same
        // file (long names); that file now holds the new name and must stay.
        if (SaveProfile(copy) && copy->GetFilePath() != old->GetFilePath()) {
            std::error_code ec;
            std::filesystem::remove(sys::ToPath(old->GetFilePath()), ec);
        }
    }
    if (m_activeProfile == old.get())
        m_activeProfile = copy;
    return copy;
}

void CMouseConfig::DeleteProfile(IMouseProfile* profile)
{
    if (!profile)
        return;
    if (m_activeProfile == profile)
        m_activeProfile = nullptr;
    if (profile->HasFile()) {
        std::error_code ec;
        std::filesystem::remove(sys::ToPath(profile->GetFilePath()), ec);
    }
    const int32_t index = IndexOf(profile);
    if (index >= 0)
        m_profiles.erase(m_profiles.begin() + index);
}

IMouseProfile* CMouseConfig::GetActiveProfile() const { return m_activeProfile; }
void CMouseConfig::SetActiveProfile(IMouseProfile* profile) { m_activeProfile = profile; }

void CMouseConfig::SetProgramPath(std::u16string_view path, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetProgramPath(path);
}

std::u16string CMouseConfig::GetProgramPath(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetProgramPath() : std::u16string();
}

void CMouseConfig::SetAutoSwitch(uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetAutoSwitch(flag);
}

uint8_t CMouseConfig::GetAutoSwitch(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetAutoSwitch() : 0;
}

void CMouseConfig::SetProfileDisplayAll(uint8_t flag)
{
    for (const auto& profile : m_profiles)
        profile->SetProfileDisplay(flag);
}

void CMouseConfig::SetProfileDisplay(uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetProfileDisplay(flag);
}

uint8_t CMouseConfig::GetProfileDisplay(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetProfileDisplay() : 0;
}

void CMouseConfig::SetSensitivityDisplay(uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetSensitivityDisplay(flag);
}

uint8_t CMouseConfig::GetSensitivityDisplay(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetSensitivityDisplay() : 0;
}

void CMouseConfig::SetStageXYSeparate(int32_t stage, uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetStageXYSeparate(stage, flag);
    m_lastXYSeparate = flag;
}

uint8_t CMouseConfig::GetStageXYSeparate(int32_t stage, IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetStageXYSeparate(stage) : m_lastXYSeparate;
}

void CMouseConfig::SetAccelerationEnabled(uint8_t flag, IMouseProfile*) { m_accelerationEnabled = flag; }
uint8_t CMouseConfig::GetAccelerationEnabled(IMouseProfile*) const { return m_accelerationEnabled; }

void CMouseConfig::SetAccelerationLevel(int32_t level, IMouseProfile*)
{
    m_accelerationLevel = ClampToRange(level, m_accelerationMin, m_accelerationMax);
}

int32_t CMouseConfig::GetAccelerationLevel(IMouseProfile*) const { return m_accelerationLevel; }

int32_t CMouseConfig::SetCurrentStage(int32_t stage, IMouseProfile* profile)
{
    if (m_lastStageCount != 0 && stage < m_lastStageCount)
        m_lastCurrentStage = std::max(stage, 1) - 1;
    else
        m_lastCurrentStage = std::max(m_lastStageCount - 1, 0);
    if (IMouseProfile* p = Resolve(profile))
        return p->SetCurrentStage(stage);
    return m_lastCurrentStage;
}

int32_t CMouseConfig::GetCurrentStage(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetCurrentStage() : m_lastCurrentStage + 1;
}

int32_t CMouseConfig::LastStageIndex(int32_t stage) const
{
    if (stage > m_lastStageCount)
        return m_lastStageCount - 1;
    return std::max(stage, 1) - 1;
}

int32_t CMouseConfig::SetStageValue(ProfileSetter setter, std::vector<int32_t>& last, int32_t stage, int32_t value,
                                    IMouseProfile* profile)
{
    IMouseProfile* p = Resolve(profile);
    const int32_t stored = p ? (p->*setter)(stage, value) : 0;
    if (!m_hasLastStages || m_lastStageCount == 0)
        return stored;
    const int32_t lastStored = last[size_t(LastStageIndex(stage))] = ClampToRange(value, m_lastDpiMin, m_lastDpiMax);
    return p ? stored : lastStored;
}

int32_t CMouseConfig::GetStageValue(ProfileGetter getter, const std::vector<int32_t>& last, int32_t stage,
                                    IMouseProfile* profile) const
{
    if (const IMouseProfile* p = Resolve(profile))
        return (p->*getter)(stage);
    if (!m_hasLastStages || m_lastStageCount == 0)
        return 0;
    return last[size_t(LastStageIndex(stage))];
}

int32_t CMouseConfig::SetStageDpi(int32_t stage, int32_t value, IMouseProfile* profile)
{
    return SetStageValue(&IMouseProfile::SetStageDpi, m_lastStageDpi, stage, value, profile);
}

int32_t CMouseConfig::GetStageDpi(int32_t stage, IMouseProfile* profile) const
{
    return GetStageValue(&IMouseProfile::GetStageDpi, m_lastStageDpi, stage, profile);
}

int32_t CMouseConfig::SetStageDpiX(int32_t stage, int32_t value, IMouseProfile* profile)
{
    return SetStageValue(&IMouseProfile::SetStageDpiX, m_lastStageDpiX, stage, value, profile);
}

int32_t CMouseConfig::GetStageDpiX(int32_t stage, IMouseProfile* profile) const
{
    return GetStageValue(&IMouseProfile::GetStageDpiX, m_lastStageDpiX, stage, profile);
}

int32_t CMouseConfig::SetStageDpiY(int32_t stage, int32_t value, IMouseProfile* profile)
{
    return SetStageValue(&IMouseProfile::SetStageDpiY, m_lastStageDpiY, stage, value, profile);
}

int32_t CMouseConfig::GetStageDpiY(int32_t stage, IMouseProfile* profile) const
{
    return GetStageValue(&IMouseProfile::GetStageDpiY, m_lastStageDpiY, stage, profile);
}

void CMouseConfig::SetDpiRange(int32_t minimum, int32_t maximum, int32_t step, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetDpiRange(minimum, maximum, step);
    m_lastDpiMin = minimum;
    m_lastDpiMax = maximum;
    m_lastDpiStep = step;
}

bool CMouseConfig::GetDpiRange(int32_t& minimum, int32_t& maximum, int32_t& step, IMouseProfile* profile) const
{
    if (const IMouseProfile* p = Resolve(profile))
        return p->GetDpiRange(minimum, maximum, step);
    minimum = m_lastDpiMin;
    maximum = m_lastDpiMax;
    step = m_lastDpiStep;
    return true;
}

void CMouseConfig::SetPollingRate(int32_t choice, IMouseProfile*) { m_pollingRate = choice; }
int32_t CMouseConfig::GetPollingRate(IMouseProfile*) const { return m_pollingRate; }

bool CMouseConfig::SetButtonAssignment(int32_t button, const AssignmentRecord& record, IMouseProfile* profile)
{
    IMouseProfile* p = Resolve(profile);
    return p && p->SetButtonAssignment(button, record);
}

bool CMouseConfig::GetButtonAssignment(int32_t button, AssignmentRecord& record, IMouseProfile* profile)
{
    IMouseProfile* p = Resolve(profile);
    if (!p) {
        record = AssignmentRecord::Make(FunctionCode::None);
        return false;
    }
    record = p->GetButtonAssignment(button);
    return true;
}

bool CMouseConfig::HasClickAssignment(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p && p->HasClickAssignment();
}

bool CMouseConfig::SetKeyAssignment(int32_t scanCode, const AssignmentRecord& record, IMouseProfile* profile)
{
    IMouseProfile* p = Resolve(profile);
    return p && p->SetKeyAssignment(scanCode, record);
}

bool CMouseConfig::GetKeyAssignment(int32_t scanCode, AssignmentRecord& record, IMouseProfile* profile)
{
    IMouseProfile* p = Resolve(profile);
    if (!p) {
        record = AssignmentRecord::Make(FunctionCode::None);
        return false;
    }
    record = p->GetKeyAssignment(scanCode);
    return true;
}

void CMouseConfig::SetThumbKeysEnabled(uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetThumbKeysEnabled(flag);
}

uint8_t CMouseConfig::GetThumbKeysEnabled(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetThumbKeysEnabled() : 1;
}

CMacro* CMouseConfig::NewMacro(std::u16string_view name) { return m_macros.Add(name); }
void CMouseConfig::DeleteMacro(CMacro* macro) { m_macros.Remove(macro); }

CMacro* CMouseConfig::FindMacroById(uint32_t w0, uint32_t w1, uint32_t w2, uint32_t w3) const
{
    return m_macros.FindById(ModelId{{w0, w1, w2, w3}});
}

CMacro* CMouseConfig::FindMacroByName(std::u16string_view name) const { return m_macros.FindByName(name); }
CMacro* CMouseConfig::GetMacro(int32_t index) const { return m_macros.GetAt(index); }

void CMouseConfig::SetScrollLight(uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetScrollLight(flag);
    m_scrollLight = flag;
}

uint8_t CMouseConfig::GetScrollLight(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetScrollLight() : m_scrollLight;
}

void CMouseConfig::SetGlowLight(uint8_t flag, IMouseProfile* profile)
{
    if (IMouseProfile* p = Resolve(profile))
        p->SetGlowLight(flag);
    m_glowLight = flag;
}

uint8_t CMouseConfig::GetGlowLight(IMouseProfile* profile) const
{
    const IMouseProfile* p = Resolve(profile);
    return p ? p->GetGlowLight() : m_glowLight;
}

void CMouseConfig::LoadAll()
{
    const int32_t loaded = ScanProfiles();
    const std::u16string activeName =
        IniFile(m_settingsPath).ReadString(ProfileFile::SectionSettings, ProfileFile::KeyActiveProfileName, u"");
    if (loaded <= 0 || m_profiles.empty())
        return;
    m_activeProfile = m_profiles.front().get();
    if (!activeName.empty()) {
        if (IMouseProfile* named = FindProfileByName(activeName))
            m_activeProfile = named;
    }
}

bool CMouseConfig::SaveAll()
{
    SaveProfile(nullptr);
    if (!m_activeProfile)
        return false;
    return IniFile(m_settingsPath)
        .WriteString(ProfileFile::SectionSettings, ProfileFile::KeyActiveProfileName, m_activeProfile->GetName());
}

int32_t CMouseConfig::ScanProfiles()
{
    const std::u16string extension = GetProfileExtension();
    const std::string dottedExtension = "." + sys::ToUtf8(extension);
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(sys::ToPath(m_profileFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::filesystem::path& path = it->path();
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        const std::string name = path.filename().string();
        // "*.mvp" as the Windows search matches it: any stem (also empty), extension in any case.
        if (name.size() < dottedExtension.size() ||
            !sys::EqualsNoCase(sys::FromUtf8(name.substr(name.size() - dottedExtension.size())),
                               sys::FromUtf8(dottedExtension)))
            continue;
        files.push_back(path);
    }
    if (files.empty())
        return 0;
    // NTFS lists a folder in case-insensitive name order; do the same so the result does not
    // depend on the file system's hash order.
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        const std::u16string na = sys::FromPath(a.filename());
        const std::u16string nb = sys::FromPath(b.filename());
        const int byCase = sys::CompareNoCase(na, nb);
        return byCase != 0 ? byCase < 0 : na < nb;
    });

    ClearProfiles();
    int32_t loaded = 0;
    for (const auto& path : files) {
        const std::string fileName = path.filename().string();
        const size_t stemSize = fileName.size() - dottedExtension.size();
        const std::u16string baseName = sys::FromUtf8(fileName.substr(0, stemSize));
        // The file's own spelling of the extension ("MVP"): the file system tells case apart.
        const std::u16string fileExtension = sys::FromUtf8(fileName.substr(stemSize + 1));
        auto profile = std::make_unique<CMouseProfile>();
        if (!profile->Load(baseName, m_profileFolder, fileExtension))
            break;
        m_profiles.push_back(std::move(profile));
        ++loaded;
    }
    return loaded;
}

bool CMouseConfig::SaveProfile(IMouseProfile* profile)
{
    const std::u16string extension = GetProfileExtension();
    if (profile) {
        std::u16string baseName;
        return profile->Save(baseName, m_profileFolder, extension);
    }
    for (const auto& each : m_profiles) {
        std::u16string baseName;
        each->Save(baseName, m_profileFolder, extension);
    }
    return true;
}

int32_t CMouseConfig::GetAccelerationMin() const { return m_accelerationMin; }
int32_t CMouseConfig::GetAccelerationMax() const { return m_accelerationMax; }
