#include "ui/reading_order.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

// A window of panels placed out of their creation order, each with controls
// in an order of its own.
class ReadingOrderTest : public testing::Test {
protected:
    QWidget *panel(const char *name, QRect place)
    {
        auto *panel = new QWidget(&window);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setGeometry(place);
        return panel;
    }
    QWidget *control(QWidget *parent, const char *name)
    {
        auto *control = new QLineEdit(parent);
        control->setObjectName(QString::fromLatin1(name));
        return control;
    }
    QStringList names() const
    {
        QStringList names;
        for (QWidget *control : ReadingOrder(const_cast<QWidget *>(&window)))
            names << control->objectName();
        return names;
    }

    QWidget window;
};

TEST_F(ReadingOrderTest, PanelsByRowsFromTheTopEachRowFromTheLeft)
{
    struct Row {
        const char *panel;
        QRect place;
    };
    const Row rows[] = {
        {"bottomRight", {200, 100, 50, 50}},
        {"topRight", {200, 0, 50, 50}},
        {"bottomLeft", {0, 100, 50, 50}},
        {"topLeft", {0, 0, 50, 50}},
    };
    for (const Row &row : rows)
        control(panel(row.panel, row.place), row.panel);
    EXPECT_EQ(names(), (QStringList{"topLeft", "topRight", "bottomLeft", "bottomRight"}));
}

TEST_F(ReadingOrderTest, EachPanelKeepsItsOwnOrderAndHiddenControlsStay)
{
    QWidget *right = panel("right", {100, 0, 50, 50});
    QWidget *left = panel("left", {0, 0, 50, 50});
    QWidget *second = control(left, "second");
    QWidget *first = control(left, "first");
    control(right, "hidden")->hide();
    QWidget::setTabOrder(first, second);
    auto *label = new QWidget(right);
    label->setObjectName("noFocus");
    EXPECT_EQ(names(), (QStringList{"first", "second", "hidden"}));
}

TEST_F(ReadingOrderTest, APanelThatTakesTheFocusComesFirstInItsPlace)
{
    QWidget *frame = panel("frame", {0, 0, 50, 50});
    frame->setFocusPolicy(Qt::StrongFocus);
    control(frame, "inside");
    control(panel("next", {60, 0, 50, 50}), "next");
    EXPECT_EQ(names(), (QStringList{"frame", "inside", "next"}));
}

TEST_F(ReadingOrderTest, ChainingMakesTabFollowTheOrder)
{
    QWidget *right = control(panel("rightPanel", {100, 0, 50, 50}), "right");
    QWidget *left = control(panel("leftPanel", {0, 0, 50, 50}), "left");
    ChainInReadingOrder(&window);
    EXPECT_EQ(left->nextInFocusChain(), right);
}

} // namespace
} // namespace pigmentrix
