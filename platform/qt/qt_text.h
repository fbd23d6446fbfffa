#pragma once

#include <QString>

#include <string>

namespace lumble {

// The one place where the game's UTF-8 text meets Qt's strings.
inline QString toQString(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string fromQString(const QString& text)
{
    return text.toStdString();
}

} // namespace lumble
