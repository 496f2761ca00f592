#pragma once

#include <filesystem>
#include <fstream>
#include <string>

namespace tintwright::bench {

// A theme of exactly `lines` lines holding `entries` colour entries, in the
// application's own shape, padded with single-value lines.
inline std::string largestTheme(int entries = 169, int lines = 1200)
{
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Ableton MajorVersion=\"5\">\r\n\t<SkinManager>\r\n";
    int written = 3;
    for (int i = 0; i < entries; ++i) {
        const std::string name = i == 0 ? "ControlForeground" : "ThemedElementNumber" + std::to_string(i);
        text += "\t\t<" + name + ">\r\n";
        text += "\t\t\t<R Value=\"" + std::to_string(i % 256) + "\" />\r\n";
        text += "\t\t\t<G Value=\"" + std::to_string((i * 7) % 256) + "\" />\r\n";
        text += "\t\t\t<B Value=\"" + std::to_string((i * 13) % 256) + "\" />\r\n";
        text += "\t\t\t<Alpha Value=\"255\" />\r\n\t\t</" + name + ">\r\n";
        written += 6;
    }
    for (; written < lines - 2; ++written) {
        text += "\t\t<BlendFactor" + std::to_string(written) + " Value=\"0.8000000119\" />\r\n";
    }
    return text + "\t</SkinManager>\r\n</Ableton>\r\n";
}

inline bool writeText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    return static_cast<bool>(file << text);
}

} // namespace tintwright::bench
