#pragma once

#include <QTableView>

class HvButtonDelegate;

// The macro editor's step table: a table without header, black, rows of 20 points, a row always
// selected once there is one, no type-to-select, a vertical scroller that stays.
//
// Every press and release of a mouse button on it is first offered to its hover delegate (the
// editor), as HvButton's capture mode does: 4/5 left down/up, 6/7 right, 8/9 any other button.
// In capture mode (recording) that is all; otherwise a left press or release and a right release
// get the table's own handling, a right press goes on to the editor, and the other buttons act
// as a left release.
class RigthMouseTBView : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;

    explicit RigthMouseTBView(QWidget* parent = nullptr);

    void setHvBtnDelege(HvButtonDelegate* delegate) { delegate_ = delegate; }
    HvButtonDelegate* hvBtnDelege() const { return delegate_; }
    void setIsCaptureMouseEvent(bool capture) { capture_ = capture; }
    bool isCaptureMouseEvent() const { return capture_; }

    // The selected row, -1 when none.
    int selectedRow() const;
    // Selects a row and scrolls to it; -1 clears the selection.
    void selectRow(int row);

    void setModel(QAbstractItemModel* model) override;
    void keyboardSearch(const QString&) override {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Offers the event to the delegate; true when the table is not to handle it further.
    bool offer(QMouseEvent* event, bool press);
    void fitColumns();

    HvButtonDelegate* delegate_ = nullptr;
    bool capture_ = false;
};
