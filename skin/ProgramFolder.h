#pragma once

// The program folder under which the skin's folders (xml/, skins/, fonts/, lang/) lie: the
// executable's folder unless set (tests set their own).

#include <filesystem>

namespace quor::skin {

std::filesystem::path ProgramFolder();
void SetProgramFolder(const std::filesystem::path& folder);

} // namespace quor::skin
