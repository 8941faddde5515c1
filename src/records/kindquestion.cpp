// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Setting the kind question's words into the gaps between the kind buttons.
#include "records/kindquestion.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int LargestPixels = 12;
constexpr int SmallestPixels = 8;
// The space between a button and the word that belongs to it.
constexpr int Gap = 2;
} // namespace

KindQuestion::KindQuestion(QWidget *parent, const std::array<int, 3> &buttonLefts, int buttonWidth)
    : QLabel(parent), m_buttonLefts(buttonLefts), m_buttonWidth(buttonWidth) {}

KindQuestion::Placement KindQuestion::place() const {
    Placement placed;
    placed.words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto kinds = static_cast<int>(std::min<qsizetype>(placed.words.size(), 3));
    const int leading = static_cast<int>(placed.words.size()) - kinds;
    placed.font = font();
    for (int pixels = LargestPixels; pixels >= SmallestPixels; --pixels) {
        placed.font.setPixelSize(pixels);
        const QFontMetrics metrics(placed.font);
        placed.left.clear();
        // The words before the buttons, from the label's left edge, each a blank apart.
        int x = 0;
        for (int i = 0; i < leading; ++i) {
            placed.left.append(x);
            x += metrics.horizontalAdvance(placed.words[i] + QLatin1Char(' '));
        }
        bool fits = leading == 0 ||
                    x - metrics.horizontalAdvance(QLatin1Char(' ')) <= m_buttonLefts[0] - this->x();
        for (int i = 0; i < kinds; ++i) {
            const int start = m_buttonLefts[i] - this->x() + m_buttonWidth + Gap;
            const int end = i + 1 < kinds ? m_buttonLefts[i + 1] - this->x() : width();
            placed.left.append(start);
            fits = fits && start + metrics.horizontalAdvance(placed.words[leading + i]) <= end;
        }
        if (fits)
            break;
    }
    return placed;
}

QVector<QRect> KindQuestion::wordBoxes() const {
    const Placement placed = place();
    const QFontMetrics metrics(placed.font);
    QVector<QRect> boxes;
    for (int i = 0; i < placed.words.size(); ++i)
        boxes.append(QRect(placed.left[i], (height() - metrics.height()) / 2,
                           metrics.horizontalAdvance(placed.words[i]), metrics.height()));
    return boxes;
}

QFont KindQuestion::wordFont() const {
    return place().font;
}

void KindQuestion::paintEvent(QPaintEvent *) {
    const Placement placed = place();
    QPainter p(this);
    p.setFont(placed.font);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(placed.font);
    const int baseline = (height() - metrics.height()) / 2 + metrics.ascent();
    for (int i = 0; i < placed.words.size(); ++i)
        p.drawText(placed.left[i], baseline, placed.words[i]);
}
