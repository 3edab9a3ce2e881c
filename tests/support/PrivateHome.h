#pragma once

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points HOME and every XDG folder into a temporary directory before the first test, so that
// nothing reads or writes the user's own, and keeps GSettings in memory. prepare() runs after
// the folders exist and before any test, for files that GLib must see on its first look.
class PrivateHome : public testing::Environment {
public:
    void SetUp() override;
    virtual void prepare() {}

    static QString dir(const char* name); // "config", "data", "state", ...

private:
    QTemporaryDir root_;
};
