#pragma once

#include "HvButton.h"
#include "HvMessageBox.h"
#include "HvNoTitleWindow.h"
#include "PopDialogView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <vector>

// Answers the window's modal pop-ups and message boxes as they open, from inside their modal
// runs, and keeps their names (a picture pop-up's, or "message") and texts in order. Answers are
// taken in order; any further one is OK.
class PopUps {
public:
    enum class Answer { Ok, Cancel, Escape };

    PopUps() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start();
    }
    void answer(std::initializer_list<bool> answers) {
        answers_.clear();
        for (const bool ok : answers)
            answers_.push_back(ok ? Answer::Ok : Answer::Cancel);
    }
    void answer(std::initializer_list<Answer> answers) { answers_.assign(answers); }
    // Runs while the named pop-up is up, before it is answered.
    std::function<void(const QString&)> whileShown;
    QStringList seen;
    QStringList texts; // a message box's text; a picture pop-up's name

private:
    void look() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || answered_.contains(top))
                continue;
            auto* window = qobject_cast<HvNoTitleWindow*>(top);
            auto* popup = window ? qobject_cast<PopDialogView*>(window->contentView()) : nullptr;
            auto* box = qobject_cast<HvMessageBox*>(top);
            if (!popup && !box)
                continue;
            answered_.append(top);
            const QString name = popup ? popup->imageNameStr() : QStringLiteral("message");
            seen << name;
            texts << (popup ? name : box->message());
            if (whileShown)
                whileShown(name);
            const Answer answer = answers_.empty() ? Answer::Ok : answers_.front();
            if (!answers_.empty())
                answers_.erase(answers_.begin());
            if (answer == Answer::Escape) {
                QWidget* target = popup ? static_cast<QWidget*>(popup) : box;
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(target, &escape);
            } else if (popup) {
                (answer == Answer::Ok || !popup->cancelBtn() ? popup->okBtn() : popup->cancelBtn())
                    ->click();
            } else {
                (answer == Answer::Ok || !box->cancelButton() ? box->okButton()
                                                              : box->cancelButton())
                    ->click();
            }
        }
    }
    QTimer timer_;
    std::vector<Answer> answers_;
    QList<QPointer<QWidget>> answered_;
};
