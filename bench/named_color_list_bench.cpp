// The named-colour list in the window: a sort command copies and sorts the
// table and refills the drop-down's model; opening the drop-down lays out and
// paints its visible entries. Both happen on a click, so both must stay far
// below a visible pause.
#include "model/named_color_order.h"
#include "picker/color_pick_window.h"
#include "picker/named_color_box.h"
#include "picker/picker_dialogs.h"
#include "picker/picker_settings.h"

#include <QAction>
#include <QAbstractItemView>
#include <QApplication>

#include <benchmark/benchmark.h>

namespace pigmentrix {
namespace {

class ShownWindow {
public:
    ShownWindow()
        : window(settings, dialogs)
    {
        window.show();
        QApplication::processEvents();
    }

    PickerSettings settings;
    QtPickerDialogs dialogs;
    TfrmColorPick window;
};

void BM_RebuildGeneralList(benchmark::State &state)
{
    ShownWindow shown;
    QAction sortItem;
    sortItem.setData(QVariant::fromValue<qint64>(state.range(0)));
    // A selected entry, so the rebuild also finds it again.
    shown.window.applyColor(0x00D7EBFA);
    for (auto _ : state) {
        shown.window.SortbyHue1Click(&sortItem);
        benchmark::DoNotOptimize(shown.window.cbxColors->currentIndex());
    }
    state.SetItemsProcessed(state.iterations() * NamedColorCount);
}
BENCHMARK(BM_RebuildGeneralList)->DenseRange(SortByName, SortBySimilarity)->Unit(benchmark::kMicrosecond);

void BM_OpenGeneralList(benchmark::State &state)
{
    ShownWindow shown;
    NamedColorBox *list = shown.window.cbxColors;
    for (auto _ : state) {
        list->showPopup();
        list->view()->repaint();
        list->hidePopup();
    }
}
BENCHMARK(BM_OpenGeneralList)->Unit(benchmark::kMicrosecond);

// The first opening after a refill also measures every name for the width.
void BM_RefillThenOpenGeneralList(benchmark::State &state)
{
    ShownWindow shown;
    NamedColorBox *list = shown.window.cbxColors;
    for (auto _ : state) {
        shown.window.SortbyHue1Click(shown.window.SortbyName1);
        list->showPopup();
        list->view()->repaint();
        list->hidePopup();
    }
}
BENCHMARK(BM_RefillThenOpenGeneralList)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
