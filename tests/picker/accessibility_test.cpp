// What a screen reader finds in the window: every control named and given a
// role, value controls with their values, the colour frame telling its
// colour, open menus in the tree.
#include "window_test_fixture.h"

#include "ui/reading_order.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace pigmentrix {
namespace {

using AccessibilityTest = PickerWindowTest;

QAccessibleInterface *Accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

TEST_F(AccessibilityTest, EveryNamedControlHasItsRoleNameAndLabel)
{
    struct Row {
        const char *control;
        QAccessible::Role role;
        const char *name;
        const char *label; // the label that names it on screen, if any
    };
    const Row rows[] = {
        {"edtRed", QAccessible::EditableText, "Red", "lblRed"},
        {"edtGreen", QAccessible::EditableText, "Green", "lblGreen"},
        {"edtBlue", QAccessible::EditableText, "Blue", "lblBlue"},
        {"edtAlpha", QAccessible::EditableText, "Alpha", "lblAlpha"},
        {"edtHue", QAccessible::EditableText, "Hue", "lblHue"},
        {"edtSaturation", QAccessible::EditableText, "Saturation", "lblSaturation"},
        {"edtValue", QAccessible::EditableText, "Value", "lblValue"},
        {"scrollbarred", QAccessible::Slider, "Red slider", nullptr},
        {"scrollbarGreen", QAccessible::Slider, "Green slider", nullptr},
        {"scrollbarBlue", QAccessible::Slider, "Blue slider", nullptr},
        {"scrollbarBrightness", QAccessible::Slider, "Brightness slider", nullptr},
        {"scrollbarAlpha", QAccessible::Slider, "Alpha slider", nullptr},
        {"scrollbarHue", QAccessible::Slider, "Hue slider", nullptr},
        {"scrollbarSaturation", QAccessible::Slider, "Saturation slider", nullptr},
        {"scrollbarValue", QAccessible::Slider, "Value slider", nullptr},
        {"btnUndo", QAccessible::Button, "Undo", nullptr},
        {"btnRedo", QAccessible::Button, "Redo", nullptr},
        {"btnGrab", QAccessible::Button, "Grab", nullptr},
        {"btnOptions2", QAccessible::Button, "Options", nullptr},
        {"btnClose", QAccessible::Button, "Close", nullptr},
        {"JvSpeedButton1", QAccessible::Button, "Load Palette", nullptr},
        {"JvSpeedButton2", QAccessible::Button, "Save Palette", nullptr},
        {"edtColor", QAccessible::EditableText, "Color code", nullptr},
        {"cbxDisplay", QAccessible::ComboBox, "Notation", nullptr},
        {"cbxZoom", QAccessible::ComboBox, "Zoom", nullptr},
        {"cbxColors", QAccessible::ComboBox, "Named color", "lblHTMLColor"},
        {"mempan1", QAccessible::Button, "Palette slot 1", nullptr},
        {"mempan3", QAccessible::Button, "Palette slot 3", nullptr},
        {"mempan16", QAccessible::Button, "Palette slot 16", nullptr},
        {"imgColorWheel", QAccessible::Graphic, "HSV picture", nullptr},
        {"pnlColor", QAccessible::Graphic, "Color frame", nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.control);
        QAccessibleInterface *control = Accessible(this->control(row.control));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->role(), row.role);
        EXPECT_EQ(control->text(QAccessible::Name), row.name);
        if (!row.label)
            continue;
        QAccessibleInterface *label = Accessible(this->control(row.label));
        const auto relations = control->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(relations.begin(), relations.end(),
                                [label](const auto &relation) { return relation.first == label; }))
            << "labelled by " << row.label;
    }
}

TEST_F(AccessibilityTest, EveryFocusableControlHasANameThatIsNotItsValue)
{
    setColor(ComposeColor(65, 105, 225));
    const QList<QWidget *> controls = ReadingOrder(window.get());
    ASSERT_GT(controls.size(), 20);
    for (QWidget *widget : controls) {
        SCOPED_TRACE(widget->objectName().toStdString());
        QAccessibleInterface *control = Accessible(widget);
        ASSERT_NE(control, nullptr);
        const QString name = control->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_NE(name, control->text(QAccessible::Value));
        EXPECT_NE(control->role(), QAccessible::Client) << "a plain panel says nothing of what it does";
    }
}

TEST_F(AccessibilityTest, ValueControlsTellTheirValues)
{
    setColor(ComposeColor(65, 105, 225));
    struct Row {
        const char *control;
        const char *value;
    };
    for (const Row row : {Row{"edtRed", "65"}, Row{"edtBlue", "225"}, Row{"scrollbarGreen", "105"},
                          Row{"scrollbarAlpha", "255"}, Row{"cbxZoom", "Zoom x 4"}}) {
        SCOPED_TRACE(row.control);
        EXPECT_EQ(Accessible(control(row.control))->text(QAccessible::Value), row.value);
    }
    QAccessibleValueInterface *hue = Accessible(slider("scrollbarHue"))->valueInterface();
    ASSERT_NE(hue, nullptr);
    EXPECT_EQ(hue->maximumValue().toInt(), 360);
    EXPECT_EQ(hue->currentValue().toInt(), 225);
}

TEST_F(AccessibilityTest, ASliderSetByAssistiveTechnologyChangesTheColour)
{
    setColor(ComposeColor(65, 105, 225));
    Accessible(slider("scrollbarred"))->valueInterface()->setCurrentValue(200);
    EXPECT_EQ(color(), ComposeColor(200, 105, 225));
    EXPECT_EQ(box("edtRed")->text(), "200");
}

TEST_F(AccessibilityTest, TheColorFrameTellsItsColourAndContrast)
{
    struct Row {
        TColor color;
        const char *told;
    };
    for (const Row row : {Row{ComposeColor(65, 105, 225), "#4169E1"}, Row{ComposeColor(255, 255, 0), "#FFFF00"}}) {
        SCOPED_TRACE(row.told);
        setColor(row.color);
        const QString description = Accessible(control("pnlColor"))->text(QAccessible::Description);
        EXPECT_TRUE(description.contains(row.told)) << description.toStdString();
        const QString contrast = control<QLabel>("lblContrast")->text().replace('\n', ' ');
        EXPECT_TRUE(description.contains(contrast)) << description.toStdString();
    }
}

TEST_F(AccessibilityTest, AnOpenMenuIsAChildOfTheApplication)
{
    const auto menuListed = [](QMenu *menu) {
        QAccessibleInterface *application = Accessible(qApp);
        QAccessibleInterface *shown = Accessible(menu);
        for (int i = 0; i < application->childCount(); ++i)
            if (application->child(i) == shown)
                return application->indexOfChild(shown) == i;
        return false;
    };
    for (const char *name : {"pupMain", "pupColorPanel", "pupPalette"}) {
        SCOPED_TRACE(name);
        auto *menu = control<QMenu>(name);
        EXPECT_FALSE(menuListed(menu));
        menu->popup(window->mapToGlobal(QPoint(20, 20)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        EXPECT_TRUE(menuListed(menu));
        EXPECT_EQ(Accessible(menu)->role(), QAccessible::PopupMenu);
        menu->close();
        EXPECT_FALSE(menuListed(menu));
    }
}

} // namespace
} // namespace pigmentrix
