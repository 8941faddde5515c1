// Applies the caption table to the main window, the options window and the language texts.
#include "i18n/setlanguage.h"

#include "game/form1.h"
#include "game/program.h"
#include "i18n/accessibletexts.h"
#include "i18n/captiontable.h"
#include "i18n/languagetexts.h"
#include "settings/form2.h"
#include "ui/clicklabel.h"
#include "ui/localenumber.h"
#include "ui/programstate.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QRadioButton>

namespace {

const QColor ChosenColour(Qt::black);
const QColor OtherColour(128, 0, 0);

void setTextColour(QWidget *label, const QColor &colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

void setCaption(QWidget *control, const QString &text) {
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
}

QWidget *findControl(QWidget *window, const char *name) {
    if (name[0] == '\0')
        return window;
    return window->findChild<QWidget *>(QString::fromLatin1(name));
}

void applyRow(Program &program, const Caption::Row &row, int language) {
    const QString value = QString::fromUtf8(language == Lang::Russian ? row.russian : row.english);
    if (row.property == Caption::Property::Texts) {
        applyLanguageTexts(program.state, language);
        return;
    }
    QWidget *window = row.window == Caption::Window::Main
                          ? static_cast<QWidget *>(program.form1())
                          : static_cast<QWidget *>(&program.form2());
    QWidget *control = window ? findControl(window, row.control) : nullptr;
    if (!control)
        return;
    const bool yes = value == QLatin1String("yes");
    switch (row.property) {
    case Caption::Property::Caption:
        setCaption(control, value);
        break;
    case Caption::Property::Title:
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
    case Caption::Property::Texts:
        break;
    }
}

// The chosen language's label is black, the other one dark red.
void markLanguageLabels(ClickLabel *russian, ClickLabel *english, float language) {
    setTextColour(russian, OtherColour);
    setTextColour(english, OtherColour);
    // A value that rounds to neither label leaves both dark red.
    const int chosen = roundHalfEven(language);
    if (chosen == Lang::Russian)
        setTextColour(russian, ChosenColour);
    else if (chosen == Lang::English)
        setTextColour(english, ChosenColour);
}

} // namespace

std::array<ClickLabel *, 2> makeLanguageLabels(Program &program, QWidget *parent,
                                               const std::array<QRect, 2> &places) {
    const char *captions[2] = {"Rus", "Eng"};
    std::array<ClickLabel *, 2> labels{};
    for (int i = 0; i < 2; ++i) {
        auto *label = new ClickLabel(QString::fromLatin1(captions[i]), parent);
        label->setGeometry(places[i]);
        label->setAlignment(Qt::AlignCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setCursor(Qt::PointingHandCursor);
        label->setFocusPolicy(Qt::TabFocus);
        label->onClick = [&program, i] { SetLanguage(program, static_cast<float>(i)); };
        labels[i] = label;
    }
    return labels;
}

void SetLanguage(Program &program, float lang) {
    if (Form1 *main = program.form1())
        markLanguageLabels(main->lblLOC[0], main->lblLOC[1], lang);
    Form2 &options = program.form2();
    markLanguageLabels(options.lblLOC[0], options.lblLOC[1], lang);

    program.state.Language = lang;
    int language;
    if (lang == 0)
        language = Lang::Russian;
    else if (lang == 1)
        language = Lang::English;
    else
        return;
    for (const Caption::Row &row : Caption::rows())
        applyRow(program, row, language);
    // "Rus" and "Eng" say little to a listener: their accessible names say what they choose.
    const bool russian = language == Lang::Russian;
    std::array<std::array<ClickLabel *, 2>, 2> labels{options.lblLOC, options.lblLOC};
    if (Form1 *main = program.form1())
        labels[0] = main->lblLOC;
    for (const auto &pair : labels) {
        pair[0]->setAccessibleName(controlName(ControlName::RussianLabel, russian));
        pair[1]->setAccessibleName(controlName(ControlName::EnglishLabel, russian));
    }
    for (int n = 0; n < static_cast<int>(options.optFon.size()); ++n)
        options.optFon[n]->setAccessibleName(backgroundChoiceName(n, russian));
    if (Form1 *main = program.form1())
        main->languageChanged();
}
