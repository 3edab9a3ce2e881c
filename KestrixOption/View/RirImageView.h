#pragma once

#include "KxLayout.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

class HvButton;
class QPainter;

// Base of every picture-drawn view. The view's background picture holds its whole artwork; its
// hover, pressed, disabled and (optional) selected pictures show every control in that state, and
// the controls made by the KxAction factories cut their own pictures from these at their frames.
//
// Creation runs the hooks initData, initControls, refreshData in this order (from init(), which
// the derived view's constructor calls when its members exist). Entering a parent runs
// initNotify; leaving it runs deallocNotify; destruction runs deallocData. Every control's action
// reaches buttonAction with the control as sender (its tag tells which); a modal view's OK,
// Cancel and Apply are dispatched here (setDialogButtons).
class RirImageView : public QWidget {
    Q_OBJECT
public:
    explicit RirImageView(const QRect& frame, QWidget* parent = nullptr);
    ~RirImageView() override;

    // The picture naming scheme: n itself; then "<base>_Over.<ext>", "_Down", "_Disable",
    // "_Active", where base is n before its first "_" (or n less its extension) and ext is n's
    // extension. A picture that does not exist is none; an empty name changes nothing.
    void setImageByName(const QString& name);
    // "<base>_<state>.<ext>" from the program's pictures, the @2x variant on a screen that wants
    // it; none when it does not exist.
    QImage getImageByName(const QString& base, KxLayout::State state, const QString& ext) const;
    // A picture of the program by file name ("Selected.png"), at this view's density.
    QImage pictureNamed(const QString& fileName) const;

    // The state pictures of setImageByName load when first asked for: until then they decode in
    // the background, so that a view's first frame waits only for the pictures it shows.
    const QImage& bgImage() const { return bgImage_; }
    const QImage& overImage() const { return statePicture(Over); }
    const QImage& downImage() const { return statePicture(Down); }
    const QImage& disableImage() const { return statePicture(Disable); }
    const QImage& activeImage() const { return statePicture(Active); }
    void setBgImage(const QImage& image);
    // The four state pictures at once (a view whose pictures do not follow the naming scheme).
    void setImages(const QImage& over, const QImage& down, const QImage& disable,
                   const QImage& active = QImage());
    QColor bgColor() const { return bgColor_; }
    void setBgColor(const QColor& colour);
    int frmHeight() const { return frmHeight_; }

    // The device pixel ratio the pictures are loaded for: 2 on a screen above 1, else 1.
    qreal pictureRatio() const;

    // The words of the view's layout, translated in this context (the layout's name; a
    // literal's, so that it outlives the view).
    const char* textContext() const { return textContext_; }
    void setTextContext(const char* context) { textContext_ = context; }
    QString shown(std::string_view text) const;
    // The words drawn over the background picture (titles, captions, lines of text).
    void setTextPainter(std::function<void(QPainter&)> painter);

    // The hooks; all empty here.
    virtual void initData() {}
    virtual void initControls() {}
    virtual void refreshData() {}
    virtual void initNotify() {}
    virtual void deallocNotify() {}
    virtual void saveData() {}
    virtual void fillSettingData() {}
    virtual void saveSettingData() {}
    virtual void resetSettingData() {}
    virtual void deallocData() {}
    // Runs the action of the dialog button whose tag the sender has (setDialogButtons); nothing
    // for any other control. A view's own buttonAction passes it what it does not take itself.
    virtual void buttonAction(QObject* sender);
    // A number field made by AddNumTextField committed a value.
    virtual void onNumTextChange(QObject* sender);
    // A slider made by AddControl changed its value.
    virtual void progessBarAction(QObject* sender);

protected:
    // A modal view's OK, Cancel and (where it has one) Apply button: its tag and what it runs.
    struct DialogButton {
        int tag = 0;
        std::function<void()> action;
    };
    void setDialogButtons(std::vector<DialogButton> buttons);
    // Runs initData, initControls and refreshData; the derived constructor calls it.
    void init();
    // A view run fully modal in its window: ends the run with the code (or hides the window when
    // no run is going on).
    void endWindowRun(int code);
    // Calls handler, once, when the view's run ends other than by endWindowRun: its window
    // closed (by the window system, say), hidden or destroyed, or the run stopped from outside
    // (HvModal::stopModal, which hides the window). A window minimised has not ended. Call from
    // initNotify, once the view is in its window.
    void onRunEndedOtherwise(std::function<void()> handler);
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum StateIndex { Over, Down, Disable, Active, StateCount };
    const QImage& statePicture(StateIndex state) const;

    QImage bgImage_;
    // A state's file name until it is loaded into its picture.
    mutable std::array<QImage, StateCount> statePictures_;
    mutable std::array<QString, StateCount> statePictureNames_;
    qreal statePictureRatio_ = 1; // the background's, when it was set
    const char* textContext_ = "KxLayout";
    std::function<void(QPainter&)> textPainter_;
    QColor bgColor_ = Qt::transparent;
    std::vector<DialogButton> dialogButtons_;
    int frmHeight_ = 0;
    bool inParent_ = false;
    bool runEnded_ = false;
    bool deallocated_ = false;
};
