#pragma once

// Turns a skin document from xml/ into items appended to a list, with owner as the parent of
// the window items and the window they notify. A panel document (GUIPANEL) first gives its
// background and mask bitmaps (ids 0 and 1); the lists of its container are then read in a
// fixed order, so that an item may refer to one of an earlier list. Nothing is reported: an
// unreadable document, element, bitmap or reference means fewer items.

#include "skin/CGUIItemList.h"

#include <string_view>
#include <vector>

class QWidget;

namespace quor::skin {

void LoadSkinDocument(std::u16string_view documentName, CGUIItemList& list, QWidget* owner);

// The same for a document already read (the fuzzer and the benchmarks feed bytes directly).
void LoadSkinDocumentBytes(const std::vector<char>& bytes, CGUIItemList& list, QWidget* owner);

} // namespace quor::skin
