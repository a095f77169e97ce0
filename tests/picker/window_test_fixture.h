#pragma once

#include "displays/tracker.h"
#include "fake_dialogs.h"
#include "picker/color_pick_window.h"
#include "picker/picker_settings.h"
#include "update/version_checker.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

namespace pigmentrix {

// A shown picker window with fake dialogs, created fresh for each case.
class PickerWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the window; SetUp does this with the default settings.
    void openWindow(const PickerSettings &settings = {}, const QString &paramcolor = {});

    // Makes c current the way a list choice would, without an undo entry.
    void setColor(TColor c) { window->applyColor(c); }
    TColor color() const { return window->currentColor(); }

    // Types text into box as the user would: focus, select all, keys.
    void typeInto(QLineEdit *box, const QString &text);
    // Moves the keyboard focus away from box, which normalises it.
    void leave(QLineEdit *box);
    // Presses the left mouse button on slider at x (in the slider's pixels).
    void pressSlider(TJvTracker *slider, int x);

    FakeDialogs dialogs;
    FakeLinkOpener links;
    // Where the window's version check asks; by default an address that is
    // refused at once, so no test reaches the network.
    VersionSource versionSource{QUrl(), DownloadOptions{}};
    std::unique_ptr<TfrmColorPick> window;
};

} // namespace pigmentrix
