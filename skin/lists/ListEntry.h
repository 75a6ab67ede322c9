#pragma once

// One entry of a drop-down or popup list: its text (a language key or plain text) and an
// optional sub-list of choices, a list panel item that the entry's list does not own.

#include <string>

namespace quor::skin {

class CListPanelItem;

struct ListEntry {
    std::u16string text;
    CListPanelItem* subList = nullptr;
};

} // namespace quor::skin
