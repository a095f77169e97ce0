// The code box and the drop-down lists on offscreen screens of pixel ratio 1
// and 2 (two_screens.json): every code and every list caption reads whole in
// the design's sizes.
#include "window_test_fixture.h"

#include "model/color_codes.h"
#include "picker/color_code_box.h"

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QScreen>
#include <QStyleOptionComboBox>

#include <map>
#include <utility>

namespace pigmentrix {
namespace {

class CodeBoxHiDpiTest : public PickerWindowTest {
protected:
    void SetUp() override
    {
        PickerWindowTest::SetUp();
        ASSERT_GE(QApplication::screens().size(), 2) << "start with the several-screen offscreen configuration";
    }

    QLabel *popup() const { return control<QLabel>("lblFullColorCode"); }

    std::map<QString, QRect> controlGeometries() const
    {
        std::map<QString, QRect> geometries;
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty() && widget != popup())
                geometries[widget->objectName()] = widget->geometry();
        }
        return geometries;
    }

    static void pointerEnters(QWidget *widget)
    {
        QEnterEvent enter(QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), widget->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(widget, &enter);
    }

    static int ClosedListRoom(QComboBox *list)
    {
        QStyleOptionComboBox option;
        option.initFrom(list);
        return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width()
               - 2;
    }
};

// Codes wider than the box show whole in a pop-up just under it while the
// box has the focus or the pointer, without a control of the window moving;
// codes that fit need none.
TEST_F(CodeBoxHiDpiTest, EveryCodeReadsWholeUnderTheBoxWithoutMovingAControl)
{
    for (const auto &[screen, layout] :
         {std::pair{"Plain", "Large1"}, std::pair{"Dense", "Large1"}, std::pair{"Plain", "Medium1"},
          std::pair{"Dense", "Small1"}, std::pair{"Plain", "Small1"}}) {
        SCOPED_TRACE(testing::Message() << screen << " " << layout);
        item(layout)->trigger();
        moveToScreen(screen);
        ASSERT_EQ(window->screen()->name(), QLatin1String(screen));
        pipeline().applyColor(ComposeColor(18, 52, 86), 128);
        box("edtColor")->setFocus();
        const std::map<QString, QRect> before = controlGeometries();
        for (int notation = 0; notation < NotationCount; ++notation) {
            SCOPED_TRACE(notation);
            chooseNotation(notation);
            const QString code = box("edtColor")->text();
            // A frame of two pixels and a margin of two at each side.
            const int overflow = box("edtColor")->fontMetrics().horizontalAdvance(code) - (88 - 8);
            if (notation >= notation::CSSColor) {
                ASSERT_GT(overflow, 0) << "the CSS codes are wider than the box";
            }
            if (overflow < -4) {
                EXPECT_FALSE(popup()->isVisible()) << code.toStdString();
                continue;
            }
            if (overflow <= 0)
                continue;
            ASSERT_TRUE(popup()->isVisible()) << code.toStdString();
            EXPECT_EQ(popup()->text(), code);
            EXPECT_GE(popup()->contentsRect().width() - 2 * popup()->margin(),
                      popup()->fontMetrics().horizontalAdvance(code));
            EXPECT_TRUE(window->rect().contains(popup()->geometry()));
            EXPECT_EQ(popup()->geometry().top(), box("edtColor")->mapTo(window.get(), QPoint(0, 0)).y() + 23);
            EXPECT_TRUE(popup()->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        EXPECT_EQ(controlGeometries(), before);

        // The pointer on a control under the pop-up moves it out of the way.
        pointerEnters(control("btnSet"));
        EXPECT_FALSE(popup()->isVisible());
        pointerEnters(box("edtColor"));
        EXPECT_TRUE(popup()->isVisible());
        // Neither focus nor pointer: nothing.
        control("btnCopy")->setFocus();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(box("edtColor"), &leave);
        EXPECT_FALSE(popup()->isVisible());
        // The pointer alone shows it.
        pointerEnters(box("edtColor"));
        EXPECT_TRUE(popup()->isVisible());
        QApplication::sendEvent(box("edtColor"), &leave);
    }
}

// The closed notation list names the CSS notations whole ("oklch()"); the
// zoom list shows "Zoom x 11" and the rest whole.
TEST_F(CodeBoxHiDpiTest, ClosedListsShowTheirCaptionsWhole)
{
    for (const char *screen : {"Plain", "Dense"}) {
        SCOPED_TRACE(screen);
        moveToScreen(screen);
        ASSERT_EQ(window->screen()->name(), QLatin1String(screen));
        auto *notations = control<QComboBox>("cbxDisplay");
        EXPECT_EQ(notations->itemText(notation::CSSOklch), "oklch()");
        EXPECT_EQ(notations->itemData(notation::CSSOklch, Qt::ToolTipRole).toString(), "CSS oklch()");
        EXPECT_EQ(notations->itemText(notation::HTMLHex), "HTML Hex");
        for (int notation = notation::CSSColor; notation < NotationCount; ++notation)
            EXPECT_LE(notations->fontMetrics().horizontalAdvance(notations->itemText(notation)),
                      ClosedListRoom(notations))
                << notations->itemText(notation).toStdString();
        auto *zoom = control<QComboBox>("cbxZoom");
        ASSERT_EQ(zoom->count(), 20);
        EXPECT_EQ(zoom->itemText(10), "Zoom x 11");
        for (int i = 0; i < zoom->count(); ++i)
            EXPECT_LE(zoom->fontMetrics().horizontalAdvance(zoom->itemText(i)), ClosedListRoom(zoom))
                << zoom->itemText(i).toStdString();
        EXPECT_EQ(zoom->geometry(), QRect(31, 5, 84, 22));
    }
}

} // namespace
} // namespace pigmentrix
