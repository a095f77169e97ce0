#include "ui/palette_file_dialog.h"
#include "ui/picker_dialogs.h"

#include "../storage/temp_folder.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <malloc.h>

namespace pigmentrix {
namespace {

TEST(PaletteFileDialog, LoadingOffersEveryReadableFormatAndStartsWithAllOfThem)
{
    const std::unique_ptr<QFileDialog> dialog =
        MakePaletteFileDialog(nullptr, QFileDialog::AcceptOpen, {}, InitialPaletteFilter(QFileDialog::AcceptOpen));
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{"Pigmentrix Palette (*.plt)", "GIMP Palette (*.gpl)", "Adobe Swatch Exchange (*.ase)",
                           "All palettes (*.plt *.gpl *.ase)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "All palettes (*.plt *.gpl *.ase)");
    EXPECT_EQ(dialog->windowTitle(), "Load Palette");
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
}

TEST(PaletteFileDialog, SavingOffersTheFormatsToWriteAndStartsWithTheProgramsOwn)
{
    const std::unique_ptr<QFileDialog> dialog =
        MakePaletteFileDialog(nullptr, QFileDialog::AcceptSave, {}, InitialPaletteFilter(QFileDialog::AcceptSave));
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Pigmentrix Palette (*.plt)", "GIMP Palette (*.gpl)",
                                                  "Adobe Swatch Exchange (*.ase)", "CSS Custom Properties (*.css)"}));
    EXPECT_EQ(dialog->selectedNameFilter(), "Pigmentrix Palette (*.plt)");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite)) << "replacing a file asks first";
    EXPECT_EQ(dialog->defaultSuffix(), "plt");
    dialog->selectNameFilter("GIMP Palette (*.gpl)");
    emit dialog->filterSelected("GIMP Palette (*.gpl)");
    EXPECT_EQ(dialog->defaultSuffix(), "gpl") << "the extension a typed name is saved under";

    const std::unique_ptr<QFileDialog> again =
        MakePaletteFileDialog(nullptr, QFileDialog::AcceptSave, "/tmp", "GIMP Palette (*.gpl)");
    EXPECT_EQ(again->selectedNameFilter(), "GIMP Palette (*.gpl)") << "the filter chosen last time";
}

TEST(PaletteFileDialog, ANameWithoutExtensionGetsTheChosenFiltersOne)
{
    struct Row {
        const char *file;
        const char *filter;
        const char *chosen;
    };
    const std::vector<Row> rows = {
        {"/p/spring", "Pigmentrix Palette (*.plt)", "/p/spring.plt"},
        {"/p/spring", "GIMP Palette (*.gpl)", "/p/spring.gpl"},
        {"/p/spring", "Adobe Swatch Exchange (*.ase)", "/p/spring.ase"},
        {"/p/spring", "CSS Custom Properties (*.css)", "/p/spring.css"},
        {"/p/spring", "All palettes (*.plt *.gpl *.ase)", "/p/spring.plt"},
        {"/p/spring.gpl", "Pigmentrix Palette (*.plt)", "/p/spring.gpl"},
        {"/p/spring.txt", "GIMP Palette (*.gpl)", "/p/spring.txt"},
        {"/p.d/spring", "GIMP Palette (*.gpl)", "/p.d/spring.gpl"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        EXPECT_EQ(WithFilterExtension(row.file, row.filter), row.chosen);
    }
}

// The message boxes shown now, with their texts.
QStringList ShownMessages()
{
    QStringList texts;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            texts << box->text();
    }
    return texts;
}

TEST(PaletteFileDialog, SavingOverAnExistingFileAsksFirst)
{
    const testing::TempFolder folder;
    testing::WriteBytes(folder / "spring.gpl", "GIMP Palette\n");
    const QString folderPath = QString::fromStdString(folder.path().string());
    for (const char *typed : {"spring.gpl", "spring"}) {
        SCOPED_TRACE(typed);
        const std::unique_ptr<QFileDialog> dialog =
            MakePaletteFileDialog(nullptr, QFileDialog::AcceptSave, folderPath, "GIMP Palette (*.gpl)");
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        QStringList asked;
        QTimer::singleShot(0, [&asked] {
            asked = ShownMessages();
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                    box->button(QMessageBox::No)->click();
            }
        });
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromLatin1(typed));
        QMetaObject::invokeMethod(dialog.get(), "accept", Qt::DirectConnection);
        ASSERT_EQ(asked.size(), 1);
        EXPECT_TRUE(asked.front().contains("spring.gpl")) << asked.front().toStdString();
        EXPECT_EQ(dialog->result(), 0) << "No keeps the dialog open and the file as it was";
        EXPECT_EQ(testing::ReadBytes(folder / "spring.gpl"), "GIMP Palette\n");
    }
}

// The heap the program holds, in bytes.
std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// Opens the load or the save dialog and gives it up once it has been drawn.
void OpenAndCancel(QtPickerDialogs &dialogs, bool load)
{
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        dialog->grab();
        dialog->reject();
    });
    const std::optional<QString> chosen =
        load ? dialogs.chooseOpenPaletteFile(nullptr) : dialogs.chooseSavePaletteFile(nullptr);
    EXPECT_FALSE(chosen);
}

TEST(PaletteFileDialog, OpeningItAgainAndAgainDoesNotGrowTheProgram)
{
    QtPickerDialogs dialogs;
    for (int warmUp = 0; warmUp < 3; ++warmUp) {
        OpenAndCancel(dialogs, true);
        OpenAndCancel(dialogs, false);
    }
    const std::size_t before = HeapInUse();
    for (int round = 0; round < 20; ++round) {
        OpenAndCancel(dialogs, true);
        OpenAndCancel(dialogs, false);
    }
    const std::size_t after = HeapInUse();
    // Each dialog left about 18 kB of icon pictures behind when the pixmap
    // cache kept them: some 730 kB for these 40.
    EXPECT_LT(after, before + 256 * 1024) << "20 loads and 20 saves";
}

} // namespace
} // namespace pigmentrix
