#include "tray/TrayMenu.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"

#include <QPointer>
#include <QString>

using namespace quor::win;

namespace {

QAction* AddEntry(QMenu& menu, HWND owner, uint16_t id, const QString& text)
{
    QAction* action = menu.addAction(text);
    action->setData(id);
    // Posted, as a menu's command arrives after the menu has closed: the command may delete
    // the menu.
    QObject::connect(action, &QAction::triggered, &menu, [window = QPointer<QWidget>(owner), id] {
        PostMessage(window.data(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    });
    return action;
}

} // namespace

std::unique_ptr<QMenu> LoadTrayMenu(HWND owner)
{
    auto menu = std::make_unique<QMenu>();
    AddEntry(*menu, owner, ID_LOAD_CONFIGURATOR, QStringLiteral("Load Quor Configurator"));
    for (uint16_t id = ID_PROFILE_FIRST; id <= ID_PROFILE_LAST; ++id)
        AddEntry(*menu, owner, id, QStringLiteral("Profile%1").arg(id - ID_PROFILE_FIRST + 1));
    AddEntry(*menu, owner, ID_CLOSE_TRAY_ICON, QStringLiteral("Close Tray Icon"));
    return menu;
}

QAction* FindMenuAction(const QMenu& menu, uint16_t id)
{
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator() && action->data().toUInt() == id)
            return action;
    }
    return nullptr;
}

std::unique_ptr<QMenu> BuildTrayMenu(HWND owner, const std::vector<std::u16string>& names, std::u16string_view active)
{
    std::unique_ptr<QMenu> menu = LoadTrayMenu(owner);
    const size_t count = std::min(names.size(), kTrayMenuProfiles);
    if (count > 0) {
        menu->insertSeparator(FindMenuAction(*menu, ID_PROFILE_FIRST));
        for (size_t i = 0; i < count; ++i) {
            QAction* entry = FindMenuAction(*menu, static_cast<uint16_t>(ID_PROFILE_FIRST + i));
            entry->setText(QString::fromStdU16String(names[i]));
            // Only the active entry is checkable: styles draw an empty box beside every
            // checkable entry, and the others carry no mark at all.
            const bool isActive = names[i] == active;
            entry->setCheckable(isActive);
            entry->setChecked(isActive);
        }
        // With every profile entry in use there is no entry after them to separate.
        if (QAction* next = FindMenuAction(*menu, static_cast<uint16_t>(ID_PROFILE_FIRST + count)))
            menu->insertSeparator(next);
    }
    for (size_t id = ID_PROFILE_FIRST + count; id <= ID_PROFILE_LAST; ++id)
        delete FindMenuAction(*menu, static_cast<uint16_t>(id));
    menu->setDefaultAction(FindMenuAction(*menu, ID_LOAD_CONFIGURATOR));
    return menu;
}
