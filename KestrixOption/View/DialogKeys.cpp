#include "DialogKeys.h"

#include <QKeyEvent>
#include <QWidget>

DialogKeys::DialogKeys(QWidget* dialog, Action ok, Action cancel, const QWidget* cancelButton)
    : QObject(dialog), ok_(std::move(ok)), cancel_(std::move(cancel)), cancelButton_(cancelButton) {
    dialog->installEventFilter(this);
    for (QWidget* child : dialog->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Escape:
        cancel_();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (takesEnter_ && takesEnter_(watched))
            return false;
        if (!key->isAutoRepeat())
            (watched == cancelButton_ ? cancel_ : ok_)();
        return true;
    default:
        return false;
    }
}
