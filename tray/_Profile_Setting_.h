#pragma once

// The tray's record of one device profile: its name, the program bound to it and its three
// flags (non-zero when set).

#include <cstdint>
#include <string>

struct _Profile_Setting_ {
    std::u16string name;
    std::u16string program;
    uint32_t autoSwitch = 0;
    uint32_t sensitivityDisplay = 0;
    uint32_t profileDisplay = 0;
};
