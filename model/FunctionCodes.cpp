#include "model/FunctionCodes.h"

#include "model/ButtonNumbers.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<std::u16string_view, FunctionCode::Count> kFunctionKeys = {
    u"$click", u"$menu", u"$universalscrolling", u"$SingleKey", u"$macro", u"$macro",
    u"$buttonoff", u"$advanced", u"$on-the-flysensitivity", u"$button4", u"$button5",
    u"$SensitivityStageUp", u"$SensitivityStageDown", u"$dpistage1", u"$dpistage2",
    u"$dpistage3", u"$dpistage4", u"$dpistage5", u"$profile", u"$profile", u"$profileup",
    u"$profiledown", u"$profile1", u"$profile2", u"$profile3", u"$profile4", u"$profile5",
    u"$play", u"$stop", u"$Backward", u"$Forward", u"$pause", u"$volumeup", u"$volumedown",
    u"$mute", u"$skipback", u"$skipforward", u"$scrollup", u"$scrolldown", u"$cut", u"$copy",
    u"$paste", u"$undo", u"$all", u"$find", u"$new", u"$print", u"$save", u"$swapwindows",
    u"$closewindows", u"$lockpc", u"$openexplorer", u"$run", u"$showdesktop", u"$zoomin",
    u"$zoomout", u"$dpisetting", u"$profilesetting", u"$selectfun"};

using namespace FunctionCode;

constexpr std::array<int32_t, 6> kWheelFunctions = {MacroById, StageUp, StageDown,
                                                    ScrollUp,  ScrollDown, ButtonOff};
constexpr std::array<int32_t, 14> kButtonFunctions = {
    Click,   Menu,     UniversalScrolling, MacroById,   StageUp,  StageDown,  Forward,
    Backward, OnTheFlySensitivity, SingleKey, ProfileById, ScrollUp, ScrollDown, ButtonOff};
} // namespace

std::u16string_view GetFunctionKey(int32_t code)
{
    if (code < 0 || code >= FunctionCode::Count)
        return {};
    return kFunctionKeys[size_t(code)];
}

std::span<const int32_t> GetAllowedFunctions(int32_t button)
{
    if (button == Button::WheelUp || button == Button::WheelDown)
        return kWheelFunctions;
    return kButtonFunctions;
}

bool IsFunctionAllowedOn(int32_t code, int32_t button)
{
    for (int32_t allowed : GetAllowedFunctions(button)) {
        if (code == allowed || (code == ProfileByName && allowed == ProfileById) ||
            (code == MacroByName && allowed == MacroById))
            return true;
    }
    return false;
}

std::vector<std::u16string> GetAllowedFunctionKeysOf(int32_t button)
{
    std::vector<std::u16string> keys;
    for (int32_t code : GetAllowedFunctions(button))
        keys.emplace_back(GetFunctionKey(code));
    return keys;
}
