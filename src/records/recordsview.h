// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The records view: the hall of fame as a report list on light yellow.
#pragma once

#include "records/recordrows.h"

#include <QCollator>
#include <QColor>
#include <QTreeWidget>

// The light yellow of the records view and of the help box that shares its place.
inline const QColor ViewBackground(255, 255, 192);

class RecordsView : public QTreeWidget {
    Q_OBJECT

  public:
    enum Column { Gamer, Place, Time, Set, Date, ColumnCount };

    explicit RecordsView(QWidget *parent = nullptr);

    // Shows the rows sorted by the current sort column and numbers the places in that order.
    void fill(const QVector<RecordRow> &rows);

    // Sorts by the column's text, ascending; the column stays the sort column from then on.
    // The places keep their numbers.
    void sortByCellText(int column);

    // Names and other cells are sorted as the interface language orders words.
    void setLanguage(const QLocale &language);
    const QCollator &collator() const { return m_collator; }

    // Picture n (1..8) of the view's image list.
    static QIcon imageListIcon(int n);

  protected:
    // Left and right move over the columns, S (or Enter) sorts by the column the keyboard is on.
    void keyPressEvent(QKeyEvent *event) override;

  private:
    int m_sortKey = Time;
    QCollator m_collator{QLocale(QLocale::English)};
};
