#include "fake_portal.h"
#include "shell/portal_global_shortcut.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

namespace pigmentrix {
namespace {

// Against a GlobalShortcuts portal of the test's own on a private bus, as
// xdg-desktop-portal 1.18 and later has it.
class PortalGlobalShortcutTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bus.running()) << "dbus-daemon could not start";
        ASSERT_TRUE(portal.publish(bus.portalSide()));
    }

    ShortcutBinding bindAndWait(const QKeySequence &keys)
    {
        const qsizetype before = bound.count();
        client.bind(keys);
        for (int i = 0; i < 200 && bound.count() == before; ++i)
            bound.wait(50);
        EXPECT_EQ(bound.count(), before + 1);
        return bound.isEmpty() ? ShortcutBinding{} : bound.last().at(0).value<ShortcutBinding>();
    }

    PrivateSessionBus bus;
    FakeGlobalShortcutsPortal portal;
    PortalGlobalShortcut client{bus.programSide()};
    QSignalSpy bound{&client, &GlobalShortcut::bound};
    QSignalSpy activated{&client, &GlobalShortcut::activated};
};

TEST_F(PortalGlobalShortcutTest, TheBusTellsWhetherThePortalHasShortcuts)
{
    EXPECT_TRUE(PortalGlobalShortcut::PortalHasShortcuts(bus.programSide()));
    bus.portalSide().unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
    EXPECT_FALSE(PortalGlobalShortcut::PortalHasShortcuts(bus.programSide()));
}

TEST_F(PortalGlobalShortcutTest, BindsThePreferredTriggerInOneSessionAndPicksOnActivated)
{
    const ShortcutBinding first = bindAndWait(QKeySequence(Qt::ControlModifier | Qt::AltModifier | Qt::Key_P));
    EXPECT_EQ(first.result, ShortcutBinding::Result::Bound) << first.message.toStdString();
    EXPECT_EQ(first.trigger, QStringLiteral("CTRL+ALT+p"));
    EXPECT_EQ(portal.lastId, QStringLiteral("pick"));
    EXPECT_EQ(portal.lastPreferredTrigger, QStringLiteral("CTRL+ALT+p"));

    portal.activate(QStringLiteral("pick"));
    activated.wait(2000);
    EXPECT_EQ(activated.count(), 1);
    portal.activate(QStringLiteral("something-else"));
    EXPECT_FALSE(activated.wait(300));

    bindAndWait(QKeySequence(Qt::Key_F9));
    EXPECT_EQ(portal.sessionCalls, 1) << "a second binding reuses the session";
    EXPECT_EQ(portal.bindCalls, 2);
    EXPECT_EQ(portal.lastPreferredTrigger, QStringLiteral("F9"));
}

TEST_F(PortalGlobalShortcutTest, ARefusedBindingIsSaidAsSuch)
{
    portal.bindResponse = 2;
    const ShortcutBinding refused = bindAndWait(QKeySequence(Qt::ControlModifier | Qt::Key_K));
    EXPECT_EQ(refused.result, ShortcutBinding::Result::Failed);
    EXPECT_FALSE(refused.message.isEmpty());
}

} // namespace
} // namespace pigmentrix
