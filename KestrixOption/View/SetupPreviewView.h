#pragma once

#include "HvMessageBox.h"

#include <QStringList>

class QListWidget;

// What importing a set-up file will change, before anything is: the program's message box with a
// list of the changes (one a line, the mouse's buttons, settings and the macros the library
// gains) between its heading and its buttons, Import and Cancel.
class SetupPreviewView : public HvMessageBox {
    Q_OBJECT
public:
    SetupPreviewView(const QString& heading, const QStringList& changes, const QString& note,
                     QWidget* parent = nullptr);

    QListWidget* changeList() const { return list_; }
    // Run modally; true for Import.
    static bool confirm(const QString& heading, const QStringList& changes, const QString& note);

private:
    QListWidget* list_ = nullptr;
};
