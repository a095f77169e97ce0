#include "storage/property_bindings.h"

#include "storage/palette_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pigmentrix {
namespace {

// A window with three controls: a slot colour, a check mark and a list index.
class PropertyBindingsTest : public testing::Test {
protected:
    std::int64_t slotColor = DesignPalette[0];
    bool useText = true;
    std::int64_t notation = -1;
    std::vector<std::string> setOrder;

    std::vector<PropertyBinding> bindings()
    {
        return {
            {"cbxDisplay_ItemIndex", [this] { return StoredValue(notation); },
             [this](const StoredValue &v) {
                 notation = std::get<std::int64_t>(v);
                 setOrder.push_back("notation");
             }},
            {"mempan1_Color", [this] { return StoredValue(slotColor); },
             [this](const StoredValue &v) {
                 slotColor = std::get<std::int64_t>(v);
                 setOrder.push_back("slot");
             }},
            {"UseText_Checked", [this] { return StoredValue(useText); },
             [this](const StoredValue &v) {
                 useText = std::get<bool>(v);
                 setOrder.push_back("text");
             }},
        };
    }

    SettingsStore store{{}};
};

TEST_F(PropertyBindingsTest, RestoresStoredValuesInListOrder)
{
    store.WriteText("mempan1_Color", "clWhite");
    store.WriteText("UseText_Checked", "no");
    store.WriteText("cbxDisplay_ItemIndex", "4");
    RestoreBoundProperties(store, bindings());
    EXPECT_EQ(slotColor, clWhite);
    EXPECT_FALSE(useText);
    EXPECT_EQ(notation, 4);
    EXPECT_EQ(setOrder, (std::vector<std::string>{"text", "notation", "slot"}));
}

TEST_F(PropertyBindingsTest, MissingOrUnreadableValuesLeaveTheControlAsItIs)
{
    store.WriteText("UseText_Checked", "maybe");
    store.WriteText("cbxDisplay_ItemIndex", "4 ");
    RestoreBoundProperties(store, bindings());
    EXPECT_EQ(slotColor, DesignPalette[0]);
    EXPECT_TRUE(useText);
    EXPECT_EQ(notation, -1);
    EXPECT_TRUE(setOrder.empty());
}

TEST_F(PropertyBindingsTest, CollectsBoundValuesAndKeepsTheOthers)
{
    slotColor = clWhite;
    useText = false;
    store.WriteText("cbxZoom_ItemIndex", "7");
    const std::vector<StoredValue> values = CollectBoundProperties(store, bindings());
    const auto properties = StoredProperties();
    ASSERT_EQ(values.size(), properties.size());
    const auto valueOf = [&](std::string_view name) {
        for (std::size_t i = 0; i < properties.size(); ++i) {
            if (properties[i].name == name)
                return values[i];
        }
        return StoredValue(false);
    };
    EXPECT_EQ(valueOf("mempan1_Color"), StoredValue(std::int64_t{clWhite}));
    EXPECT_EQ(valueOf("UseText_Checked"), StoredValue(false));
    EXPECT_EQ(valueOf("cbxDisplay_ItemIndex"), StoredValue(std::int64_t{-1}));
    EXPECT_EQ(valueOf("cbxZoom_ItemIndex"), StoredValue(std::int64_t{7})) << "stored by another run: kept";
    EXPECT_EQ(valueOf("Cross1_Checked"), StoredValue(true)) << "nothing stored: the form's value";
    EXPECT_EQ(valueOf("pnlColor_Font"), StoredValue(DefaultFrameFont()));
}

} // namespace
} // namespace pigmentrix
