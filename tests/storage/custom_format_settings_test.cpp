#include "storage/custom_format_settings.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

namespace pigmentrix {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class CustomFormatSettingsTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::filesystem::path file = folder / "Pigmentrix.ini";
};

TEST_F(CustomFormatSettingsTest, AwkwardTemplatesComeBackAsWritten)
{
    const std::vector<CustomFormat> formats = {
        {"Qt", "QColor({r}, {g}, {b})"},
        {"Padded", "  {r:>4} ; # = \"{hex}\"  "},
        {"Braces \\ and tabs", "{{\t{name}\t}}"},
    };
    {
        SettingsStore store(file);
        WriteCustomFormats(store, formats);
        ASSERT_TRUE(store.Save().written);
    }
    const SettingsStore store(file);
    const StoredCustomFormats read = ReadCustomFormats(store);
    EXPECT_EQ(read.formats, formats);
    EXPECT_TRUE(read.unusable.empty());
    EXPECT_EQ(read.notice, "");
}

TEST_F(CustomFormatSettingsTest, AShorterListEmptiesTheEntriesItNoLongerHas)
{
    SettingsStore store(file);
    WriteCustomFormats(store, std::vector<CustomFormat>{{"One", "{r}"}, {"Two", "{g}"}});
    WriteCustomFormats(store, std::vector<CustomFormat>{{"Two", "{g}"}});
    EXPECT_EQ(store.FileText(), "[CustomFormats]\nCount=1\nName1=Two\nTemplate1={g}\nName2=\nTemplate2=\n");
    EXPECT_EQ(ReadCustomFormats(store).formats, (std::vector<CustomFormat>{{"Two", "{g}"}}));
}

TEST_F(CustomFormatSettingsTest, NoFormatsWritesNothing)
{
    SettingsStore store(file);
    WriteCustomFormats(store, {});
    EXPECT_EQ(store.FileText(), "");
}

TEST_F(CustomFormatSettingsTest, UnusableEntriesAreLeftOutWithOneNoticeAndKept)
{
    WriteBytes(file, "[CustomFormats]\nCount=4\nName1=Good\nTemplate1=#{hex}\nName2=Broken\nTemplate2={red}\n"
                     "Name3=good\nTemplate3={r}\nName4=Last\nTemplate4={g}\n");
    const SettingsStore store(file);
    const StoredCustomFormats read = ReadCustomFormats(store);
    EXPECT_EQ(read.formats, (std::vector<CustomFormat>{{"Good", "#{hex}"}, {"Last", "{g}"}}));
    EXPECT_EQ(read.unusable, (std::vector<CustomFormat>{{"Broken", "{red}"}, {"good", "{r}"}}));
    EXPECT_EQ(read.notice, "Custom format 2 'Broken' is left out: Unknown field 'red' in template\n"
                           "Custom format 3 'good' is left out: There is already a format called 'good'.");
}

TEST_F(CustomFormatSettingsTest, AnUnreadableCountMeansNoFormats)
{
    WriteBytes(file, "[CustomFormats]\nCount=many\nName1=Good\nTemplate1=#{hex}\n");
    const SettingsStore store(file);
    EXPECT_TRUE(ReadCustomFormats(store).formats.empty());
}

} // namespace
} // namespace pigmentrix
