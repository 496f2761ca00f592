#include "Color.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tintwright::color {

namespace {

// The sRGB transfer function, as IEC 61966-2-1 gives it. (WCAG 2.x writes its
// threshold as 0.03928; no 8-bit channel lies between the two.)
double toLinear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double linear(std::uint8_t channel)
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values {};
        for (std::size_t i = 0; i < values.size(); ++i) {
            values[i] = toLinear(static_cast<double>(i) / 255.0);
        }
        return values;
    }();
    return table[channel];
}

} // namespace

std::string hexColor(const theme::RgbTriple& rgb)
{
    constexpr char kDigits[] = "0123456789abcdef";
    std::string hex = "#";
    for (const std::uint8_t part : {rgb.R, rgb.G, rgb.B}) {
        hex += kDigits[part >> 4];
        hex += kDigits[part & 0xF];
    }
    return hex;
}

std::optional<theme::RgbTriple> parseHexColor(std::string_view text)
{
    if (text.size() != 7 || text.front() != '#') {
        return std::nullopt;
    }
    int digits[6];
    for (std::size_t i = 0; i < 6; ++i) {
        const char c = text[i + 1];
        digits[i] = c >= '0' && c <= '9' ? c - '0'
            : c >= 'a' && c <= 'f'       ? c - 'a' + 10
            : c >= 'A' && c <= 'F'       ? c - 'A' + 10
                                         : -1;
        if (digits[i] < 0) {
            return std::nullopt;
        }
    }
    return theme::RgbTriple {static_cast<std::uint8_t>(digits[0] * 16 + digits[1]),
                             static_cast<std::uint8_t>(digits[2] * 16 + digits[3]),
                             static_cast<std::uint8_t>(digits[4] * 16 + digits[5])};
}

double relativeLuminance(const theme::RgbTriple& rgb)
{
    return 0.2126 * linear(rgb.R) + 0.7152 * linear(rgb.G) + 0.0722 * linear(rgb.B);
}

double contrastRatio(const theme::RgbTriple& a, const theme::RgbTriple& b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

double shownRatio(double ratio)
{
    // A hair above the ratio, so that 4.57 held as 4.5699999 is still shown as 4.57.
    return std::floor(ratio * 100 + 1e-9) / 100;
}

namespace {

double fromLinear(double c)
{
    return c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
}

struct LinearRgb {
    double r, g, b;
};

// OKLCH to linear sRGB with the matrices of Ottosson's OKLab.
LinearRgb toLinearRgb(const Oklch& color)
{
    const auto [L, a, b] = oklabOf(color);
    const double l_ = L + 0.3963377774 * a + 0.2158037573 * b;
    const double m_ = L - 0.1055613458 * a - 0.0638541728 * b;
    const double s_ = L - 0.0894841775 * a - 1.2914855480 * b;
    const double l = l_ * l_ * l_;
    const double m = m_ * m_ * m_;
    const double s = s_ * s_ * s_;
    return {+4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s,
            -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s,
            -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s};
}

bool inGamut(const LinearRgb& rgb)
{
    constexpr double kSlack = 1e-5; // the matrices' own rounding; far below one step of a channel
    return rgb.r >= -kSlack && rgb.r <= 1 + kSlack && rgb.g >= -kSlack && rgb.g <= 1 + kSlack && rgb.b >= -kSlack
        && rgb.b <= 1 + kSlack;
}

std::uint8_t channel(double linear)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(fromLinear(std::clamp(linear, 0.0, 1.0)), 0.0, 1.0) * 255));
}

// `*` any run of characters, `?` any one. Greedy, going back only to the last
// star: a later star settles all before it, so no step is tried twice over.
bool globMatches(std::string_view name, std::string_view pattern)
{
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t star = std::string_view::npos; // the pattern's last star seen
    std::size_t resume = 0; // where in the name that star's run ends for now
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

std::string_view withoutBrackets(std::string_view name)
{
    if (name.size() >= 2 && name.front() == '<' && name.back() == '>') {
        name.remove_prefix(1);
        name.remove_suffix(1);
    }
    return name;
}

Oklch toOklch(const theme::RgbTriple& rgb)
{
    const double r = toLinear(rgb.R / 255.0);
    const double g = toLinear(rgb.G / 255.0);
    const double b = toLinear(rgb.B / 255.0);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    const double L = 0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s;
    const double A = 1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s;
    const double B = 0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s;
    if (rgb.R == rgb.G && rgb.G == rgb.B) {
        return {L, 0, 0};
    }
    return oklchOf(Oklab {L, A, B});
}

Oklab oklabOf(const Oklch& color)
{
    return {color.L, color.C * std::cos(color.h * kPi / 180), color.C * std::sin(color.h * kPi / 180)};
}

Oklch oklchOf(const Oklab& color)
{
    const double hue = std::atan2(color.b, color.a) * 180 / kPi;
    return {color.L, std::hypot(color.a, color.b), hue < 0 ? hue + 360 : hue};
}

double distance(const Oklab& x, const Oklab& y)
{
    return std::sqrt((x.L - y.L) * (x.L - y.L) + (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b));
}

theme::RgbTriple fromOklch(const Oklch& given)
{
    const Oklch color {std::isfinite(given.L) ? std::clamp(given.L, 0.0, 1.0) : 0.0,
                       std::isnan(given.C) ? 0.0 : std::max(given.C, 0.0), std::isfinite(given.h) ? given.h : 0.0};
    LinearRgb rgb = toLinearRgb(color);
    if (!inGamut(rgb)) {
        // No sRGB colour has a chroma above 0.33, so the search starts below
        // this bound and ends after a fixed number of halvings whatever it is given.
        constexpr double kBeyondSrgb = 0.5;
        constexpr int kHalvings = 64;
        double inside = 0;
        double outside = std::min(color.C, kBeyondSrgb);
        for (int step = 0; step < kHalvings && outside - inside > 1e-4; ++step) {
            const double middle = (inside + outside) / 2;
            (inGamut(toLinearRgb({color.L, middle, color.h})) ? inside : outside) = middle;
        }
        rgb = toLinearRgb({color.L, inside, color.h});
    }
    return {channel(rgb.r), channel(rgb.g), channel(rgb.b)};
}

theme::RgbTriple adjustColor(const theme::RgbTriple& rgb, const Adjustment& adjustment)
{
    const auto finiteOr = [](double value, double otherwise) { return std::isfinite(value) ? value : otherwise; };
    const Oklch color = toOklch(rgb);
    const double lightness =
        std::clamp((adjustment.invertLightness ? 1 - color.L : color.L) + finiteOr(adjustment.lightness, 0), 0.0, 1.0);
    double hue = std::fmod(color.h + finiteOr(adjustment.hue, 0), 360);
    if (hue < 0) {
        hue += 360;
    }
    const theme::RgbTriple result =
        fromOklch({lightness, color.C * std::max(finiteOr(adjustment.chroma, 1), 0.0), hue});
    // A grey stays grey: its three channels come out alike whatever the hue.
    if (color.C == 0) {
        return {result.G, result.G, result.G};
    }
    return result;
}

theme::RgbTriple simulate(const theme::RgbTriple& rgb, Vision vision)
{
    using Matrix = double[3][3];
    // The matrices Machado et al. published for severity 1.0, rows applied to linear (r, g, b).
    static const Matrix kProtanopia = {
        {0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
    static const Matrix kDeuteranopia = {
        {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
    static const Matrix kTritanopia = {
        {1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}};
    static const Matrix kLuminance = {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}};
    const Matrix* matrix = vision == Vision::Protanopia ? &kProtanopia
        : vision == Vision::Deuteranopia                ? &kDeuteranopia
        : vision == Vision::Tritanopia                  ? &kTritanopia
        : vision == Vision::Achromatopsia               ? &kLuminance
                                                        : nullptr;
    if (matrix == nullptr) {
        return rgb;
    }
    const double in[3] = {toLinear(rgb.R / 255.0), toLinear(rgb.G / 255.0), toLinear(rgb.B / 255.0)};
    double out[3];
    for (int row = 0; row < 3; ++row) {
        out[row] = (*matrix)[row][0] * in[0] + (*matrix)[row][1] * in[1] + (*matrix)[row][2] * in[2];
    }
    return {channel(out[0]), channel(out[1]), channel(out[2])};
}

const std::vector<NamedVision>& visions()
{
    static const std::vector<NamedVision> all = {{"normal", Vision::Normal},
                                                 {"protanopia", Vision::Protanopia},
                                                 {"deuteranopia", Vision::Deuteranopia},
                                                 {"tritanopia", Vision::Tritanopia},
                                                 {"achromatopsia", Vision::Achromatopsia}};
    return all;
}

bool matches(std::string_view name, std::string_view pattern)
{
    return globMatches(name, withoutBrackets(pattern));
}

bool matchesAny(std::string_view name, const std::vector<std::string>& patterns)
{
    if (patterns.empty()) {
        return true;
    }
    return std::any_of(patterns.begin(), patterns.end(),
                       [name](const std::string& pattern) { return matches(name, pattern); });
}

} // namespace tintwright::color
