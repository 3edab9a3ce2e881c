#include "RigthMouseTBView.h"

#include "HvButton.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace {
constexpr int kIconWidth = 24;
constexpr int kDelayWidth = 74;
} // namespace

RigthMouseTBView::RigthMouseTBView(QWidget* parent) : QTableView(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(
        "QTableView { background: black; border: 1px solid #3a3d44; outline: none; }"
        "QTableView:focus { border: 1px solid #c4141c; }"
        "QScrollBar:vertical { background: #0b0c0e; width: 10px; margin: 0; }"
        "QScrollBar::handle:vertical { background: #3a3d44; min-height: 24px; border-radius: 4px;"
        " margin: 1px; }"
        "QScrollBar::handle:vertical:hover { background: #555963; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);
}

void RigthMouseTBView::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    fitColumns();
}

int RigthMouseTBView::selectedRow() const {
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RigthMouseTBView::selectRow(int row) {
    if (!model() || !selectionModel())
        return;
    if (row < 0 || row >= model()->rowCount()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    const QModelIndex index = model()->index(row, 1);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

bool RigthMouseTBView::offer(QMouseEvent* event, bool press) {
    if (delegate_)
        delegate_->onMouseEvent(this, event, HvButtonDelegate::eventType(event, press));
    return capture_;
}

void RigthMouseTBView::mousePressEvent(QMouseEvent* event) {
    if (offer(event, true))
        return;
    switch (event->button()) {
    case Qt::LeftButton:
        // A press below the last row keeps the selection.
        if (!indexAt(event->position().toPoint()).isValid()) {
            setFocus(Qt::MouseFocusReason);
            return;
        }
        QTableView::mousePressEvent(event);
        return;
    case Qt::RightButton:
        event->ignore(); // on to the editor
        return;
    default:
        QTableView::mouseReleaseEvent(event);
        return;
    }
}

void RigthMouseTBView::mouseReleaseEvent(QMouseEvent* event) {
    if (offer(event, false))
        return;
    QTableView::mouseReleaseEvent(event);
}

void RigthMouseTBView::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a quick double click: a press to the delegate like the first.
    if (offer(event, true))
        return;
    if (event->button() == Qt::LeftButton)
        QTableView::mouseDoubleClickEvent(event);
}

void RigthMouseTBView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    fitColumns();
}

void RigthMouseTBView::fitColumns() {
    const int width = viewport()->width();
    setColumnWidth(0, kIconWidth);
    setColumnWidth(2, kDelayWidth);
    setColumnWidth(1, std::max(40, width - kIconWidth - kDelayWidth));
}
