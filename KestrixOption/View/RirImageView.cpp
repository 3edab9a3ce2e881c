#include "RirImageView.h"

#include "HvAccessible.h"
#include "HvButton.h"
#include "HvModal.h"
#include "KxPictures.h"

#include <QEvent>
#include <QPainter>

RirImageView::RirImageView(const QRect& frame, QWidget* parent) : QWidget(parent) {
    // Screen readers meet a view's radio groups as nodes of their own, named by the group.
    static const bool grouping = (HvAccessible::groupChildrenOf("RirImageView"), true);
    (void)grouping;
    setGeometry(frame);
    frmHeight_ = frame.height();
    setAttribute(Qt::WA_TranslucentBackground);
}

RirImageView::~RirImageView() {
    if (!deallocated_) {
        deallocated_ = true;
        deallocData();
    }
}

void RirImageView::endWindowRun(int code) {
    runEnded_ = true;
    QWidget* frame = window();
    if (HvModal::isRunning(frame))
        HvModal::stopModal(frame, code);
    else if (frame != this)
        frame->hide();
}

namespace {

// Watches a view's window for the hide that every end of its run comes with: closing hides it,
// a run stopped from outside is hidden by HvModal::runModal, and a window destroyed while shown
// is hidden first. A spontaneous hide is the window system's (minimising), not an end.
class RunEndWatcher : public QObject {
public:
    RunEndWatcher(QWidget* window, QObject* owner, std::function<void()> ended)
        : QObject(owner), ended_(std::move(ended)) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !event->spontaneous())
            ended_();
        return false;
    }

private:
    std::function<void()> ended_;
};

} // namespace

void RirImageView::onRunEndedOtherwise(std::function<void()> handler) {
    QWidget* frame = window();
    if (frame == this)
        return;
    new RunEndWatcher(frame, this, [this, handler = std::move(handler)] {
        if (runEnded_)
            return;
        runEnded_ = true; // once, also when the handler ends the run itself
        handler();
    });
}

void RirImageView::init() {
    initData();
    initControls();
    refreshData();
}

qreal RirImageView::pictureRatio() const {
    return KxPictures::ratioFor(this);
}

QImage RirImageView::pictureNamed(const QString& fileName) const {
    return KxPictures::load(fileName, pictureRatio());
}

QImage RirImageView::getImageByName(const QString& base, KxLayout::State state,
                                    const QString& ext) const {
    return pictureNamed(KxLayout::pictureName(base, state) + QLatin1Char('.') + ext);
}

void RirImageView::setImageByName(const QString& name) {
    if (name.isEmpty())
        return;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString ext = dot < 0 ? QString() : name.mid(dot + 1);
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    const QString base =
        underscore >= 0 ? name.left(underscore) : name.left(dot < 0 ? name.size() : dot);
    using KxLayout::State;
    const auto fileName = [&](State state) {
        return KxLayout::pictureName(base, state) + QLatin1Char('.') + ext;
    };
    statePictureNames_ = {fileName(State::Over), fileName(State::Down), fileName(State::Disable),
                          fileName(State::Active)};
    statePictures_ = {};
    statePictureRatio_ = pictureRatio();
    // Disabled and selected first: a view's first frame may show a control so; hover and press
    // wait for the pointer.
    KxPictures::prefetch({statePictureNames_[Disable], statePictureNames_[Active],
                          statePictureNames_[Over], statePictureNames_[Down]},
                         statePictureRatio_);
    bgImage_ = KxPictures::load(name, statePictureRatio_);
    update();
}

const QImage& RirImageView::statePicture(StateIndex state) const {
    QString& name = statePictureNames_[state];
    if (!name.isEmpty()) {
        statePictures_[state] = KxPictures::load(name, statePictureRatio_);
        name.clear();
    }
    return statePictures_[state];
}

void RirImageView::setBgImage(const QImage& image) {
    bgImage_ = image;
    update();
}

void RirImageView::setBgColor(const QColor& colour) {
    bgColor_ = colour;
    update();
}

void RirImageView::setImages(const QImage& over, const QImage& down, const QImage& disable,
                             const QImage& active) {
    statePictures_ = {over, down, disable, active};
    statePictureNames_ = {};
}

void RirImageView::setDialogButtons(std::vector<DialogButton> buttons) {
    dialogButtons_ = std::move(buttons);
}

void RirImageView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    for (const DialogButton& dialogButton : dialogButtons_) {
        if (dialogButton.tag == button->tag()) {
            // A copy: OK and Cancel may end the view with its list.
            const std::function<void()> action = dialogButton.action;
            action();
            return;
        }
    }
}

void RirImageView::onNumTextChange(QObject*) {}

void RirImageView::progessBarAction(QObject*) {}

void RirImageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), bgColor_);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!bgImage_.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), bgImage_.deviceIndependentSize()), bgImage_);
    if (textPainter_) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        textPainter_(painter);
    }
}

QString RirImageView::shown(std::string_view text) const {
    return KxLayout::shown(textContext_, text);
}

void RirImageView::setTextPainter(std::function<void(QPainter&)> painter) {
    textPainter_ = std::move(painter);
    update();
}

bool RirImageView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ParentChange:
        if (parentWidget() && !inParent_) {
            inParent_ = true;
            initNotify();
        }
        break;
    case QEvent::ParentAboutToChange:
        if (inParent_) {
            inParent_ = false;
            deallocNotify();
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}
