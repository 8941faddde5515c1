// Writing small files into a test's own temporary folder.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// Writes `bytes` to `name` in `dir`; returns the file's path, or "" when the write failed.
inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}
