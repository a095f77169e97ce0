#include "ui/menu_mirror.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace pigmentrix {
namespace {

class MenuMirrorTest : public testing::Test {
protected:
    QWidget owner;
    QMenu source{&owner};
    QMenu destination{&owner};
    std::vector<std::pair<QAction *, QAction *>> wired;
    MirrorWiring wire = [this](QAction *item, QAction *copy) { wired.emplace_back(item, copy); };

    QAction *addItem(QMenu &menu, const char *name, const QString &caption)
    {
        QAction *item = menu.addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        return item;
    }
};

TEST_F(MenuMirrorTest, CopyCarriesTheItemsStateAndIsOwnedByTheOwner)
{
    QAction *item = addItem(source, "SortbyRed1", QStringLiteral("Sort by Red"));
    item->setCheckable(true);
    item->setChecked(true);
    item->setData(QVariant::fromValue<qint64>(4));
    item->setProperty("GroupIndex", 28);
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    item->setEnabled(false);
    source.setDefaultAction(item);

    QAction *copy = MirrorMenuItem(item, &destination, &owner, wire);
    EXPECT_EQ(copy->parent(), &owner);
    EXPECT_EQ(owner.findChild<QAction *>(QStringLiteral("SortbyRed1_copy")), copy);
    EXPECT_EQ(destination.actions(), QList<QAction *>{copy});
    EXPECT_EQ(copy->text(), "Sort by Red");
    EXPECT_TRUE(copy->isCheckable());
    EXPECT_TRUE(copy->isChecked());
    EXPECT_EQ(copy->data().toLongLong(), 4);
    EXPECT_EQ(copy->property("GroupIndex").toInt(), 28);
    EXPECT_EQ(copy->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_EQ(destination.defaultAction(), copy);
    ASSERT_EQ(wired.size(), 1u);
    EXPECT_EQ(wired[0], std::make_pair(item, copy));

    item->setChecked(false);
    EXPECT_TRUE(copy->isChecked()) << "a mirror is independent of its source";
}

TEST_F(MenuMirrorTest, SeparatorsAndSubmenusAreCopiedInOrder)
{
    addItem(source, "First1", QStringLiteral("First"));
    source.addSeparator()->setObjectName(QStringLiteral("N8"));
    QMenu *sub = source.addMenu(QStringLiteral("More"));
    sub->menuAction()->setObjectName(QStringLiteral("More1"));
    addItem(*sub, "Inner1", QStringLiteral("Inner"));

    for (QAction *item : source.actions())
        MirrorMenuItem(item, &destination, &owner, wire);

    const QList<QAction *> copies = destination.actions();
    ASSERT_EQ(copies.size(), 3);
    EXPECT_EQ(copies[0]->objectName(), "First1_copy");
    EXPECT_TRUE(copies[1]->isSeparator());
    EXPECT_EQ(copies[1]->objectName(), "N8_copy");
    EXPECT_EQ(copies[2]->objectName(), "More1_copy");
    ASSERT_NE(copies[2]->menu(), nullptr);
    ASSERT_EQ(copies[2]->menu()->actions().size(), 1);
    EXPECT_EQ(copies[2]->menu()->actions()[0]->objectName(), "Inner1_copy");
    EXPECT_EQ(copies[2]->menu()->actions()[0]->text(), "Inner");
    EXPECT_EQ(wired.size(), 4u);
}

} // namespace
} // namespace pigmentrix
