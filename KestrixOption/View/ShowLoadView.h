#pragma once

#include <QTimer>
#include <QWidget>

// The loading window's content: a clear view; animating, it shows "Loading.gif", the program's
// spinner, which this view draws frame by frame (a ring of twelve bars whose brightest bar turns
// once a second) while it animates and not at all otherwise.
class ShowLoadView : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{173, 173};
    static constexpr int kFrames = 12;
    static constexpr int kFrameMs = 1000 / kFrames;

    explicit ShowLoadView(QWidget* parent = nullptr);

    // Adds or removes the animation.
    void setAnt(bool animating);
    bool isAnimating() const { return showView_ != nullptr; }
    // The spinner view while animating, else null.
    QWidget* showView() const { return showView_; }

private:
    QWidget* showView_ = nullptr;
};
