// Shrinking a caption's font to its label.
#include "ui/fittext.h"

#include <QFontMetrics>
#include <QLabel>

void fitFontToWidth(QLabel *label, int pixels, int minPixels) {
    QFont font = label->font();
    font.setPixelSize(pixels);
    while (font.pixelSize() > minPixels &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
}
