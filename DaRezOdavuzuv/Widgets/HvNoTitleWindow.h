#pragma once

#include <QAccessible>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

// A top-level window without title bar or frame. Its content view fills it; an optional strip
// along the top edge moves the window when the user presses in it and drags. Closing the window
// only hides it, so it can be shown again later. Screen readers meet it by its role (a frame,
// a dialog, an alert), named by its title and described by its accessible description.
class HvNoTitleWindow : public QWidget {
    Q_OBJECT

public:
    // Where the window stays among the others.
    enum class Level {
        Normal,   // an ordinary window: task bar entry, takes the focus when shown
        Floating, // stays above ordinary windows
        // An overlay: stays above every other window, never takes the keyboard focus, lets mouse
        // input through to the windows below, has no task bar entry and does not keep the
        // program running on its own.
        ScreenSaver,
    };

    // A window whose content area has the given geometry (screen coordinates, top-left origin).
    explicit HvNoTitleWindow(const QRect& contentRect, QWidget* parent = nullptr);

    bool isCanDrag() const { return canDrag_; }
    void setIsCanDrag(bool canDrag);
    // Height of the drag strip in pixels (default 30); negative values count as 0.
    int dragHeight() const { return dragHeight_; }
    void setDragHeight(int height);

    // The view filling the window; the window takes ownership and deletes the previous one.
    // Null removes the content.
    QWidget* contentView() const { return contentView_; }
    void setContentView(QWidget* view);

    Level level() const { return level_; }
    // Applies at once, also to a window that is showing (it stays shown).
    void setLevel(Level level);

    // Opaque windows paint their palette background under the content; otherwise (the default)
    // whatever the content leaves unpainted is transparent where the desktop composites windows.
    // Where it does not (an X server without a compositing manager, where an alpha channel shows
    // black), the window is shaped instead: a mask of the pixels its content paints at least
    // half opaque, over black. The choice is made each time the window is shown.
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    // Whether the window is shaped by a mask rather than translucent.
    bool isShaped() const { return shaped_; }
    // Recomputes the mask of a shaped window from what its content paints now: called when it is
    // shown or resized, and by a content view whose shape changed.
    void updateShape();

    // Whether the desktop composites translucent windows: false on an X server where no
    // compositing manager owns _NET_WM_CM_S<screen>, true elsewhere.
    static bool desktopComposites();

    // A hidden window gives back its window-system window, which also takes it out of the
    // program's windows that assistive technology lists; showing it again makes a new one.
    void releaseNativeWindow();

    // QAccessible::Window (the default), Dialog, AlertMessage or Notification.
    QAccessible::Role accessibleRole() const { return accessibleRole_; }
    void setAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }

Q_SIGNALS:
    // The window is about to close (close(), or the window system asked); it is still shown.
    void windowWillClose(HvNoTitleWindow* window);

protected:
    void setVisible(bool visible) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyLevel();
    bool inDragStrip(const QPoint& localPos) const;

    QPointer<QWidget> contentView_;
    Level level_ = Level::Normal;
    bool canDrag_ = true;
    bool opaque_ = false;
    QAccessible::Role accessibleRole_ = QAccessible::Window;
    bool shaped_ = false;
    int dragHeight_ = 30;
    bool dragging_ = false;
    QPoint dragOffset_; // press position relative to the window's top-left corner
};
