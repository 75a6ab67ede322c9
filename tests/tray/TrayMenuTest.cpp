// The tray icon's menu: built from the device's profiles at each opening, and its profile
// commands switching the virtual mouse.

#include "support/QtWait.h"
#include "TrayFixture.h"

#include "platform/win/SystemMessages.h"
#include "platform/win/WindowApi.h"
#include "tray/CDeviceManager.h"
#include "tray/CVornSysTrayDlg.h"
#include "tray/TrayMenu.h"

#include <QWidget>

namespace {

using namespace quor::win;
using quor::test::TrayFixture;

struct Entry {
    QString text;
    bool separator = false;
    bool checked = false;
    friend bool operator==(const Entry&, const Entry&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Entry& e)
    {
        return out << (e.separator ? "----" : e.text.toStdString()) << (e.checked ? " [x]" : "");
    }
};

std::vector<Entry> Entries(const QMenu& menu)
{
    std::vector<Entry> entries;
    for (const QAction* action : menu.actions())
        entries.push_back({action->isSeparator() ? QString() : action->text(), action->isSeparator(), action->isChecked()});
    return entries;
}

const Entry kLoad{QStringLiteral("Load Quor Configurator")};
const Entry kClose{QStringLiteral("Close Tray Icon")};
const Entry kSeparator{QString(), true};

TEST(TrayMenuTest, ProfileEntriesBetweenSeparatorsWithTheActiveOneChecked)
{
    QWidget owner;
    const auto menu = BuildTrayMenu(&owner, {u"One", u"Two", u"Three"}, u"Two");
    EXPECT_EQ(Entries(*menu), (std::vector<Entry>{kLoad, kSeparator, {QStringLiteral("One")},
                                                  {QStringLiteral("Two"), false, true}, {QStringLiteral("Three")},
                                                  kSeparator, kClose}));
    EXPECT_EQ(menu->defaultAction(), FindMenuAction(*menu, ID_LOAD_CONFIGURATOR));
    EXPECT_EQ(FindMenuAction(*menu, ID_PROFILE_FIRST + 1)->text(), QStringLiteral("Two"));
    // The other entries carry no mark, not even an empty box.
    EXPECT_FALSE(FindMenuAction(*menu, ID_PROFILE_FIRST)->isCheckable());
    EXPECT_FALSE(FindMenuAction(*menu, ID_PROFILE_FIRST + 2)->isCheckable());
    EXPECT_EQ(FindMenuAction(*menu, ID_PROFILE_FIRST + 3), nullptr);
}

TEST(TrayMenuTest, EdgeCases)
{
    QWidget owner;
    // No profiles: no separators either.
    EXPECT_EQ(Entries(*BuildTrayMenu(&owner, {}, u"")), (std::vector<Entry>{kLoad, kClose}));
    // The active name must match exactly.
    EXPECT_EQ(Entries(*BuildTrayMenu(&owner, {u"one"}, u"One")),
              (std::vector<Entry>{kLoad, kSeparator, {QStringLiteral("one")}, kSeparator, kClose}));
    // Every entry in use: no entry after them, so no second separator; the twelfth name is left out.
    std::vector<std::u16string> names;
    for (int i = 1; i <= 12; ++i)
        names.push_back(u"P" + QString::number(i).toStdU16String());
    const auto full = BuildTrayMenu(&owner, names, u"P11");
    const std::vector<Entry> entries = Entries(*full);
    ASSERT_EQ(entries.size(), 14u);
    EXPECT_EQ(entries[12], (Entry{QStringLiteral("P11"), false, true}));
    EXPECT_EQ(entries[13], kClose);
}

class TrayMenuDeviceTest : public TrayFixture {
protected:
    void SetUp() override
    {
        TrayFixture::SetUp();
        ASSERT_EQ(Quorctl({"add-profile", "Work"}), 0);
        ASSERT_EQ(Quorctl({"add-profile", "Games"}), 0);
        ASSERT_EQ(Quorctl({"activate", "Work"}), 0);
        m_dialog = std::make_unique<CVornSysTrayDlg>();
    }
    void TearDown() override
    {
        m_dialog.reset();
        TrayFixture::TearDown();
    }
    QMenu* OpenMenu()
    {
        SendMessage(m_dialog.get(), WM_TRAYNOTIFY, kTrayIconId, WM_RBUTTONUP);
        QMenu* menu = m_dialog->GetTrayIcon().GetMenu();
        if (menu)
            menu->hide();
        return menu;
    }
    static std::u16string Active()
    {
        std::u16string name;
        CDeviceManager().GetActiveProfileName(name);
        return name;
    }

    std::unique_ptr<CVornSysTrayDlg> m_dialog;
};

TEST_F(TrayMenuDeviceTest, MenuFollowsTheDeviceAndItsEntriesSwitchProfiles)
{
    QMenu* menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(Entries(*menu), (std::vector<Entry>{kLoad, kSeparator, {QStringLiteral("Profile 1")},
                                                  {QStringLiteral("Work"), false, true}, {QStringLiteral("Games")},
                                                  kSeparator, kClose}));
    FindMenuAction(*menu, ID_PROFILE_FIRST + 2)->trigger();
    ASSERT_TRUE(quor::test::WaitForQt([&] { return Active() == u"Games"; }));
    menu = OpenMenu();
    EXPECT_TRUE(FindMenuAction(*menu, ID_PROFILE_FIRST + 2)->isChecked());
    EXPECT_FALSE(FindMenuAction(*menu, ID_PROFILE_FIRST + 1)->isChecked());
}

TEST_F(TrayMenuDeviceTest, ProfileCommandsOutsideTheNameListDoNothing)
{
    OpenMenu();
    SendMessage(m_dialog.get(), WM_COMMAND, ID_PROFILE_FIRST + 3, 0);
    SendMessage(m_dialog.get(), WM_COMMAND, ID_PROFILE_LAST, 0);
    EXPECT_EQ(Active(), u"Work");
    // A profile that went away since the menu opened is not found: nothing changes.
    ASSERT_EQ(Quorctl({"remove-profile", "Games"}), 0);
    SendMessage(m_dialog.get(), WM_COMMAND, ID_PROFILE_FIRST + 2, 0);
    EXPECT_EQ(Active(), u"Work");
}

TEST_F(TrayMenuDeviceTest, WithoutTheMouseOnlyTheFixedEntriesRemain)
{
    ASSERT_EQ(Quorctl({"unplug"}), 0);
    EXPECT_EQ(Entries(*OpenMenu()), (std::vector<Entry>{kLoad, kClose}));
}

} // namespace
