// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the game's sounds: RIFF WAVE files of 8- or 16-bit PCM.
#include "sound/wavefile.h"

#include <QtGlobal>

namespace {

// The little-endian number of `size` bytes at `at`, which the caller has found inside `bytes`.
quint32 littleEndian(const QByteArray &bytes, qsizetype at, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<uchar>(bytes[at + i]);
    return value;
}

quint32 le16(const QByteArray &bytes, qsizetype at) {
    return littleEndian(bytes, at, 2);
}

quint32 le32(const QByteArray &bytes, qsizetype at) {
    return littleEndian(bytes, at, 4);
}

} // namespace

std::optional<Wave> decodeWave(const QByteArray &file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    // Kept as they are stored, and judged before any is multiplied.
    quint32 channels = 0, rate = 0, bits = 0, blockAlign = 0;
    qsizetype dataAt = -1, dataSize = 0;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qint64 size = le32(file, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > file.size() || le16(file, body) != 1)
                return std::nullopt;
            channels = le16(file, body + 2);
            rate = le32(file, body + 4);
            blockAlign = le16(file, body + 12);
            bits = le16(file, body + 14);
        } else if (id == "data" && dataAt < 0) {
            dataAt = body;
            dataSize = static_cast<qsizetype>(qMin<qint64>(size, file.size() - body));
        }
        at = body + size + (size & 1);
    }
    if ((channels != 1 && channels != 2) || (bits != 8 && bits != 16) || rate < 1000 ||
        rate > 384000 || dataAt < 0)
        return std::nullopt;
    const int frameBytes = int(channels * bits / 8);
    dataSize -= dataSize % frameBytes;
    if (blockAlign != quint32(frameBytes) || dataSize <= 0)
        return std::nullopt;
    return Wave{int(rate), int(channels), int(bits), file.mid(dataAt, dataSize)};
}
