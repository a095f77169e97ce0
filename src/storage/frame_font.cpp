#include "storage/frame_font.h"

#include "storage/color_identifiers.h"
#include "storage/setting_values.h"

namespace pigmentrix {
namespace {

constexpr std::array<std::string_view, 9> MemberNames = {"Charset", "Color", "Height", "Name",   "Orientation",
                                                         "Pitch",   "Size",  "Style",  "Quality"};

std::string Member(std::string_view group, std::string_view name)
{
    return std::string(group) + "\\" + std::string(name);
}

std::string StyleMember(std::string_view group, std::string_view flag)
{
    return Member(group, "Style") + "\\" + std::string(flag);
}

template <typename T>
void Assign(T &target, const std::optional<T> &value)
{
    if (value)
        target = *value;
}

} // namespace

const FontSettings &DefaultFrameFont()
{
    static const FontSettings font = [] {
        FontSettings f;
        f.charset = 1;
        f.color = clWindowText;
        f.height = -13;
        f.name = "Segoe UI";
        f.size = 10;
        f.style = fsBold;
        return f;
    }();
    return font;
}

void WriteFont(SettingsStore &store, std::string_view group, const FontSettings &font)
{
    store.WriteText(Member(group, "Charset"), EncodeCharset(font.charset));
    store.WriteColor(Member(group, "Color"), font.color);
    store.WriteInteger(Member(group, "Height"), font.height);
    store.WriteString(Member(group, "Name"), font.name);
    store.WriteInteger(Member(group, "Orientation"), font.orientation);
    store.WriteText(Member(group, "Pitch"), EncodeEnumeration(FontPitchNames, font.pitch));
    store.WriteInteger(Member(group, "Size"), font.size);
    store.WriteSet(Member(group, "Style"), FontStyleNames, font.style);
    store.WriteText(Member(group, "Quality"), EncodeEnumeration(FontQualityNames, font.quality));
}

FontSettings ReadFont(const SettingsStore &store, std::string_view group, const FontSettings &current)
{
    FontSettings font = current;
    if (auto text = store.ReadText(Member(group, "Charset")))
        Assign(font.charset, DecodeCharset(*text));
    Assign(font.color, store.TryReadColor(Member(group, "Color")));
    Assign(font.height, store.TryReadInteger(Member(group, "Height")));
    Assign(font.name, store.ReadText(Member(group, "Name")));
    Assign(font.orientation, store.TryReadInteger(Member(group, "Orientation")));
    if (auto text = store.ReadText(Member(group, "Pitch")))
        Assign(font.pitch, DecodeEnumeration(FontPitchNames, *text));
    Assign(font.size, store.TryReadInteger(Member(group, "Size")));
    font.style = store.ReadSet(Member(group, "Style"), FontStyleNames, font.style);
    if (auto text = store.ReadText(Member(group, "Quality")))
        Assign(font.quality, DecodeEnumeration(FontQualityNames, *text));
    return font;
}

bool HasFont(const SettingsStore &store, std::string_view group)
{
    for (std::string_view name : MemberNames) {
        if (name != "Style" && store.ReadText(Member(group, name)))
            return true;
    }
    for (std::string_view flag : FontStyleNames) {
        if (store.ReadText(StyleMember(group, flag)))
            return true;
    }
    return false;
}

} // namespace pigmentrix
