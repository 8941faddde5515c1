// Reading and writing the game's text files: UTF-8 or the older program's Windows-1251, CR LF.
#include "ui/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

QString decodeText(const QByteArray &bytes) {
    QByteArrayView data(bytes);
    static constexpr char bom[] = "\xEF\xBB\xBF";
    if (data.startsWith(QByteArrayView(bom, 3)))
        data = data.sliced(3);

    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(data);
    if (!utf8.hasError())
        return text;

    QStringDecoder cp1251("windows-1251");
    // A Qt built without ICU has no Windows-1251; Latin-1 at least keeps every byte visible.
    if (!cp1251.isValid())
        return QString::fromLatin1(data);
    return cp1251.decode(data);
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    QString current;
    bool pending = false; // characters seen since the last line end
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

std::optional<QStringList> readTextLines(const QString &path, qint64 maxBytes) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxBytes)
        return std::nullopt;
    // Read one byte past the limit: the file may have grown since size() was asked.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes)
        return std::nullopt;
    return splitLines(decodeText(bytes));
}

QString readFirstLine(const QString &path) {
    // The game's files are small; reading them whole keeps the encoding guess the same as
    // readTextLines makes for the full file.
    const auto lines = readTextLines(path);
    if (!lines || lines->isEmpty())
        return QString();
    return lines->first();
}

bool writeTextFileAtomic(const QString &path, const QStringList &lines, QString *error) {
    auto fail = [&](const QString &reason) {
        if (error)
            *error =
                QStringLiteral("Could not save %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    };

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
