#include "skin/Language.h"

#include "skin/SkinIds.h"

#include <array>

namespace quor::skin {

namespace {

struct LanguageState {
    std::array<CLangTable*, kIdLanguageJapanese - kIdLanguageDefault + 1> map{};
    CLangTable* current = nullptr;
};

LanguageState& State()
{
    static LanguageState state;
    return state;
}

bool IsLanguageId(int32_t id)
{
    return id >= kIdLanguageDefault && id <= kIdLanguageJapanese;
}

} // namespace

CLangTable* LanguageFromMap(int32_t languageId)
{
    return IsLanguageId(languageId) ? State().map[languageId - kIdLanguageDefault] : nullptr;
}

void SetLanguageInMap(int32_t languageId, CLangTable* table)
{
    if (IsLanguageId(languageId))
        State().map[languageId - kIdLanguageDefault] = table;
}

CLangTable* CurrentLanguage()
{
    return State().current;
}

void SetCurrentLanguage(CLangTable* table)
{
    State().current = table;
}

void ForgetLanguage(const CLangTable* table)
{
    for (auto& entry : State().map) {
        if (entry == table)
            entry = nullptr;
    }
    if (State().current == table)
        State().current = nullptr;
}

std::optional<std::u16string> LookUpText(std::u16string_view text)
{
    const CLangTable* current = CurrentLanguage();
    if (!current)
        return std::nullopt;
    return current->LookUp(text);
}

std::u16string TranslatedText(std::u16string_view text)
{
    auto found = LookUpText(text);
    return found ? std::move(*found) : std::u16string(text);
}

const CLangTable::OverrideData* FindOverride(int32_t itemId, std::u16string_view attribute)
{
    const CLangTable* current = CurrentLanguage();
    return current ? current->FindOverride(itemId, attribute) : nullptr;
}

int32_t ReplaceFont(int32_t fontId)
{
    const CLangTable* current = CurrentLanguage();
    return current ? current->ReplaceFont(fontId) : fontId;
}

} // namespace quor::skin
