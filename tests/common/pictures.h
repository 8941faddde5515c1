// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures that lie about their size: a few hundred bytes that would take gigabytes to decode.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

// A PNG chunk: its length, type, data and CRC.
inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data) {
    quint32 crc = 0xFFFFFFFF;
    for (char byte : type + data) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    const quint32 length = qToBigEndian(quint32(data.size())), sum = qToBigEndian(~crc);
    return QByteArray(reinterpret_cast<const char *>(&length), 4) + type + data +
           QByteArray(reinterpret_cast<const char *>(&sum), 4);
}

// A PNG that says it is `width` x `height` pixels, with no pixels after it.
inline QByteArray pngHead(quint32 width, quint32 height) {
    const quint32 w = qToBigEndian(width), h = qToBigEndian(height);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) +
           pngChunk("IHDR", QByteArray(reinterpret_cast<const char *>(&w), 4) +
                                QByteArray(reinterpret_cast<const char *>(&h), 4) +
                                QByteArray("\x08\x02\x00\x00\x00", 5)) +
           pngChunk("IDAT", QByteArray()) + pngChunk("IEND", QByteArray());
}

// A grey JPEG stored in several scans (progressive) that says it is `side` x `side` pixels, with
// the few bytes of a 16 x 16 one: the decoder keeps the whole picture's coefficients, two bytes
// for each of its pixels.
inline QByteArray progressiveJpeg(quint16 side) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    QImage grey(16, 16, QImage::Format_Grayscale8);
    grey.fill(128);
    writer.write(grey);
    QByteArray bytes = buffer.data();
    const qsizetype frame = bytes.indexOf("\xFF\xC2");
    if (frame < 0)
        return QByteArray();
    const quint16 big = qToBigEndian(side);
    bytes.replace(frame + 5, 2, reinterpret_cast<const char *>(&big), 2);
    bytes.replace(frame + 7, 2, reinterpret_cast<const char *>(&big), 2);
    return bytes;
}
