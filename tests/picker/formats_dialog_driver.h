#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pigmentrix {

// The "Custom Formats" dialog as the user works it.
class FormatsDialog {
public:
    explicit FormatsDialog(QDialog &dialog)
        : dialog(dialog)
    {
    }

    template <typename Widget>
    Widget *find(const char *name) const
    {
        auto *widget = dialog.findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void type(const char *box, const QString &text) const
    {
        auto *edit = find<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void click(const char *button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void add(const QString &name, const QString &text) const
    {
        click("btnAddFormat");
        type("edtFormatName", name);
        type("edtFormatTemplate", text);
    }
    void choose(int row) const { find<QListWidget>("lstFormats")->setCurrentRow(row); }
    QString preview() const { return find<QLabel>("lblFormatPreview")->text(); }
    bool mayBeSaved() const { return find<QPushButton>("btnFormatsOk")->isEnabled(); }
    // OK as the user clicks it; a disabled button saves nothing.
    bool ok() const
    {
        click("btnFormatsOk");
        return dialog.result() == QDialog::Accepted;
    }

private:
    QDialog &dialog;
};

} // namespace pigmentrix
