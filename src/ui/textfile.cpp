// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the game's text files: UTF-8 or the older program's Windows-1251, CR LF.
#include "ui/textfile.h"

#include "ui/ownfiles.h"

#include <QDir>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;

std::optional<QString> asUtf8(QByteArrayView bytes) {
    // Only the file's own byte order mark is dropped (by the reader); any other is a character.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// A cut line may end in the middle of a UTF-8 character: the part before it.
QByteArrayView withoutBrokenTail(QByteArrayView bytes) {
    qsizetype start = bytes.size();
    while (start > 0 && bytes.size() - start < 3 &&
           (static_cast<uchar>(bytes[start - 1]) & 0xC0) == 0x80)
        --start;
    if (start == 0)
        return bytes;
    const auto lead = static_cast<uchar>(bytes[start - 1]);
    const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return bytes.size() - (start - 1) < length ? bytes.first(start - 1) : bytes;
}

} // namespace

QString decodeLine(QByteArrayView bytes) {
    if (auto text = asUtf8(bytes))
        return *text;
    static QStringDecoder cp1251("windows-1251", QStringConverter::Flag::Stateless);
    // A Qt built without ICU has no Windows-1251; Latin-1 at least keeps every byte visible.
    if (!cp1251.isValid())
        return QString::fromLatin1(bytes);
    return cp1251.decode(bytes);
}

TextLineReader::TextLineReader(const QString &path, LineLimits limits) : m_limits(limits) {
    m_open = openPlainFile(m_file, path);
    if (m_open && fill() && m_buffer.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

bool TextLineReader::fill() {
    if (m_end)
        return false;
    if (m_read >= m_limits.fileBytes) {
        m_overLimit = !m_file.atEnd();
        m_end = true;
        return false;
    }
    m_buffer = m_file.read(std::min(ChunkBytes, m_limits.fileBytes - m_read));
    m_pos = 0;
    if (m_buffer.isEmpty()) {
        m_end = true;
        return false;
    }
    m_read += m_buffer.size();
    return true;
}

std::optional<QString> TextLineReader::next() {
    m_cut = false;
    if (!m_open)
        return std::nullopt;
    QByteArray line;
    bool started = false;
    for (;;) {
        if (m_pos >= m_buffer.size() && !fill()) {
            if (!started)
                return std::nullopt;
            // A line broken off by the limit on the file's bytes is cut as well.
            m_cut = m_cut || m_overLimit;
            break;
        }
        if (m_skipLf) {
            m_skipLf = false;
            if (m_buffer[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
        }
        started = true;
        const char *begin = m_buffer.constData() + m_pos;
        const char *end = m_buffer.constData() + m_buffer.size();
        const char *stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        const qint64 room = m_limits.lineBytes - line.size();
        line.append(begin, static_cast<qsizetype>(std::min<qint64>(stop - begin, room)));
        m_cut = m_cut || stop - begin > room;
        m_pos += stop - begin;
        if (stop == end)
            continue;
        m_skipLf = *stop == '\r';
        ++m_pos;
        break;
    }
    return decodeLine(m_cut ? withoutBrokenTail(line) : QByteArrayView(line));
}

std::optional<QStringList> readTextLines(const QString &path, int maxLines, LineLimits limits) {
    TextLineReader reader(path, limits);
    if (!reader.isOpen())
        return std::nullopt;
    QStringList lines;
    while (lines.size() < maxLines) {
        auto line = reader.next();
        if (!line)
            break;
        lines.append(*line);
    }
    return lines;
}

QString readFirstLine(const QString &path) {
    TextLineReader reader(path);
    return reader.next().value_or(QString());
}

bool writeTextFileAtomic(const QString &path, const QStringList &lines, QString *error) {
    auto fail = [&](const QString &reason) {
        if (error)
            *error =
                QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    };

    // A link in the file's place is not followed: the file replaces the link, not what it leads to.
    if (!unlinkForWriting(path))
        return fail(QStringLiteral("it is a link that cannot be replaced"));
    QSaveFile file(path);
    // Unbuffered: Qt 6.4 loses a short write that happens in the final flush (a full disk) and
    // then commits a truncated file; written directly, write() itself reports the shortfall.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());

    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return fail(QStringLiteral("not everything could be written (the disk may be full)"));
    }
    if (!file.commit())
        return fail(file.errorString());
    if (error)
        error->clear();
    return true;
}
