#pragma once

#include "displays/tracker.h"
#include "fake_dialogs.h"
#include "picker/color_pick_window.h"
#include "picker/color_pipeline.h"
#include "storage/picker_settings.h"
#include "update/version_checker.h"
#include "window_lookup.h"

#include <QAction>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace pigmentrix {

// A shown picker window with fake dialogs, created fresh for each case.
// Cases reach controls by their object names and areas through their own
// interfaces.
class PickerWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the window; SetUp does this with the default settings.
    void openWindow(const PickerSettings &settings = {}, const QString &paramcolor = {});

    // The window's control of that object name; the case fails without one.
    template <typename Control = QWidget>
    Control *control(const char *name) const
    {
        return FindControl<Control>(*window, QString::fromLatin1(name));
    }
    QLineEdit *box(const char *name) const { return control<QLineEdit>(name); }
    TJvTracker *slider(const char *name) const { return control<TJvTracker>(name); }
    QAction *item(const char *name) const { return control<QAction>(name); }

    // The window's area of that class.
    template <typename Area>
    Area &area() const
    {
        return FindArea<Area>(*window);
    }
    ColorPipeline &pipeline() const { return area<ColorPipeline>(); }

    // Makes c current the way a list choice would, without an undo entry.
    void setColor(TColor c) { pipeline().applyColor(c); }
    TColor color() const { return window->currentColor(); }

    // Types text into box as the user would: focus, select all, keys.
    void typeInto(QLineEdit *box, const QString &text);
    // Moves the keyboard focus away from box, which normalises it.
    void leave(QLineEdit *box);
    // Presses the left mouse button on slider at x (in the slider's pixels).
    void pressSlider(TJvTracker *slider, int x);
    // The notation's item of "Color Code Display" (its index), as the user
    // chooses it.
    void chooseNotation(int notation) const;
    void undo() const { item("UndoColorChange1")->trigger(); }
    void redo() const { item("RedoColorchange1")->trigger(); }
    // Moves the window onto the offscreen screen of that name (the cases
    // that run with several screens).
    void moveToScreen(const char *screenName);

    FakeDialogs dialogs;
    FakeLinkOpener links;
    // Where the window's version check asks; by default an address that is
    // refused at once, so no test reaches the network.
    VersionSource versionSource{QUrl(), DownloadOptions{}};
    std::unique_ptr<TfrmColorPick> window;
};

} // namespace pigmentrix
