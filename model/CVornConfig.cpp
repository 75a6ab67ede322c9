#include "model/CVornConfig.h"

#include "model/ButtonNumbers.h"
#include "model/ConfigDefaults.h"
#include "model/FunctionCodes.h"
#include "model/ProfileFile.h"

#include "platform/system/Utf16.h"

#include <filesystem>

namespace {
std::u16string ExecutableFolder()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return u"./";
    return quor::system::FromPath(exe.parent_path()) + u"/";
}

// The default record of each directly assigned button, in kDirectButtons order.
constexpr int32_t kDefaultButtonFunctions[] = {
    FunctionCode::Click,   FunctionCode::Menu,     FunctionCode::UniversalScrolling,
    FunctionCode::Forward, FunctionCode::Backward, FunctionCode::ScrollUp,
    FunctionCode::ScrollDown};
static_assert(std::size(kDefaultButtonFunctions) == kDirectButtons.size());
} // namespace

CVornConfig::CVornConfig(std::u16string_view programFolder)
{
    using namespace ProfileFile;
    std::u16string folder = programFolder.empty() ? ExecutableFolder() : std::u16string(programFolder);
    if (folder.back() != u'/')
        folder += u'/';
    const std::u16string saveFolder = folder + std::u16string(SaveFolder);
    SetPaths(saveFolder + std::u16string(SettingsBaseName) + u"." + std::u16string(SettingsExtension), saveFolder,
             saveFolder);
}

IMouseProfile* CVornConfig::NewProfile(std::u16string_view name)
{
    IMouseProfile* profile = CMouseConfig::NewProfile(name);
    CreateStages(Defaults::StageCount, profile);
    ApplyDefaults(profile);
    return profile;
}

std::u16string CVornConfig::GetProfileExtension() const { return std::u16string(ProfileFile::ProfileExtension); }

void CVornConfig::ApplyDefaults(IMouseProfile* profile)
{
    for (size_t i = 0; i < kDirectButtons.size(); ++i)
        SetButtonAssignment(kDirectButtons[i], AssignmentRecord::Make(kDefaultButtonFunctions[i]), profile);
    for (const auto* keys : {&kNumberRowKeys, &kKeypadKeys}) {
        for (int32_t scanCode : *keys)
            SetKeyAssignment(scanCode, AssignmentRecord::SingleKey(uint16_t(scanCode)), profile);
    }
    SetThumbKeysEnabled(Defaults::ThumbKeysEnabled, profile);
    SetDpiRange(Defaults::DpiMin, Defaults::DpiMax, Defaults::DpiStep, profile);
    SetCurrentStage(Defaults::CurrentStage, profile);
    for (int32_t stage = 1; stage <= int32_t(Defaults::StageDpi.size()); ++stage) {
        SetStageDpi(stage, Defaults::StageDpi[size_t(stage - 1)], profile);
        SetStageXYSeparate(stage, 0, profile);
    }
    SetActiveStageCount(Defaults::StageCount, profile);
    SetPollingRate(Defaults::PollingRate);
    SetScrollLight(Defaults::ScrollLight, profile);
    SetGlowLight(Defaults::GlowLight, profile);
    SetAccelerationLevel(Defaults::AccelerationLevel);
    SetAccelerationEnabled(Defaults::AccelerationEnabled);
    // The lights are set again after the acceleration on purpose: the reset's fixed sequence.
    SetScrollLight(Defaults::ScrollLight, profile);
    SetGlowLight(Defaults::GlowLight, profile);
    SetSensitivityDisplay(Defaults::SensitivityDisplay, profile);
    if (profile) {
        const IMouseProfile* active = GetActiveProfile();
        SetProfileDisplayAll(active ? active->GetProfileDisplay() : 0);
    } else {
        SetProfileDisplayAll(1);
    }
}
