#include "formats_dialog_driver.h"
#include "grab_test_fixture.h"

#include "model/color_codes.h"
#include "picker/channel_editors.h"
#include "picker/color_code_box.h"

#include "ui/group_break_delegate.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace pigmentrix {
namespace {

constexpr TColor Orange = ComposeColor(255, 128, 0);

class CustomFormatsTest : public GrabWindowTest {
protected:
    // Opens "Custom Formats..." from the menu and works it with steps.
    void editFormats(const std::function<bool(const FormatsDialog &)> &steps)
    {
        dialogs.dialogSteps = [steps](QDialog &dialog) { return steps(FormatsDialog(dialog)); };
        item("CustomFormats1")->trigger();
    }
    void addFormats(const std::vector<std::pair<QString, QString>> &formats)
    {
        editFormats([&](const FormatsDialog &dialog) {
            for (const auto &[name, text] : formats)
                dialog.add(name, text);
            return dialog.ok();
        });
    }
    QComboBox *notations() const { return control<QComboBox>("cbxDisplay"); }
    QStringList customEntries() const
    {
        QStringList names;
        for (int i = NotationCount; i < notations()->count(); ++i)
            names << notations()->itemText(i);
        return names;
    }
    QString code() const { return box("edtColor")->text(); }
};

TEST_F(CustomFormatsTest, AddedFormatsFollowTheBuiltInsInTheListAndTheMenu)
{
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}, {"Tom & Jerry", "{hex}"}});
    EXPECT_EQ(customEntries(), (QStringList{"Qt", "Tom & Jerry"}));
    EXPECT_EQ(notations()->itemText(NotationCount - 1), "oklch()");

    QStringList menu;
    for (const QAction *action : item("Colordisplay1")->menu()->actions())
        menu << action->objectName();
    const QStringList tail = menu.mid(menu.indexOf("CSSoklch1"));
    EXPECT_EQ(tail, (QStringList{"CSSoklch1", "NCustomFormats", "CustomFormat1", "CustomFormat2", "NCustomFormatsEdit",
                                 "CustomFormats1"}));
    EXPECT_EQ(item("CustomFormat2")->text(), "Tom && Jerry") << "the ampersand is shown, not an accelerator";
    EXPECT_EQ(item("CustomFormats1")->text(), "Custom Formats...");
    EXPECT_TRUE(notations()->actions().contains(item("CustomFormats1"))) << "the notation list's own menu";
}

TEST_F(CustomFormatsTest, ALineInTheListSeparatesTheUsersFormatsWithoutARowOfItsOwn)
{
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}, {"Hex", "{hex}"}});
    EXPECT_EQ(notations()->count(), NotationCount + 2) << "the rows keep their numbers";
    QAbstractItemView *list = notations()->view();
    const int builtIn = list->sizeHintForRow(NotationCount - 1);
    struct Row {
        int row;
        int extra;
    };
    for (const Row row : {Row{0, 0}, Row{NotationCount - 1, 0}, Row{NotationCount, GroupBreakDelegate::Gap},
                          Row{NotationCount + 1, 0}}) {
        SCOPED_TRACE(row.row);
        EXPECT_EQ(list->sizeHintForRow(row.row), builtIn + row.extra);
    }
}

TEST_F(CustomFormatsTest, TheDialogOpensOnTheFormatInUse)
{
    addFormats({{"One", "{r}"}, {"Two", "{g}"}, {"Three", "{b}"}});
    struct Row {
        const char *chosen;
        int opensOn;
    };
    for (const Row row : {Row{"CustomFormat2", 1}, Row{"CustomFormat3", 2}, Row{"HTMLHex1", 0}}) {
        SCOPED_TRACE(row.chosen);
        item(row.chosen)->trigger();
        int shown = -1;
        QString named;
        editFormats([&](const FormatsDialog &dialog) {
            auto *list = dialog.find<QListWidget>("lstFormats");
            shown = list->currentRow();
            named = QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name);
            return false;
        });
        EXPECT_EQ(shown, row.opensOn);
        EXPECT_EQ(named, "Custom Formats") << "what a screen reader calls the list";
    }
}

TEST_F(CustomFormatsTest, ChoosingOneWorksAsChoosingABuiltIn)
{
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}});
    setColor(Orange);
    item("CustomFormat1")->trigger();
    EXPECT_EQ(notations()->currentIndex(), NotationCount);
    EXPECT_EQ(code(), "QColor(255, 128, 0)");

    chooseNotation(0);
    notations()->setCurrentIndex(NotationCount);
    emit notations()->activated(NotationCount);
    EXPECT_EQ(code(), "QColor(255, 128, 0)") << "chosen in the list";
    setColor(ComposeColor(1, 2, 3));
    EXPECT_EQ(code(), "QColor(1, 2, 3)") << "follows the colour";
}

TEST_F(CustomFormatsTest, PreviewShowsTheColourOrWhatIsWrong)
{
    struct Row {
        const char *name;
        QString text;
        QString shown;
        bool saves;
    };
    const std::vector<Row> rows = {
        {"Qt", "QColor({r}, {g}, {b})", "QColor(255, 128, 0)", true},
        {"Qt", "#{hex}{a:02X}", "#FF800080", true},
        {"Qt", "{red}", "Unknown field 'red' in template", false},
        {"Qt", "{r:q}", "Bad format 'q' for field 'r'", false},
        {"Qt", "{r", "Unclosed '{' in template; write '{{' for a brace", false},
        {"Qt", "", "Enter a template for the format.", false},
        {"", "{r}", "Enter a name for the format.", false},
        {"html HEX", "{r}", "There is already a format called 'html HEX'.", false},
        {"Kept", "{r}", "There is already a format called 'Kept'.", false},
    };
    setColor(Orange);
    area<ChannelEditors>().setAlphaMode(true);
    typeInto(box("edtAlpha"), "128");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text.toStdString() + " / " + row.name);
        editFormats([&](const FormatsDialog &dialog) {
            dialog.add("Kept", "{g}");
            dialog.add(row.name, row.text);
            EXPECT_EQ(dialog.preview(), row.shown);
            EXPECT_EQ(dialog.mayBeSaved(), row.saves);
            EXPECT_EQ(dialog.find<QListWidget>("lstFormats")->isEnabled(), row.saves) << "kept on the wrong one";
            EXPECT_EQ(dialog.find<QPushButton>("btnAddFormat")->isEnabled(), row.saves);
            EXPECT_EQ(dialog.ok(), row.saves);
            return false;
        });
        EXPECT_TRUE(customEntries().isEmpty()) << "nothing kept after Cancel";
    }
}

TEST_F(CustomFormatsTest, EditingAndRemovingKeepTheChoiceWhereItWent)
{
    addFormats({{"One", "1:{r}"}, {"Two", "2:{r}"}, {"Three", "3:{r}"}});
    setColor(Orange);
    item("CustomFormat3")->trigger();
    ASSERT_EQ(code(), "3:255");

    editFormats([](const FormatsDialog &dialog) {
        dialog.choose(0);
        dialog.click("btnRemoveFormat");
        EXPECT_EQ(dialog.find<QLineEdit>("edtFormatName")->text(), "Two") << "the neighbour shows";
        dialog.choose(1);
        dialog.type("edtFormatName", "Third");
        dialog.type("edtFormatTemplate", "third {g}");
        return dialog.ok();
    });
    EXPECT_EQ(customEntries(), (QStringList{"Two", "Third"}));
    EXPECT_EQ(notations()->currentIndex(), NotationCount + 1);
    EXPECT_EQ(code(), "third 128");
    EXPECT_EQ(item("CustomFormat2")->text(), "Third");

    editFormats([](const FormatsDialog &dialog) {
        dialog.choose(1);
        dialog.click("btnRemoveFormat");
        return dialog.ok();
    });
    EXPECT_EQ(customEntries(), (QStringList{"Two"}));
    EXPECT_EQ(notations()->currentIndex(), notation::HTMLHex) << "the chosen one went";
    EXPECT_EQ(code(), "#FF8000");
}

TEST_F(CustomFormatsTest, UppercaseSettingTouchesOnlyTheHexField)
{
    addFormats({{"Mixed", "Hex={hex} r={r:x} G={g:X}"}});
    setColor(ComposeColor(0xAB, 0xCD, 0xEF));
    item("CustomFormat1")->trigger();
    EXPECT_EQ(code(), "Hex=ABCDEF r=ab G=CD");
    item("UpperCaseColorCodes1")->trigger();
    EXPECT_EQ(code(), "Hex=abcdef r=ab G=CD");
    setColor(ComposeColor(0x12, 0x34, 0x56));
    EXPECT_EQ(code(), "Hex=123456 r=12 G=34");
}

TEST_F(CustomFormatsTest, CopyDoubleClickAndAutoCopyUseTheFormat)
{
    addFormats({{"Swift", "UIColor({rf:.2f}, {gf:.2f}, {bf:.2f})"}});
    item("CustomFormat1")->trigger();
    QClipboard *clipboard = QGuiApplication::clipboard();

    setColor(Orange);
    QTest::mouseClick(control<QPushButton>("btnCopy"), Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), "UIColor(1.00, 0.50, 0.00)");

    QWidget *slot = control("mempan9");
    QTest::mouseClick(slot, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseDClick(slot, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clipboard->text(), "UIColor(0.96, 0.79, 0.09)") << "slot 9 holds #F4CA16";

    item("AutoColorCopyafterGrab1")->trigger();
    grabAt({255, 0});
    EXPECT_EQ(clipboard->text(), "UIColor(1.00, 0.00, 0.30)");
}

TEST_F(CustomFormatsTest, SetReadsAnyCssColour)
{
    struct Row {
        QString typed;
        TColor color;
        int alpha;
    };
    const std::vector<Row> rows = {
        {"#123456", ComposeColor(0x12, 0x34, 0x56), 255},
        {"rgb(255 128 0 / 50%)", Orange, 128},
        {" oklch(62.8% 0.2577 29.23) ", ComposeColor(255, 0, 0), 255},
        {"rebeccapurple", ComposeColor(102, 51, 153), 255},
    };
    area<ChannelEditors>().setAlphaMode(true);
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}});
    item("CustomFormat1")->trigger();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        box("edtColor")->setText(row.typed);
        QTest::mouseClick(control<QPushButton>("btnSet"), Qt::LeftButton);
        EXPECT_EQ(color(), row.color);
        EXPECT_EQ(pipeline().alpha(), row.alpha);
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());

    setColor(Orange);
    box("edtColor")->setText("QColor(1, 2, 3)");
    QTest::mouseClick(control<QPushButton>("btnSet"), Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{"Unable to convert color values."}) << "a custom format only writes";
    EXPECT_EQ(color(), Orange);
}

} // namespace
} // namespace pigmentrix
