#include "shell/shortcut_keys.h"

#include <gtest/gtest.h>

#include <xkbcommon/xkbcommon-keysyms.h>

namespace pigmentrix {
namespace {

struct KeyRow {
    const char *name;
    QKeyCombination keys;
    std::optional<X11KeyCombination> x11;
    QString trigger;
};

class ShortcutKeys : public testing::TestWithParam<KeyRow> { };

TEST_P(ShortcutKeys, NameTheKeyForTheServerAndThePortal)
{
    const KeyRow &row = GetParam();
    EXPECT_EQ(ToX11KeyCombination(row.keys), row.x11);
    EXPECT_EQ(ToPortalTrigger(row.keys), row.trigger);
}

constexpr std::uint16_t Shift = 1, Control = 4, Alt = 8, Logo = 64;

INSTANTIATE_TEST_SUITE_P(
    Rows, ShortcutKeys,
    testing::Values(KeyRow{"CtrlAltLetter", Qt::ControlModifier | Qt::AltModifier | Qt::Key_P,
                           X11KeyCombination{XKB_KEY_p, Control | Alt}, QStringLiteral("CTRL+ALT+p")},
                    KeyRow{"LogoShiftLetter", Qt::MetaModifier | Qt::ShiftModifier | Qt::Key_C,
                           X11KeyCombination{XKB_KEY_c, Shift | Logo}, QStringLiteral("SHIFT+LOGO+c")},
                    KeyRow{"FunctionKey", QKeyCombination(Qt::Key_F12), X11KeyCombination{XKB_KEY_F12, 0},
                           QStringLiteral("F12")},
                    KeyRow{"Print", Qt::ShiftModifier | Qt::Key_Print, X11KeyCombination{XKB_KEY_Print, Shift},
                           QStringLiteral("SHIFT+Print")},
                    KeyRow{"Digit", Qt::ControlModifier | Qt::Key_5, X11KeyCombination{XKB_KEY_5, Control},
                           QStringLiteral("CTRL+5")},
                    KeyRow{"Punctuation", Qt::AltModifier | Qt::Key_Comma, X11KeyCombination{XKB_KEY_comma, Alt},
                           QStringLiteral("ALT+comma")},
                    KeyRow{"PageDown", Qt::ControlModifier | Qt::Key_PageDown, X11KeyCombination{XKB_KEY_Next, Control},
                           QStringLiteral("CTRL+Next")},
                    KeyRow{"ModifierAloneHasNoKey", QKeyCombination(Qt::Key_Control), std::nullopt, QString()},
                    KeyRow{"UnknownKey", QKeyCombination(Qt::Key_LaunchMail), std::nullopt, QString()}),
    [](const testing::TestParamInfo<KeyRow> &info) { return std::string(info.param.name); });

} // namespace
} // namespace pigmentrix
