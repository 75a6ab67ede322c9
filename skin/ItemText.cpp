#include "skin/ItemText.h"

#include "skin/Language.h"

#include <QPainter>
#include <QString>

namespace quor::skin {

namespace {

constexpr int kDefaultFontPixels = 14;

} // namespace

std::u16string ApplyCaps(std::u16string_view text, std::u16string_view caps)
{
    if (caps.empty())
        return std::u16string(text);
    const QString value = QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                               static_cast<qsizetype>(text.size()));
    if (caps.front() == u'U')
        return value.toUpper().toStdU16String();
    if (caps.front() == u'L')
        return value.toLower().toStdU16String();
    return std::u16string(text);
}

std::u16string TooltipText(std::u16string_view text)
{
    std::u16string result = TranslatedText(text);
    const auto slash = result.find(u'\\');
    if (slash != std::u16string::npos)
        result.replace(slash, slash + 1 < result.size() ? 2 : 1, u" ");
    return result;
}

std::u16string WithLineBreak(std::u16string_view text)
{
    std::u16string result(text);
    const auto at = result.find(u"\\n");
    if (at != std::u16string::npos)
        result.replace(at, 2, u"\r\n");
    return result;
}

int AlignmentFromJustify(std::u16string_view justify)
{
    if (justify.empty())
        return DT_LEFT;
    if (justify.front() == u'R')
        return DT_RIGHT;
    if (justify.front() == u'C')
        return DT_CENTER;
    return DT_LEFT;
}

int TextItemFormat(std::u16string_view justify, bool multiline)
{
    const int alignment = AlignmentFromJustify(justify);
    if (alignment == DT_LEFT)
        return multiline ? DT_WORDBREAK : 0;
    return alignment | (multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
}

int CaptionFormat(std::u16string_view justify, bool multiline)
{
    return AlignmentFromJustify(justify) | DT_VCENTER | (multiline ? DT_WORDBREAK : DT_SINGLELINE);
}

QFont DefaultItemFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kDefaultFontPixels);
    font.setWeight(QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void DrawItemText(QPainter& painter, const QRect& area, std::u16string_view text, int format)
{
    int flags = Qt::AlignLeft;
    if (format & DT_CENTER)
        flags = Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags = Qt::AlignRight;
    flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    QString value = QString::fromStdU16String(std::u16string(text));
    if (format & DT_SINGLELINE)
        value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    else
        value.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.drawText(area, flags, value);
}

} // namespace quor::skin
