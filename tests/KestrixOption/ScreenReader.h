#pragma once

#include "EventLoopWait.h"
#include "HvButton.h"
#include "HvSetpPanelObj.h"

#include <QAccessible>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

// A member of a group of exclusive choices as a screen reader works it: a radio button with a
// press action and no toggle, pressed through its accessible interface. The click it stands for
// comes from the event loop a moment later; this returns once it and its action have run.
inline void pressAsScreenReader(HvButton* item) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(item);
    EXPECT_EQ(a->role(), QAccessible::RadioButton) << qPrintable(a->text(QAccessible::Name));
    ASSERT_TRUE(a->actionInterface());
    const QStringList actions = a->actionInterface()->actionNames();
    ASSERT_TRUE(actions.contains(QAccessibleActionInterface::pressAction()))
        << qPrintable(actions.join(", "));
    EXPECT_FALSE(actions.contains(QAccessibleActionInterface::toggleAction()));
    QSignalSpy clicked(item, &QAbstractButton::clicked);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(KxTest::waitFor([&] { return !clicked.isEmpty(); }))
        << "no click for " << qPrintable(a->text(QAccessible::Name));
}

// The members of a group that are checked, numbered from 1.
inline std::vector<int> checkedItems(HvSetpPanelObj* group) {
    std::vector<int> out;
    for (size_t i = 0; i < group->items().size(); ++i)
        if (group->items()[i]->isChecked())
            out.push_back(int(i) + 1);
    return out;
}
