#include "storage/closing_settings.h"

#include "storage/color_identifiers.h"
#include "storage/palette_file.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

std::vector<std::string_view> PropertyNames()
{
    std::vector<std::string_view> names;
    for (const StoredProperty &property : StoredProperties())
        names.push_back(property.name);
    return names;
}

std::vector<StoredValue> DefaultValues()
{
    std::vector<StoredValue> values;
    for (const StoredProperty &property : StoredProperties())
        values.push_back(DefaultValueOf(property));
    return values;
}

TEST(PickerSettings, EmptyStoreGivesTheDefaults)
{
    const SettingsStore store({});
    EXPECT_EQ(ReadPickerSettings(store), PickerSettings{});
    const PickerSettings defaults;
    EXPECT_TRUE(defaults.upperCase && defaults.alphaMode && defaults.checkNewVersion && defaults.showTitle);
    EXPECT_EQ(defaults.layout, Layout::Large);
    EXPECT_EQ(defaults.displayMode, DisplayMode::ColorWheel);
    EXPECT_EQ(defaults.paletteName, "");
}

TEST(PickerSettings, WrittenValuesReadBack)
{
    SettingsStore store({});
    const PickerSettings settings{false, false, Layout::Small, DisplayMode::HSVRectangle, false, false, "spring.plt"};
    WritePickerSettings(store, settings, false);
    EXPECT_EQ(ReadPickerSettings(store), settings);
    EXPECT_EQ(store.ReadText("uppercase"), "FALSE");
    EXPECT_EQ(store.ReadText("layout"), "0");
}

TEST(PickerSettings, ChangedPaletteDropsItsName)
{
    SettingsStore store({});
    PickerSettings settings;
    settings.paletteName = "spring.plt";
    WritePickerSettings(store, settings, true);
    EXPECT_EQ(store.ReadText("palettename"), "");
}

TEST(PickerSettings, ValuesTheWindowCannotUseGiveDefaults)
{
    SettingsStore store({});
    store.WriteText("layout", "7");
    store.WriteText("displaymode", "0");
    store.WriteText("uppercase", "no");
    store.WriteText("showtitle", "sometimes");
    const PickerSettings read = ReadPickerSettings(store);
    EXPECT_EQ(read.layout, Layout::Large);
    EXPECT_EQ(read.displayMode, DisplayMode::ColorWheel);
    EXPECT_FALSE(read.upperCase);
    EXPECT_TRUE(read.showTitle);
}

TEST(StoredProperties, ListKeepsItsOrder)
{
    const std::vector<std::string_view> expected = {
        "mempan3_Color",
        "mempan4_Color",
        "mempan5_Color",
        "mempan6_Color",
        "mempan7_Color",
        "mempan8_Color",
        "Cross1_Checked",
        "Rectangle1_Checked",
        "None1_Checked",
        "Off1_Checked",
        "N3x3Average1_Checked",
        "N5x5Average1_Checked",
        "UseText_Checked",
        "AlwaysonTop1_Checked",
        "StayinSystemTray1_Checked",
        "Showonlyhtmlcolors_Checked",
        "FindClosestColor1_Tag",
        "cbxDisplay_ItemIndex",
        "pnlColor_Font",
        "pnlColor_Caption",
        "pnlColor_Color",
        "cbxZoom_ItemIndex",
        "mempan1_Color",
        "mempan2_Color",
        "mempan9_Color",
        "mempan10_Color",
        "mempan11_Color",
        "mempan12_Color",
        "mempan13_Color",
        "mempan14_Color",
        "mempan15_Color",
        "mempan16_Color",
        "AutoColorCopyafterGrab1_Checked",
        "FreezeScreenWhilePicking1_Checked",
        "SmoothTracking1_Checked",
        "PickShortcut1_ShortCut",
        "NativeScreenColors1_Checked",
        "ConvertedScreenColors1_Checked",
        "mempan1_Name",
        "mempan2_Name",
        "mempan3_Name",
        "mempan4_Name",
        "mempan5_Name",
        "mempan6_Name",
        "mempan7_Name",
        "mempan8_Name",
        "mempan9_Name",
        "mempan10_Name",
        "mempan11_Name",
        "mempan12_Name",
        "mempan13_Name",
        "mempan14_Name",
        "mempan15_Name",
        "mempan16_Name",
    };
    EXPECT_EQ(PropertyNames(), expected);
}

TEST(StoredProperties, DefaultsAreTheFormValues)
{
    for (int slot = 1; slot <= PaletteSlotCount; ++slot) {
        const std::string name = "mempan" + std::to_string(slot) + "_Color";
        SCOPED_TRACE(name);
        const StoredProperty *property = FindStoredProperty(name);
        ASSERT_NE(property, nullptr);
        EXPECT_EQ(DefaultValueOf(*property), StoredValue(std::int64_t{DesignPalette[slot - 1]}));
    }
    struct Row {
        const char *name;
        StoredValue value;
    };
    const std::vector<Row> rows = {
        {"Cross1_Checked", true},
        {"Rectangle1_Checked", false},
        {"Off1_Checked", true},
        {"UseText_Checked", true},
        {"StayinSystemTray1_Checked", true},
        {"AutoColorCopyafterGrab1_Checked", false},
        {"FreezeScreenWhilePicking1_Checked", false},
        {"SmoothTracking1_Checked", false},
        {"PickShortcut1_ShortCut", std::string()},
        {"NativeScreenColors1_Checked", false},
        {"ConvertedScreenColors1_Checked", true},
        {"FindClosestColor1_Tag", std::int64_t{0}},
        {"cbxDisplay_ItemIndex", std::int64_t{-1}},
        {"cbxZoom_ItemIndex", std::int64_t{3}},
        {"pnlColor_Color", std::int64_t{14772545}},
        {"pnlColor_Caption", std::string("Pigmentrix")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(DefaultValueOf(*FindStoredProperty(row.name)), row.value);
    }
    const FontSettings font = std::get<FontSettings>(DefaultValueOf(*FindStoredProperty("pnlColor_Font")));
    EXPECT_EQ(font.name, "Segoe UI");
    EXPECT_EQ(font.height, -13);
    EXPECT_EQ(font.style, fsBold);
    EXPECT_EQ(font.color, clWindowText);
    EXPECT_EQ(font.charset, 1);
}

struct StoredRow {
    const char *name;
    const char *text;
    std::optional<StoredValue> value;
};

TEST(StoredProperties, ReadingSkipsValuesOfTheWrongForm)
{
    const std::vector<StoredRow> rows = {
        {"mempan1_Color", "clWhite", StoredValue(std::int64_t{0xFFFFFF})},
        {"mempan1_Color", "16777200", StoredValue(std::int64_t{0xFFFFF0})},
        {"mempan1_Color", "white", std::nullopt},
        {"Cross1_Checked", "Y", StoredValue(true)},
        {"Cross1_Checked", "checked", std::nullopt},
        {"FindClosestColor1_Tag", "0", StoredValue(std::int64_t{0})},
        {"FindClosestColor1_Tag", "zero", std::nullopt},
        {"cbxDisplay_ItemIndex", "-1", StoredValue(std::int64_t{-1})},
        {"cbxDisplay_ItemIndex", "first", std::nullopt},
        {"pnlColor_Caption", "", StoredValue(std::string())},
    };
    for (const StoredRow &row : rows) {
        SCOPED_TRACE(std::string(row.name) + "=" + row.text);
        SettingsStore store({});
        store.WriteText(row.name, row.text);
        EXPECT_EQ(ReadStoredProperty(store, *FindStoredProperty(row.name)), row.value);
    }
    const SettingsStore empty({});
    for (const StoredProperty &property : StoredProperties()) {
        SCOPED_TRACE(property.name);
        EXPECT_EQ(ReadStoredProperty(empty, property), std::nullopt);
    }
}

TEST(StoredProperties, FontIsStoredMemberByMember)
{
    const StoredProperty &fontProperty = *FindStoredProperty("pnlColor_Font");
    FontSettings font = DefaultFrameFont();
    font.name = "DejaVu Sans";
    font.charset = 238;
    font.color = 0x00FFFFF0;
    font.style = fsItalic | fsStrikeOut;
    font.pitch = 2;
    font.quality = 5;

    SettingsStore store({});
    WriteStoredProperty(store, fontProperty, font);
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Charset"), "EASTEUROPE_CHARSET");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Color"), "16777200");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Height"), "-13");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Pitch"), "fpFixed");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Quality"), "fqClearType");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Style\\fsBold"), "FALSE");
    EXPECT_EQ(store.ReadText("pnlColor_Font\\Style\\fsItalic"), "TRUE");
    EXPECT_EQ(ReadStoredProperty(store, fontProperty), StoredValue(font));
}

TEST(StoredProperties, FontMembersThatDoNotReadKeepTheirValue)
{
    SettingsStore store({});
    store.WriteText("pnlColor_Font\\Name", "Cantarell");
    store.WriteText("pnlColor_Font\\Height", "tall");
    store.WriteText("pnlColor_Font\\Style\\fsBold", "FALSE");
    FontSettings expected = DefaultFrameFont();
    expected.name = "Cantarell";
    expected.style = 0;
    EXPECT_EQ(ReadStoredProperty(store, *FindStoredProperty("pnlColor_Font")), StoredValue(expected));
}

TEST(ClosingSettings, FreshFileHoldsTheValuesInClosingOrder)
{
    SettingsStore store({});
    ClosingSettings closing;
    closing.position = WindowPosition{0, 96, {-1, -1}, {-1, -1}, {100, 50, 400, 550}};
    closing.properties = DefaultValues();
    closing.named = PickerSettings{};
    StoreClosingSettings(store, closing);

    std::string expected =
        "[Pigmentrix]\nFormVersion=0\nFlags=0\nPixelsPerInch=96\nMinMaxPos=-1,-1,-1,-1\n"
        "NormPos=100,50,400,550\n"
        "mempan3_Color=7497811\nmempan4_Color=8421230\nmempan5_Color=9865603\n"
        "mempan6_Color=10068877\nmempan7_Color=14084848\nmempan8_Color=15136253\n"
        "Cross1_Checked=TRUE\nRectangle1_Checked=FALSE\nNone1_Checked=FALSE\n"
        "Off1_Checked=TRUE\nN3x3Average1_Checked=FALSE\nN5x5Average1_Checked=FALSE\n"
        "UseText_Checked=TRUE\nAlwaysonTop1_Checked=FALSE\nStayinSystemTray1_Checked=TRUE\n"
        "Showonlyhtmlcolors_Checked=FALSE\nFindClosestColor1_Tag=0\ncbxDisplay_ItemIndex=-1\n"
        "pnlColor_Caption=Pigmentrix\npnlColor_Color=14772545\ncbxZoom_ItemIndex=3\n"
        "mempan1_Color=4342272\nmempan2_Color=6447616\nmempan9_Color=1493748\n"
        "mempan10_Color=2585840\nmempan11_Color=4345067\nmempan12_Color=8075724\n"
        "mempan13_Color=15423380\nmempan14_Color=15174705\nmempan15_Color=11186720\n"
        "mempan16_Color=7915600\nAutoColorCopyafterGrab1_Checked=FALSE\nFreezeScreenWhilePicking1_Checked=FALSE\n"
        "SmoothTracking1_Checked=FALSE\nPickShortcut1_ShortCut=\n"
        "NativeScreenColors1_Checked=FALSE\nConvertedScreenColors1_Checked=TRUE\n"
        "mempan1_Name=\nmempan2_Name=\nmempan3_Name=\nmempan4_Name=\nmempan5_Name=\nmempan6_Name=\nmempan7_Name="
        "\nmempan8_Name=\nmempan9_Name=\nmempan10_Name=\nmempan11_Name=\nmempan12_Name=\nmempan13_Name=\nmempan14_Name="
        "\nmempan15_Name=\nmempan16_Name=\n"
        "palettename=\nshowtitle=TRUE\nuppercase=TRUE\nAlphaMode=TRUE\n"
        "CheckNewVersion=TRUE\nlayout=2\ndisplaymode=1\n"
        "\n[pnlColor_Font]\nCharset=DEFAULT_CHARSET\nColor=clWindowText\nHeight=-13\n"
        "Name=Segoe UI\nOrientation=0\nPitch=fpDefault\nSize=10\nQuality=fqDefault\n"
        "\n[pnlColor_Font\\Style]\nfsBold=TRUE\nfsItalic=FALSE\nfsUnderline=FALSE\n"
        "fsStrikeOut=FALSE\n";
    EXPECT_EQ(store.FileText(), expected);
}

TEST(ClosingSettings, NeverShownWindowLeavesPositionAndPropertiesAlone)
{
    SettingsStore store({});
    store.WriteText("NormPos", "1,2,3,4");
    store.WriteText("mempan1_Color", "clRed");
    ClosingSettings closing;
    closing.named = PickerSettings{};
    StoreClosingSettings(store, closing);
    EXPECT_EQ(store.FileText(), "[Pigmentrix]\nNormPos=1,2,3,4\nmempan1_Color=clRed\nFormVersion=0\n"
                                "palettename=\nshowtitle=TRUE\nuppercase=TRUE\nAlphaMode=TRUE\n"
                                "CheckNewVersion=TRUE\nlayout=2\ndisplaymode=1\n");
}

TEST(ClosingSettings, WindowGoneWithoutAcceptedCloseWritesNoNamedValues)
{
    SettingsStore store({});
    ClosingSettings closing;
    closing.position = WindowPosition{};
    closing.properties = DefaultValues();
    closing.paletteChanged = true;
    StoreClosingSettings(store, closing);
    EXPECT_EQ(store.ReadText("FormVersion"), "0");
    EXPECT_EQ(store.ReadText("mempan16_Color"), "7915600");
    EXPECT_EQ(store.ReadText("palettename"), std::nullopt);
    EXPECT_EQ(store.ReadText("layout"), std::nullopt);
}

TEST(ClosingSettings, PropertyValuesMustMatchTheList)
{
    SettingsStore store({});
    ClosingSettings closing;
    closing.position = WindowPosition{};
    EXPECT_THROW(StoreClosingSettings(store, closing), std::invalid_argument);
}

} // namespace
} // namespace pigmentrix
