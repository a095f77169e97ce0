// The cost of one settings write on the window's thread: the changes taken
// from the store and handed to the writer thread, against a whole write done
// on the calling thread (the file read, merged and replaced atomically with
// fsync), for a settings file as the program writes it.
#include "storage/background_writer.h"
#include "storage/closing_settings.h"
#include "storage/property_bindings.h"
#include "storage/settings_store.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pigmentrix {
namespace {

// A store over a file in a fresh folder, holding every value the window
// writes (each at its default).
class FullStore {
public:
    FullStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "pigmentrix-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
        store = std::make_unique<SettingsStore>(folder / "Pigmentrix.ini");
        fill(0);
        store->Save();
    }
    ~FullStore()
    {
        store.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // What the window puts into the store before each write; step changes
    // one value so that every write has something to write.
    void fill(int step)
    {
        ClosingSettings closing;
        closing.position = WindowPosition{};
        closing.properties = CollectBoundProperties(*store, {});
        closing.named = PickerSettings{};
        closing.named->layout = static_cast<Layout>(step % 3);
        StoreClosingSettings(*store, closing);
    }

    std::filesystem::path folder;
    std::unique_ptr<SettingsStore> store;
};

void BM_SettingsWriteOnTheWindowsThread(benchmark::State &state)
{
    FullStore full;
    BackgroundWriter writer([](const SettingsWrite &, const std::optional<std::string> &) {});
    int step = 0;
    for (auto _ : state) {
        full.fill(++step);
        SettingsStore::Prepared prepared = full.store->PrepareWrite();
        if (prepared.write)
            writer.Submit(std::move(*prepared.write));
    }
}
BENCHMARK(BM_SettingsWriteOnTheWindowsThread)->Unit(benchmark::kMicrosecond);

void BM_SettingsWriteWholeOnTheCallingThread(benchmark::State &state)
{
    FullStore full;
    int step = 0;
    for (auto _ : state) {
        full.fill(++step);
        benchmark::DoNotOptimize(full.store->Save());
    }
}
BENCHMARK(BM_SettingsWriteWholeOnTheCallingThread)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pigmentrix
