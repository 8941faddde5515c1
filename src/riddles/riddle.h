// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The riddle on show: the texts read from the riddle file, its number, its right picture and
// the verdict on an answer.
#pragma once

#include "riddles/riddlerules.h"

#include <QString>
#include <QStringList>

class Riddle {
  public:
    explicit Riddle(const QString &appFolder);

    // Reads the riddle file afresh.
    void read();
    // Shows riddle n of the texts read.
    void show(int n);
    // Steps to the next riddle (forward) or the previous one, wrapping around.
    void step(bool forward);

    int number() const { return m_number; }
    int answer() const { return m_answer; }
    // The riddle's text as the player reads it.
    QString text() const;
    // Picture k (0, 1 or 2) offered as an answer, and the pointer over it.
    QString picturePath(int k) const;
    QString pointerPath(int k) const;
    // The last riddle has pointers of its own over its pictures.
    bool hasOwnPointers() const { return m_number == RiddleCount - 1; }

    struct Verdict {
        bool right = false;
        QString words;
    };
    // Picture k as the answer, its words drawn with the uniform draw r in [0, 1).
    Verdict judge(int k, double r) const;

  private:
    QString m_appFolder;
    QStringList m_texts;
    int m_number = 0;
    int m_answer = 0;
};
