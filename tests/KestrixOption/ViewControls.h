#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// A view's control by the name its layout gives it: the object name the control factory sets (a
// radio group's is its group's name). A missing one fails the test that asks for it.
template <class Control = QWidget>
Control* named(const QObject* view, const char* name) {
    Control* control = view ? view->findChild<Control*>(QLatin1String(name)) : nullptr;
    EXPECT_TRUE(control) << "no " << Control::staticMetaObject.className() << " named " << name;
    return control;
}

// A key pressed on a control, and what it set going: a slider runs its action for a key after
// the key's event.
inline void pressKey(QWidget* control, Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) {
        QTest::keyClick(control, key);
        QCoreApplication::processEvents();
    }
}
