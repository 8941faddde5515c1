// Lays out the main window and maps its clicks and timer ticks onto the board and the clock.
#include "game/form1.h"

#include "game/boardaccess.h"
#include "game/cardwidget.h"
#include "game/clock.h"
#include "game/layout.h"
#include "game/program.h"
#include "i18n/languagetexts.h"
#include "i18n/setlanguage.h"
#include "records/helptext.h"
#include "records/kindquestion.h"
#include "records/recordcheck.h"
#include "records/recordfile.h"
#include "records/recordsview.h"
#include "riddles/frmzag.h"
#include "riddles/riddlefile.h"
#include "riddles/riddlerules.h"
#include "settings/form2.h"
#include "settings/settingsfile.h"
#include "settings/soundtable.h"
#include "ui/apppaths.h"
#include "ui/backcolor.h"
#include "ui/clicklabel.h"
#include "ui/fittext.h"
#include "ui/flatbutton.h"
#include "ui/labelstyle.h"
#include "ui/localenumber.h"
#include "ui/messagebox.h"
#include "ui/picturecache.h"
#include "ui/pointers.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"
#include "ui/twips.h"
#include "web/weblinks.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QUrl>

namespace {

// The window's colours before any background is chosen.
const QColor WindowColor(180, 180, 180);
const QColor CardColor(200, 200, 200);
const QColor EndRed(Qt::red);

constexpr int SecondsInterval = 1000;
constexpr int TenthsInterval = 100;
constexpr int NameLength = 15;
// The headlines' font, and the smallest it may shrink to so that they fit their label.
constexpr int HeadlinePixels = 18;
constexpr int HeadlineMinPixels = 9;
// The options window opens this far right of and below the main window's corner (in twips).
constexpr int OptionsOffsetX = 4900;
constexpr int OptionsOffsetY = 840;
// The riddles window opens this far right of and below it (in twips).
constexpr int RiddleOffset = 1000;
// The date of the placeholder result in a fresh record file.
constexpr int PlaceholderAgeDays = 30;

// The date of the placeholder result that a fresh record file holds.
QString placeholderDate() {
    return recordDate(QDate::currentDate().addDays(-PlaceholderAgeDays));
}

QLabel *endLabel(QWidget *parent, const QRect &geometry, const QColor &text, int pixelSize) {
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    setTextLook(label, pixelSize, true, text);
    return label;
}

} // namespace

Form1::Form1(Program &program) : m_program(program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Layout::ClientWidth, Layout::ClientHeight);
    QFont font = this->font();
    font.setPixelSize(12);
    setFont(font);
    setAutoFillBackground(true);
    setBackColor(this, WindowColor);

    buildCardGrid();
    buildWebLabels();
    buildCommandBar();

    lblTime = new QLabel(QStringLiteral("Time"), this);
    lblTime->setGeometry(Layout::TimeLabel);
    lblTime->setAlignment(Qt::AlignCenter);
    setTextLook(lblTime, 18, true, Qt::white);

    // Both timers are inactive until their intervals are set.
    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (const auto caption = secondsStep(m_program.state, board.OpenPairs))
            lblTime->setText(*caption);
    });
    Timer2 = new QTimer(this);
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer2, &QTimer::timeout, this,
            [this] { lblTime->setText(tenthsStep(m_program.state)); });

    buildBottomLabels();
    buildVictoryFrame();

    // Both views lie over the board and start hidden.
    lvRecord = new RecordsView(this);
    lvRecord->setGeometry(Layout::RecordsView);
    lvRecord->hide();
    txtHELP = new QPlainTextEdit(this);
    txtHELP->setGeometry(Layout::HelpBox);
    txtHELP->setReadOnly(true);
    txtHELP->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette helpPal = txtHELP->palette();
    helpPal.setColor(QPalette::Base, ViewBackground);
    txtHELP->setPalette(helpPal);
    txtHELP->setTabChangesFocus(true);
    txtHELP->hide();

    m_access = std::make_unique<BoardAccess>(*this);
    setTabOrder();
}

Form1::~Form1() = default;

void Form1::setTabOrder() {
    // The board (its one focusable card), the command bar from left to right, the help and the
    // records when shown, the links and toggles, then the victory frame when shown.
    // Only widgets that take the focus can be chained: every card does while the chain is made,
    // and afterwards only the card the keyboard is on.
    for (ClickLabel *label : {lblWeb[1], lblWeb[3], lblZAG, lblSND, lblLOC[0], lblLOC[1]})
        label->setFocusPolicy(Qt::TabFocus);
    for (QPushButton *button : cmdTOP)
        button->setFocusPolicy(Qt::TabFocus);
    for (CardWidget *card : Foto)
        card->setFocusPolicy(Qt::TabFocus);
    QList<QWidget *> chain(Foto.begin(), Foto.end());
    chain << cmdTOP[3] << cmdTOP[2] << cmdTOP[1] << cmdTOP[0] << txtHELP << lvRecord << lblWeb[1]
          << lblZAG << lblWeb[3] << lblSND << lblLOC[0] << lblLOC[1] << txtRec << optKartinka[0]
          << optKartinka[1] << optKartinka[2] << cmdEND[2] << cmdEND[0] << cmdEND[1];
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (int k = 0; k < CardCount; ++k)
        Foto[k]->setFocusPolicy(k == m_access->focusedCard() ? Qt::TabFocus : Qt::NoFocus);
}

void Form1::languageChanged() {
    m_access->applyLanguage();
    lvRecord->setLanguage(
        QLocale(m_program.state.Language == Lang::Russian ? QLocale::Russian : QLocale::English));
}

void Form1::buildBottomLabels() {
    auto makeLabel = [this](const QString &caption, const QRect &geometry) {
        auto *label = new ClickLabel(caption, this);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        setBackColor(label, CardColor);
        return label;
    };
    lblZAG = makeLabel(QStringLiteral("Загадка"), Layout::RiddleLabel);
    lblZAG->setObjectName(QStringLiteral("lblZAG"));
    lblZAG->setCursor(Qt::PointingHandCursor);
    lblZAG->onClick = [this] { askRiddle(); };

    lblWeb[3] = makeLabel(QStringLiteral("Homepage"), Layout::HomePageLabel);
    lblWeb[3]->setObjectName(QStringLiteral("lblWeb(3)"));
    setTextLook(lblWeb[3], 11, true);
    lblWeb[3]->setCursor(handCursor());
    lblWeb[3]->onClick = [this] {
        DoURL(pageAddress(m_program.state.appFolder, m_program.state.Language));
    };

    lblSND = makeLabel(QStringLiteral("Sound"), Layout::SoundLabel);
    lblSND->setObjectName(QStringLiteral("lblSND"));
    lblSND->setCursor(Qt::PointingHandCursor);
    lblSND->onClick = [this] { toggleSound(); };

    lblLOC =
        makeLanguageLabels(m_program, this, {Layout::LanguageLabel[0], Layout::LanguageLabel[1]});
    for (ClickLabel *label : lblLOC) {
        label->setAutoFillBackground(true);
        setBackColor(label, CardColor);
    }
}

void Form1::buildWebLabels() {
    // Two labels with the same text, dark under white, give the maker's name a relief look.
    auto makeLabel = [this](const QRect &geometry, const QColor &text, int index) {
        auto *label = new ClickLabel(QString::fromLatin1(AppTitle), this);
        label->setGeometry(geometry);
        label->setObjectName(QStringLiteral("lblWeb(%1)").arg(index));
        setTextLook(label, 13, true, text);
        label->onClick = [this] {
            DoURL(galleryAddress(m_program.state.appFolder, m_program.state.Language));
        };
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
    connect(cmdTOP[0], &QPushButton::clicked, this, &Form1::clearBoard);
    connect(cmdTOP[1], &QPushButton::clicked, this, &Form1::openOptions);
    connect(cmdTOP[2], &QPushButton::clicked, this, &Form1::toggleHelp);
    connect(cmdTOP[3], &QPushButton::clicked, this, &Form1::toggleRecords);
}

void Form1::buildCardGrid() {
    // Card 0 is the model; the others copy its size, position and colour and start hidden.
    auto makeCard = [this](int k, const QPoint &at) {
        auto *card = new CardWidget(this);
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
    lblEnd[3]->setObjectName(QStringLiteral("lblEnd(3)"));

    for (int i = 0; i < 3; ++i) {
        auto *kind = new QRadioButton(Frame2);
        kind->setGeometry(Layout::KindButtonX[i], Layout::KindButtonY - 1, Layout::KindButtonSize,
                          Layout::KindButtonSize);
        kind->setAutoFillBackground(true);
        connect(kind, &QRadioButton::clicked, this, [this, i] { board.choosePlayerKind(i); });
        optKartinka[i] = kind;
    }

    txtRec = new QLineEdit(Frame2);
    txtRec->setGeometry(Layout::NameBox);
    txtRec->setMaxLength(NameLength);
    connect(txtRec, &QLineEdit::textChanged, this, &Form1::nameTyped);

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

void Form1::build() {
    ProgramState &state = m_program.state;
    setWindowTitle(QStringLiteral("%1 %2.%3")
                       .arg(QString::fromLatin1(AppTitle))
                       .arg(KESTROVA_VERSION_MAJOR)
                       .arg(KESTROVA_VERSION_MINOR));
    board.PrevCard = CardCount - 1;
    state.LineBreak = QStringLiteral("\r\n");
    state.RiddleCount = 14;
    // The card grid was laid out when the window was made.
    m_program.random.seedFromClock();

    // The first use of the options window loads it, which reads the settings once already.
    Form2 &options = m_program.form2();
    options.ChooseIni();
    // A riddle before the game when the settings ask for one; the clock waits for it.
    if (parseLocaleNumber(state.IniValue[Ini::RiddleAtStart]) == 1.0) {
        const int number = randomRiddle(state.RiddleCount, m_program.random.next());
        if (fileExists(riddleFilePath(state.appFolder)))
            showRiddle(number);
        else
            riddleFileMissing();
    }
    options.SetColor();
    ChangePicSet();
    Timer1->start(SecondsInterval);
    m_access->focusCard(0, true);
}

void Form1::askRiddle() {
    Timer1->stop();
    if (fileExists(riddleFilePath(m_program.state.appFolder)))
        showRiddle(randomRiddle(m_program.state.RiddleCount, m_program.random.next()));
    else
        riddleFileMissing();
    // The clock goes again however the riddle ended, even after a finished game.
    Timer1->start(SecondsInterval);
}

void Form1::showRiddle(int number) {
    FrmZAG &riddles = m_program.frmZAG();
    riddles.DoZagadki(number);
    riddles.move(frameGeometry().topLeft() + QPoint(px(RiddleOffset), px(RiddleOffset)));
    // Returns when the right answer has hidden the window.
    riddles.exec();
}

void Form1::riddleFileMissing() {
    showMessage(this, QStringLiteral("Ошибочка"),
                QStringLiteral("Нет файла\n%1\nс загадками")
                    .arg(QDir::toNativeSeparators(riddleFilePath(m_program.state.appFolder))));
}

void Form1::DoURL(const QString &strUrl) {
    // The desktop hands the address to the browser; whether it can is not the game's concern.
    QDesktopServices::openUrl(QUrl(strUrl));
}

void Form1::ChangePicSet() {
    ::ChangePicSet(board, deal, m_program.state, m_program.form2().selectedPictureSet(),
                   m_program.random, fileExists);
    m_access->dealt(m_program.state.PicFolder);
}

void Form1::cardClicked(int k) {
    const int previous = board.PrevCard;
    const TurnOutcome out = board.click(k);
    for (int slot : out.soundSlots)
        m_program.play(slot);
    showCard(k);
    for (int card : out.turnedDown)
        Foto[card]->clearPicture();
    m_access->turned(k, previous, out);
    if (out.victory) {
        victory();
    } else if (out.startTenths) {
        Timer2->start(TenthsInterval);
    }
}

void Form1::showCard(int k) {
    // A picture that will not load shows a stand-in face; the board still compares paths.
    Foto[k]->setPicture(m_program.pictures.picture(board.CardPic[k], Foto[k]->size(),
                                                   Foto[k]->devicePixelRatioF()));
}

void Form1::victory() {
    // A game won before the clock's first tick still shows the caption "Time": its time is
    // the clock's count, so that the result is a number.
    if (!parseLocaleNumber(lblTime->text()))
        lblTime->setText(QString::number(m_program.state.ClockSeconds));
    lblEnd[1]->setText(lblTime->text());
    Timer1->stop();
    Timer2->stop();
    ProverkaRekorda();
    for (QRadioButton *kind : optKartinka) {
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
    if (txtRec->isEnabled())
        txtRec->setFocus();
    else
        cmdEND[0]->setFocus();
    m_access->victory(lblTime->text(), txtRec->isEnabled());
    // A table that cannot take the result: the player hears why over the frame, once a game.
    if (!m_refusal.isEmpty() && !m_refusalTold) {
        m_refusalTold = true;
        showMessage(this, QString::fromLatin1(AppTitle), m_refusal);
    }
}

void Form1::ProverkaRekorda() {
    ProgramState &state = m_program.state;
    board.PlayerKind = Board::KindNone;
    EnsureRecordFile();
    // A table that cannot be read, or that the merge would refuse, offers no record: the player
    // is told why instead of being asked for a name that could not be stored. With no file at
    // all (a folder where nothing can be saved) every result is a record, as the table is empty.
    const QString path = recordFilePath();
    const bool russian = state.Language == Lang::Russian;
    const auto table = readRecordTable(path);
    if (!table && QFileInfo::exists(path))
        m_refusal = unreadableTableMessage(path, russian);
    else if (table && table->fault != RecordTable::Fault::None)
        m_refusal = refusedMergeMessage(*table, path, russian);
    else
        m_refusal.clear();
    const auto time = parseLocaleNumber(lblTime->text());
    const RecordRank rank = time && m_refusal.isEmpty()
                                ? rankTime(table.value_or(RecordTable{}), static_cast<float>(*time))
                                : RecordRank::NoRecord;

    const bool record = rank != RecordRank::NoRecord;
    if (rank == RecordRank::FirstPlace) {
        m_program.play(SoundSlot::FirstPlace);
        lblEnd[0]->setText(state.MsgFirstPlace);
    } else if (rank == RecordRank::TopTen) {
        m_program.play(SoundSlot::TopTen);
        lblEnd[0]->setText(state.MsgTopTen);
    } else {
        m_program.play(SoundSlot::Victory);
    }
    txtRec->setEnabled(record);
    cmdEND[2]->setEnabled(record);
    for (QRadioButton *kind : optKartinka)
        kind->setEnabled(record);
    if (record) {
        lblEnd[2]->setText(state.MsgSignUp);
    } else {
        lblEnd[0]->setText(state.MsgNoRecord);
        lblEnd[2]->setText(QStringLiteral("seconds"));
    }
    for (int i : {0, 2})
        fitFontToBox(lblEnd[i], HeadlinePixels, HeadlineMinPixels);
}

QString Form1::recordFilePath() const {
    return ::recordFilePath(m_program.state.WriteFolder);
}

void Form1::EnsureRecordFile() {
    // A folder that cannot be written shows up when a record is stored; nothing to say yet.
    ::EnsureRecordFile(recordFilePath(), placeholderDate());
}

QString Form1::pictureSetCaption() {
    // The set on the board, whatever the options have chosen since it was dealt.
    const int set = deal.Set;
    return set >= 0 && set < PictureSetCount ? m_program.form2().optP[set]->text() : QString();
}

void Form1::ZapisRecord() {
    ProgramState &state = m_program.state;
    if (state.PlayerName.isEmpty())
        state.PlayerName = state.UnknownName;
    if (board.PlayerKind == Board::KindNone)
        board.PlayerKind = KindNotChosen;
    if (m_program.cannotSave(this))
        return;

    NewRecord record;
    record.time = lblTime->text();
    record.name = state.PlayerName;
    record.setName = pictureSetCaption();
    record.kind = board.PlayerKind;
    record.date = recordDate(QDate::currentDate());
    const QString problem =
        storeRecord(recordFilePath(), record, placeholderDate(), state.Language == Lang::Russian);
    if (!problem.isEmpty())
        showMessage(this, QString::fromLatin1(AppTitle), problem);
}

void Form1::nameTyped() {
    setRecordButtonDefault(true);
}

void Form1::setRecordButtonDefault(bool on) {
    cmdEND[2]->setDefault(on);
    QFont font = cmdEND[2]->font();
    font.setBold(on);
    cmdEND[2]->setFont(font);
}

void Form1::enterRecord() {
    ProgramState &state = m_program.state;
    txtRec->setText(txtRec->text().replace(QLatin1Char('~'), QLatin1Char('-')));
    state.PlayerName = txtRec->text();
    txtRec->clear();
    Frame2->hide();
    board.OpenPairs = 0;
    state.ClockSeconds = 0;
    Timer2->stop();
    Timer1->start(SecondsInterval);
    setRecordButtonDefault(false);
    m_access->focusCard(m_access->focusedCard(), true);
    ZapisRecord();
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
    ProgramState &state = m_program.state;
    state.SavedSeconds = state.ClockSeconds;
    Form2 &options = m_program.form2();
    options.move(frameGeometry().topLeft() + QPoint(px(OptionsOffsetX), px(OptionsOffsetY)));
    options.exec();
}

void Form1::toggleHelp() {
    const ProgramState &state = m_program.state;
    if (txtHELP->isVisible()) {
        txtHELP->hide();
        txtHELP->clear();
        cmdTOP[2]->setText(state.CapHelp);
        return;
    }
    txtHELP->show();
    txtHELP->raise();
    cmdTOP[2]->setText(state.CapHelpClose);
    txtHELP->setPlainText(helpBoxText(state.appFolder, state.HelpFileName, QStringLiteral("\n")));
}

void Form1::toggleRecords() {
    const ProgramState &state = m_program.state;
    EnsureRecordFile();
    const RecordTable table = readRecordTable(recordFilePath()).value_or(RecordTable{});
    const QVector<RecordRow> rows = recordRows(table);
    RecLines = qMin(table.linesRead, RecordViewLines);
    if (lvRecord->isVisible()) {
        lvRecord->clear();
        lvRecord->hide();
        cmdTOP[3]->setText(state.CapRecords);
        return;
    }
    lvRecord->show();
    lvRecord->raise();
    cmdTOP[3]->setText(state.CapRecClose);
    lvRecord->fill(rows);
}

void Form1::clearBoard() {
    for (CardWidget *card : Foto)
        card->clearPicture();
    board.reset();
    m_program.state.ClockSeconds = 0;
    Timer2->stop();
    m_refusalTold = false;
}

void Form1::playAgain() {
    Frame2->hide();
    clearBoard();
    m_program.state.ClockSeconds = 0;
    Timer1->start(SecondsInterval);
    m_access->focusCard(m_access->focusedCard(), true);
}

void Form1::toggleSound() {
    Form2 &options = m_program.form2();
    options.chkS->setCheckState(options.chkS->checkState() == Qt::Unchecked ? Qt::Checked
                                                                            : Qt::Unchecked);
    options.SetSound();
}

void Form1::setBackgroundPicture(const QPixmap &picture) {
    m_background = picture;
    update();
}

void Form1::paintEvent(QPaintEvent *) {
    if (m_background.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void Form1::closeEvent(QCloseEvent *event) {
    event->accept();
    // A replaced window may live on for a while; its clock must not count any more.
    Timer1->stop();
    Timer2->stop();
    m_program.mainWindowClosed(this);
}
