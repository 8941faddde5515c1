// Lays out the options window from its design in twips and wires its buttons and switches.
#include "settings/form2.h"

#include "game/cardwidget.h"
#include "game/deal.h"
#include "game/form1.h"
#include "game/program.h"
#include "i18n/setlanguage.h"
#include "records/recordfile.h"
#include "settings/backgrounds.h"
#include "settings/settingsfile.h"
#include "settings/soundtable.h"
#include "ui/backcolor.h"
#include "ui/clicklabel.h"
#include "ui/messagebox.h"
#include "ui/picturepart.h"
#include "ui/programstate.h"
#include "ui/textfile.h"
#include "ui/twips.h"
#include "ui/wrapcheckbox.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// Rows of option buttons in the two tall frames.
QRect optionRow(int left, int width, int n) {
    return twipRect(left, 480 + 360 * n, width, 255);
}

QGroupBox *frame(QWidget *parent, int index, const QRect &geometry) {
    auto *box = new QGroupBox(parent);
    box->setObjectName(QStringLiteral("Frame(%1)").arg(index));
    box->setGeometry(geometry);
    return box;
}

// The index of the chosen button of a group, or -1 when none is chosen.
int checkedIndex(const std::array<QRadioButton *, OptionCount> &group) {
    for (int n = 0; n < OptionCount; ++n) {
        if (group[n]->isChecked())
            return n;
    }
    return -1;
}

int switchNumber(const QCheckBox *box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

Form2::Form2(Program &program) : m_program(program) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(px(4560), px(3885));
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);

    buildBackgroundFrame();
    buildPicturesFrame();
    buildSwitches();
    buildLanguageLabels();
    buildButtons();

    // Tab goes down each column: the backgrounds and their button, the picture sets and theirs,
    // the switches, the languages, Cancel and OK.
    QList<QWidget *> chain(optFon.begin(), optFon.end());
    chain << cmdNAS[0];
    chain += QList<QWidget *>(optP.begin(), optP.end());
    chain << cmdNAS[1] << chkS << chkZ << chkR << lblLOC[0] << lblLOC[1] << cmdNAS[3] << cmdNAS[2];
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void Form2::buildBackgroundFrame() {
    Frame[0] = frame(this, 0, twipRect(113, 120, 1575, 3615));
    Frame[0]->setTitle(QStringLiteral("Background"));
    for (int n = 0; n < OptionCount; ++n) {
        picChoose[n] = new QLabel(Frame[0]);
        picChoose[n]->setGeometry(optionRow(360, 1090, n));
    }
    // The buttons lie over the previews' left edge, so they are made after them.
    for (int n = 0; n < OptionCount; ++n) {
        optFon[n] = new QRadioButton(Frame[0]);
        optFon[n]->setGeometry(optionRow(120, 375, n));
    }
}

void Form2::buildPicturesFrame() {
    Frame[1] = frame(this, 1, twipRect(1793, 120, 1575, 3615));
    Frame[1]->setTitle(QStringLiteral("Pictures"));
    for (int n = 0; n < OptionCount; ++n) {
        // A set without its name file still shows a button that can be chosen.
        optP[n] = new QRadioButton(Frame[1]);
        optP[n]->setGeometry(optionRow(120, 1380, n));
    }
}

void Form2::buildSwitches() {
    Frame[2] = frame(this, 2, twipRect(3473, 120, 975, 615));
    Frame[2]->setTitle(QStringLiteral("Sound"));
    chkS = new WrapCheckBox(QStringLiteral("Yes"), Frame[2]);
    chkS->setObjectName(QStringLiteral("chkS"));
    chkS->setGeometry(twipRect(120, 240, 735, 255));
    chkS->setChecked(true);
    // A change of the switch, by a click or from code, takes effect at once.
    connect(chkS, &QCheckBox::stateChanged, this, [this] { SetSound(); });

    Frame[3] = frame(this, 3, twipRect(3480, 840, 975, 615));
    Frame[3]->setTitle(QStringLiteral("Riddles"));
    chkZ = new WrapCheckBox(QStringLiteral("Да"), Frame[3]);
    chkZ->setObjectName(QStringLiteral("chkZ"));
    chkZ->setGeometry(twipRect(120, 240, 735, 255));
    chkZ->setToolTip(QStringLiteral(" Загадка при старте "));

    Frame[4] = frame(this, 4, twipRect(3480, 1560, 975, 855));
    Frame[4]->setTitle(QStringLiteral("Records"));
    chkR = new WrapCheckBox(QStringLiteral("Erase all"), Frame[4]);
    chkR->setObjectName(QStringLiteral("chkR"));
    chkR->setGeometry(twipRect(120, 240, 735, 495));
    chkR->setToolTip(QStringLiteral(" Delete record file "));
}

void Form2::buildLanguageLabels() {
    lblLOC = makeLanguageLabels(m_program, this,
                                {twipRect(3480, 2520, 450, 255), twipRect(4080, 2520, 450, 255)});
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(px(3990) - 1, px(2520), 3, px(2760) - px(2520));
}

void Form2::buildButtons() {
    const QRect places[4] = {twipRect(240, 3240, 1335, 375), twipRect(1920, 3240, 1335, 375),
                             twipRect(3480, 3360, 975, 375), twipRect(3480, 2880, 975, 375)};
    const char *captions[4] = {"Apply", "Apply", "OK", "Cancel"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QStringLiteral("cmdNAS(%1)").arg(i));
        button->setGeometry(places[i]);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdNAS_Click(i); });
        cmdNAS[i] = button;
    }
}

void Form2::load() {
    const QString appFolder = m_program.state.appFolder;
    ChooseIni();
    for (int n = 0; n < OptionCount; ++n) {
        const QString path = backgroundPicturePath(appFolder, QString::number(n));
        picChoose[n]->setPixmap(
            coverPreview(path, picChoose[n]->size(), picChoose[n]->devicePixelRatioF()));
    }
    for (int n = 0; n < OptionCount; ++n)
        optP[n]->setText(pictureSetName(appFolder, n));
}

void Form2::ChooseIni() {
    ProgramState &state = m_program.state;
    resetIniDefaults(state.IniValue);
    // Settings that could not be saved in this run stand in for the file.
    if (!state.UnsavedSettings.isEmpty()) {
        storeIniLines(state.IniValue, state.UnsavedSettings);
    } else if (const auto lines = readSettingsLines(settingsFilePath(state.WriteFolder))) {
        storeIniLines(state.IniValue, *lines);
    }

    // What cannot be used falls back to its default; the texts themselves stay as read.
    optFon[optionIndex(state.IniValue[Ini::Background]).value_or(0)]->setChecked(true);
    optP[optionIndex(state.IniValue[Ini::PictureSet]).value_or(0)]->setChecked(true);
    chkS->setChecked(switchValue(state.IniValue[Ini::Sound]).value_or(true));
    state.Language = languageValue(state.IniValue[Ini::Language]).value_or(1.0f);
    chkZ->setChecked(switchValue(state.IniValue[Ini::RiddleAtStart]).value_or(false));
    SetSound();
    if (Form1 *main = m_program.form1())
        main->lblSND->setText(state.Language == 1 ? QStringLiteral("Sound")
                                                  : QStringLiteral("Звук"));
    SetLanguage(m_program, state.Language);
}

void Form2::SetSound() {
    ProgramState &state = m_program.state;
    const bool on = chkS->checkState() != Qt::Unchecked;
    const QString caption = fillSoundTable(state.SoundFile, state.appFolder, on);
    if (Form1 *main = m_program.form1())
        main->lblSND->setText(caption);
}

void Form2::SetColor() {
    Form1 *main = m_program.form1();
    if (!main)
        return;
    const ProgramState &state = m_program.state;
    const QString choice = state.IniValue[Ini::Background];
    if (const auto card = backgroundCardColour(choice)) {
        for (CardWidget *foto : main->Foto)
            foto->setBackColor(QColor(card->red, card->green, card->blue));
        if (isPlainBackground(choice)) {
            setBackColor(main, QColor(PlainWindowColour.red, PlainWindowColour.green,
                                      PlainWindowColour.blue));
            main->setBackgroundPicture(QPixmap());
        }
    }
    // A picture that is missing or cannot be read leaves the window's picture as it was.
    const QPixmap picture = visiblePart(backgroundPicturePath(state.appFolder, choice),
                                        main->size(), main->devicePixelRatioF());
    if (!picture.isNull())
        main->setBackgroundPicture(picture);

    const QColor colour = main->Foto[1]->backColor();
    for (QWidget *control : main->cmdTOP)
        setBackColor(control, colour);
    for (QWidget *control :
         {static_cast<QWidget *>(main->Frame2), static_cast<QWidget *>(main->lblLOC[0]),
          static_cast<QWidget *>(main->lblLOC[1]), static_cast<QWidget *>(main->lblSND),
          static_cast<QWidget *>(main->lblWeb[3]), static_cast<QWidget *>(main->lblZAG)})
        setBackColor(control, colour);
    for (QWidget *label : main->lblEnd)
        setBackColor(label, backColor(main->Frame2));
}

int Form2::selectedPictureSet() const {
    return checkedIndex(optP);
}

int Form2::selectedBackground() const {
    return checkedIndex(optFon);
}

void Form2::cmdNAS_Click(int index) {
    ProgramState &state = m_program.state;
    auto storeChoice = [&state](int place, int selected) {
        if (selected >= 0)
            state.IniValue[place] = QString::number(selected);
    };
    switch (index) {
    case 0: // Apply the background: for this run only, the file is not written.
        storeChoice(Ini::Background, selectedBackground());
        SetColor();
        break;
    case 1: { // Apply the picture set: a new main window deals from it.
        storeChoice(Ini::PictureSet, selectedPictureSet());
        saveSettings();
        // This window goes with the old main window; nothing of it may be touched after.
        Program &program = m_program;
        program.rebuildMainWindow();
        program.state.ClockSeconds = 0;
        break;
    }
    case 2: // OK: save, apply, and start again on the same layout.
        storeChoice(Ini::Background, selectedBackground());
        SetColor();
        storeChoice(Ini::PictureSet, selectedPictureSet());
        saveSettings();
        hide();
        if (Form1 *main = m_program.form1())
            main->cmdTOP[0]->click();
        state.ClockSeconds = 0;
        if (chkR->isChecked()) {
            eraseRecords();
            chkR->setChecked(false);
        }
        break;
    case 3: // Cancel: the time spent here does not count.
        hide();
        state.ClockSeconds = state.SavedSeconds;
        chkR->setChecked(false);
        break;
    default:
        break;
    }
}

void Form2::reject() {
    cmdNAS_Click(3);
}

void Form2::saveSettings() {
    ProgramState &state = m_program.state;
    const QStringList lines =
        settingsFileLines(state.IniValue, switchNumber(chkS), state.Language, switchNumber(chkZ));
    QWidget *parent = isVisible() ? static_cast<QWidget *>(this) : m_program.form1();
    if (m_program.cannotSave(parent)) {
        state.UnsavedSettings = lines;
        return;
    }
    QString error;
    if (writeTextFileAtomic(settingsFilePath(state.WriteFolder), lines, &error)) {
        state.UnsavedSettings.clear();
        return;
    }
    // The choices hold for the rest of the run; the player hears about it only once.
    state.UnsavedSettings = lines;
    if (state.SettingsWarned)
        return;
    state.SettingsWarned = true;
    showMessage(parent, QString::fromLatin1(AppTitle),
                settingsNotSavedMessage(error, state.Language == 0));
}

void Form2::eraseRecords() {
    const ProgramState &state = m_program.state;
    const QString problem = eraseRecordFile(recordFilePath(state.WriteFolder), state.Language == 0);
    if (!problem.isEmpty())
        showMessage(m_program.form1(), QString::fromLatin1(AppTitle), problem);
}
