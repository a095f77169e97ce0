#pragma once

#include "window_test_fixture.h"

#include "picker/palette_slot_panel.h"
#include "storage/palette_file.h"

#include "../storage/temp_folder.h"

#include <QTest>
#include <QToolButton>

#include <string_view>
#include <vector>

namespace pigmentrix {

// A window whose palette dialogs answer with files in a fresh folder.
class PaletteFilesTest : public PickerWindowTest {
protected:
    QString file(std::string_view name) const { return QString::fromStdString((folder / name).string()); }

    // The slot mempan<k>.
    PaletteSlotPanel *slot(int k) const
    {
        return control<PaletteSlotPanel>(QByteArray("mempan").append(QByteArray::number(k)).constData());
    }

    std::vector<TColor> slotColors() const
    {
        std::vector<TColor> colors;
        for (int k = 1; k <= PaletteSlotCount; ++k)
            colors.push_back(slot(k)->color());
        return colors;
    }

    void load(const QString &path)
    {
        dialogs.openFileAnswer = path;
        QTest::mouseClick(control<QToolButton>("JvSpeedButton1"), Qt::LeftButton);
    }

    void save(const QString &path)
    {
        dialogs.saveFileAnswer = path;
        QTest::mouseClick(control<QToolButton>("JvSpeedButton2"), Qt::LeftButton);
    }

    testing::TempFolder folder;
};

} // namespace pigmentrix
