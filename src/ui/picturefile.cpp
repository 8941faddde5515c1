// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a picture only when decoding it is known to take a bounded amount of memory.
#include "ui/picturefile.h"

#include "ui/ownfiles.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <new>
#include <optional>

namespace {

// More segments than any camera writes before a picture's first scan.
constexpr int MaxJpegSegments = 4096;

qint64 area(const QSize &size) {
    return size.isValid() ? qint64(size.width()) * size.height() : 0;
}

qint64 ceilDiv(qint64 a, qint64 b) {
    return (a + b - 1) / b;
}

// Whether `bytes` can be had now. Where memory is bounded (ulimit -v) the decoder would fail
// half-way; this tells a lack of memory from a broken file. The pointer is volatile so that the
// compiler cannot leave the allocation out.
bool memoryAvailable(qint64 bytes) {
    void *volatile probe = std::malloc(static_cast<std::size_t>(qMax<qint64>(bytes, 1)));
    const bool available = probe != nullptr;
    std::free(probe);
    return available;
}

struct JpegFrame {
    bool progressive = false;
    int width = 0, height = 0;
    struct Component {
        int h = 0, v = 0;
    };
    QList<Component> components;
    int firstScanComponents = 0;
};

std::optional<int> byteAt(QIODevice &device) {
    char c = 0;
    if (!device.getChar(&c))
        return std::nullopt;
    return static_cast<uchar>(c);
}

// The frame header and the first scan's header of a JPEG, read marker by marker up to the first
// scan; nothing when the file ends before it or is no JPEG.
std::optional<JpegFrame> readJpegFrame(QIODevice &device) {
    if (device.read(2) != "\xFF\xD8")
        return std::nullopt;
    JpegFrame frame;
    bool haveFrame = false;
    for (int segment = 0; segment < MaxJpegSegments; ++segment) {
        std::optional<int> marker = byteAt(device);
        if (marker != 0xFF)
            return std::nullopt;
        while (marker == 0xFF)
            marker = byteAt(device);
        if (!marker)
            return std::nullopt;
        if (*marker == 0x01 || (*marker >= 0xD0 && *marker <= 0xD8))
            continue;
        const QByteArray lengthBytes = device.read(2);
        if (*marker == 0xD9 || lengthBytes.size() != 2)
            return std::nullopt;
        const int length = qFromBigEndian<quint16>(lengthBytes.constData());
        if (length < 2)
            return std::nullopt;
        const bool startOfFrame = *marker >= 0xC0 && *marker <= 0xCF && *marker != 0xC4 &&
                                  *marker != 0xC8 && *marker != 0xCC;
        if (startOfFrame || *marker == 0xDA) {
            const QByteArray body = device.read(length - 2);
            if (body.size() != length - 2)
                return std::nullopt;
            const auto at = [&body](int i) { return i < body.size() ? uchar(body[i]) : 0; };
            if (*marker == 0xDA) {
                if (!haveFrame)
                    return std::nullopt;
                frame.firstScanComponents = at(0);
                return frame;
            }
            // Precision, height, width, the number of components, then three bytes each.
            frame.progressive = (*marker & 0x03) == 0x02;
            frame.height = at(1) << 8 | at(2);
            frame.width = at(3) << 8 | at(4);
            frame.components.clear();
            for (int c = 0; c < at(5) && 8 + 3 * c < body.size(); ++c)
                frame.components.append({at(7 + 3 * c) >> 4, at(7 + 3 * c) & 0x0F});
            haveFrame = true;
        } else if (!device.seek(device.pos() + length - 2)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The coefficients libjpeg keeps for a picture stored in several scans, a 64-entry block of two
// bytes for each 8 x 8 pixels of each component at its sampling; 0 for one scan of all its
// components, which is decoded row by row. A frame it cannot make out counts as the costliest.
qint64 jpegWholeBytes(const std::optional<JpegFrame> &frame, const QSize &size) {
    const qint64 worst = 3 * 2 * ceilDiv(size.width(), 8) * 8 * ceilDiv(size.height(), 8) * 8;
    if (!frame || frame->components.isEmpty())
        return worst;
    if (!frame->progressive && frame->firstScanComponents >= frame->components.size())
        return 0;
    int hMax = 0, vMax = 0;
    for (const JpegFrame::Component &c : frame->components) {
        if (c.h < 1 || c.v < 1)
            return worst;
        hMax = qMax(hMax, c.h);
        vMax = qMax(vMax, c.v);
    }
    qint64 bytes = 0;
    for (const JpegFrame::Component &c : frame->components) {
        const qint64 across = ceilDiv(ceilDiv(qint64(frame->width) * c.h, hMax * 8), c.h) * c.h;
        const qint64 down = ceilDiv(ceilDiv(qint64(frame->height) * c.v, vMax * 8), c.v) * c.v;
        bytes += across * down * 64 * 2;
    }
    return bytes;
}

} // namespace

PictureFile::PictureFile(const QString &path, bool upright) {
    m_reader.setAutoTransform(upright);
    if (!openPlainFile(m_file, path) || m_file.size() > MaxFileBytes)
        return;
    readHeader();
}

void PictureFile::readHeader() {
    const QByteArray head = m_file.peek(32);
    std::optional<JpegFrame> frame;
    if (head.startsWith("\xFF\xD8\xFF"))
        frame = readJpegFrame(m_file);
    // A PNG's bit depth is its 25th byte.
    if (head.startsWith("\x89PNG") && head.size() > 24 && uchar(head[24]) == 16)
        m_pixelBytes = 8;
    if (!m_file.seek(0))
        return;
    // A picture may be a JPEG or PNG under a .gif name: the bytes tell, not the name.
    m_reader.setDecideFormatFromContent(true);
    m_reader.setDevice(&m_file);
    m_reader.setAllocationLimit(int(MaxDecodeBytes / (1024 * 1024)));
    const QSize size = m_reader.size();
    if (size.isEmpty() || !size.isValid())
        return;
    m_size = size;
    m_jpeg = m_reader.format() == "jpeg";
    if (m_jpeg)
        m_jpegWholeBytes = jpegWholeBytes(frame, m_size);
    m_failure = Failure::None;
}

bool PictureFile::turned() const {
    return m_reader.autoTransform() &&
           (m_reader.transformation() & QImageIOHandler::TransformationRotate90);
}

qint64 PictureFile::decodeCost(const QSize &scaled, const QRect &clip) const {
    const QSize region =
        clip.isValid() ? clip.intersected(QRect(QPoint(0, 0), m_size)).size() : m_size;
    // What comes out, and once more for the turn upright.
    qint64 output = 2 * 4 * area(scaled.isValid() ? scaled : region);
    // Other formats decode the whole picture, then cut out the part.
    if (!m_jpeg)
        return area(m_size) * m_pixelBytes + (clip.isValid() ? 4 * area(region) : 0) + output;
    // libjpeg shrinks by whole eighths while it decodes: what it gives before the last smooth
    // step is at most the size asked for and an eighth of the part read, each way.
    if (scaled.isValid()) {
        const QSize decoded(qMin(region.width(), scaled.width() + region.width() / 8 + 1),
                            qMin(region.height(), scaled.height() + region.height() / 8 + 1));
        output += 4 * area(decoded);
    }
    return m_jpegWholeBytes + output;
}

QImage PictureFile::read(const QSize &scaled, const QRect &clip) {
    if (m_size.isEmpty())
        return QImage();
    const qint64 cost = decodeCost(scaled, clip);
    if (cost > MaxDecodeBytes) {
        m_failure = Failure::TooCostly;
        return QImage();
    }
    if (!memoryAvailable(cost)) {
        m_failure = Failure::NoMemory;
        return QImage();
    }
    if (clip.isValid())
        m_reader.setClipRect(clip);
    if (scaled.isValid())
        m_reader.setScaledSize(scaled);
    QImage image;
    try {
        image = m_reader.read();
    } catch (const std::bad_alloc &) {
        image = QImage();
    }
    m_failure = !image.isNull()         ? Failure::None
                : memoryAvailable(cost) ? Failure::Unreadable
                                        : Failure::NoMemory;
    return image;
}
