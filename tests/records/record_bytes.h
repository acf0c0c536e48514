// Reading numbers and texts at byte offsets of an encoded record, and the
// files the records tests make.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace records_test {

inline int word(const QByteArray& b, int offset) {
    return static_cast<int16_t>(static_cast<uint8_t>(b.at(offset)) |
                                (static_cast<uint8_t>(b.at(offset + 1)) << 8));
}

inline int32_t dword(const QByteArray& b, int offset) {
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b.at(offset + i));
    return static_cast<int32_t>(u);
}

inline QByteArray text(const QByteArray& b, int offset, int width) { return b.mid(offset, width); }

// A text padded with blanks to width, as the files keep it.
inline QByteArray padded(const char* s, int width) {
    QByteArray out(s);
    out.append(QByteArray(width - out.size(), ' '));
    return out;
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Bytes that look like nothing in particular: every value 0..255 turns up.
inline QByteArray noise(int length, uint32_t seed) {
    QByteArray out(length, '\0');
    for (int i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        out[i] = static_cast<char>(seed >> 16);
    }
    return out;
}

}  // namespace records_test
