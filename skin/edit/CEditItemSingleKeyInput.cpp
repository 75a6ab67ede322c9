#include "skin/edit/CEditItemSingleKeyInput.h"

namespace quor::skin {

CEditItemSingleKeyInput::CEditItemSingleKeyInput(QWidget* parent) : CEditItem(parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

} // namespace quor::skin
