#pragma once

// Program-folder fixtures for the branding tests: a temporary program
// folder, picture and skin files made on the spot, and a fake xdg-open first
// on PATH that logs what it is asked to open.
#include "app/core/Paths.h"
#include "app/core/SkinData.h"
#include "app/core/SkinFile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace tw::test {

namespace fs = std::filesystem;

// Qt reads GIF but does not write it: a GIF of one colour, its LZW data
// written as literal codes with a clear code after every two, so that the
// codes stay 3 bits wide.
inline std::string MakeGif(int width, int height) {
    std::string out = "GIF89a";
    const auto put16 = [&out](int v) {
        out.push_back(static_cast<char>(v & 0xff));
        out.push_back(static_cast<char>((v >> 8) & 0xff));
    };
    put16(width);
    put16(height);
    out += std::string("\x91\x00\x00", 3); // 4-colour global table
    out += std::string("\x00\x00\x00\xff\x00\x00\x00\xff\x00\xff\xff\xff", 12);
    out.push_back('\x2c');
    put16(0);
    put16(0);
    put16(width);
    put16(height);
    out.push_back('\x00');
    out.push_back('\x02'); // minimum code size
    std::string data;
    std::uint32_t bits = 0;
    int count = 0;
    const auto code = [&](std::uint32_t c) {
        bits |= c << count;
        count += 3;
        while (count >= 8) {
            data.push_back(static_cast<char>(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    const long pixels = static_cast<long>(width) * height;
    for (long i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            code(4); // clear
        code(1);     // red
    }
    code(5); // end
    if (count > 0)
        data.push_back(static_cast<char>(bits & 0xff));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        out.push_back(static_cast<char>(block.size()));
        out += block;
    }
    out.push_back('\x00');
    out.push_back('\x3b');
    return out;
}

// A picture written by Qt's own writers ("BMP", "ICO", "JPEG", "PNG").
inline std::string MakePicture(const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(0, 128, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline std::string Le32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<char>(u & 0xff), static_cast<char>((u >> 8) & 0xff), static_cast<char>((u >> 16) & 0xff),
            static_cast<char>((u >> 24) & 0xff)};
}

inline const std::string kFixtureSkin = "/* fixture skin */ QPushButton { color: #a01010; }";

// A program folder of its own, and the fake launcher.
class ProgramFolderFixture {
public:
    ProgramFolderFixture() {
        std::string pattern = ::testing::TempDir() + "branding_XXXXXX";
        EXPECT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern + "/";
        folder_ = root_ + "prog/";
        fs::create_directories(folder_);
        fs::create_directories(root_ + "bin");
        log_ = root_ + "opened.log";
        const std::string script = root_ + "bin/xdg-open";
        std::ofstream(script) << "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> '" << log_ << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        setenv("PATH", (root_ + "bin").c_str(), 1);
        SetProgramFolderForTesting(folder_);
    }
    ~ProgramFolderFixture() {
        SetProgramFolderForTesting({});
        setenv("PATH", oldPath_.c_str(), 1);
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, ec);
        fs::remove_all(root_, ec);
    }
    const std::string& Folder() const { return folder_; }
    const std::string& Root() const { return root_; }

    void Write(const std::string& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void WriteHere(const std::string& name, const std::string& bytes) const { Write(folder_ + name, bytes); }
    std::string Read(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    // Sorted names of the entries of a folder.
    static std::vector<std::string> Names(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::vector<std::string> NamesHere() const { return Names(folder_); }

    // Every launch so far, one "argc|first argument" a line; waits (bounded,
    // pumping events) until there are at least n.
    std::vector<std::string> WaitForOpened(std::size_t n) const {
        std::vector<std::string> lines;
        const bool enough = QTest::qWaitFor(
            [&] {
                lines = Lines();
                return lines.size() >= n;
            },
            10000);
        EXPECT_TRUE(enough) << "only " << lines.size() << " of " << n << " opened";
        return lines;
    }

private:
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::ifstream in(log_);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    std::string root_, folder_, log_, oldPath_;
};

} // namespace tw::test
