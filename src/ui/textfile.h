// Reading and writing the game's text files: UTF-8 or the older program's Windows-1251, CR LF.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// UTF-8 when the bytes are valid UTF-8 (a leading BOM is dropped), otherwise Windows-1251.
QString decodeText(const QByteArray &bytes);

// Splits at CR LF, LF or a lone CR. A final line end adds no empty line; "" gives no lines.
QStringList splitLines(const QString &text);

// The decoded lines, or nothing when the file is missing, unreadable, a folder or larger
// than maxBytes (so a stray huge file can't stall the game or eat its memory).
std::optional<QStringList> readTextLines(const QString &path, qint64 maxBytes = 4 * 1024 * 1024);

// The first line, or "" when the file is missing, unreadable or empty.
QString readFirstLine(const QString &path);

// Replaces the file with the lines in UTF-8, each ended by CR LF. The new content appears
// whole or not at all: on failure the old file is untouched and error says why.
bool writeTextFileAtomic(const QString &path, const QStringList &lines, QString *error = nullptr);
