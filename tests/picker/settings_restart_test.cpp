#include "displays/color_frame_area.h"
#include "displays/color_frame_panel.h"
#include "displays/hsv_picture_area.h"
#include "displays/named_color_area.h"
#include "fake_dialogs.h"
#include "formats_dialog_driver.h"
#include "picker/channel_editors.h"
#include "picker/color_code_box.h"
#include "picker/color_pick_window.h"
#include "picker/color_pipeline.h"
#include "picker/palette_area.h"
#include "picker/palette_slot_panel.h"
#include "sampling/grab_controller.h"
#include "shell/window_shell.h"
#include "storage/settings_store.h"
#include "window_lookup.h"

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

    // The window's control of that object name; the case fails without one.
    template <typename Control = QWidget>
    Control *control(const QString &name) const
    {
        return FindControl<Control>(*window, name);
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    QAction *item(const char *name) const { return control<QAction>(name); }
    ColorFramePanel *frame() const { return control<ColorFramePanel>("pnlColor"); }
    // Palette slot k, 1 to 16: the panel mempan<k>.
    PaletteSlotPanel *slot(int k) const { return control<PaletteSlotPanel>(QStringLiteral("mempan%1").arg(k)); }

    // The window's area of that class.
    template <typename Area>
    Area &area() const
    {
        return FindArea<Area>(*window);
    }

    void storeSlot(int k, TColor c)
    {
        area<ColorPipeline>().applyColor(c);
        QTest::mouseClick(slot(k), Qt::MiddleButton, Qt::NoModifier, QPoint(5, 5));
    }

    // Adds formats through "Custom Formats...".
    void addFormats(const std::vector<std::pair<QString, QString>> &formats)
    {
        dialogs.dialogSteps = [&](QDialog &shown) {
            const FormatsDialog dialog(shown);
            for (const auto &[name, text] : formats)
                dialog.add(name, text);
            return dialog.ok();
        };
        item("CustomFormats1")->trigger();
    }
    QComboBox *notations() const { return control<QComboBox>("cbxDisplay"); }

    testing::TempFolder folder;
    std::filesystem::path settingsFile = folder / "config" / "Pigmentrix" / "Pigmentrix.ini";
    FakeDialogs dialogs;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TfrmColorPick> window;
};

TEST_F(SettingsRestartTest, AnAcceptedCloseCarriesEverythingToTheNextRun)
{
    startAndShow();
    EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), -1) << "fresh start";
    EXPECT_EQ(window->currentColor(), 14772545);

    dialogs.saveFileAnswer = QString::fromStdString((folder / "fav.plt").string());
    storeSlot(3, clWhite);
    storeSlot(16, 0x00FFFFF0);
    QTest::mouseClick(control<QToolButton>("JvSpeedButton2"), Qt::LeftButton);
    area<ColorPipeline>().applyColor(ComposeColor(12, 34, 56));
    item("RGBValues1")->trigger();
    QFont chosen = frame()->TextFont();
    chosen.setPixelSize(20);
    chosen.setItalic(true);
    chosen.setBold(false);
    dialogs.fontAnswer = chosen;
    item("ChangeFont1")->trigger();
    frame()->setFontColor(0x000080FF);
    dialogs.textAnswer = QStringLiteral("Swatch");
    item("ChangeText1")->trigger();
    item("UpperCaseColorCodes1")->trigger();
    window->move(30, 40);
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("mempan3_Color=clWhite\n"), std::string::npos) << text;
    EXPECT_NE(text.find("mempan16_Color=16777200\n"), std::string::npos) << text;
    EXPECT_NE(text.find("palettename=fav.plt\n"), std::string::npos) << text;

    startAndShow();
    EXPECT_EQ(slot(3)->color(), clWhite);
    EXPECT_EQ(slot(16)->color(), 0x00FFFFF0);
    EXPECT_EQ(slot(1)->color(), DesignPalette[0]);
    EXPECT_EQ(window->currentColor(), ComposeColor(12, 34, 56));
    EXPECT_EQ(box("edtRed")->text(), "12") << "the editors follow the restored colour";
    EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), 4);
    EXPECT_EQ(box("edtColor")->text(), "12,34,56");
    EXPECT_EQ(frame()->TextFont().pixelSize(), 20);
    EXPECT_TRUE(frame()->TextFont().italic());
    EXPECT_FALSE(frame()->TextFont().bold());
    EXPECT_EQ(frame()->FontColor(), 0x000080FF);
    EXPECT_EQ(frame()->Caption(), "Swatch");
    EXPECT_FALSE(area<ColorCodeBox>().upperCase());
    EXPECT_FALSE(item("UpperCaseColorCodes1")->isChecked());
    EXPECT_EQ(area<PaletteArea>().paletteName(), "fav.plt");
    EXPECT_EQ(control<QLabel>("lblPalettename")->toolTip(), "fav.plt");
    EXPECT_TRUE(control<QLabel>("lblpalettechanged")->isHidden());
    EXPECT_EQ(window->pos(), QPoint(30, 40));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SettingsRestartTest, TheNamesAPaletteFileGaveTheSlotsComeBackAndAreSavedAgain)
{
    const std::string names[] = {"Fire Red", "Forest", "Copper \xE2\x80\x9C\xC3\x9C\xE2\x80\x9D \xC3\xBCmlaut"};
    testing::WriteBytes(folder / "named.gpl", "GIMP Palette\nName: Named\n#\n255   0   0\t" + names[0]
                                                  + "\n 34 139  34\t" + names[1] + "\n184 115  51\t" + names[2] + "\n");
    startAndShow();
    item("HTMLHex1")->trigger();
    dialogs.openFileAnswer = QString::fromStdString((folder / "named.gpl").string());
    QTest::mouseClick(control<QToolButton>("JvSpeedButton1"), Qt::LeftButton);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    ASSERT_EQ(slot(3)->toolTip(), QString::fromStdString("#B87333\n" + names[2]));
    closeWindow();

    startAndShow();
    EXPECT_EQ(slot(1)->toolTip(), QString::fromStdString("#FF0000\n" + names[0]));
    EXPECT_EQ(slot(2)->toolTip(), QString::fromStdString("#228B22\n" + names[1]));
    EXPECT_EQ(slot(3)->toolTip(), QString::fromStdString("#B87333\n" + names[2]));
    dialogs.saveFileAnswer = QString::fromStdString((folder / "again.gpl").string());
    QTest::mouseClick(control<QToolButton>("JvSpeedButton2"), Qt::LeftButton);
    const std::string saved = testing::ReadBytes(folder / "again.gpl");
    for (const std::string &name : names)
        EXPECT_NE(saved.find("\t" + name + "\n"), std::string::npos) << saved;

    storeSlot(2, ComposeColor(1, 2, 3));
    closeWindow();
    startAndShow();
    EXPECT_EQ(slot(2)->colorName(), "") << "a new colour has no name of its own";
    EXPECT_EQ(slot(3)->colorName(), QString::fromStdString(names[2]));
}

TEST_F(SettingsRestartTest, APaletteChangedAfterLoadingComesBackWithoutItsName)
{
    startAndShow();
    dialogs.saveFileAnswer = QString::fromStdString((folder / "fav.plt").string());
    QTest::mouseClick(control<QToolButton>("JvSpeedButton2"), Qt::LeftButton);
    storeSlot(5, ComposeColor(1, 2, 3));
    ASSERT_TRUE(control<QLabel>("lblpalettechanged")->isVisible());
    closeWindow();

    startAndShow();
    EXPECT_EQ(slot(5)->color(), ComposeColor(1, 2, 3));
    EXPECT_EQ(area<PaletteArea>().paletteName(), "");
    EXPECT_EQ(control<QLabel>("lblPalettename")->text(), "");
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
    EXPECT_EQ(slot(1)->color(), DesignPalette[0]);
    EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), -1);
}

TEST_F(SettingsRestartTest, UnreadableStoredValuesAreSkipped)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\nmempan1_Color=bright\nmempan2_Color=clRed\n"
                                      "cbxDisplay_ItemIndex=40\nUseText_Checked=N\n");
    startAndShow();
    EXPECT_EQ(slot(1)->color(), DesignPalette[0]);
    EXPECT_EQ(slot(2)->color(), 0x000000FF);
    EXPECT_EQ(control<QComboBox>("cbxDisplay")->currentIndex(), -1) << "no such notation";
    EXPECT_FALSE(item("UseText")->isChecked());
    EXPECT_FALSE(item("UseTextinColorFrame1")->isChecked());
    EXPECT_FALSE(item("SetasTextColor1")->isEnabled());
}

// The file holds what runs changed: what a run left at its default or as it
// found it stays out, so that another picker's changes to it are not undone.
TEST_F(SettingsRestartTest, OnlyWhatARunChangedIsWritten)
{
    start();
    window.reset();
    EXPECT_FALSE(std::filesystem::exists(settingsFile)) << "a run that changed nothing writes nothing";

    startAndShow();
    storeSlot(1, clWhite);
    window.reset();
    const std::string text = fileText();
    EXPECT_NE(text.find("mempan1_Color=clWhite"), std::string::npos) << text;
    EXPECT_EQ(text.find("mempan2_Color"), std::string::npos) << text;
    EXPECT_EQ(text.find("layout"), std::string::npos) << text;

    testing::WriteBytes(settingsFile, "[Pigmentrix]\nNormPos=1,2,3,4\nmempan1_Color=clRed\n");
    start();
    item("Small1")->trigger();
    window->FormClose();
    window.reset();
    EXPECT_EQ(fileText(), "[Pigmentrix]\nNormPos=1,2,3,4\nmempan1_Color=clRed\nlayout=0\n")
        << "closed from the notification area without showing: the position and properties as they were";
}

// The X11 and Wayland platforms end the program with exit() when the display
// goes away: what changed in the second before is written on the way out.
TEST_F(SettingsRestartTest, AChangeNotYetWrittenSurvivesAnExitWithoutClosing)
{
    EXPECT_EXIT(
        {
            startAndShow();
            item("Small1")->trigger();
            std::exit(1);
        },
        ::testing::ExitedWithCode(1), "");
    EXPECT_NE(fileText().find("layout=0\n"), std::string::npos) << fileText();
}

TEST_F(SettingsRestartTest, AWriteThatKeepsFailingIsReportedOnce)
{
    testing::WriteBytes(folder / "config", "a file where the folder should be");
    startAndShow();
    item("Small1")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs.errors.isEmpty(); }, 10000));
    item("Medium1")->trigger();
    closeWindow(); // writes at once, and fails again
    ASSERT_EQ(dialogs.errors.size(), 1) << dialogs.errors.join('\n').toStdString();
    EXPECT_TRUE(dialogs.errors[0].startsWith("Cannot create file \"" + QString::fromStdString(settingsFile.string())))
        << dialogs.errors[0].toStdString();
}

TEST_F(SettingsRestartTest, ValuesThisWindowHasNoControlForAreKept)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\ncbxZoom_ItemIndex=7\nSomethingElse=1\n");
    startAndShow();
    EXPECT_EQ(control<QComboBox>("cbxZoom")->currentIndex(), 7);
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("cbxZoom_ItemIndex=7"), std::string::npos) << text;
    EXPECT_NE(text.find("SomethingElse=1"), std::string::npos) << text;
}

TEST_F(SettingsRestartTest, EveryAreasChoicesComeBack)
{
    startAndShow();
    item("Zoom10X1")->trigger();
    item("Rectangle1")->trigger();
    item("N5x5Average1")->trigger();
    item("SortbyHue1")->trigger();
    item("Showonlyhtmlcolors")->trigger();
    item("HueRange1")->trigger();
    item("Medium1")->trigger();
    item("AlwaysonTop1")->trigger();
    item("StayinSystemTray1")->trigger();
    item("AutoColorCopyafterGrab1")->trigger();
    item("FreezeScreenWhilePicking1")->trigger();
    item("SmoothTracking1")->trigger();
    item("CheckforNewVersiononStartup1")->trigger();
    item("UseAlphaChannels1")->trigger();
    item("Exit1")->trigger();
    window.reset();

    startAndShow();
    EXPECT_EQ(control<QComboBox>("cbxZoom")->currentIndex(), 9);
    EXPECT_TRUE(item("Rectangle1")->isChecked());
    EXPECT_FALSE(item("Cross1")->isChecked());
    EXPECT_EQ(area<GrabController>().crosshair(), Crosshair::Rectangle);
    EXPECT_TRUE(item("N5x5Average1")->isChecked());
    EXPECT_FALSE(item("Off1")->isChecked());
    EXPECT_EQ(static_cast<int>(area<GrabController>().average()), 2);
    EXPECT_EQ(area<NamedColorArea>().sortOrderInForce(), SortOrder::Hue);
    EXPECT_TRUE(item("SortbyHue1")->isChecked());
    EXPECT_TRUE(item("Showonlyhtmlcolors")->isChecked());
    EXPECT_EQ(area<NamedColorArea>().colorCount(), 139);
    EXPECT_EQ(area<HsvPictureArea>().displayMode(), DisplayMode::SVSquare);
    EXPECT_TRUE(item("HueRange1")->isChecked());
    EXPECT_EQ(area<WindowShell>().layout(), Layout::Medium);
    EXPECT_TRUE(item("Medium1")->isChecked());
    EXPECT_EQ(window->size(), QSize(310, 282));
    EXPECT_TRUE(item("AlwaysonTop1")->isChecked());
    EXPECT_FALSE(item("StayinSystemTray1")->isChecked());
    EXPECT_TRUE(area<WindowShell>().allowClose());
    EXPECT_TRUE(item("AutoColorCopyafterGrab1")->isChecked());
    EXPECT_TRUE(item("FreezeScreenWhilePicking1")->isChecked());
    EXPECT_TRUE(item("SmoothTracking1")->isChecked());
    EXPECT_FALSE(item("CheckforNewVersiononStartup1")->isChecked());
    EXPECT_FALSE(area<ChannelEditors>().alphaMode());
    EXPECT_EQ(control<QLabel>("lblAlpha")->text(), "Brightness");
}

TEST_F(SettingsRestartTest, AChangeReachesTheFileWithinASecondWithoutAClose)
{
    startAndShow();
    item("Small1")->trigger();
    storeSlot(2, clWhite);
    EXPECT_TRUE(QTest::qWaitFor([this] { return fileText().find("layout=0") != std::string::npos; }, 3000))
        << fileText();
    const std::string text = fileText();
    EXPECT_NE(text.find("mempan2_Color=clWhite"), std::string::npos) << text;
    EXPECT_NE(text.find("NormPos="), std::string::npos) << text;

    // Nothing changed since: nothing is written again.
    const auto written = std::filesystem::last_write_time(settingsFile);
    QTest::qWait(1500);
    EXPECT_EQ(std::filesystem::last_write_time(settingsFile), written);
}

TEST_F(SettingsRestartTest, ADamagedLineIsReportedOnceAndKept)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\nlayout=0\noops\nmempan1_Color=clWhite\n");
    startAndShow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.messages.isEmpty(); }, 2000));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Line 3 of the settings file")) << dialogs.messages[0].toStdString();
    EXPECT_EQ(slot(1)->color(), clWhite) << "the other lines apply";
    EXPECT_TRUE(item("Small1")->isChecked());
    closeWindow();
    EXPECT_NE(fileText().find("\noops\n"), std::string::npos) << fileText();
}

TEST_F(SettingsRestartTest, AReadOnlyFileIsReportedOnceAndNeverWritten)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    const std::string stored = "[Pigmentrix]\nmempan1_Color=clWhite\n";
    testing::WriteBytes(settingsFile, stored);
    std::filesystem::permissions(settingsFile, std::filesystem::perms(0444));
    startAndShow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.messages.isEmpty(); }, 2000));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_NE(dialogs.messages[0].indexOf("is read-only"), -1) << dialogs.messages[0].toStdString();
    EXPECT_EQ(slot(1)->color(), clWhite);
    item("Medium1")->trigger();
    EXPECT_TRUE(item("Medium1")->isChecked()) << "the program keeps working";
    QTest::qWait(1300);
    closeWindow();
    EXPECT_EQ(fileText(), stored);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(SettingsRestartTest, CustomFormatsAndTheOneChosenComeBack)
{
    startAndShow();
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}, {"Padded", "  [{r:>4}] ; \"{hex}\"  "}});
    area<ColorPipeline>().applyColor(ComposeColor(12, 34, 56));
    item("CustomFormat2")->trigger();
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("cbxDisplay_ItemIndex=23\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[CustomFormats]\nCount=2\nName1=Qt\nTemplate1=QColor({r}, {g}, {b})\nName2=Padded\n"),
              std::string::npos)
        << text;

    startAndShow();
    EXPECT_EQ(notations()->itemText(NotationCount), "Qt");
    EXPECT_EQ(notations()->currentIndex(), NotationCount + 1);
    EXPECT_EQ(box("edtColor")->text(), "  [  12] ; \"0C2238\"  ");
    EXPECT_EQ(item("CustomFormat1")->text(), "Qt");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SettingsRestartTest, EditedFormatsReachTheFileWithoutAClose)
{
    startAndShow();
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}});
    EXPECT_TRUE(QTest::qWaitFor([this] { return fileText().find("Name1=Qt\n") != std::string::npos; }, 3000))
        << fileText();
}

TEST_F(SettingsRestartTest, RemovingTheChosenFormatFallsBackAndKeepsTheRest)
{
    startAndShow();
    addFormats({{"Qt", "QColor({r}, {g}, {b})"}});
    item("CustomFormat1")->trigger();
    item("Small1")->trigger();
    dialogs.dialogSteps = [](QDialog &shown) {
        const FormatsDialog dialog(shown);
        dialog.click("btnRemoveFormat");
        return dialog.ok();
    };
    item("CustomFormats1")->trigger();
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("cbxDisplay_ItemIndex=0\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Name1=Qt"), std::string::npos) << text;

    startAndShow();
    EXPECT_EQ(notations()->count(), NotationCount);
    EXPECT_EQ(notations()->currentIndex(), notation::HTMLHex);
    EXPECT_TRUE(item("Small1")->isChecked()) << "other settings stay";
}

TEST_F(SettingsRestartTest, AnUnusableStoredFormatIsLeftOutWithOneMessageAndKept)
{
    std::filesystem::create_directories(settingsFile.parent_path());
    testing::WriteBytes(settingsFile, "[Pigmentrix]\ncbxDisplay_ItemIndex=23\nlayout=1\n"
                                      "[CustomFormats]\nCount=3\nName1=Good\nTemplate1=#{hex}\n"
                                      "Name2=Broken\nTemplate2={red}\nName3=Also good\nTemplate3={r}\n");
    startAndShow();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !dialogs.messages.isEmpty(); }, 2000));
    EXPECT_EQ(dialogs.messages, QStringList{"Custom format 2 'Broken' is left out: Unknown field 'red' in template"});
    EXPECT_EQ(notations()->itemText(NotationCount + 1), "Also good");
    EXPECT_EQ(notations()->currentIndex(), NotationCount + 1);
    EXPECT_TRUE(item("Medium1")->isChecked()) << "the other settings apply";
    closeWindow();
    const std::string text = fileText();
    EXPECT_NE(text.find("Name3=Broken\nTemplate3={red}\n"), std::string::npos) << text;
}

} // namespace
} // namespace pigmentrix
