#pragma once

#include <QByteArray>

#include <string>

// Test tables hold names as QByteArray, which keeps every byte, invalid UTF-8 included.
inline std::string Str(const QByteArray& bytes)
{
    return bytes.toStdString();
}

inline QByteArray Bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}
