#include "platform/system/Shell.h"

#include <QDir>
#include <QProcess>
#include <QString>

namespace quor::system {

namespace {
QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

bool Shell::Execute(std::u16string_view folder, std::u16string_view program)
{
    const QString directory = ToQString(folder);
    return QProcess::startDetached(QDir(directory).filePath(ToQString(program)), {}, directory);
}

} // namespace quor::system
