#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Enter and Escape of a dialog wherever its focus is: Escape cancels; Enter is OK, except on the
// focused Cancel button, where it cancels. A pop-up list opened from the dialog is a window of
// its own and keeps its keys. Watches the dialog and the controls it has when made.
class DialogKeys : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;

    DialogKeys(QWidget* dialog, Action ok, Action cancel, const QWidget* cancelButton);
    // Enter on a control for which this answers true is the control's own (it chooses it), not
    // OK.
    void setEnterTaker(std::function<bool(const QObject*)> takesEnter) {
        takesEnter_ = std::move(takesEnter);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Action ok_;
    Action cancel_;
    const QWidget* cancelButton_;
    std::function<bool(const QObject*)> takesEnter_;
};
