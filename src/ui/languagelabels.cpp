// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours and names of the language labels, and the caption table's properties on widgets.
#include "ui/languagelabels.h"

#include "i18n/messages.h"
#include "ui/clicklabel.h"

#include <QAbstractButton>
#include <QGroupBox>

namespace {

const QColor ChosenColour(Qt::black);
const QColor OtherColour(128, 0, 0);

void setTextColour(QWidget *label, const QColor &colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

void applyCaption(QWidget *control, const Caption::Row &row, Lang language) {
    const QString value = QString::fromUtf8(language == Lang::Russian ? row.russian : row.english);
    const bool yes = value == QLatin1String("yes");
    switch (row.property) {
    case Caption::Property::Caption:
        if (auto *frame = qobject_cast<QGroupBox *>(control))
            frame->setTitle(value);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->setText(value);
        else if (auto *label = qobject_cast<QLabel *>(control))
            label->setText(value);
        else if (control->isWindow())
            control->setWindowTitle(value);
        break;
    case Caption::Property::ToolTip:
        control->setToolTip(value);
        break;
    case Caption::Property::Enabled:
        control->setEnabled(yes);
        break;
    case Caption::Property::Visible:
        control->setVisible(yes);
        break;
    }
}

} // namespace

LanguageLabels makeLanguageLabels(QWidget *parent, const std::array<QRect, 2> &places,
                                  const std::function<void(Lang)> &choose) {
    const char *captions[2] = {"Rus", "Eng"};
    const Lang languages[2] = {Lang::Russian, Lang::English};
    LanguageLabels labels{};
    for (int i = 0; i < 2; ++i) {
        auto *label = new ClickLabel(QString::fromLatin1(captions[i]), parent);
        label->setGeometry(places[i]);
        label->setAlignment(Qt::AlignCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::TabFocus);
        label->onClick = [choose, language = languages[i]] { choose(language); };
        labels[i] = label;
    }
    return labels;
}

void markLanguageLabels(const LanguageLabels &labels, const Language &language) {
    // A number that rounds to neither label leaves both dark red.
    const int marked = language.markedLabel();
    for (int i = 0; i < 2; ++i)
        setTextColour(labels[i], i == marked ? ChosenColour : OtherColour);
    // "Rus" and "Eng" say little to a listener: their spoken names say what they choose.
    if (const auto chosen = language.chosen()) {
        const bool russian = *chosen == Lang::Russian;
        labels[0]->setAccessibleName(message(Msg::RussianLabel, russian));
        labels[1]->setAccessibleName(message(Msg::EnglishLabel, russian));
    }
}

void applyCaptions(const CaptionedControls &controls, Lang language) {
    for (const Caption::Row &row : Caption::rows()) {
        for (const auto &[id, control] : controls) {
            if (id == row.control)
                applyCaption(control, row, language);
        }
    }
}
