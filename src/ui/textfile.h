// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the game's text files: UTF-8 or the older program's Windows-1251, CR LF.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>
#include <climits>
#include <optional>

// One line's bytes as text: UTF-8 when they are valid UTF-8, otherwise Windows-1251 (a line
// the older program wrote). Each line is judged on its own, so a file mixing both keeps all.
QString decodeLine(QByteArrayView bytes);

// How much of a file a line-by-line read takes: a line longer than `lineBytes` is cut there
// (the rest of it is skipped), and no more than `fileBytes` are read in all.
struct LineLimits {
    qint64 lineBytes = 64 * 1024;
    qint64 fileBytes = 64 * 1024 * 1024;
};

// Reads a text file one line at a time. CR LF, LF and a lone CR end a line; a final line end
// adds no empty line; a UTF-8 byte order mark at the start is dropped. Only what is asked for
// is read, so the first lines of a huge file come at once.
class TextLineReader {
  public:
    explicit TextLineReader(const QString &path, LineLimits limits = {});

    // False for a missing or unreadable file, a folder, or anything else that is not a plain file
    // (a FIFO, a device): it has no lines.
    bool isOpen() const { return m_open; }
    // The next line, or nothing at the end of the file or of the bytes the limits allow.
    std::optional<QString> next();
    // Whether the line `next` gave last is cut: longer than the limit, or broken off by it.
    bool lastLineCut() const { return m_cut; }
    // Whether the file was read to its end (not stopped by the limit on its bytes).
    bool reachedEnd() const { return m_end && !m_overLimit; }

  private:
    bool fill();

    QFile m_file;
    LineLimits m_limits;
    bool m_open = false;
    bool m_end = false;
    bool m_overLimit = false;
    bool m_cut = false;
    bool m_skipLf = false; // the previous line ended with CR: an LF right after belongs to it
    qint64 m_read = 0;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

// The first `maxLines` lines, or nothing when the file is missing, unreadable or a folder.
// Long lines come cut, and a file beyond the limits gives the lines read up to there.
std::optional<QStringList> readTextLines(const QString &path, int maxLines = INT_MAX,
                                         LineLimits limits = {});

// The first line, or "" when the file is missing, unreadable or empty.
QString readFirstLine(const QString &path);

// Replaces the file with the lines in UTF-8, each ended by CR LF. The new content appears
// whole or not at all: on failure the old file is untouched and error says why. A link in the
// file's place is replaced by the file; what it leads to is never written.
bool writeTextFileAtomic(const QString &path, const QStringList &lines, QString *error = nullptr);
