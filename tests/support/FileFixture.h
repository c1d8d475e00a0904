#pragma once

// A temporary folder for tests that read and write real files.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace tw::test {

class TempFolder {
public:
    TempFolder() { EXPECT_TRUE(dir_.isValid()); }

    // The full path of a name inside the folder.
    std::string Path(std::string_view name) const {
        return dir_.filePath(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))).toStdString();
    }
    std::string Folder() const { return dir_.path().toStdString() + "/"; }

    // Writes bytes as they are; the path of the file.
    std::string Write(std::string_view name, std::string_view bytes) const {
        const std::string path = Path(name);
        QFile f(QString::fromStdString(path));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
        EXPECT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
        return path;
    }

    static std::string Read(const std::string& path) {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::ReadOnly))
            return "<unreadable>";
        const QByteArray bytes = f.readAll();
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    static bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

    // Names in the folder, to show that nothing was left behind.
    QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

private:
    QTemporaryDir dir_;
};

} // namespace tw::test
