// Conversions between the colour spaces of CSS colours, with the matrices and
// transfer functions that web browsers use, so that a code reads here as it
// renders there.
#include "model/css_color_space.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pigmentrix {
namespace {

using Matrix = std::array<Triple, 3>;

Triple Multiply(const Matrix &m, const Triple &v)
{
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

template <typename F>
Triple EachComponent(const Triple &v, F f)
{
    return {f(v[0]), f(v[1]), f(v[2])};
}

// Transfer functions of the other RGB spaces, mirrored for negative values.
template <typename F>
double Mirrored(double value, F curve)
{
    return value < 0 ? -curve(-value) : curve(value);
}

constexpr Matrix LinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};

constexpr Matrix XyzToLinearSrgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};

constexpr Matrix LinearP3ToXyz = {{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0.0, 32229.0 / 714400, 5220557.0 / 5000800},
}};

constexpr Matrix LinearA98ToXyz = {{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};

// Relative to D50.
constexpr Matrix LinearProphotoToXyz = {{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0.0, 0.0, 0.82510460251046020},
}};

constexpr Matrix LinearRec2020ToXyz = {{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0.0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};

// Bradford chromatic adaptation.
constexpr Matrix D65ToD50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};

constexpr Matrix D50ToD65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};

constexpr Matrix XyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};

constexpr Matrix LmsToOklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};

constexpr Matrix LmsToXyz = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};

constexpr Matrix OklabToLms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};

constexpr Triple D50White = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

constexpr double LabEpsilon = 216.0 / 24389;
constexpr double LabKappa = 24389.0 / 27;

constexpr double DegreesPerRadian = 180 / std::numbers::pi;

double A98ToLinear(double encoded)
{
    return Mirrored(encoded, [](double v) { return std::pow(v, 563.0 / 256); });
}

double ProphotoToLinear(double encoded)
{
    return Mirrored(encoded, [](double v) { return v <= 16.0 / 512 ? v / 16 : std::pow(v, 1.8); });
}

// color(rec2020) is decoded by the BT.1886 display curve, a pure gamma of 2.4
// over the extended range (CSS Working Group resolution of 2025), not by the
// camera curve of BT.2020 itself.
double Rec2020ToLinear(double encoded)
{
    return Mirrored(encoded, [](double v) { return std::pow(v, 2.4); });
}

double HslChannel(double n, double h, double s, double l)
{
    const double k = std::fmod(n + h / 30, 12);
    const double a = s * std::min(l, 1 - l);
    return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
}

} // namespace

double SrgbToLinear(double encoded)
{
    return Mirrored(encoded, [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); });
}

double LinearToSrgb(double linear)
{
    return Mirrored(linear, [](double v) { return v > 0.0031308 ? 1.055 * std::pow(v, 1 / 2.4) - 0.055 : 12.92 * v; });
}

Triple SrgbToXyzD65(const Triple &srgb)
{
    return Multiply(LinearSrgbToXyz, EachComponent(srgb, SrgbToLinear));
}

Triple XyzD65ToSrgb(const Triple &xyz)
{
    return EachComponent(Multiply(XyzToLinearSrgb, xyz), LinearToSrgb);
}

Triple XyzD65ToD50(const Triple &xyz)
{
    return Multiply(D65ToD50, xyz);
}

Triple XyzD50ToD65(const Triple &xyz)
{
    return Multiply(D50ToD65, xyz);
}

Triple XyzD50ToLab(const Triple &xyz)
{
    Triple f{};
    for (std::size_t i = 0; i < 3; ++i) {
        const double relative = xyz[i] / D50White[i];
        f[i] = relative > LabEpsilon ? std::cbrt(relative) : (LabKappa * relative + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Triple LabToXyzD50(const Triple &lab)
{
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const auto cubeOrLinear = [](double f) { return f * f * f > LabEpsilon ? f * f * f : (116 * f - 16) / LabKappa; };
    const double y = lab[0] > LabKappa * LabEpsilon ? f1 * f1 * f1 : lab[0] / LabKappa;
    return {cubeOrLinear(f0) * D50White[0], y * D50White[1], cubeOrLinear(f2) * D50White[2]};
}

Triple XyzD65ToOklab(const Triple &xyz)
{
    return Multiply(LmsToOklab, EachComponent(Multiply(XyzToLms, xyz), [](double c) { return std::cbrt(c); }));
}

Triple OklabToXyzD65(const Triple &oklab)
{
    return Multiply(LmsToXyz, EachComponent(Multiply(OklabToLms, oklab), [](double c) { return c * c * c; }));
}

Triple RectangularToPolar(const Triple &lab)
{
    const double hue = std::atan2(lab[2], lab[1]) * DegreesPerRadian;
    return {lab[0], std::hypot(lab[1], lab[2]), hue < 0 ? hue + 360 : hue};
}

Triple PolarToRectangular(const Triple &lch)
{
    const double radians = lch[2] / DegreesPerRadian;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Triple SrgbToOklab(const Triple &srgb)
{
    return XyzD65ToOklab(SrgbToXyzD65(srgb));
}

Triple OklabToSrgb(const Triple &oklab)
{
    return XyzD65ToSrgb(OklabToXyzD65(oklab));
}

Triple SrgbToLab(const Triple &srgb)
{
    return XyzD50ToLab(XyzD65ToD50(SrgbToXyzD65(srgb)));
}

Triple LabToSrgb(const Triple &lab)
{
    return XyzD65ToSrgb(XyzD50ToD65(LabToXyzD50(lab)));
}

Triple SrgbToHsl(const Triple &srgb)
{
    const auto [r, g, b] = srgb;
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double lightness = (min + max) / 2;
    const double delta = max - min;
    double hue = 0;
    double saturation = 0;
    if (delta != 0) {
        saturation = (lightness == 0 || lightness == 1) ? 0 : (max - lightness) / std::min(lightness, 1 - lightness);
        if (max == r)
            hue = (g - b) / delta + (g < b ? 6 : 0);
        else if (max == g)
            hue = (b - r) / delta + 2;
        else
            hue = (r - g) / delta + 4;
        hue *= 60;
    }
    return {hue, saturation * 100, lightness * 100};
}

Triple HslToSrgb(const Triple &hsl)
{
    const double h = NormalizeHue(hsl[0]);
    const double s = hsl[1] / 100;
    const double l = hsl[2] / 100;
    return {HslChannel(0, h, s, l), HslChannel(8, h, s, l), HslChannel(4, h, s, l)};
}

Triple SrgbToHwb(const Triple &srgb)
{
    const double white = std::min({srgb[0], srgb[1], srgb[2]});
    const double black = 1 - std::max({srgb[0], srgb[1], srgb[2]});
    return {SrgbToHsl(srgb)[0], white * 100, black * 100};
}

Triple HwbToSrgb(const Triple &hwb)
{
    double white = hwb[1] / 100;
    double black = hwb[2] / 100;
    if (white + black >= 1) {
        const double gray = white / (white + black);
        return {gray, gray, gray};
    }
    Triple rgb = HslToSrgb({hwb[0], 100, 50});
    for (double &channel : rgb)
        channel = channel * (1 - white - black) + white;
    return rgb;
}

Triple PredefinedToXyzD65(PredefinedSpace space, const Triple &c)
{
    switch (space) {
    case PredefinedSpace::Srgb: return SrgbToXyzD65(c);
    case PredefinedSpace::SrgbLinear: return Multiply(LinearSrgbToXyz, c);
    case PredefinedSpace::DisplayP3: return Multiply(LinearP3ToXyz, EachComponent(c, SrgbToLinear));
    case PredefinedSpace::A98Rgb: return Multiply(LinearA98ToXyz, EachComponent(c, A98ToLinear));
    case PredefinedSpace::ProphotoRgb:
        return XyzD50ToD65(Multiply(LinearProphotoToXyz, EachComponent(c, ProphotoToLinear)));
    case PredefinedSpace::Rec2020: return Multiply(LinearRec2020ToXyz, EachComponent(c, Rec2020ToLinear));
    case PredefinedSpace::XyzD50: return XyzD50ToD65(c);
    case PredefinedSpace::XyzD65: break;
    }
    return c;
}

double NormalizeHue(double degrees)
{
    const double hue = std::fmod(degrees, 360);
    return hue < 0 ? hue + 360 : hue;
}

} // namespace pigmentrix
