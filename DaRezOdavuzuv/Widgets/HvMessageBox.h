#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's message box, drawn in its look: a borderless dark panel with the message in white
// and OK (and Cancel) buttons. Enter is OK, Escape is Cancel (or OK when there is none).
// HvAction::showInfoMessage and HvAction::ChooseInfoMessage run it. Its title is the one given,
// else its parent window's, else the program's name; assistive technology meets an alert, named
// by the title and described by the message.
class HvMessageBox : public QDialog {
    Q_OBJECT
public:
    HvMessageBox(const QString& message, bool withCancel, QWidget* parent = nullptr,
                 const QString& title = {});

    QString message() const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* label_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
