// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How large the main window is drawn, and how that is kept from one run to the next.
#include "ui/windowsize.h"

#include "ui/textfile.h"

#include <QDir>
#include <QLocale>
#include <QtMath>

namespace {
const QString MaximizedWord = QStringLiteral("maximized");
const QString FullScreenWord = QStringLiteral("fullscreen");
// A factor closer to the last than this is the same one, rounded to another pixel.
constexpr qreal Tolerance = 0.01;
// A window this much larger than the design still shows it at its own pixels.
constexpr qreal SnapToDesign = 1.03;
} // namespace

namespace WindowScale {

qreal fittingFactor(const QSize &space, const QSize &design) {
    if (design.isEmpty() || space.isEmpty())
        return 1.0;
    const qreal factor =
        qMin(qreal(space.width()) / design.width(), qreal(space.height()) / design.height());
    if (factor < SnapToDesign)
        return 1.0;
    return qMin(factor, MaxFactor);
}

bool isChange(qreal current, qreal wanted) {
    return qAbs(wanted - current) > Tolerance * current;
}

QPoint designCorner(const QSize &window, const QSize &design) {
    return QPoint(qMax(0, (window.width() - design.width()) / 2),
                  qMax(0, (window.height() - design.height()) / 2));
}

} // namespace WindowScale

QString windowSizeFile(const QString &writeFolder) {
    return QDir(writeFolder).filePath(QStringLiteral("Kestrova.size"));
}

WindowSize readWindowSize(const QString &path) {
    WindowSize size;
    const QString line = readFirstLine(path).trimmed();
    if (line == MaximizedWord) {
        size.mode = WindowSize::Maximized;
    } else if (line == FullScreenWord) {
        size.mode = WindowSize::FullScreen;
    } else {
        bool ok = false;
        const double factor = QLocale::c().toDouble(line, &ok);
        if (ok && qIsFinite(factor) && factor >= 1.0 && factor <= WindowScale::MaxFactor)
            size.factor = factor;
    }
    return size;
}

QString windowSizeText(const WindowSize &size) {
    switch (size.mode) {
    case WindowSize::Maximized:
        return MaximizedWord;
    case WindowSize::FullScreen:
        return FullScreenWord;
    case WindowSize::Normal:
        break;
    }
    return QLocale::c().toString(size.factor, 'f', 3);
}

bool writeWindowSize(const QString &path, const WindowSize &size) {
    return writeTextFileAtomic(path, {windowSizeText(size)});
}
