// Lays out the options window's picture sets and sound switch, and wires the switch.
#include "settings/form2.h"

#include "game/deal.h"
#include "game/form1.h"
#include "game/program.h"
#include "settings/soundtable.h"
#include "ui/clicklabel.h"
#include "ui/programstate.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace

Form2::Form2(Program &program) : m_program(program) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(px(4560), px(3885));
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);

    Frame[1] = new QGroupBox(QStringLiteral("Pictures"), this);
    Frame[1]->setGeometry(twipRect(1793, 120, 1575, 3615));
    const QString appFolder = m_program.state.appFolder;
    for (int n = 0; n < PictureSetCount; ++n) {
        // A set without its name file still shows a button that can be chosen.
        optP[n] = new QRadioButton(pictureSetName(appFolder, n), Frame[1]);
        optP[n]->setGeometry(twipRect(120, 480 + 360 * n, 1380, 255));
    }
    optP[0]->setChecked(true);

    Frame[2] = new QGroupBox(QStringLiteral("Sound"), this);
    Frame[2]->setGeometry(twipRect(3473, 120, 975, 615));
    chkS = new QCheckBox(QStringLiteral("Yes"), Frame[2]);
    chkS->setGeometry(twipRect(120, 240, 735, 255));
    chkS->setChecked(true);
    // A change of the switch, by a click or from code, takes effect at once.
    connect(chkS, &QCheckBox::stateChanged, this, [this] { SetSound(); });
}

void Form2::SetSound() {
    ProgramState &state = m_program.state;
    const bool on = chkS->checkState() != Qt::Unchecked;
    const QString caption = fillSoundTable(state.SoundFile, state.appFolder, on);
    if (Form1 *main = m_program.form1())
        main->lblSND->setText(caption);
}

int Form2::selectedPictureSet() const {
    for (int n = 0; n < PictureSetCount; ++n) {
        if (optP[n]->isChecked())
            return n;
    }
    return -1;
}
