// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays out the main window, paints what the game model says and hands it the clicks.
#include "game/form1.h"

#include "game/cardwidget.h"
#include "game/gamemodel.h"
#include "game/layout.h"
#include "game/program.h"
#include "records/helptext.h"
#include "records/kindquestion.h"
#include "records/recordfile.h"
#include "records/recordrows.h"
#include "records/recordsview.h"
#include "riddles/frmzag.h"
#include "riddles/riddlefile.h"
#include "settings/form2.h"
#include "ui/apppaths.h"
#include "ui/backcolor.h"
#include "ui/clicklabel.h"
#include "ui/fittext.h"
#include "ui/flatbutton.h"
#include "ui/labelstyle.h"
#include "ui/messagebox.h"
#include "ui/picturecache.h"
#include "ui/picturepart.h"
#include "ui/pointers.h"
#include "ui/randomsource.h"
#include "ui/twips.h"
#include "ui/windowscaler.h"
#include "web/weblinks.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QUrl>

namespace {

QColor colour(const Rgb &rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The window's colours before any background is chosen: the plain look's.
const QColor WindowColor = colour(PlainWindowColour);
const QColor CardColor = colour(PlainCardColour);
const QColor EndRed(Qt::red);

constexpr int NameLength = 15;
// The headlines' font, and the smallest it may shrink to so that they fit their label.
constexpr int HeadlinePixels = 18;
constexpr int HeadlineMinPixels = 9;
// The options window opens this far right of and below the main window's corner (in twips).
constexpr int OptionsOffsetX = 4900;
constexpr int OptionsOffsetY = 840;
// The riddles window opens this far right of and below it (in twips).
constexpr int RiddleOffset = 1000;

QLabel *endLabel(QWidget *parent, const QRect &geometry, const QColor &text, int pixelSize) {
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    setTextLook(label, pixelSize, true, text);
    return label;
}

} // namespace

Form1::Form1(Program &program, GameModel &model) : m_program(program), m_model(model) {
    setAttribute(Qt::WA_DeleteOnClose);
    // The window may grow; its content keeps the design's layout, drawn larger and centred.
    resize(Layout::ClientWidth, Layout::ClientHeight);
    m_scaler = new WindowScaler(this, size(), windowSizeFile(m_model.writeFolder()));
    connect(m_scaler, &WindowScaler::factorChanged, this, &Form1::redrawPictures);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    setAutoFillBackground(true);
    setBackColor(this, WindowColor);

    buildCardGrid();
    buildWebLabels();
    buildCommandBar();

    lblTime = new QLabel(QStringLiteral("Time"), this);
    lblTime->setObjectName(QStringLiteral("lblTime"));
    lblTime->setGeometry(Layout::TimeLabel);
    lblTime->setAlignment(Qt::AlignCenter);
    setTextLook(lblTime, 18, true, Qt::white);

    buildBottomLabels();
    buildVictoryFrame();

    m_access = std::make_unique<BoardAccess>(*this, Foto, m_model);
    // F2 or Ctrl+N: new cards of the set on the board, in a game or over the victory frame.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_F2), QKeySequence(QKeySequence::New)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &Form1::dealAnew);
    // F11 fills the screen and gives the window back; in full screen Escape leaves it first.
    connect(new QShortcut(Qt::Key_F11, this), &QShortcut::activated, m_scaler,
            &WindowScaler::toggleFullScreen);
    m_leaveFullScreen = new QShortcut(Qt::Key_Escape, this);
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QShortcut::activated, m_scaler, &WindowScaler::leaveFullScreen);
    setTabOrder();
    observeModel();
}

Form1::~Form1() = default;

void Form1::observeModel() {
    connect(&m_model.clock(), &GameClock::captionChanged, this,
            [this](const QString &caption) { lblTime->setText(caption); });
    connect(&m_model, &GameModel::soundCaptionChanged, this,
            [this](const QString &caption) { lblSND->setText(caption); });
    connect(&m_model, &GameModel::lookChanged, this, [this] { SetColor(m_model.look()); });
    connect(&m_model, &GameModel::languageChanged, this,
            [this] { SetLanguage(m_model.language()); });
    connect(&m_model, &GameModel::dealt, this, [this] { m_access->dealt(m_model.deal().Folder); });
    connect(&m_model, &GameModel::boardCleared, this, &Form1::clearCards);
}

void Form1::setTabOrder() {
    // The board (its one focusable card), the command bar from left to right, the help and the
    // records when shown (they join the chain when first made), the links and toggles, then the
    // victory frame when shown.
    // Only widgets that take the focus can be chained: every card does while the chain is made,
    // and afterwards only the card the keyboard is on.
    for (ClickLabel *label : {lblWeb[1], lblWeb[3], lblZAG, lblSND, lblLOC[0], lblLOC[1]})
        label->setFocusPolicy(Qt::TabFocus);
    for (QPushButton *button : cmdTOP)
        button->setFocusPolicy(Qt::TabFocus);
    for (CardWidget *card : Foto)
        card->setFocusPolicy(Qt::TabFocus);
    QList<QWidget *> chain(Foto.begin(), Foto.end());
    chain << cmdTOP[3] << cmdTOP[2] << cmdTOP[1] << cmdTOP[0] << lblWeb[1] << lblZAG << lblWeb[3]
          << lblSND << lblLOC[0] << lblLOC[1] << txtRec << optKartinka[0] << optKartinka[1]
          << optKartinka[2] << cmdEND[2] << cmdEND[0] << cmdEND[1];
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (int k = 0; k < CardCount; ++k)
        Foto[k]->setFocusPolicy(k == m_access->focusedCard() ? Qt::TabFocus : Qt::NoFocus);
}

void Form1::buildBottomLabels() {
    auto makeLabel = [this](const QString &caption, const QRect &geometry, const char *name) {
        auto *label = new ClickLabel(caption, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        setBackColor(label, CardColor);
        return label;
    };
    lblZAG = makeLabel(QStringLiteral("Загадка"), Layout::RiddleLabel, "lblZAG");
    lblZAG->setCursor(Qt::PointingHandCursor);
    lblZAG->onClick = [this] { askRiddle(); };

    lblWeb[3] = makeLabel(QStringLiteral("Homepage"), Layout::HomePageLabel, "lblWeb(3)");
    setTextLook(lblWeb[3], 11, true);
    lblWeb[3]->setCursor(handCursor());
    lblWeb[3]->onClick = [this] { DoURL(pageAddress(m_model.appFolder(), m_model.language())); };

    lblSND = makeLabel(QStringLiteral("Sound"), Layout::SoundLabel, "lblSND");
    lblSND->setCursor(Qt::PointingHandCursor);
    lblSND->onClick = [this] { m_model.toggleSound(); };

    lblLOC = makeLanguageLabels(this, {Layout::LanguageLabel[0], Layout::LanguageLabel[1]},
                                [this](Lang lang) { m_model.SetLanguage(Language(lang)); });
    for (int i = 0; i < 2; ++i) {
        lblLOC[i]->setObjectName(QStringLiteral("lblLOC(%1)").arg(i));
        lblLOC[i]->setAutoFillBackground(true);
        setBackColor(lblLOC[i], CardColor);
    }
}

void Form1::buildWebLabels() {
    // Two labels with the same text, dark under white, give the maker's name a relief look.
    auto makeLabel = [this](const QRect &geometry, const QColor &text, int index) {
        auto *label = new ClickLabel(QString::fromLatin1(AppTitle), this);
        label->setGeometry(geometry);
        label->setObjectName(QStringLiteral("lblWeb(%1)").arg(index));
        setTextLook(label, 13, true, text);
        label->onClick = [this] { DoURL(galleryAddress(m_model.appFolder(), m_model.language())); };
        lblWeb[index] = label;
        return label;
    };
    makeLabel(Layout::MakerShadowLabel, QColor(), 0);
    ClickLabel *maker = makeLabel(Layout::MakerLabel, Qt::white, 1);
    maker->setCursor(handCursor());
    maker->setToolTip(QStringLiteral("Children's picture gallery"));
}

void Form1::buildCommandBar() {
    const char *captions[4] = {"Clear", "Options", "Help", "Records"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new FlatButton(QString::fromLatin1(captions[i]), this);
        button->setGeometry(Layout::CommandButtonX[i], Layout::CommandButtonY,
                            Layout::CommandButtonWidth, Layout::CommandButtonHeight);
        button->setAutoDefault(false);
        button->setObjectName(QStringLiteral("cmdTOP(%1)").arg(i));
        cmdTOP[i] = button;
    }
    connect(cmdTOP[0], &QPushButton::clicked, &m_model, &GameModel::clearBoard);
    connect(cmdTOP[1], &QPushButton::clicked, this, &Form1::openOptions);
    connect(cmdTOP[2], &QPushButton::clicked, this, &Form1::toggleHelp);
    connect(cmdTOP[3], &QPushButton::clicked, this, &Form1::toggleRecords);
}

void Form1::buildCardGrid() {
    // Card 0 is the model; the others copy its size, position and colour and start hidden.
    auto makeCard = [this](int k, const QPoint &at) {
        auto *card = new CardWidget(this);
        card->setObjectName(QStringLiteral("Foto(%1)").arg(k));
        card->resize(Layout::CardWidth, Layout::CardHeight);
        card->move(at);
        card->setBackColor(CardColor);
        card->onClick = [this, k] { cardClicked(k); };
        Foto[k] = card;
        return card;
    };
    makeCard(0, Layout::cardRect(0).topLeft());
    for (int i = 1; i < Layout::GridColumns; ++i) {
        const QPoint top(Foto[i - 1]->x() + Layout::PitchX, Foto[0]->y());
        makeCard(i, top)->hide();
        for (int row = 1; row < Layout::GridRows; ++row) {
            const int k = i + Layout::GridColumns * row;
            makeCard(k, QPoint(top.x(), Foto[k - Layout::GridColumns]->y() + Layout::PitchY))
                ->hide();
        }
        for (int row = 0; row < Layout::GridRows; ++row)
            Foto[i + Layout::GridColumns * row]->show();
    }
    for (int row = 1; row < Layout::GridRows; ++row) {
        const int k = Layout::GridColumns * row;
        makeCard(k, QPoint(Foto[0]->x(), Foto[k - Layout::GridColumns]->y() + Layout::PitchY));
        Foto[k]->show();
    }
}

void Form1::buildVictoryFrame() {
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Layout::VictoryFrame);
    Frame2->setFrameShape(QFrame::Panel);
    Frame2->setFrameShadow(QFrame::Raised);
    Frame2->setLineWidth(2);
    Frame2->setAutoFillBackground(true);
    setBackColor(Frame2, CardColor);

    lblEnd[0] = endLabel(Frame2, Layout::EndLabel[0], EndRed, HeadlinePixels);
    lblEnd[1] = endLabel(Frame2, Layout::EndLabel[1], Qt::white, 24);
    lblEnd[2] = endLabel(Frame2, Layout::EndLabel[2], EndRed, HeadlinePixels);
    lblEnd[3] = new KindQuestion(
        Frame2, {Layout::KindButtonX[0], Layout::KindButtonX[1], Layout::KindButtonX[2]},
        Layout::KindButtonSize);
    lblEnd[3]->setText(QStringLiteral("       boy?              girl?               ?"));
    lblEnd[3]->setGeometry(Layout::EndLabel[3]);
    for (int i = 0; i < 4; ++i)
        lblEnd[i]->setObjectName(QStringLiteral("lblEnd(%1)").arg(i));

    for (int i = 0; i < 3; ++i) {
        auto *kind = new QRadioButton(Frame2);
        kind->setObjectName(QStringLiteral("optKartinka(%1)").arg(i));
        kind->setGeometry(Layout::KindButtonX[i], Layout::KindButtonY - 1, Layout::KindButtonSize,
                          Layout::KindButtonSize);
        kind->setAutoFillBackground(true);
        connect(kind, &QRadioButton::clicked, this, [this, i] { m_model.choosePlayerKind(i); });
        optKartinka[i] = kind;
    }

    txtRec = new QLineEdit(Frame2);
    txtRec->setObjectName(QStringLiteral("txtRec"));
    txtRec->setGeometry(Layout::NameBox);
    txtRec->setMaxLength(NameLength);
    connect(txtRec, &QLineEdit::textChanged, this, [this] { setRecordButtonDefault(true); });

    const char *captions[3] = {"Else", "End", "To records"};
    for (int i = 0; i < 3; ++i) {
        cmdEND[i] = new FlatButton(QString::fromLatin1(captions[i]), Frame2);
        cmdEND[i]->setGeometry(Layout::EndButton[i]);
        cmdEND[i]->setAutoDefault(false);
        cmdEND[i]->setObjectName(QStringLiteral("cmdEND(%1)").arg(i));
    }
    connect(cmdEND[0], &QPushButton::clicked, this, &Form1::playAgain);
    connect(cmdEND[1], &QPushButton::clicked, this, &QWidget::close);
    connect(cmdEND[2], &QPushButton::clicked, this, &Form1::enterRecord);
    Frame2->hide();
}

void Form1::SetLanguage(const Language &language) {
    markLanguageLabels(lblLOC, language);
    if (const auto chosen = language.chosen()) {
        using C = Caption::Control;
        applyCaptions({{C::Clear, cmdTOP[0]},
                       {C::Options, cmdTOP[1]},
                       {C::Help, cmdTOP[2]},
                       {C::Records, cmdTOP[3]},
                       {C::KindQuestion, lblEnd[3]},
                       {C::ToRecords, cmdEND[2]},
                       {C::End, cmdEND[1]},
                       {C::Else, cmdEND[0]},
                       {C::SoundLabel, lblSND},
                       {C::MakerLabel, lblWeb[1]},
                       {C::RiddleLabel, lblZAG}},
                      *chosen);
    }
    const bool russian = language.russian();
    txtRec->setAccessibleName(message(Msg::NameBox, russian));
    const Msg kinds[3] = {Msg::Boy, Msg::Girl, Msg::Friend};
    for (int i = 0; i < 3; ++i)
        optKartinka[i]->setAccessibleName(message(kinds[i], russian));
    m_access->applyLanguage();
    if (lvRecord)
        languageOfRecords();
    if (txtHELP)
        txtHELP->setAccessibleName(message(Msg::HelpBox, russian));
}

void Form1::languageOfRecords() {
    const bool russian = m_model.language().russian();
    lvRecord->setAccessibleName(message(Msg::RecordsView, russian));
    lvRecord->setLanguage(QLocale(russian ? QLocale::Russian : QLocale::English));
}

// The help box and the records view lie over the board, hidden until asked for; each is made the
// first time, so that a game that never shows them never pays for them.
QPlainTextEdit &Form1::helpBox() {
    if (txtHELP)
        return *txtHELP;
    txtHELP = new QPlainTextEdit(this);
    txtHELP->setObjectName(QStringLiteral("txtHELP"));
    txtHELP->setGeometry(Layout::HelpBox.translated(m_corner));
    txtHELP->setReadOnly(true);
    txtHELP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette helpPal = txtHELP->palette();
    helpPal.setColor(QPalette::Base, ViewBackground);
    txtHELP->setPalette(helpPal);
    txtHELP->setTabChangesFocus(true);
    txtHELP->setAccessibleName(message(Msg::HelpBox, m_model.language().russian()));
    QWidget::setTabOrder(cmdTOP[0], txtHELP);
    return *txtHELP;
}

RecordsView &Form1::recordsView() {
    if (lvRecord)
        return *lvRecord;
    lvRecord = new RecordsView(this);
    lvRecord->setObjectName(QStringLiteral("lvRecord"));
    lvRecord->setGeometry(Layout::RecordsView.translated(m_corner));
    languageOfRecords();
    QWidget::setTabOrder(txtHELP ? static_cast<QWidget *>(txtHELP) : cmdTOP[0], lvRecord);
    return *lvRecord;
}

void Form1::SetColor(const BackgroundLook &look) {
    if (look.card) {
        for (CardWidget *card : Foto)
            card->setBackColor(colour(*look.card));
        if (look.plain) {
            setBackColor(this, WindowColor);
            setBackgroundPicture(QPixmap());
        }
    }
    // A picture that is missing or cannot be read leaves the window's picture as it was.
    const QPixmap picture = backgroundFor(look.picture);
    if (!picture.isNull()) {
        m_backgroundFile = look.picture;
        setBackgroundPicture(picture);
    }

    const QColor shared = Foto[1]->backColor();
    for (QWidget *control : cmdTOP)
        setBackColor(control, shared);
    for (QWidget *control :
         std::initializer_list<QWidget *>{Frame2, lblLOC[0], lblLOC[1], lblSND, lblWeb[3], lblZAG})
        setBackColor(control, shared);
    for (QWidget *label : lblEnd)
        setBackColor(label, backColor(Frame2));
}

void Form1::build() {
    setWindowTitle(QStringLiteral("%1 %2").arg(QString::fromLatin1(AppTitle),
                                               QStringLiteral(KESTROVA_VERSION)));
    // The card grid was laid out when the window was made.
    m_model.newBoard();
    m_model.random().seedFromClock();
    m_model.ChooseIni();
    // A riddle before the game when the settings ask for one; the clock waits for it.
    if (m_model.riddleAtStart()) {
        const int number = m_model.drawRiddle();
        if (fileExists(riddleFilePath(m_model.appFolder())))
            showRiddle(number);
        else
            riddleFileMissing();
    }
    m_model.SetColor();
    m_model.ChangePicSet();
    m_model.clock().start();
    m_access->focusCard(0, true);
}

void Form1::askRiddle() {
    m_model.clock().stopSeconds();
    const int number = m_model.drawRiddle();
    if (fileExists(riddleFilePath(m_model.appFolder())))
        showRiddle(number);
    else
        riddleFileMissing();
    // The clock goes again however the riddle ended, even after a finished game.
    m_model.clock().start();
}

void Form1::showRiddle(int number) {
    FrmZAG &riddles = m_program.frmZAG();
    riddles.DoZagadki(number);
    riddles.move(frameGeometry().topLeft() + QPoint(px(RiddleOffset), px(RiddleOffset)));
    // Returns when the right answer has hidden the window.
    riddles.exec();
}

void Form1::riddleFileMissing() {
    showMessage(this, message(Msg::RiddleTitle, true),
                message(Msg::RiddleMissing, true)
                    .arg(QDir::toNativeSeparators(riddleFilePath(m_model.appFolder()))));
}

void Form1::DoURL(const QString &strUrl) {
    // The desktop hands the address to the browser; whether it can is not the game's concern.
    QDesktopServices::openUrl(QUrl(strUrl));
}

void Form1::cardClicked(int k) {
    const int previous = m_model.board().PrevCard;
    const TurnOutcome out = m_model.clickCard(k);
    showCard(k);
    for (int card : out.turnedDown)
        Foto[card]->clearPicture();
    m_access->turned(k, previous, out);
    if (out.victory)
        victory();
}

void Form1::showCard(int k) {
    // A picture that will not load shows a stand-in face; the board still compares paths.
    Foto[k]->setPicture(m_program.pictures().picture(m_model.board().CardPic[k], Foto[k]->size(),
                                                     Foto[k]->devicePixelRatioF()));
}

void Form1::clearCards() {
    for (CardWidget *card : Foto)
        card->clearPicture();
}

void Form1::victory() {
    m_model.victory();
    lblEnd[1]->setText(m_model.wonCaption());
    lblEnd[0]->setText(m_model.victoryHeadline());
    lblEnd[2]->setText(m_model.victoryPrompt());
    for (int i : {0, 2})
        fitFontToBox(lblEnd[i], HeadlinePixels, HeadlineMinPixels);
    const bool record = m_model.recordOffered();
    txtRec->setEnabled(record);
    cmdEND[2]->setEnabled(record);
    for (QRadioButton *kind : optKartinka) {
        kind->setEnabled(record);
        QPalette pal = kind->palette();
        pal.setColor(QPalette::Window, Foto[1]->backColor());
        kind->setPalette(pal);
        kind->setAutoExclusive(false);
        kind->setChecked(false);
        kind->setAutoExclusive(true);
    }
    Frame2->show();
    Frame2->raise();
    // A record: the player can type the name straight away; otherwise Enter plays again.
    if (record)
        txtRec->setFocus();
    else
        cmdEND[0]->setFocus();
    m_access->victory(m_model.wonCaption(), record);
    // A table that cannot take the result: the player hears why over the frame, once a game.
    if (const QString refusal = m_model.takeRefusal(); !refusal.isEmpty())
        showMessage(this, QString::fromLatin1(AppTitle), refusal);
}

void Form1::setRecordButtonDefault(bool on) {
    cmdEND[2]->setDefault(on);
    QFont font = cmdEND[2]->font();
    font.setBold(on);
    cmdEND[2]->setFont(font);
}

void Form1::closeVictoryFrame() {
    txtRec->clear();
    Frame2->hide();
    setRecordButtonDefault(false);
}

void Form1::enterRecord() {
    const QString name = txtRec->text();
    closeVictoryFrame();
    m_access->focusCard(m_access->focusedCard(), true);
    const QString problem = m_model.enterRecord(name);
    if (!problem.isEmpty())
        showMessage(this, QString::fromLatin1(AppTitle), problem);
}

void Form1::playAgain() {
    Frame2->hide();
    m_model.playAgain();
    m_access->focusCard(m_access->focusedCard(), true);
}

void Form1::dealAnew() {
    if (Frame2->isVisible())
        closeVictoryFrame();
    m_model.newDeal();
    m_access->focusCard(m_access->focusedCard(), true);
    m_access->dealtAnew();
}

void Form1::keyPressEvent(QKeyEvent *event) {
    // Enter presses the default button, as in a dialog: "To records" once a name is typed.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && Frame2->isVisible() && cmdEND[2]->isDefault() && cmdEND[2]->isEnabled()) {
        cmdEND[2]->click();
        return;
    }
    // Enter also presses the button that has the keyboard's focus, as Space does.
    if (auto *button = qobject_cast<QPushButton *>(focusWidget()); enter && button) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::openOptions() {
    m_model.clock().hold();
    Form2 &options = m_program.form2();
    options.move(frameGeometry().topLeft() + QPoint(px(OptionsOffsetX), px(OptionsOffsetY)));
    options.exec();
}

void Form1::toggleHelp() {
    QPlainTextEdit &help = helpBox();
    if (help.isVisible()) {
        help.hide();
        help.clear();
        cmdTOP[2]->setText(m_model.text(Msg::CapHelp));
        return;
    }
    help.show();
    help.raise();
    cmdTOP[2]->setText(m_model.text(Msg::CapHelpClose));
    help.setPlainText(
        helpBoxText(m_model.appFolder(), m_model.text(Msg::HelpFileName), QStringLiteral("\n")));
}

void Form1::toggleRecords() {
    const QVector<RecordRow> rows = recordRows(m_model.recordTable());
    RecordsView &view = recordsView();
    if (view.isVisible()) {
        view.clear();
        view.hide();
        cmdTOP[3]->setText(m_model.text(Msg::CapRecords));
        return;
    }
    view.show();
    view.raise();
    cmdTOP[3]->setText(m_model.text(Msg::CapRecClose));
    view.fill(rows);
}

void Form1::setBackgroundPicture(const QPixmap &picture) {
    m_background = picture;
    if (picture.isNull())
        m_backgroundFile.clear();
    update();
}

// At the design size the picture's top-left part shows at its own pixels; a larger window is
// covered by the whole picture, enlarged around its middle.
QPixmap Form1::backgroundFor(const QString &file) const {
    if (size() == QSize(Layout::ClientWidth, Layout::ClientHeight))
        return visiblePart(file, size(), devicePixelRatioF());
    return coverPreview(file, size(), devicePixelRatioF());
}

void Form1::redrawPictures() {
    if (!m_backgroundFile.isEmpty()) {
        const QPixmap picture = backgroundFor(m_backgroundFile);
        if (!picture.isNull())
            m_background = picture;
    }
    for (int k = 0; k < int(Foto.size()); ++k) {
        if (Foto[k]->hasPicture())
            showCard(k);
    }
    update();
}

void Form1::resizeEvent(QResizeEvent *) {
    // The controls keep their places relative to the design's corner, which stays centred.
    const QPoint corner =
        WindowScale::designCorner(size(), QSize(Layout::ClientWidth, Layout::ClientHeight));
    const QPoint by = corner - m_corner;
    m_corner = corner;
    if (!by.isNull()) {
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow())
                child->move(child->pos() + by);
        }
    }
    if (!m_backgroundFile.isEmpty() && m_background.deviceIndependentSize() != QSizeF(size()))
        redrawPictures();
}

void Form1::changeEvent(QEvent *event) {
    if (event->type() == QEvent::WindowStateChange)
        m_leaveFullScreen->setEnabled(isFullScreen());
    QWidget::changeEvent(event);
}

void Form1::paintEvent(QPaintEvent *) {
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    // A replaced window may live on for a while; it neither counts nor paints any more.
    m_model.clock().stop();
    disconnect(&m_model, nullptr, this, nullptr);
    disconnect(&m_model.clock(), nullptr, this, nullptr);
    m_program.mainWindowClosed(this);
}
