// SPDX-License-Identifier: GPL-3.0-or-later
// Times what start-up does with a large settings file: the reads the window makes (the
// colour dialog's slots, the colours, the display settings, the colour schemes) and the
// one write of the display settings, on 10 MB files of short lines of three shapes.
//   build/release/zenkari-bench-settings [directory]

#include "app/IniFile.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr std::size_t FileBytes = 10u << 20;

// Short lines until the file holds FileBytes: line(i) gives the i-th.
template <class TLine>
void WriteFile(const std::string& path, TLine line)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << "[Setting]\r\nLightMode=1\r\n";
    std::size_t bytes = 0;
    for (int i = 0; bytes < FileBytes; ++i) {
        const std::string text = line(i) + "\r\n";
        file << text;
        bytes += text.size();
    }
}

void StartUp(const std::string& path)
{
    TIniFile ini(path);
    for (int slot = 0; slot < 16; ++slot)
        (void)ini.ReadString("ColorDialog", std::string("Color") + static_cast<char>('A' + slot), "");
    for (const char* key : {"BGColor", "MonoColor1", "FLineColor1", "BLineColor1", "MonoColor2", "FLineColor2",
                            "BLineColor2", "MonoColor3"})
        (void)ini.ReadString("Color", key, "");
    for (const char* key : {"LineWeight1", "LineWeight2", "LightMode", "TransparencyMode", "PersMode", "AlphaMode1",
                            "AlphaMode2", "ZoomMode", "English", "FloatingLineOnVRML", "Language"})
        (void)ini.ReadString("Setting", key, "");
    for (int k = 1; !ini.ReadString("PolygonColor" + std::to_string(k), "ColorsSetName", "").empty(); ++k) {}
    std::vector<TIniValue> values;
    for (const char* key : {"LineWeight1", "LineWeight2", "LightMode", "TransparencyMode", "PersMode", "AlphaMode1",
                            "AlphaMode2", "ZoomMode", "English", "FloatingLineOnVRML"})
        values.push_back({"Setting", key, "2"});
    values.push_back({"Setting", "Language", "ja"});
    if (const TResult written = ini.WriteValues(values); written.Failed())
        std::fprintf(stderr, "the settings could not be written: %s\n", written.Error.c_str());
}

template <class TLine>
void Time(const std::string& directory, const char* shape, TLine line)
{
    const std::string path = directory + "/zenkari-bench-settings.ini";
    WriteFile(path, line);
    const auto start = std::chrono::steady_clock::now();
    StartUp(path);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("10 MB of %-34s start-up %7.3f s\n", shape, elapsed.count());
    std::remove(path.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string directory = argc > 1 ? argv[1] : "/tmp";
    Time(directory, "junk lines (no '=')", [](int i) { return std::string("x").append(std::to_string(i % 10)); });
    Time(directory, "keys in one section",
         [](int i) { return std::string("K").append(std::to_string(i)).append("=1"); });
    Time(directory, "sections of one key", [](int i) {
        return i % 2 == 0 ? std::string("[S").append(std::to_string(i)).append("]") : std::string("a=1");
    });
    return 0;
}
