#include "fake_dialogs.h"
#include "picker/color_frame_panel.h"
#include "picker/color_pick_window.h"
#include "picker/palette_slot_panel.h"
#include "storage/settings_store.h"

#include "../storage/temp_folder.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace pigmentrix {
namespace {

// Runs of the program one after another over one settings file.
class SettingsRestartTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        window.reset();
        store.reset();
    }

    // A new run: the store reads the file, the window is created from it.
    void start()
    {
        window.reset();
        store = std::make_unique<SettingsStore>(settingsFile);
        window = std::make_unique<TfrmColorPick>(*store, dialogs);
    }

    void startAndShow()
    {
        start();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Ends the run the way the user does.
    void closeWindow()
    {
        window->close();
        window.reset();
    }

    std::string fileText() const { return testing::ReadBytes(settingsFile); }

    // Where the picker's window, frame included, is centred on the primary screen.
    QPoint centred() const
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize frame = window->frameGeometry().size();
        return {screen.left() + (screen.width() - frame.width()) / 2,
                screen.top() + (screen.height() - frame.height()) / 2};
    }

    void storeSlot(int k, TColor c)
    {
        window->applyColor(c);
        QTest::mouseClick(window->mempan[static_cast<std::size_t>(k - 1)], Qt::MiddleButton, Qt::NoModifier,
                          QPoint(5, 5));
    }

    testing::TempFolder folder;
    std::filesystem::path settingsFile = folder / "config" / "Pigmentrix" / "Pigmentrix.ini";
    FakeDialogs dialogs;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TfrmColorPick> window;
};

TEST_F(SettingsRestartTest, AnAcceptedCloseCarriesEverythingToTheNextRun)
{
    startAndShow();
    EXPECT_EQ(window->cbxDisplay->currentIndex(), -1) << "fresh start";
    EXPECT_EQ(window->currentColor(), 14772545);

    dialogs.saveFileAnswer = QString::fromStdString((folder / "fav.plt").string());
    storeSlot(3, clWhite);
    storeSlot(16, 0x00FFFFF0);
    QTest::mouseClick(window->JvSpeedButton2, Qt::LeftButton);
    window->applyColor(ComposeColor(12, 34, 56));
    window->HTMLHex1Click(4);
    QFont chosen = window->pnlColor->Font;
    chosen.setPixelSize(20);
    chosen.setItalic(true);
    chosen.setBold(false);
    dialogs.fontAnswer = chosen;
    window->ChangeFont1Click();
    window->pnlColor->FontColor = 0x000080FF;
    dialogs.textAnswer = QStringLiteral("Swatch");
    window->ChangeText1Click();
    window->UpperCaseColorCodes1->trigger();
    window->move(30, 40);
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("mempan3_Color=clWhite\n"), std::string::npos) << text;
    EXPECT_NE(text.find("mempan16_Color=16777200\n"), std::string::npos) << text;
    EXPECT_NE(text.find("palettename=fav.plt\n"), std::string::npos) << text;

    startAndShow();
    EXPECT_EQ(window->mempan[2]->color(), clWhite);
    EXPECT_EQ(window->mempan[15]->color(), 0x00FFFFF0);
    EXPECT_EQ(window->mempan[0]->color(), DesignPalette[0]);
    EXPECT_EQ(window->currentColor(), ComposeColor(12, 34, 56));
    EXPECT_EQ(window->edtRed->text(), "12") << "the editors follow the restored colour";
    EXPECT_EQ(window->cbxDisplay->currentIndex(), 4);
    EXPECT_EQ(window->edtColor->text(), "12,34,56");
    EXPECT_EQ(window->pnlColor->Font.pixelSize(), 20);
    EXPECT_TRUE(window->pnlColor->Font.italic());
    EXPECT_FALSE(window->pnlColor->Font.bold());
    EXPECT_EQ(window->pnlColor->FontColor, 0x000080FF);
    EXPECT_EQ(window->pnlColor->Caption, "Swatch");
    EXPECT_FALSE(window->UseUpperCase);
    EXPECT_FALSE(window->UpperCaseColorCodes1->isChecked());
    EXPECT_EQ(window->mpalette, "fav.plt");
    EXPECT_EQ(window->lblPalettename->toolTip(), "fav.plt");
    EXPECT_TRUE(window->lblpalettechanged->isHidden());
    EXPECT_EQ(window->pos(), QPoint(30, 40));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SettingsRestartTest, APaletteChangedAfterLoadingComesBackWithoutItsName)
{
    startAndShow();
    dialogs.saveFileAnswer = QString::fromStdString((folder / "fav.plt").string());
    QTest::mouseClick(window->JvSpeedButton2, Qt::LeftButton);
    storeSlot(5, ComposeColor(1, 2, 3));
    ASSERT_TRUE(window->lblpalettechanged->isVisible());
    closeWindow();

    startAndShow();
    EXPECT_EQ(window->mempan[4]->color(), ComposeColor(1, 2, 3));
    EXPECT_EQ(window->mpalette, "");
    EXPECT_EQ(window->lblPalettename->text(), "");
}

TEST_F(SettingsRestartTest, TheStoredPositionIsUsedOnlyWhereItStillFits)
{
    struct Row {
        const char *what;
        std::string values;
        std::optional<QPoint> restored; // nullopt: centred
    };
    const std::vector<Row> rows = {
        {"on the screen", "PixelsPerInch=96\nNormPos=10,20,496,302\n", QPoint(10, 20)},
        {"on no screen", "PixelsPerInch=96\nNormPos=5000,5000,5486,5282\n", std::nullopt},
        {"partly off the screen", "PixelsPerInch=96\nNormPos=700,20,1186,302\n", std::nullopt},
        {"other pixels per inch", "PixelsPerInch=144\nNormPos=10,20,496,302\n", std::nullopt},
        {"restoring switched off", "FormVersion=-1\nPixelsPerInch=96\nNormPos=10,20,496,302\n", std::nullopt},
        {"nothing stored", "", std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        window.reset(); // the last run writes its settings first
        std::filesystem::create_directories(settingsFile.parent_path());
        testing::WriteBytes(settingsFile, "[Pigmentrix]\n" + row.values);
        startAndShow();
        EXPECT_EQ(window->pos(), row.restored.value_or(centred()));
    }
}

TEST_F(SettingsRestartTest, RestoringSwitchedOffKeepsTheFormsValues)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\nFormVersion=-1\nmempan1_Color=clWhite\ncbxDisplay_ItemIndex=3\n");
    startAndShow();
    EXPECT_EQ(window->mempan[0]->color(), DesignPalette[0]);
    EXPECT_EQ(window->cbxDisplay->currentIndex(), -1);
}

TEST_F(SettingsRestartTest, UnreadableStoredValuesAreSkipped)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\nmempan1_Color=bright\nmempan2_Color=clRed\n"
                                      "cbxDisplay_ItemIndex=15\nUseText_Checked=N\n");
    startAndShow();
    EXPECT_EQ(window->mempan[0]->color(), DesignPalette[0]);
    EXPECT_EQ(window->mempan[1]->color(), 0x000000FF);
    EXPECT_EQ(window->cbxDisplay->currentIndex(), -1) << "no such notation";
    EXPECT_FALSE(window->UseText->isChecked());
    EXPECT_FALSE(window->UseTextinColorFrame1->isChecked());
    EXPECT_FALSE(window->SetasTextColor1->isEnabled());
}

TEST_F(SettingsRestartTest, OnlyWhatTheRunShowedAndAcceptedIsWritten)
{
    start();
    window.reset();
    EXPECT_EQ(fileText(), "[Pigmentrix]\nFormVersion=0\n") << "never shown: no position, no properties";

    startAndShow();
    storeSlot(1, clWhite);
    window.reset();
    const std::string text = fileText();
    EXPECT_NE(text.find("mempan1_Color=clWhite"), std::string::npos) << text;
    EXPECT_NE(text.find("NormPos="), std::string::npos) << text;
    EXPECT_EQ(text.find("palettename"), std::string::npos) << "named values need an accepted close";

    std::filesystem::remove(settingsFile);
    start();
    window->FormClose();
    window.reset();
    EXPECT_EQ(fileText(), "[Pigmentrix]\nFormVersion=0\npalettename=\nshowtitle=TRUE\nuppercase=TRUE\n"
                          "AlphaMode=TRUE\nCheckNewVersion=TRUE\nlayout=2\ndisplaymode=1\n")
        << "closed from the notification area without showing: the named values only";
}

TEST_F(SettingsRestartTest, ValuesThisWindowHasNoControlForAreKept)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\ncbxZoom_ItemIndex=7\nSomethingElse=1\n");
    startAndShow();
    EXPECT_EQ(window->cbxZoom->currentIndex(), 7);
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("cbxZoom_ItemIndex=7"), std::string::npos) << text;
    EXPECT_NE(text.find("SomethingElse=1"), std::string::npos) << text;
}

TEST_F(SettingsRestartTest, EveryAreasChoicesComeBack)
{
    startAndShow();
    window->zoomFactorItems[9]->trigger();
    window->Rectangle1->trigger();
    window->N5x5Average1->trigger();
    window->SortbyHue1->trigger();
    window->Showonlyhtmlcolors->trigger();
    window->HueRange1->trigger();
    window->Medium1->trigger();
    window->AlwaysonTop1->trigger();
    window->StayinSystemTray1->trigger();
    window->AutoColorCopyafterGrab1->trigger();
    window->CheckforNewVersiononStartup1->trigger();
    window->UseAlphaChannels1->trigger();
    window->Exit1->trigger();
    window.reset();

    startAndShow();
    EXPECT_EQ(window->cbxZoom->currentIndex(), 9);
    EXPECT_TRUE(window->Rectangle1->isChecked());
    EXPECT_FALSE(window->Cross1->isChecked());
    EXPECT_EQ(window->crosshair, 2);
    EXPECT_TRUE(window->N5x5Average1->isChecked());
    EXPECT_FALSE(window->Off1->isChecked());
    EXPECT_EQ(window->average, 2);
    EXPECT_EQ(window->sortOrderInForce(), 1);
    EXPECT_TRUE(window->SortbyHue1->isChecked());
    EXPECT_TRUE(window->Showonlyhtmlcolors->isChecked());
    EXPECT_EQ(window->colorcount, 139);
    EXPECT_EQ(window->odisplaymode, 2);
    EXPECT_TRUE(window->HueRange1->isChecked());
    EXPECT_EQ(window->oLayout, 1);
    EXPECT_TRUE(window->Medium1->isChecked());
    EXPECT_EQ(window->size(), QSize(310, 282));
    EXPECT_TRUE(window->AlwaysonTop1->isChecked());
    EXPECT_FALSE(window->StayinSystemTray1->isChecked());
    EXPECT_TRUE(window->AllowClose);
    EXPECT_TRUE(window->AutoColorCopyafterGrab1->isChecked());
    EXPECT_FALSE(window->CheckforNewVersiononStartup1->isChecked());
    EXPECT_FALSE(window->alphamode);
    EXPECT_EQ(window->lblAlpha->text(), "Brightness");
}

} // namespace
} // namespace pigmentrix
