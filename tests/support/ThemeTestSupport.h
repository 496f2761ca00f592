#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tintwright::theme::testing {

// A folder of its own for one test, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::random_device seed;
        m_path = std::filesystem::temp_directory_path() / ("tintwright-test-" + std::to_string(seed()));
        std::filesystem::create_directories(m_path);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / std::filesystem::u8path(name); }

private:
    std::filesystem::path m_path;
};

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> folderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().u8string());
    }
    return names;
}

struct Rgb {
    int r, g, b;
};

// The lines of a theme in the application's own shape: three header lines, then
// per entry its element line, R, G, B, Alpha and closing lines.
inline std::vector<std::string> themeLines(const std::vector<Rgb>& colors)
{
    std::vector<std::string> lines = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                      "<Ableton MajorVersion=\"5\" MinorVersion=\"10.0_377\">", "\t<SkinManager>"};
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const std::string name = i == 0 ? "ControlForeground" : "Element" + std::to_string(i + 1);
        lines.push_back("\t\t<" + name + ">");
        lines.push_back("\t\t\t<R Value=\"" + std::to_string(colors[i].r) + "\" />");
        lines.push_back("\t\t\t<G Value=\"" + std::to_string(colors[i].g) + "\" />");
        lines.push_back("\t\t\t<B Value=\"" + std::to_string(colors[i].b) + "\" />");
        lines.push_back("\t\t\t<Alpha Value=\"255\" />");
        lines.push_back("\t\t</" + name + ">");
    }
    lines.push_back("\t\t<DefaultBlendFactor Value=\"0.8000000119\" />");
    lines.push_back("\t</SkinManager>");
    lines.push_back("</Ableton>");
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n")
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + lineEnd;
    }
    return text;
}

inline std::vector<Rgb> greyRamp(int count)
{
    std::vector<Rgb> colors;
    for (int i = 0; i < count; ++i) {
        colors.push_back({i % 256, (i * 3) % 256, (i * 7) % 256});
    }
    return colors;
}

} // namespace tintwright::theme::testing
