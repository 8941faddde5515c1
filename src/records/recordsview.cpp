// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays out the records view's columns and icons and keeps its rows sorted by cell text.
#include "records/recordsview.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {

// Rows just taller than their 16-pixel icons, so that a full table of ten fits the view's
// height without a scroll bar.
constexpr int RowHeight = 17;
constexpr int HeaderHeight = 19;

struct ColumnSpec {
    const char *caption;
    int widthHundredthsMm;
    int headerIcon; // 0: none
};

// Widths as the window was designed, in hundredths of a millimetre.
const ColumnSpec Columns[RecordsView::ColumnCount] = {
    {"Gamer", 3334, 1}, {"\u2116", 794, 0}, {"Time", 1984, 2}, {"Set", 2646, 3}, {"Date", 2117, 8},
};

int pixelsFromHundredthsMm(int hundredths) {
    constexpr double DotsPerInch = 96.0;
    constexpr double HundredthsMmPerInch = 2540.0;
    return qRound(hundredths * DotsPerInch / HundredthsMmPerInch);
}

// Rows compare by the text of the sort column: names and the other texts as people read them
// in the interface language, ignoring case ("Ёжик" between "Егор" and "Жора"); the places as
// plain text, so "10" comes before "2".
class RecordItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override {
        const auto *view = static_cast<const RecordsView *>(treeWidget());
        const int column = view ? view->sortColumn() : 0;
        if (!view || column == RecordsView::Place)
            return text(column) < other.text(column);
        return view->collator().compare(text(column), other.text(column)) < 0;
    }
};

} // namespace

RecordsView::RecordsView(QWidget *parent) : QTreeWidget(parent) {
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
    setColumnCount(ColumnCount);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ViewBackground);
    pal.setColor(QPalette::Window, ViewBackground);
    setPalette(pal);

    auto *header = new QTreeWidgetItem;
    for (int c = 0; c < ColumnCount; ++c) {
        header->setText(c, QString::fromUtf8(Columns[c].caption));
        if (Columns[c].headerIcon)
            header->setIcon(c, imageListIcon(Columns[c].headerIcon));
    }
    setHeaderItem(header);
    for (int c = 0; c < ColumnCount; ++c)
        setColumnWidth(c, pixelsFromHundredthsMm(Columns[c].widthHundredthsMm));

    // Clicking a header always sorts ascending by its column; the direction never flips.
    QHeaderView *head = this->header();
    head->setSectionsClickable(true);
    head->setSortIndicatorShown(true);
    head->setSortIndicator(m_sortKey, Qt::AscendingOrder);
    head->setStretchLastSection(false);
    head->setFixedHeight(HeaderHeight);
    connect(head, &QHeaderView::sectionClicked, this, &RecordsView::sortByCellText);
}

QIcon RecordsView::imageListIcon(int n) {
    return QIcon(QStringLiteral(":/records/icons/%1.png").arg(n));
}

void RecordsView::fill(const QVector<RecordRow> &rows) {
    clear();
    QList<QTreeWidgetItem *> items;
    for (const RecordRow &row : rows) {
        auto *item = new RecordItem;
        item->setText(Gamer, row.name);
        if (row.icon)
            item->setIcon(Gamer, imageListIcon(row.icon));
        item->setText(Time, row.time);
        item->setText(Set, row.setName);
        item->setText(Date, row.date);
        item->setSizeHint(Gamer, QSize(0, RowHeight));
        items.append(item);
    }
    addTopLevelItems(items);
    sortItems(m_sortKey, Qt::AscendingOrder);
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setText(Place, QString::number(i + 1));
}

void RecordsView::setLanguage(const QLocale &language) {
    m_collator = QCollator(language);
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void RecordsView::sortByCellText(int column) {
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortKey = column;
    header()->setSortIndicator(column, Qt::AscendingOrder);
    sortItems(column, Qt::AscendingOrder);
}

void RecordsView::keyPressEvent(QKeyEvent *event) {
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const int column = current.isValid() ? current.column() : m_sortKey;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int step = event->key() == Qt::Key_Left ? -1 : 1;
        const int next = qBound(0, column + step, ColumnCount - 1);
        if (topLevelItemCount() > 0)
            setCurrentIndex(model()->index(qMin(row, topLevelItemCount() - 1), next));
        return;
    }
    case Qt::Key_S:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        sortByCellText(column);
        return;
    default:
        QTreeWidget::keyPressEvent(event);
    }
}
