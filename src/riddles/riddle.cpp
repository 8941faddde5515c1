// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddle on show, from the riddle file and the riddle rules.
#include "riddles/riddle.h"

#include "riddles/riddlefile.h"

Riddle::Riddle(const QString &appFolder) : m_appFolder(appFolder) {}

void Riddle::read() {
    m_texts = cutRiddles(readRiddleText(riddleFilePath(m_appFolder), RiddleLineBreak));
}

void Riddle::show(int n) {
    m_number = n;
    m_answer = answerPicture(n);
}

void Riddle::step(bool forward) {
    show(steppedRiddle(m_number, RiddleCount, forward));
}

QString Riddle::text() const {
    return shownRiddle(m_texts, m_number, RiddleLineBreak);
}

QString Riddle::picturePath(int k) const {
    return riddlePicturePath(m_appFolder, QString::number(m_number), k);
}

QString Riddle::pointerPath(int k) const {
    return riddlePointerPath(m_appFolder, k);
}

Riddle::Verdict Riddle::judge(int k, double r) const {
    static const auto words = verdictWords();
    const bool right = k == m_answer;
    return {right, words[verdictIndex(right, r)]};
}
