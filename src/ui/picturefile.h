// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every picture the game shows from its folders is read through this: only from a plain file, and
// decoded only when what the file says of itself shows that decoding it takes a bounded amount of
// memory, so that no file (a photo, a card of a copied set, a background) can freeze the game or
// exhaust its memory.
#pragma once

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSize>
#include <QString>

class PictureFile {
  public:
    // The most memory decoding one picture may take: a photo of about 25 megapixels, read whole.
    static constexpr qint64 MaxDecodeBytes = 100LL * 1024 * 1024;
    // No picture the game shows is larger than this on the disk.
    static constexpr qint64 MaxFileBytes = 256LL * 1024 * 1024;

    enum class Failure { None, Unreadable, TooCostly, NoMemory };

    // Opens `path` and reads what the picture says of itself; nothing is decoded yet. With
    // `upright`, a photo stored on its side (as its EXIF data says) is turned when read.
    explicit PictureFile(const QString &path, bool upright = false);

    // The size as stored, before any turn; empty when the file is no picture that can be read.
    QSize size() const { return m_size; }
    // Whether the picture is stored on its side, and so turned a quarter when read upright.
    bool turned() const;

    // The bytes that decoding takes: the part `clip` of the picture (all of it when the rect is
    // invalid; stored coordinates) brought to `scaled` (its own size when invalid; stored
    // orientation). Formats that cannot decode a part or shrink while reading count the whole.
    qint64 decodeCost(const QSize &scaled = QSize(), const QRect &clip = QRect()) const;

    // Decodes the picture as decodeCost() describes, within MaxDecodeBytes; a null image when it
    // cannot be, and failure() then says why.
    QImage read(const QSize &scaled = QSize(), const QRect &clip = QRect());
    Failure failure() const { return m_failure; }

  private:
    void readHeader();

    QFile m_file;
    QImageReader m_reader;
    QSize m_size;
    bool m_jpeg = false;
    // What libjpeg keeps of the whole picture while it decodes one stored in several scans (a
    // progressive JPEG): its coefficients. Nothing for a JPEG decoded row by row.
    qint64 m_jpegWholeBytes = 0;
    // The bytes of one pixel in the decoded picture (16-bit PNGs take eight).
    int m_pixelBytes = 4;
    Failure m_failure = Failure::Unreadable;
};
