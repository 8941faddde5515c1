// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shrinking a caption's font to its label.
#include "ui/fittext.h"

#include <QFontMetrics>
#include <QLabel>
#include <functional>

namespace {

void shrinkUntil(QLabel *label, int pixels, int minPixels,
                 const std::function<bool(const QFont &)> &fits) {
    QFont font = label->font();
    font.setPixelSize(pixels);
    while (font.pixelSize() > minPixels && !fits(font))
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}

} // namespace

void fitFontToWidth(QLabel *label, int pixels, int minPixels) {
    shrinkUntil(label, pixels, minPixels, [label](const QFont &font) {
        return QFontMetrics(font).horizontalAdvance(label->text()) <= label->width();
    });
}

void fitFontToBox(QLabel *label, int pixels, int minPixels) {
    shrinkUntil(label, pixels, minPixels, [label](const QFont &font) {
        const QFontMetrics metrics(font);
        const QStringList words = label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &word : words) {
            if (metrics.horizontalAdvance(word) > label->width())
                return false;
        }
        label->setFont(font);
        return label->heightForWidth(label->width()) <= label->height();
    });
}
