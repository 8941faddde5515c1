// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays out the options window from its design in twips and wires its controls to the model.
#include "settings/form2.h"

#include "game/deal.h"
#include "game/gamemodel.h"
#include "game/program.h"
#include "i18n/messages.h"
#include "settings/backgrounds.h"
#include "settings/optionslayout.h"
#include "settings/photoimport.h"
#include "settings/photoswap.h"
#include "ui/clicklabel.h"
#include "ui/messagebox.h"
#include "ui/picturecache.h"
#include "ui/picturepart.h"
#include "ui/wrapcheckbox.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>

namespace L = OptionsLayout;

namespace {

QGroupBox *frame(QWidget *parent, int index) {
    auto *box = new QGroupBox(parent);
    box->setObjectName(QStringLiteral("Frame(%1)").arg(index));
    box->setGeometry(L::Frame[index].pixels());
    return box;
}

QCheckBox *checkBox(const QString &caption, QWidget *parent, const char *name,
                    const L::TwipRect &place) {
    auto *box = new WrapCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place.pixels());
    return box;
}

} // namespace

Form2::Form2(Program &program, GameModel &model) : m_program(program), m_model(model) {
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(px(L::Width), px(L::Height));
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
    chain << cmdPhotos << cmdRestore << cmdNAS[1] << chkS << chkZ << chkR << lblLOC[0] << lblLOC[1]
          << cmdNAS[3] << cmdNAS[2];
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    showChoices();
    // Built on first use, the window catches up with the language chosen before.
    if (const auto applied = m_model.appliedLanguage())
        SetLanguage(Language(*applied));
    markLanguageLabels(lblLOC, m_model.language());
    connect(&m_model, &GameModel::choicesChanged, this, &Form2::showChoices);
    connect(&m_model, &GameModel::languageChanged, this,
            [this] { SetLanguage(m_model.language()); });
}

void Form2::buildBackgroundFrame() {
    Frame[0] = frame(this, 0);
    Frame[0]->setTitle(QStringLiteral("Background"));
    const QString appFolder = m_model.appFolder();
    for (int n = 0; n < OptionCount; ++n) {
        picChoose[n] = new QLabel(Frame[0]);
        picChoose[n]->setObjectName(QStringLiteral("picChoose(%1)").arg(n));
        picChoose[n]->setGeometry(L::row(L::PreviewLeft, L::PreviewWidth, n));
        const QString path = backgroundPicturePath(appFolder, QString::number(n));
        picChoose[n]->setPixmap(
            coverPreview(path, picChoose[n]->size(), picChoose[n]->devicePixelRatioF()));
    }
    // The buttons lie over the previews' left edge, so they are made after them.
    for (int n = 0; n < OptionCount; ++n) {
        optFon[n] = new QRadioButton(Frame[0]);
        optFon[n]->setObjectName(QStringLiteral("optFon(%1)").arg(n));
        optFon[n]->setGeometry(L::row(L::BackgroundButtonLeft, L::BackgroundButtonWidth, n));
        connect(optFon[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                m_model.chooseBackground(n);
        });
    }
}

void Form2::buildPicturesFrame() {
    Frame[1] = frame(this, 1);
    Frame[1]->setTitle(QStringLiteral("Pictures"));
    for (int n = 0; n < OptionCount; ++n) {
        // A set without its name file still shows a button that can be chosen.
        optP[n] = new QRadioButton(pictureSetName(m_model.appFolder(), n, m_model.writeFolder()),
                                   Frame[1]);
        optP[n]->setObjectName(QStringLiteral("optP(%1)").arg(n));
        optP[n]->setGeometry(L::row(L::PictureButtonLeft, L::PictureButtonWidth, n));
        connect(optP[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                m_model.choosePictureSet(n);
        });
    }
    // Small buttons with a smaller font: the strip they fill is 13 pixels high.
    QFont small = font();
    small.setPixelSize(10);
    cmdPhotos = new QPushButton(QStringLiteral("Photos…"), Frame[1]);
    cmdRestore = new QPushButton(QStringLiteral("Restore"), Frame[1]);
    for (int i = 0; i < 2; ++i) {
        QPushButton *button = i == 0 ? cmdPhotos : cmdRestore;
        button->setObjectName(i == 0 ? QStringLiteral("cmdPhotos") : QStringLiteral("cmdRestore"));
        button->setGeometry(L::PhotoButton[i].pixels());
        button->setFont(small);
        button->setAutoDefault(false);
    }
    connect(cmdPhotos, &QPushButton::clicked, this, &Form2::makePhotoSet);
    connect(cmdRestore, &QPushButton::clicked, this, &Form2::restoreSet);
}

// A new set may bring new pictures under the names of the old ones: none is served from memory.
void Form2::setReplaced(int set) {
    optP[set]->setText(pictureSetName(m_model.appFolder(), set, m_model.writeFolder()));
    m_program.pictures().clear();
}

void Form2::makePhotoSet() {
    const int set = m_model.choices().pictureSet;
    const bool russian = m_model.language().russian();
    // Qt's own chooser: the same on every desktop, and usable from the keyboard.
    const QString folder = QFileDialog::getExistingDirectory(
        this, message(Msg::PhotoFolderTitle, russian), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return;
    // The name is cut to what the set's button shows beside its round mark.
    QRadioButton *button = optP[set];
    const QStyle *style = button->style();
    const int room = button->width() -
                     style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) -
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button) - 2;
    const QFontMetrics metrics = button->fontMetrics();
    QString name = QDir(folder).dirName();
    while (name.size() > 1 && metrics.horizontalAdvance(name) > room)
        name.chop(1);

    // The photos are read in a thread of their own: this window keeps painting, and the player
    // sees how far it is and can stop it.
    PhotoImport import(folder, photoSetFolder(m_model.writeFolder(), set), name);
    const auto reading = [russian](int found) {
        return message(Msg::PhotosReading, russian).arg(found).arg(PhotoSet::Pictures);
    };
    QProgressDialog progress(reading(0), QString(), 0, PhotoSet::Pictures, this);
    progress.setWindowTitle(QString::fromLatin1(AppTitle));
    // The label says how far it is; a percentage beside it would say it twice.
    auto *bar = new QProgressBar(&progress);
    bar->setTextVisible(false);
    progress.setBar(bar);
    progress.setRange(0, PhotoSet::Pictures);
    // Enter, pressed once too often in the chooser, does not stop it; Escape and a click do.
    auto *stop = new QPushButton(cmdNAS[3]->text(), &progress);
    stop->setAutoDefault(false);
    progress.setCancelButton(stop);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    connect(&import, &PhotoImport::progress, &progress, [&progress, reading](int found) {
        progress.setValue(found);
        progress.setLabelText(reading(found));
    });
    connect(&progress, &QProgressDialog::canceled, &import, &PhotoImport::cancel);
    QEventLoop running;
    connect(&import, &PhotoImport::finished, &running, &QEventLoop::quit);
    import.start();
    progress.show();
    running.exec();
    progress.hide();
    if (import.outcome().made())
        setReplaced(set);
    tell(this, PhotoSet::report(import.outcome(), optP[set]->text(), russian));
}

void Form2::restoreSet() {
    const int set = m_model.choices().pictureSet;
    const QString folder = photoSetFolder(m_model.writeFolder(), set);
    if (!PhotoSwap::remove(folder)) {
        tell(this, message(Msg::RestoreFailed, m_model.language().russian())
                       .arg(QDir::toNativeSeparators(folder)));
    }
    setReplaced(set);
}

void Form2::buildSwitches() {
    Frame[2] = frame(this, 2);
    Frame[2]->setTitle(QStringLiteral("Sound"));
    chkS = checkBox(QStringLiteral("Yes"), Frame[2], "chkS", L::SoundSwitch);
    // A change of the switch takes effect at once.
    connect(chkS, &QCheckBox::toggled, &m_model, &GameModel::setSound);

    Frame[3] = frame(this, 3);
    Frame[3]->setTitle(QStringLiteral("Riddles"));
    chkZ = checkBox(QStringLiteral("Да"), Frame[3], "chkZ", L::RiddleSwitch);
    chkZ->setToolTip(QStringLiteral(" Загадка при старте "));
    connect(chkZ, &QCheckBox::toggled, &m_model, &GameModel::setRiddleAtStart);

    Frame[4] = frame(this, 4);
    Frame[4]->setTitle(QStringLiteral("Records"));
    chkR = checkBox(QStringLiteral("Erase all"), Frame[4], "chkR", L::EraseSwitch);
    chkR->setToolTip(QStringLiteral(" Delete record file "));
    connect(chkR, &QCheckBox::toggled, &m_model, &GameModel::setEraseRecords);
}

void Form2::buildLanguageLabels() {
    lblLOC = makeLanguageLabels(this, {L::LanguageLabel[0].pixels(), L::LanguageLabel[1].pixels()},
                                [this](Lang lang) { m_model.SetLanguage(Language(lang)); });
    for (int i = 0; i < 2; ++i)
        lblLOC[i]->setObjectName(QStringLiteral("lblLOC(%1)").arg(i));
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(px(L::LineX) - 1, px(L::LineTop), 3, px(L::LineBottom) - px(L::LineTop));
}

void Form2::buildButtons() {
    const char *captions[4] = {"Apply", "Apply", "OK", "Cancel"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(QString::fromLatin1(captions[i]), this);
        button->setObjectName(QStringLiteral("cmdNAS(%1)").arg(i));
        button->setGeometry(L::Button[i].pixels());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdNAS_Click(i); });
        cmdNAS[i] = button;
    }
}

void Form2::showChoices() {
    // The controls follow the model without telling it again.
    const Choices &choices = m_model.choices();
    QRadioButton *background = optFon[choices.background];
    QRadioButton *pictures = optP[choices.pictureSet];
    const QSignalBlocker quietF(background), quietP(pictures), quietS(chkS), quietZ(chkZ),
        quietR(chkR);
    background->setChecked(true);
    pictures->setChecked(true);
    chkS->setChecked(choices.sound);
    chkZ->setChecked(choices.riddleAtStart);
    chkR->setChecked(choices.eraseRecords);
}

void Form2::SetLanguage(const Language &language) {
    markLanguageLabels(lblLOC, language);
    const auto chosen = language.chosen();
    if (!chosen)
        return;
    using C = Caption::Control;
    applyCaptions({{C::OptionsWindow, this},
                   {C::BackgroundFrame, Frame[0]},
                   {C::PicturesFrame, Frame[1]},
                   {C::SoundFrame, Frame[2]},
                   {C::RiddlesFrame, Frame[3]},
                   {C::RecordsFrame, Frame[4]},
                   {C::SoundSwitch, chkS},
                   {C::RiddleSwitch, chkZ},
                   {C::EraseSwitch, chkR},
                   {C::ApplyBackground, cmdNAS[0]},
                   {C::ApplyPictures, cmdNAS[1]},
                   {C::Cancel, cmdNAS[3]}},
                  *chosen);
    const bool russian = *chosen == Lang::Russian;
    cmdPhotos->setText(message(Msg::CapPhotos, russian));
    cmdRestore->setText(message(Msg::CapRestore, russian));
    for (int n = 0; n < OptionCount; ++n)
        optFon[n]->setAccessibleName(message(Msg::BackgroundChoice, russian).arg(n + 1));
}

void Form2::tell(QWidget *parent, const QString &text) {
    if (!text.isEmpty())
        showMessage(parent, QString::fromLatin1(AppTitle), text);
}

void Form2::cmdNAS_Click(int index) {
    switch (index) {
    case 0: // Apply the background: for this run only, the file is not written.
        m_model.applyBackground();
        break;
    case 1: { // Apply the picture set: a new main window deals from it.
        tell(this, m_model.applyPictureSet());
        // This window goes with the old main window; nothing of it may be touched after.
        Program &program = m_program;
        program.rebuildMainWindow();
        program.model().clock().reset();
        break;
    }
    case 2: // OK: save, apply, and start again on the same layout.
        tell(this, m_model.acceptOptions());
        hide();
        tell(m_program.mainWindow(), m_model.finishOptions());
        break;
    case 3: // Cancel: the time spent here does not count.
        hide();
        m_model.cancelOptions();
        break;
    default:
        break;
    }
}

void Form2::reject() {
    cmdNAS_Click(3);
}
