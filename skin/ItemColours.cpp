#include "skin/ItemColours.h"

#include "skin/Colour.h"

#include <QWidget>

namespace quor::skin {

void ApplyColours(QWidget& widget, const ItemColours& colours)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, ToQColor(colours.back));
    palette.setColor(QPalette::Text, ToQColor(colours.text));
    palette.setColor(QPalette::Highlight, ToQColor(colours.backHighlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(colours.textHighlight));
    widget.setPalette(palette);
}

} // namespace quor::skin
