#include "skin/ProgramFolder.h"

#include <QCoreApplication>

namespace quor::skin {

namespace {

std::filesystem::path& Folder()
{
    static std::filesystem::path folder;
    return folder;
}

} // namespace

std::filesystem::path ProgramFolder()
{
    if (Folder().empty() && QCoreApplication::instance())
        Folder() = QCoreApplication::applicationDirPath().toStdU16String();
    return Folder();
}

void SetProgramFolder(const std::filesystem::path& folder)
{
    Folder() = folder;
}

} // namespace quor::skin
