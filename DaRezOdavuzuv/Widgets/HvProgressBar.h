#pragma once

#include <QAbstractSlider>
#include <QImage>

#include <functional>

// A horizontal slider drawn from pictures. Bar style 1: the track picture with a knob picture at
// the value. Bar style 2 (no knob): the track picture, with the hover picture shown from the left
// edge up to the value, a bar that fills. The value moves with the mouse (press or drag anywhere
// on the track), the arrow keys, Page Up / Page Down, Home and End, and assistive technology
// sets it. Every change of the value runs the change action once, whoever made it (the user, a
// screen reader, the program's setValue); an owner that fills the slider from its own data
// ignores the action meanwhile. Screen readers see a slider with its value.
class HvProgressBar : public QAbstractSlider {
    Q_OBJECT
public:
    using Action = std::function<void(HvProgressBar*)>;

    explicit HvProgressBar(QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    void setBarStyle(int style);
    int barStyle() const { return barStyle_; }
    void setBackgroundImage(const QImage& image);
    void setOverImage(const QImage& image);
    const QImage& overImage() const { return over_; }
    void setSliderImage(const QImage& knob);
    const QImage& sliderImage() const { return knob_; }
    // Kept for the views that set them; the knob is always centred on its value.
    void setIsConImage(bool value) { conImage_ = value; }
    void setCalcType(int type) { calcType_ = type; }

    void setAction(Action action) { action_ = std::move(action); }

    // What assistive technology is told of the value: the value in the user's units (the
    // slider's own value times scale plus offset: stage 0 is 1, 16 hundreds are 1600 DPI) and
    // the words a user sees for it ("Stage 1 of 4", "1600 DPI"), its value text and its
    // description, told again as it changes.
    struct Spoken {
        int scale = 1;
        int offset = 0;
        std::function<QString(int)> words;
    };
    void setSpoken(Spoken spoken);
    int spokenValue(int value) const { return value * spoken_.scale + spoken_.offset; }
    // The slider's value nearest a value in the user's units.
    int valueForSpoken(double spoken) const;
    int spokenStep() const { return singleStep() * spoken_.scale; }
    // The words for the current value; empty without words.
    QString valueWords() const;

    // The point on the track where a value lies, and the value nearest a point.
    int positionOf(int value) const;
    int valueAt(int x) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int knobWidth() const;
    void moveTo(int x);

    int tag_ = 0;
    int barStyle_ = 1;
    int calcType_ = 0;
    bool conImage_ = false;
    bool dragging_ = false;
    bool hovered_ = false;
    bool keyboardFocus_ = false;
    QImage background_, over_, knob_;
    Action action_;
    Spoken spoken_;
};
