#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <utility>
#include <vector>

class NotificationDisplay;
class QPainter;

// The daemon's on-screen display: shows one picture of the mouse's new state (DPI stage with
// its value, polling rate, profile, lock) and closes its window after a few timer ticks. The
// window is only hidden, so the window and this view serve every later display.
//
// Where windows of ours cannot be placed nor kept from the keyboard (Wayland), the same displays
// go to the desktop's notification service instead (setNotificationDisplay): the view then sends
// the display's words, and neither shows a window nor counts down. On X11 the window is a
// notification to assistive technology, named by the words and announced with each display.
//
// All calls come on the main thread; the timer runs on its event loop.
class ShowMsgView : public QWidget {
    Q_OBJECT

public:
    // Geometry, in pixels with a top-left origin.
    static constexpr QSize kContentSize{613, 186}; // the window's content
    static constexpr QSize kViewSize{613, 130};    // the pictures, and the view's initial frame
    static constexpr int kBottomMargin = 100;      // from the window's bottom to the screen's
    // Where the DPI value goes, in the stage picture's own coordinates; the artwork leaves this
    // area free.
    static constexpr QRect kDpiTextRect{56, 47, 273, 71};
    static constexpr int kDpiFontSize = 90;     // pixels
    static constexpr int kDpiXYFontSize = 70;   // pixels, for separate X and Y values
    static constexpr int kTickIntervalMs = 500; // one timer tick
    static constexpr int kDisplayTicks = 6;     // ticks from the last show request to closing
    static inline const QString kDpiFontName = QStringLiteral("RARIVIVIRA");

    // Font and colour of drawn text.
    struct TextAttributes {
        QFont font;
        QColor colour;
    };

    // initWithFrame: a view with the given frame that has loaded its pictures.
    explicit ShowMsgView(const QRect& frame, QWidget* parent = nullptr);

    // The window's geometry for a screen with the given geometry: content size, centred
    // horizontally, kBottomMargin above the screen's bottom edge. At the origin for an empty
    // screen geometry (no screen).
    static QRect windowGeometry(const QRect& screenGeometry);
    // The view's frame inside the window's content: the bottom kViewSize of it.
    static QRect viewFrame();

    // Tags and picture names of the image table ("dpi0" -> "Level1.png", ...).
    static const std::vector<std::pair<QString, QString>>& imageTable();
    // The resource picture of that name ("Level1.png"), its "@2x" variant for a device pixel
    // ratio above 1 (with the image's device pixel ratio set to 2). Null when it is missing.
    static QImage loadTableImage(const QString& fileName, qreal devicePixelRatio);

    // The words of a display, as a notification shows them: "Profile 2", "500 Hz", "Locked",
    // "Unlocked", "1600 DPI · stage 2 of 4". Empty for a tag without a picture.
    static QString textForTag(const QString& tag);
    static QString dpiText(int stage, int x);

    // Sends every later display to the desktop's notifications instead of the window (not
    // owned; null: back to the window).
    void setNotificationDisplay(NotificationDisplay* notifications);
    NotificationDisplay* notificationDisplay() const { return notifications_; }

    // Shows the table's picture for the tag; an empty tag, or a tag without a picture, shows an
    // empty (transparent) view. Then showImagePro().
    void showWithImageTag(const QString& tag);
    // Shows the profile's picture (profile 0..4) with the application it was chosen for under its
    // title; the words "Profile 2 · GIMP" for a screen reader and a notification.
    void showProfileFor(int profile, const QString& application);
    // Shows the stage picture of stage (0..3) with the value x (in units of 100 DPI, kept within
    // what the mouse can have, KxProtocol::kMinDpiValue..kMaxDpiValue) drawn into its DPI area.
    // Pictures exist for equal x and y only; otherwise, or for a stage without a picture, nothing
    // changes, no timer starts and false is returned.
    bool showDpi(int stage, int x, int y);
    // Restarts the countdown (kDisplayTicks), starts the timer when none runs, redraws now and
    // shows the window, fully opaque and above others: a window is never up without its
    // countdown. With notifications, sends the picture and its text instead (withdraws the last
    // one for a display without picture).
    void showImagePro();
    // One timer tick: after the last one the timer stops and the window is closed through the
    // event loop (unless a new display started in the meantime).
    void timerPro();
    // Closes (hides) the view's window; the window is kept.
    void closeViewPro();

    QImage showImage() const { return showImage_; }
    void setShowImage(const QImage& image) { showImage_ = image; }
    // True while no display timer runs.
    bool isStop() const { return stop_; }
    // Ticks left before the window closes.
    int32_t timeSetp() const { return timeSetp_; }
    // The text last drawn by showDpi ("1600"); empty before the first one.
    QString dpiText() const { return dpiText_; }
    // The words of the display shown last (textForTag).
    QString showText() const { return showText_; }
    const QHash<QString, QImage>& imageArr() const { return imageArr_; }

    // Text attributes: the font kDpiFontName of that pixel size, else the system font of that
    // size, and the colour.
    static TextAttributes getStrAtt(const QColor& colour, int size);
    // Draws the text with the tight bounding box of its glyphs centred in the rectangle, the
    // font made smaller when the text would not fit, and nothing painted outside the rectangle.
    static void drawStringCenteredIn(QPainter& painter, const QRect& rect,
                                     const TextAttributes& attributes, const QString& text);
    // A copy of the stage picture with the text drawn into kDpiTextRect.
    static QImage composeDpiImage(const QImage& stageImage, const TextAttributes& attributes,
                                  const QString& text);

protected:
    // drawRect: clears the view, then copies the picture's pixels centred into it.
    void paintEvent(QPaintEvent* event) override;
    void drawImage(QPainter& painter, const QRect& rect);

private:
    // (Re)loads the table's pictures when the screen's pixel density asks for the other variant.
    void loadImagesForScreen();

    QHash<QString, QImage> imageArr_;
    qreal imageRatio_ = 0; // device pixel ratio the table was loaded for
    QImage showImage_;     // null: none
    bool stop_ = true;
    int32_t timeSetp_ = 0;
    QTimer timer_;
    QString dpiText_;
    QString showText_;
    // A notification's words: "1600 DPI" and "Stage 2 of 4"; a display of a tag has no body.
    QString summary_;
    QString body_;
    NotificationDisplay* notifications_ = nullptr;
};
