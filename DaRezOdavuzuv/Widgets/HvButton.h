#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

#include <array>
#include <functional>

class QMouseEvent;

// What a button's hover delegate may be told. Hover itself is posted as the in-process
// notifications "HvNotifyShowTipNameStr" / "HvNotifyHideTipNameStr" (object: the button) while a
// delegate is set; a button in capture mode (macro recording) offers its presses and releases
// here instead of acting on them.
class HvButtonDelegate {
public:
    virtual ~HvButtonDelegate();
    // Kinds of captured mouse events.
    enum MouseEventType {
        LeftDown = 4,
        LeftUp = 5,
        RightDown = 6,
        RightUp = 7,
        OtherDown = 8,
        OtherUp = 9,
    };
    // Whether a press or release on a button in capture mode is captured (true) or handled as
    // usual (false, e.g. the STOP button while recording).
    virtual bool checkMouseEvent(QObject* sender, QMouseEvent* event);
    virtual void onMouseEvent(QObject* sender, QMouseEvent* event, MouseEventType type);
    // The kind of a press or release by its button.
    static MouseEventType eventType(const QMouseEvent* event, bool press);
};

// A button drawn from pictures: normal, hover, pressed, disabled and, for held states (a checked
// check box or radio item), selected; without a selected picture the pressed one shows. Its title
// is drawn over the picture, padded left and right and cut at its tail with an ellipsis.
//
// It is a real QAbstractButton: it takes the focus with Tab, acts on Space and Enter, shows a
// focus ring in the accent colour when the keyboard brought the focus, and tells screen readers
// its name (the accessible name, else the title, else the tooltip), its role, whether it is
// checked, and an action that is its click (HvAccessible.h).
class HvButton : public QAbstractButton {
    Q_OBJECT
public:
    using Action = std::function<void(HvButton*)>;

    // The accent of the whole look (focus ring, selected list rows): RGB 0.492 / 0.022 / 0.031.
    static QColor accentColor();

    // What assistive technology is told the button is. Auto: a push button, or a check box in
    // check-box mode. Radio: one of its group's exclusive choices (HvSetpPanelObj makes its
    // members so); Chooser: a button that opens a list, its title the entry chosen (its value);
    // Indicator: a check box that only shows a state the program sets.
    enum class Role { Auto, Radio, Chooser, Indicator };

    explicit HvButton(QWidget* parent = nullptr);
    ~HvButton() override;

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    // Pictures; each may be null. Their device pixel ratio says how they map to points.
    void setImages(const QImage& normal, const QImage& over, const QImage& down,
                   const QImage& disable, const QImage& selected = QImage());
    // The hover, pressed and disabled pictures, in that order, made when first drawn or asked
    // for: cut from a view's pictures that may still be decoding when the button is made.
    using LaterPictures = std::function<std::array<QImage, 3>()>;
    void setImages(const QImage& normal, LaterPictures later);
    const QImage& normalImage() const { return normal_; }
    const QImage& overImage() const;
    const QImage& downImage() const;
    const QImage& disableImage() const;
    const QImage& selectedImage() const { return selected_; }
    // The picture drawn for the current state.
    const QImage& currentImage() const;

    // Left click (or Space / Enter) and right click.
    void setAction(Action action) { action_ = std::move(action); }
    void setRightAction(Action action) { rightAction_ = std::move(action); }

    void setRole(Role role) { role_ = role; }
    Role role() const { return role_; }
    // The group a radio item belongs to (its HvSetpPanelObj).
    void setRadioGroup(QObject* group) { radioGroup_ = group; }
    QObject* radioGroup() const { return radioGroup_; }

    // Check-box mode: a click toggles the checked state; the selected picture shows it.
    void setIsCheckBox(bool isCheckBox);
    bool isCheckBox() const { return isCheckable(); }
    bool Checked() const { return isChecked(); }

    // Picture-shaped: the button is only where its normal picture is not transparent, for
    // clicks and hover alike; events elsewhere reach the widgets below (overlapping shapes).
    void setIsNoanomaly(bool shaped);
    bool isNoanomaly() const { return shaped_; }
    // Whether hovering changes the picture (check boxes that only show a state have none).
    void setHasHover(bool hasHover) { hasHover_ = hasHover; }

    void setHvBtnDelege(HvButtonDelegate* delegate) { delegate_ = delegate; }
    HvButtonDelegate* hvBtnDelege() const { return delegate_; }
    // Capture mode: presses and releases go to the delegate (macro recording).
    void setIsCaptureMouseEvent(bool capture) { capture_ = capture; }
    bool isCaptureMouseEvent() const { return capture_; }

    // Which of its pictures the button shows now: normal, under the pointer, pressed, disabled,
    // or held (checked; the pressed picture when it has no selected one).
    enum class Face { Normal, Over, Down, Disable, Selected };
    Face currentFace() const;
    // Drawn over the picture in its face, before the title: the words of a picture-drawn control,
    // in the user's language and the look of its picture.
    using FacePainter = std::function<void(QPainter&, Face)>;
    void setFacePainter(FacePainter painter);

    // Title text and its look.
    void setLeftPad(int pad);
    void setRightPad(int pad);
    void setTitleColor(const QColor& colour);
    void setTitleAlignment(Qt::Alignment alignment);
    // The title as drawn: up to three pixels smaller where it is too long for the room between
    // the pads, then cut at its tail.
    QFont titleFont() const;
    QString elidedTitle() const;

    bool isHovered() const { return hovered_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A radio item stays checked when clicked again; its group unchecks it.
    void nextCheckState() override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool captured(QMouseEvent* event, bool press);
    void updateShape();
    void makeLaterPictures() const;

    int tag_ = 0;
    Role role_ = Role::Auto;
    QObject* radioGroup_ = nullptr;
    QImage normal_, selected_;
    mutable QImage over_, down_, disable_;
    mutable LaterPictures later_;
    Action action_, rightAction_;
    FacePainter facePainter_;
    bool shaped_ = false;
    bool hasHover_ = true;
    bool capture_ = false;
    bool hovered_ = false;
    bool keyboardFocus_ = false;
    bool rightPressed_ = false;
    HvButtonDelegate* delegate_ = nullptr;
    int leftPad_ = 0;
    int rightPad_ = 0;
    QColor titleColor_ = Qt::white;
    Qt::Alignment titleAlignment_ = Qt::AlignCenter;
};
