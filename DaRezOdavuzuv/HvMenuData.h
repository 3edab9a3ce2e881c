#pragma once

#include <QString>

// Item data of a menu list: the shown title and a type the list widget interprets.
class HvMenuData {
public:
    virtual ~HvMenuData();

    const QString& titleStr() const { return titleStr_; }
    void setTitleStr(const QString& title) { titleStr_ = title; }
    int type() const { return type_; }
    void setType(int type) { type_ = type; }

private:
    QString titleStr_;
    int type_ = 0;
};
