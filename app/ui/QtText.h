#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tw {

// Texts are bytes; where they meet Qt they are read as UTF-8. Invalid bytes
// show as replacement characters while the bytes themselves stay as they are.
inline QString ToQ(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string FromQ(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace tw
