// KxAction's widget operations: the control factories of the picture-drawn views, the menu lists,
// the picture pop-up and the loading window. They live in the widget library so that the
// headless core links no QtGui or QtWidgets.
#include "KxAction.h"

#include "HvButton.h"
#include "HvMenulist.h"
#include "HvModal.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvTextField.h"
#include "HvTreeNode.h"
#include "KxGlobals.h"
#include "KxLayout.h"
#include "KxTextLook.h"
#include "KxWidgetGlobals.h"
#include "PopDialogView.h"
#include "PopupLayout.h"
#include "RirImageView.h"
#include "ShowLoadView.h"
#include "TooltipManager.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <algorithm>

HvMenulist* macroMenuList = nullptr;
HvNoTitleWindow* showLoadFrm = nullptr;
bool isNeedSave = false;

namespace {

QFont smallSystemFont(int pixelSize) {
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

void placeAt(QWidget* control, const QRect& frame, RirImageView* parent) {
    control->setParent(parent);
    control->setGeometry(frame);
    control->show();
}

// Pictures of a control cut from its view's at its frame; its states' when first drawn (the
// view's state pictures may still be decoding).
void cutPictures(HvButton* button, const QRect& frame, const RirImageView& parent) {
    const QPointer<const RirImageView> view(&parent);
    button->setImages(KxAction::GetImageFromRect(parent.bgImage(), frame),
                      [view, frame]() -> std::array<QImage, 3> {
                          if (!view)
                              return {};
                          const QImage& pressed = view->activeImage().isNull()
                                                      ? view->downImage()
                                                      : view->activeImage();
                          return {KxAction::GetImageFromRect(view->overImage(), frame),
                                  KxAction::GetImageFromRect(pressed, frame),
                                  KxAction::GetImageFromRect(view->disableImage(), frame)};
                      });
}

KxAction::ButtonAction toParent(KxAction::ButtonAction action, RirImageView* parent) {
    if (action)
        return action;
    return [parent](HvButton* button) { parent->buttonAction(button); };
}

void onMainThread(std::function<void()> work) {
    if (QThread::currentThread() == qApp->thread())
        work();
    else
        QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

} // namespace

HvButton* KxAction::AddButton(const QRect& frame, ButtonAction action, ButtonAction rightAction,
                              RirImageView* parent) {
    auto* button = new HvButton;
    cutPictures(button, frame, *parent);
    button->setFont(smallSystemFont(11));
    button->setTitleAlignment(Qt::AlignCenter);
    button->setAction(toParent(std::move(action), parent));
    if (rightAction)
        button->setRightAction(std::move(rightAction));
    placeAt(button, frame, parent);
    return button;
}

HvButton* KxAction::AddCheckBox(const QRect& frame, ButtonAction action, ButtonAction rightAction,
                                RirImageView* parent) {
    HvButton* button = AddButton(frame, std::move(action), std::move(rightAction), parent);
    button->setIsCheckBox(true);
    return button;
}

HvProgressBar* KxAction::AddProBar(const QRect& frame, SliderAction action, RirImageView* parent,
                                   const QImage& knob, int maximum, int minimum) {
    auto* bar = new HvProgressBar;
    bar->setBarStyle(1);
    const QImage track = GetImageFromRect(parent->bgImage(), frame);
    bar->setBackgroundImage(track);
    bar->setOverImage(track);
    bar->setSliderImage(knob);
    bar->setRange(minimum, maximum);
    bar->setAction(std::move(action));
    placeAt(bar, frame, parent);
    return bar;
}

HvTextField* KxAction::AddTextField(const QRect& frame, RirImageView* parent) {
    auto* field = new HvTextField;
    field->setBordered(true);
    field->setEditable(true);
    field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    field->setFont(font);
    placeAt(field, frame, parent);
    return field;
}

HvTextField* KxAction::AddLabTextField(const QRect& frame, RirImageView* parent) {
    HvTextField* label = AddTextField(frame, parent);
    label->setEditable(false);
    label->setBordered(false);
    return label;
}

HvNumberTextField* KxAction::AddNumTextField(const QRect& frame, RirImageView* parent, int maxNum,
                                             int minNum, int maxLen, bool hasNeg) {
    auto* field = new HvNumberTextField;
    field->setBordered(false);
    field->setEditable(true);
    field->setLimits(minNum, maxNum, maxLen, hasNeg);
    field->setAction([parent](HvNumberTextField* sender) { parent->onNumTextChange(sender); });
    placeAt(field, frame, parent);
    return field;
}

namespace {

// What assistive technology is told of a control, from its row, in the user's language.
void describe(QWidget* control, const KxLayout::Control& row, const RirImageView& view) {
    control->setObjectName(KxLayout::text(row.name));
    if (!row.spoken.empty())
        control->setAccessibleName(view.shown(row.spoken));
    if (!row.description.empty())
        control->setAccessibleDescription(view.shown(row.description));
    if (!row.tooltip.empty())
        control->setToolTip(KxWidgets::tooltipText(KxLayout::text(row.tooltip)));
    if (!KxLayout::takesFocus(row))
        control->setFocusPolicy(Qt::NoFocus);
}

// The button's label drawn over its pictures in each of its faces, as the artwork would; a label
// cut to fit shows whole in the tooltip.
void drawLabel(HvButton* button, const KxLayout::Control& row, const RirImageView& view) {
    const QString words = view.shown(row.label);
    const KxTextLook::PlacedLabel label =
        KxTextLook::placeControlLabel(row, QRectF(QPointF(0, 0), QSizeF(row.frame.size())), words);
    const QPointer<const RirImageView> parent(&view);
    button->setFacePainter([label, parent](QPainter& painter, HvButton::Face face) {
        using KxLayout::State;
        State state = State::Normal;
        switch (face) {
        case HvButton::Face::Normal:
            break;
        case HvButton::Face::Over:
            state = State::Over;
            break;
        case HvButton::Face::Down:
        case HvButton::Face::Selected:
            // The pressed picture of a view with held states is its held one (cutPictures),
            // asked for only once a control shows it.
            state = parent && !parent->activeImage().isNull() ? State::Active : State::Down;
            break;
        case HvButton::Face::Disable:
            state = State::Disable;
            break;
        }
        KxTextLook::drawControlLabel(painter, label, state);
    });
    if (button->toolTip().isEmpty() && !label.fitted.whole)
        button->setToolTip(words);
}

int digits(int number) {
    return int(QString::number(number).size());
}

QWidget* makeControl(const KxLayout::Control& row, RirImageView* parent) {
    using KxLayout::Kind;
    switch (row.kind) {
    case Kind::Button:
    case Kind::IconButton:
        return KxAction::AddButton(row.frame, nullptr, nullptr, parent);
    case Kind::CheckBox:
    case Kind::Tab:
    case Kind::RadioItem: {
        HvButton* box = KxAction::AddCheckBox(row.frame, nullptr, nullptr, parent);
        if (KxLayout::roleOf(row) == KxLayout::Role::Indicator) {
            // It shows a state the view sets; the pointer goes through it.
            box->setRole(HvButton::Role::Indicator);
            box->setHasHover(false);
            box->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        return box;
    }
    case Kind::MouseButton: {
        HvButton* button = KxAction::AddButton(row.frame, nullptr, nullptr, parent);
        KxAction::setBtnNoanomaly(button, KxLayout::text(row.picture), parent);
        return button;
    }
    case Kind::Selector: {
        // Only its selected picture: the place lit when it is picked.
        HvButton* button = KxAction::AddCheckBox(row.frame, nullptr, nullptr, parent);
        button->setImages(
            {}, {}, {}, {},
            parent->pictureNamed(KxLayout::text(row.picture) + QStringLiteral(".png")));
        button->setCursor(Qt::PointingHandCursor);
        return button;
    }
    case Kind::ListButton: {
        HvButton* button = KxAction::AddButton(row.frame, nullptr, nullptr, parent);
        KxAction::setBtnAtr(button);
        button->setRightPad(18); // the list's arrow is drawn in the last 18 points
        // Its title is the entry chosen: its value to a screen reader, not its name.
        button->setRole(HvButton::Role::Chooser);
        return button;
    }
    case Kind::Slider:
    case Kind::FillSlider: {
        const bool fills = row.knob.empty();
        HvProgressBar* bar = KxAction::AddProBar(
            row.frame, [parent](HvProgressBar* sender) { parent->progessBarAction(sender); },
            parent, fills ? QImage() : parent->pictureNamed(KxLayout::text(row.knob)), row.maximum,
            row.minimum);
        bar->setPageStep(row.step);
        if (fills) {
            // A bar that fills up to its value: its hover picture is the filled bar of the view's.
            bar->setBarStyle(2);
            bar->setCalcType(1);
            bar->setOverImage(KxAction::GetImageFromRect(parent->overImage(), row.frame));
        } else {
            bar->setIsConImage(true);
        }
        return bar;
    }
    case Kind::NumberField:
        return KxAction::AddNumTextField(row.frame, parent, row.maximum, row.minimum,
                                         digits(std::max(row.maximum, -row.minimum)),
                                         row.minimum < 0);
    case Kind::TextField:
        return KxAction::AddTextField(row.frame, parent);
    case Kind::Label:
        return KxAction::AddLabTextField(row.frame, parent);
    case Kind::Picture: {
        auto* picture = new QLabel;
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        placeAt(picture, row.frame, parent);
        return picture;
    }
    case Kind::Table:
        return nullptr;
    }
    return nullptr;
}

} // namespace

QWidget* KxAction::AddControl(const KxLayout::Control& row, RirImageView* parent) {
    QWidget* control = makeControl(row, parent);
    if (!control)
        return nullptr;
    if (auto* button = qobject_cast<HvButton*>(control))
        button->setTag(row.tag);
    else if (auto* bar = qobject_cast<HvProgressBar*>(control))
        bar->setTag(row.tag);
    else if (auto* field = qobject_cast<HvTextField*>(control))
        field->setTag(row.tag);
    describe(control, row, *parent);
    if (auto* button = qobject_cast<HvButton*>(control); button && !row.label.empty())
        drawLabel(button, row, *parent);
    return control;
}

void KxAction::placeControl(QWidget* control, const KxLayout::Control& row, RirImageView* parent) {
    if (!control)
        return;
    placeAt(control, row.frame, parent);
    describe(control, row, *parent);
}

void KxAction::setBtnNoanomaly(HvButton* button, const QString& imageName, RirImageView* parent) {
    if (!button || imageName.isEmpty())
        return;
    button->setIsNoanomaly(true);
    using KxLayout::State;
    const QPointer<const RirImageView> view(parent);
    button->setImages(parent->getImageByName(imageName, State::Normal, QStringLiteral("png")),
                      [view, imageName]() -> std::array<QImage, 3> {
                          if (!view)
                              return {};
                          const QString png = QStringLiteral("png");
                          return {view->getImageByName(imageName, State::Over, png),
                                  view->getImageByName(imageName, State::Down, png),
                                  view->getImageByName(imageName, State::Disable, png)};
                      });
}

QImage KxAction::GetImageFromRect(const QImage& image, const QRect& rect) {
    if (image.isNull() || rect.isEmpty())
        return {};
    const qreal ratio = image.devicePixelRatio();
    const QRect pixels(qRound(rect.x() * ratio), qRound(rect.y() * ratio),
                       qRound(rect.width() * ratio), qRound(rect.height() * ratio));
    QImage cut = image.copy(pixels); // 1:1, outside the source stays transparent
    cut.setDevicePixelRatio(ratio);
    return cut;
}

void KxAction::setBtnAtr(HvButton* button) {
    if (!button)
        return;
    button->setLeftPad(2);
    button->setRightPad(40);
    button->setTitleColor(Qt::white);
    button->setTitleAlignment(Qt::AlignCenter);
    button->setFont(smallSystemFont(12));
}

void KxAction::refreshMenuListData(HvMenulist** list, HvMenulistDelegate* delegate,
                                   HvTreeNode* node, int width) {
    if (!node || !list)
        return;
    if (!*list) {
        auto* made = new HvMenulist(node);
        made->setDelegate(delegate);
        made->setTextColor(Qt::white);
        made->setBackgroundColor(QColor::fromRgbF(0.222f, 0.222f, 0.222f));
        made->setSelectedTextColor(Qt::white);
        made->setSelectedBackgroundColor(QColor::fromRgbF(0.492f, 0.022f, 0.031f));
        made->setBorderColor(QColor::fromRgbF(0, 0, 0.017f));
        made->setListFont(smallSystemFont(12));
        made->setMenuWidth(width);
        made->setIsTitleCenter(true);
        *list = made;
    }
    (*list)->setNode(node);
}

void KxAction::showMenulistWithBtn(HvButton* button, HvMenulist* list,
                                   const std::function<bool(const HvTreeNode&)>& isCurrent) {
    if (!button || !list || !list->node() || list->node()->numberOfChildren() < 1)
        return;
    list->showAt(button->mapToGlobal(QPoint(0, button->height())), isCurrent);
}

bool KxAction::showPopView(const QString& imageName, const QSize& size, const QPoint& okOrigin,
                           const QPoint& cancelOrigin) {
    return runPopView(imageName, size, okOrigin, cancelOrigin) == 1;
}

int KxAction::runPopView(const QString& imageName, const QSize& size, const QPoint& okOrigin,
                         const QPoint& cancelOrigin) {
    const bool isChoose = cancelOrigin.x() != 0 && cancelOrigin.y() != 0;
    HvNoTitleWindow window(QRect(QPoint(0, 0), size));
    window.setIsCanDrag(true);
    window.setDragHeight(50);
    // The pop-up draws its title and message: a screen reader is told them.
    const PopupLayout::Popup* popup = PopupLayout::find(imageName.toStdString());
    window.setWindowTitle(popup ? KxLayout::shown(PopupLayout::kContext, popup->title) : imageName);
    if (popup)
        window.setAccessibleDescription(KxLayout::shown(PopupLayout::kContext, popup->message));
    window.setAccessibleRole(QAccessible::AlertMessage);
    auto* view = new PopDialogView(QRect(QPoint(0, 0), size), imageName, isChoose);
    window.setContentView(view);
    view->addButtons(okOrigin, cancelOrigin);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.geometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.setGeometry(frame);
    }
    HvModal::runModal(&window);
    // A window closed by other means gave no answer.
    return view->answer().value_or(PopDialogView::kDismissed);
}

namespace {

// Whether the loading window is wanted (shown and not yet hidden).
bool loadWanted = false;

// Where the compositor places top-level windows (Wayland) the loading window would land
// anywhere: it is a pop-up of the window it covers instead, centred over it, never focused.
// False when that window is not shown yet.
bool attachLoadWindow() {
    QWidget* owner = QApplication::activeWindow();
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!owner && window != showLoadFrm && window->isVisible())
            owner = window;
    if (!owner)
        return false;
    showLoadFrm->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    showLoadFrm->winId();
    showLoadFrm->windowHandle()->setTransientParent(owner->windowHandle());
    showLoadFrm->move(owner->geometry().center() -
                      QPoint(ShowLoadView::kSize.width(), ShowLoadView::kSize.height()) / 2);
    return true;
}

} // namespace

void KxAction::showLoadViewPro() {
    loadWanted = true;
    if (!showLoadFrm) {
        showLoadFrm = new HvNoTitleWindow(QRect(QPoint(0, 0), ShowLoadView::kSize));
        showLoadFrm->setIsCanDrag(false);
        showLoadFrm->setWindowTitle(QCoreApplication::translate("KxAction", "Loading"));
        showLoadFrm->setContentView(new ShowLoadView);
    }
    // Centred across, 200 points below the middle of the main screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        showLoadFrm->move(area.x() + (area.width() - ShowLoadView::kSize.width()) / 2,
                          area.y() + (area.height() - ShowLoadView::kSize.height()) / 2 + 200);
    }
    showLoadFrm->setLevel(HvNoTitleWindow::Level::Floating);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        !attachLoadWindow()) {
        // The window it covers is being shown in this turn of the event loop (the first read
        // starts as the main window is made): once more in the next turn, if still wanted.
        static bool deferred = false;
        if (!deferred) {
            deferred = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    if (loadWanted)
                        showLoadViewPro();
                    deferred = false;
                },
                Qt::QueuedConnection);
            return;
        }
    }
    static_cast<ShowLoadView*>(showLoadFrm->contentView())->setAnt(true);
    showLoadFrm->show();
    showLoadFrm->raise();
}

void KxAction::hideLoadViewPro() {
    // A worker's transfer ends by asking for this: it is done on the main thread.
    onMainThread([] {
        loadWanted = false;
        if (!showLoadFrm)
            return;
        static_cast<ShowLoadView*>(showLoadFrm->contentView())->setAnt(false);
        showLoadFrm->hide();
        // Not left in the accessible tree as a hidden "Loading" window.
        showLoadFrm->releaseNativeWindow();
    });
}

void KxWidgets::install() {
    KxAction::setLoadViewHandler([] { onMainThread([] { KxAction::showLoadViewPro(); }); });
    KxAction::setMacroMenuListHandler([](HvTreeNode& node) {
        KxAction::refreshMenuListData(&macroMenuList,
                                      macroMenuList ? macroMenuList->delegate() : nullptr, &node,
                                      macroMenuList ? macroMenuList->menuWidth() : 141);
    });
}

QString KxWidgets::tooltipText(const QString& key) {
    return (sysTooltip ? sysTooltip->getTooltip(key) : std::nullopt).value_or(key);
}
