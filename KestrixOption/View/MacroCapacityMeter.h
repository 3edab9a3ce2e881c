#pragma once

#include <QWidget>

// How much of the mouse's step area a macro fills: the device steps it needs (an inserted
// command is a chord of several presses and releases) against the 40 a button holds, as a bar
// and a line of text. Over the limit the bar turns bright red and the text says that the mouse
// plays only the first 40. While recording it says so.
class MacroCapacityMeter : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDeviceSteps = 40;

    explicit MacroCapacityMeter(QWidget* parent = nullptr);

    // Device steps of the shown macro; -1 when no macro is shown.
    void setCount(int deviceSteps);
    int count() const { return count_; }
    void setRecording(bool recording);
    // The line shown ("12 of 40 steps on the mouse", ...).
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void changed();

    int count_ = -1;
    bool recording_ = false;
};
