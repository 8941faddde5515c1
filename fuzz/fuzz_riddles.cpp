// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddle file in any state: read as one text, cut at "***", and every riddle shown as the
// riddles window shows it, including numbers the file does not hold.
#include "fuzzsupport.h"
#include "riddles/riddlefile.h"

#include <climits>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Marker = QStringLiteral("***");

// The lines of the file, counted on its bytes: CR LF, LF and a lone CR each end one, and
// characters after the last line end make one more. A leading UTF-8 BOM is no text.
int lineCount(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    int lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    const bool unended = !bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r');
    return lines + (unended ? 1 : 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = inputBytes(data, size);
    const QString path = scratchFile(QStringLiteral("zagi.txt"));
    writeBytes(path, bytes);

    // Every line preceded by CR LF, and no other CR or LF: the file's own line ends are gone.
    const QString text = readRiddleText(path, CrLf);
    const int lines = lineCount(bytes);
    FUZZ_CHECK(text.isEmpty() == (lines == 0));
    FUZZ_CHECK(text.isEmpty() || text.startsWith(CrLf));
    FUZZ_CHECK(text.count(CrLf) == lines);
    FUZZ_CHECK(text.count(QLatin1Char('\r')) == lines && text.count(QLatin1Char('\n')) == lines);

    // The pieces hold no marker and give the text back when joined by one.
    const QStringList riddles = cutRiddles(text);
    FUZZ_CHECK(riddles.isEmpty() == text.isEmpty());
    FUZZ_CHECK(riddles.isEmpty() || riddles.join(Marker) == text);
    for (const QString &riddle : riddles)
        FUZZ_CHECK(!riddle.contains(Marker));

    // A riddle shows without its first line break; one the list does not hold shows nothing.
    const int count = static_cast<int>(riddles.size());
    const int numbers[] = {INT_MIN, -1, count, count + 1, INT_MAX};
    for (const int n : numbers) {
        FUZZ_CHECK(shownRiddle(riddles, n, CrLf).isEmpty());
        FUZZ_CHECK(shownRiddle(riddles, n, QString()).isEmpty());
    }
    for (int n = 0; n <= 14; ++n) {
        const QString shown = shownRiddle(riddles, n, CrLf);
        if (n >= count) {
            FUZZ_CHECK(shown.isEmpty());
            continue;
        }
        const QString &riddle = riddles[n];
        const qsizetype first = riddle.indexOf(CrLf);
        FUZZ_CHECK(first >= 0 || shown == riddle);
        FUZZ_CHECK(first < 0 || (shown.left(first) == riddle.left(first) &&
                                 shown.mid(first) == riddle.mid(first + 2)));
        FUZZ_CHECK(n > 0 || first == 0);
        FUZZ_CHECK(shownRiddle(riddles, n, QString()) == riddle);
    }
    return 0;
}
