// The board for the keyboard and for screen readers.
#include "game/boardaccess.h"

#include "game/boardfocus.h"
#include "game/cardwidget.h"
#include "game/form1.h"
#include "game/program.h"
#include "i18n/accessibletexts.h"
#include "records/recordsview.h"
#include "ui/accessibility.h"
#include "ui/clicklabel.h"
#include "ui/focusring.h"
#include "ui/programstate.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

BoardAccess::BoardAccess(Form1 &window) : m_window(window) {
    installAccessibleControls();
    installFocusRing();
    // Says nothing on screen; screen readers hear what it announces.
    m_status = new QLabel(&window);
    m_status->setObjectName(QStringLiteral("announcements"));
    m_status->setGeometry(0, 0, 1, 1);
    for (int k = 0; k < CardCount; ++k) {
        CardWidget *card = window.Foto[k];
        card->setFocusPolicy(k == m_focus ? Qt::TabFocus : Qt::NoFocus);
        card->describe = [this, k] { return cardText(k); };
        card->onArrow = [this, k](int columns, int rows) {
            focusCard(moveFocus(k, columns, rows), true);
        };
    }
    applyLanguage();
}

bool BoardAccess::russian() const {
    return m_window.program().state.Language == 0;
}

void BoardAccess::focusCard(int card, bool take) {
    if (card < 0 || card >= CardCount)
        return;
    const bool boardHasFocus = m_window.Foto[m_focus]->hasFocus();
    m_window.Foto[m_focus]->setFocusPolicy(Qt::NoFocus);
    m_focus = card;
    m_window.Foto[card]->setFocusPolicy(Qt::TabFocus);
    if (take || boardHasFocus)
        m_window.Foto[card]->setFocus(Qt::OtherFocusReason);
}

void BoardAccess::dealt(const QString &setFolder) {
    m_names = readPictureNames(setFolder);
}

QString BoardAccess::cardText(int k) const {
    const Board &board = m_window.board;
    if (k < 0 || k >= CardCount)
        return QString();
    const CardState state = !board.FaceUp[k]    ? CardState::FaceDown
                            : board.CardOpen[k] ? CardState::Found
                                                : CardState::FaceUp;
    const QString picture = pictureName(m_names, Board::pictureNumber(board.CardPic[k]), russian());
    return cardName(k, state, picture, russian());
}

void BoardAccess::cardChanged(int k) const {
    if (!QAccessible::isActive() || k < 0 || k >= CardCount)
        return;
    QAccessibleEvent event(m_window.Foto[k], QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardAccess::turned(int card, int previous, const TurnOutcome &out) {
    cardChanged(card);
    cardChanged(previous);
    for (int k : out.turnedDown)
        cardChanged(k);
    if (out.matched) {
        const QString picture =
            pictureName(m_names, Board::pictureNumber(m_window.board.CardPic[card]), russian());
        announce(m_status, pairFoundText(picture, russian()));
    } else if (!out.turnedDown.isEmpty()) {
        announce(m_status, noMatchText(russian()));
    }
}

void BoardAccess::victory(const QString &time, bool record) {
    announce(m_status, victoryText(time, record, russian()));
}

void BoardAccess::applyLanguage() {
    const bool ru = russian();
    m_status->setAccessibleName(controlName(ControlName::Status, ru));
    m_window.txtRec->setAccessibleName(controlName(ControlName::NameBox, ru));
    m_window.lvRecord->setAccessibleName(controlName(ControlName::RecordsView, ru));
    m_window.txtHELP->setAccessibleName(controlName(ControlName::HelpBox, ru));
    const ControlName kinds[3] = {ControlName::Boy, ControlName::Girl, ControlName::Friend};
    for (int i = 0; i < 3; ++i)
        m_window.optKartinka[i]->setAccessibleName(controlName(kinds[i], ru));
    for (int k = 0; k < CardCount; ++k)
        cardChanged(k);
}
