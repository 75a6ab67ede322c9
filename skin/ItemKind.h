#pragma once

// What made an item: the element kinds of skin documents.

namespace quor::skin {

enum ItemKind : int {
    kKindPanelBitmap = 0,
    kKindBitmapItem = 1,
    kKindButton = 2,
    kKindAviButton = 3,
    kKindProfileButton = 4,
    kKindVertSlider = 5,
    kKindSliderHandle = 6,
    kKindMarker = 7,
    kKindSliderMulti = 8,
    kKindApmSlider = 9,
    kKindMacroDisplay = 10,
    kKindText = 11,
    kKindFont = 12,
    kKindLanguage = 13,
    kKindCombo = 14,
    kKindListPanel = 15,
    kKindBitmapWindow = 16,
    kKindListCtrl = 17,
    kKindEdit = 18,
    kKindEditSingleKey = 19,
    kKindStageWindow = 20,
};

} // namespace quor::skin
