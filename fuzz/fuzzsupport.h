// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the fuzz targets share: a broken promise stops the run, and a scratch folder.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void brokenPromise(const char *what, const char *file, int line) {
    std::fprintf(stderr, "%s:%d: broken promise: %s\n", file, line, what);
    std::abort();
}

// Like assert, but never compiled out: libFuzzer reports the abort as a crash with its input.
#define FUZZ_CHECK(condition) ((condition) ? void() : brokenPromise(#condition, __FILE__, __LINE__))

// A file of the process's own folder, made on first use and removed when the process ends.
inline QString scratchFile(const QString &name) {
    static QTemporaryDir folder;
    FUZZ_CHECK(folder.isValid());
    return folder.filePath(name);
}

// Replaces the file with exactly these bytes.
inline void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

inline QByteArray readBytes(const QString &path) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

inline QByteArray inputBytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
