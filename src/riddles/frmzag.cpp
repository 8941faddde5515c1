// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays out the riddles window and wires its pictures, hot spots and dragging to the riddle rules.
#include "riddles/frmzag.h"

#include "game/gamemodel.h"
#include "game/program.h"
#include "riddles/riddlefile.h"
#include "settings/soundtable.h"
#include "ui/clicklabel.h"
#include "ui/fittext.h"
#include "ui/labelstyle.h"
#include "ui/picturepart.h"
#include "ui/pointers.h"
#include "ui/randomsource.h"
#include "ui/windowshape.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int ClientWidth = 464;
constexpr int ClientHeight = 334;
// The visible part of the window: a rectangle with rounded corners.
constexpr int ShapeLeft = 100;
constexpr int ShapeTop = 10;
constexpr int ShapeRight = 444;
constexpr int ShapeBottom = 220;
constexpr int ShapeCorner = 30;

const QColor Cream(255, 248, 225);
const QColor HeadingColour(Qt::white);
const QColor NumberColour(255, 192, 192);
const QColor RiddleColour(128, 128, 255);
const QColor InstructionColour(0, 0, 128);

constexpr QRect HeadingLabel(153, 22, 249, 17);
constexpr QRect NumberLabel(222, 22, 25, 17);
constexpr QRect RiddleLabel(120, 56, 313, 97);
constexpr QRect InstructionLabel(120, 144, 313, 17);
constexpr QRect NextSpot[2] = {QRect(410, 23, 17, 17), QRect(115, 24, 17, 17)};
constexpr int PictureX[3] = {144, 248, 344};
constexpr int PictureY = 163;
constexpr QSize PictureSize(57, 41);

constexpr int HeadingPixels = 16;
constexpr int InstructionPixels = 11;
constexpr int MinPixels = 8;

constexpr Qt::Alignment RiddleAlignment = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment VerdictAlignment = Qt::AlignHCenter | Qt::AlignTop;

QLabel *textLabel(QWidget *parent, const QRect &geometry, const QColor &colour, int pixelSize,
                  bool bold) {
    auto *label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(RiddleAlignment);
    // The window under the labels takes their presses: it is dragged from them.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextLook(label, pixelSize, bold, colour);
    return label;
}

} // namespace

FrmZAG::FrmZAG(Program &program, GameModel &model)
    : m_program(program), m_model(model), m_riddle(model.appFolder()) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Чьи это слова? Загадка:"));
    setFixedSize(ClientWidth, ClientHeight);
    m_background = hiDpiPixmap(QStringLiteral(":/riddles/frame.png"), devicePixelRatioF());

    // The one-line captions keep to their labels even where the screen's font runs wider.
    setMask(
        roundRectRegion(ShapeLeft, ShapeTop, ShapeRight, ShapeBottom, ShapeCorner, ShapeCorner));
    SetTopmost(this, true);

    lbl[0] = textLabel(this, HeadingLabel, HeadingColour, HeadingPixels, true);
    lbl[0]->setText(QStringLiteral("Загадка    : Чьи это слова?"));
    lbl[0]->setWordWrap(false);
    fitFontToWidth(lbl[0], HeadingPixels, MinPixels);
    lbl[1] = textLabel(this, RiddleLabel, RiddleColour, 13, true);
    lbl[2] = textLabel(this, InstructionLabel, InstructionColour, InstructionPixels, false);
    lbl[2]->setText(QString(18, QLatin1Char('.')) +
                    QStringLiteral(" Выбери один из возможных ответов ") +
                    QString(19, QLatin1Char('.')));
    lbl[2]->setWordWrap(false);
    fitFontToWidth(lbl[2], InstructionPixels, MinPixels);
    lbl[3] = textLabel(this, NumberLabel, NumberColour, HeadingPixels, true);
    lbl[3]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbl[3]->setFont(lbl[0]->font());
    placeNumber();

    // The hot spots have no caption: the arrows are in the window's picture.
    const char *tips[2] = {"Следующая", "Предыдущая"};
    for (int i = 0; i < 2; ++i) {
        auto *spot = new ClickLabel(this);
        spot->setGeometry(NextSpot[i]);
        spot->setToolTip(QString::fromUtf8(tips[i]));
        spot->setCursor(handCursor());
        spot->onClick = [this, i] { lblNEXTClick(i); };
        spot->setAccessibleName(spot->toolTip());
        spot->setFocusPolicy(Qt::TabFocus);
        lblNEXT[i] = spot;
    }
    for (int k = 0; k < 3; ++k) {
        auto *picture = new ClickLabel(this);
        picture->setGeometry(QRect(QPoint(PictureX[k], PictureY), PictureSize));
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setCursor(handCursor());
        picture->setMouseTracking(true);
        picture->onClick = [this, k] { imgClick(k); };
        picture->onMove = [this, k] { imgMouseMove(k); };
        picture->setAccessibleName(QStringLiteral("Картинка %1").arg(k + 1));
        picture->setFocusPolicy(Qt::TabFocus);
        img[k] = picture;
    }
    for (int i = 0; i < 4; ++i)
        lbl[i]->setObjectName(QStringLiteral("lbl(%1)").arg(i));
    for (int i = 0; i < 2; ++i)
        lblNEXT[i]->setObjectName(QStringLiteral("lblNEXT(%1)").arg(i));
    for (int k = 0; k < 3; ++k)
        img[k]->setObjectName(QStringLiteral("img(%1)").arg(k));
    QWidget::setTabOrder(img[0], img[1]);
    QWidget::setTabOrder(img[1], img[2]);
    QWidget::setTabOrder(img[2], lblNEXT[1]);
    QWidget::setTabOrder(lblNEXT[1], lblNEXT[0]);
}

void FrmZAG::placeNumber() {
    // The number stands over the blanks before the heading's colon, wherever the font puts them.
    const QString heading = lbl[0]->text();
    const QFontMetrics metrics(lbl[0]->font());
    const int from = metrics.horizontalAdvance(heading.left(heading.indexOf(QLatin1Char(' '))));
    const int to = metrics.horizontalAdvance(heading.left(heading.indexOf(QLatin1Char(':'))));
    lbl[3]->move(lbl[0]->x() + (from + to - lbl[3]->width()) / 2, lbl[3]->y());
}

void FrmZAG::DoZagadki(int n) {
    m_riddle.read();
    KonkretZagadka(QString::number(n));
    // The keyboard starts on the first picture.
    img[0]->setFocus();
}

void FrmZAG::KonkretZagadka(const QString &number) {
    m_riddle.show(number.toInt());
    setRiddleCaption(m_riddle.text());
    for (int k = 0; k < 3; ++k) {
        // A picture that is missing or unreadable leaves its place empty.
        img[k]->setPixmap(
            visiblePart(m_riddle.picturePath(k), PictureSize, img[k]->devicePixelRatioF()));
    }
    lbl[3]->setText(QString::number(m_riddle.number() + 1));
}

void FrmZAG::imgClick(int k) {
    const Riddle::Verdict verdict = m_riddle.judge(k, m_model.random().next());
    lbl[1]->setAlignment(VerdictAlignment);
    setRiddleCaption(RiddleLineBreak + RiddleLineBreak + verdict.words);
    m_model.play(verdict.right ? SoundSlot::Pair : SoundSlot::Click);
    pause();
    if (verdict.right)
        hide();
    setRiddleCaption(m_riddle.text());
    lbl[1]->setAlignment(RiddleAlignment);
}

void FrmZAG::lblNEXTClick(int i) {
    m_riddle.step(i == 0);
    KonkretZagadka(QString::number(m_riddle.number()));
}

void FrmZAG::imgMouseMove(int k) {
    // The last riddle has pointers of its own; once set, a picture keeps its pointer.
    if (!m_riddle.hasOwnPointers())
        return;
    if (const auto pointer = iconCursor(m_riddle.pointerPath(k)))
        img[k]->setCursor(*pointer);
}

void FrmZAG::setRiddleCaption(const QString &text) {
    // The riddle file's lines end in CR LF; a label breaks its lines at LF alone.
    lbl[1]->setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FrmZAG::pause() {
    // The verdict is on the screen before the pause; the window goes on painting during it,
    // and the player's clicks and keys wait until it is over.
    lbl[1]->repaint();
    QEventLoop loop;
    QTimer::singleShot(PauseMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void FrmZAG::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (QWidget *main = m_program.mainWindow(); main && main->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(main->windowHandle());
    }
    // With no window manager the stacking is the order of raising alone: a window shown again
    // keeps its old place, below a main window built after it.
    raise();
    activateWindow();
}

void FrmZAG::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), Cream);
    painter.drawPixmap(0, 0, m_background);
}

void FrmZAG::mousePressEvent(QMouseEvent *event) {
    // Any button held on the window's body or its texts moves the window, as a title bar would.
    event->accept();
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void FrmZAG::mouseMoveEvent(QMouseEvent *event) {
    if (m_dragOffset && event->buttons() != Qt::NoButton)
        move(event->globalPosition().toPoint() - *m_dragOffset);
}

void FrmZAG::mouseReleaseEvent(QMouseEvent *event) {
    if (event->buttons() == Qt::NoButton)
        m_dragOffset.reset();
}

void FrmZAG::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        // There is no way out but the right answer: Escape does not close the window.
        event->accept();
        return;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
        // The keys 1, 2 and 3 choose a picture, as a click on it does.
        imgClick(event->key() - Qt::Key_1);
        return;
    case Qt::Key_PageDown:
        lblNEXTClick(0); // the next riddle
        return;
    case Qt::Key_PageUp:
        lblNEXTClick(1); // the previous one
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
