#pragma once

// The tray icon's menu: "Load Quor Configurator", up to eleven profile entries and "Close Tray
// Icon", by command id. Each chosen entry posts WM_COMMAND(id) to the owner window.

#include "platform/win/WinTypes.h"

#include <QMenu>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr uint16_t ID_LOAD_CONFIGURATOR = 32770;
inline constexpr uint16_t ID_PROFILE_FIRST = 32771;
inline constexpr uint16_t ID_PROFILE_LAST = 32781;
inline constexpr uint16_t ID_CLOSE_TRAY_ICON = 33000;
inline constexpr size_t kTrayMenuProfiles = ID_PROFILE_LAST - ID_PROFILE_FIRST + 1; // 11

// The menu as the program ships it: every entry, placeholder profile names, no separators.
std::unique_ptr<QMenu> LoadTrayMenu(quor::win::HWND owner);

// The shipped menu with the profile entries replaced by the names (at most eleven, in order;
// the one equal to active, letter case included, checked), separators around them when there
// are any, unused profile entries removed, and "Load Quor Configurator" the default entry.
std::unique_ptr<QMenu> BuildTrayMenu(quor::win::HWND owner, const std::vector<std::u16string>& names,
                                     std::u16string_view active);

// The entry of a command id; null when the menu has none.
QAction* FindMenuAction(const QMenu& menu, uint16_t id);
