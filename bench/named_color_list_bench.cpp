// The named-colour list in the window: a sort command copies and sorts the
// table and refills the drop-down's model; opening the drop-down lays out and
// paints its visible entries. Both happen on a click, so both must stay far
// below a visible pause.
#include "displays/named_color_area.h"
#include "displays/named_color_box.h"
#include "model/named_color_order.h"
#include "picker/color_pick_window.h"
#include "picker/color_pipeline.h"
#include "storage/picker_settings.h"
#include "ui/picker_dialogs.h"

#include <QAbstractItemView>
#include <QAction>
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

    NamedColorArea &names() { return *window.findChild<NamedColorArea *>(); }
    NamedColorBox *list() { return window.findChild<NamedColorBox *>(QStringLiteral("cbxColors")); }

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
    shown.window.findChild<ColorPipeline *>()->applyColor(0x00D7EBFA);
    NamedColorArea &names = shown.names();
    NamedColorBox *list = shown.list();
    for (auto _ : state) {
        names.SortbyHue1Click(&sortItem);
        benchmark::DoNotOptimize(list->currentIndex());
    }
    state.SetItemsProcessed(state.iterations() * NamedColorCount);
}
BENCHMARK(BM_RebuildGeneralList)
    ->DenseRange(static_cast<std::int64_t>(SortOrder::Name), static_cast<std::int64_t>(SortOrder::Similarity))
    ->Unit(benchmark::kMicrosecond);

void BM_OpenGeneralList(benchmark::State &state)
{
    ShownWindow shown;
    NamedColorBox *list = shown.list();
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
    NamedColorArea &names = shown.names();
    NamedColorBox *list = shown.list();
    QAction *byName = shown.window.findChild<QAction *>(QStringLiteral("SortbyName1"));
    for (auto _ : state) {
        names.SortbyHue1Click(byName);
        list->showPopup();
        list->view()->repaint();
        list->hidePopup();
    }
}
BENCHMARK(BM_RefillThenOpenGeneralList)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
