#pragma once

// The program-wide language state: the map of loaded languages (ids 314 to 322) and the current
// language, with the lookups every item makes through it. With no current language every lookup
// fails and texts are shown as written. User-interface thread only.

#include "skin/CLangTable.h"

#include <optional>
#include <string>
#include <string_view>

namespace quor::skin {

CLangTable* LanguageFromMap(int32_t languageId);
void SetLanguageInMap(int32_t languageId, CLangTable* table);

CLangTable* CurrentLanguage();
void SetCurrentLanguage(CLangTable* table);

// Removes the table from the map and from the current language (when it is destroyed).
void ForgetLanguage(const CLangTable* table);

// The text of a "$" key or "#" prefix in the current language; nothing when not found.
std::optional<std::u16string> LookUpText(std::u16string_view text);

// The text as the current language shows it: looked up, or as written.
std::u16string TranslatedText(std::u16string_view text);

const CLangTable::OverrideData* FindOverride(int32_t itemId, std::u16string_view attribute);

int32_t ReplaceFont(int32_t fontId);

} // namespace quor::skin
