#pragma once
// Small helpers shared by the fuzz targets: carving typed values off the front of the input and
// a scratch file per process, so the readers run on real files as the program uses them.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <unistd.h>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() {
        if (m_pos >= m_size) return 0;
        return m_data[m_pos++];
    }
    bool flag() { return (byte() & 1) != 0; }
    template <typename T> T value() {
        T v{};
        unsigned char raw[sizeof(T)] = {};
        for (auto& b : raw) b = byte();
        std::memcpy(&v, raw, sizeof(T));
        return v;
    }
    // Up to the next byte sequence "\0\0" (not included), or the rest.
    QByteArray part() {
        QByteArray out;
        while (m_pos < m_size) {
            if (m_pos + 1 < m_size && m_data[m_pos] == 0 && m_data[m_pos + 1] == 0) {
                m_pos += 2;
                break;
            }
            out.append(static_cast<char>(m_data[m_pos++]));
        }
        return out;
    }
    bool atEnd() const { return m_pos >= m_size; }
    QByteArray rest() {
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), static_cast<qsizetype>(m_size - m_pos));
        m_pos = m_size;
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A directory of this fuzzing process, created once; files in it are overwritten per input.
// Removed again when the fuzzer exits.
inline QString fuzzScratchDir() {
    struct Scratch {
        QString path = QDir::tempPath() + QStringLiteral("/quintara-fuzz-%1/").arg(::getpid());
        Scratch() { QDir().mkpath(path); }
        ~Scratch() { QDir(path).removeRecursively(); }
    };
    static const Scratch scratch;
    return scratch.path;
}

inline QString writeScratch(const QString& name, const QByteArray& bytes) {
    const QString path = fuzzScratchDir() + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        f.write(bytes);
        f.close();
    }
    return path;
}
