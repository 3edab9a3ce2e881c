#include "ShowMsgView.h"

#include "HvAccessible.h"
#include "HvAction.h"
#include "HvLogger.h"
#include "HvNoTitleWindow.h"
#include "KxProtocol.h"
#include "NotificationDisplay.h"
#include "OsdWords.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Scales a font by the factor, whether its size is given in pixels or points.
void scaleFont(QFont& font, qreal factor) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * factor))));
    else
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * factor));
}

} // namespace

ShowMsgView::ShowMsgView(const QRect& frame, QWidget* parent) : QWidget(parent), timer_(this) {
    setGeometry(frame);
    timer_.setInterval(kTickIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &ShowMsgView::timerPro);
    loadImagesForScreen();
}

QRect ShowMsgView::windowGeometry(const QRect& screenGeometry) {
    if (screenGeometry.isEmpty())
        return QRect(QPoint(0, 0), kContentSize);
    const int x = screenGeometry.x() + (screenGeometry.width() - kContentSize.width()) / 2;
    const int y =
        screenGeometry.y() + screenGeometry.height() - kBottomMargin - kContentSize.height();
    return QRect(QPoint(x, y), kContentSize);
}

QRect ShowMsgView::viewFrame() {
    return QRect(QPoint(0, kContentSize.height() - kViewSize.height()), kViewSize);
}

const std::vector<std::pair<QString, QString>>& ShowMsgView::imageTable() {
    static const std::vector<std::pair<QString, QString>> table = {
        {QStringLiteral("dpi0"), QStringLiteral("Level1.png")},
        {QStringLiteral("dpi1"), QStringLiteral("Level2.png")},
        {QStringLiteral("dpi2"), QStringLiteral("Level3.png")},
        {QStringLiteral("dpi3"), QStringLiteral("Level4.png")},
        {QStringLiteral("rate0"), QStringLiteral("Rate_125.png")},
        {QStringLiteral("rate1"), QStringLiteral("Rate_500.png")},
        {QStringLiteral("rate2"), QStringLiteral("Rate_1000.png")},
        {QStringLiteral("P1"), QStringLiteral("P1.png")},
        {QStringLiteral("P2"), QStringLiteral("P2.png")},
        {QStringLiteral("P3"), QStringLiteral("P3.png")},
        {QStringLiteral("P4"), QStringLiteral("P4.png")},
        {QStringLiteral("P5"), QStringLiteral("P5.png")},
        {QStringLiteral("lock"), QStringLiteral("Lock.png")},
        {QStringLiteral("unlock"), QStringLiteral("Unlock.png")},
    };
    return table;
}

QImage ShowMsgView::loadTableImage(const QString& fileName, qreal devicePixelRatio) {
    const bool doubled = devicePixelRatio > 1;
    QString path = QStringLiteral(":/") + fileName;
    if (doubled) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        path.insert(dot < 0 ? path.size() : dot, QStringLiteral("@2x"));
    }
    QImage image(path);
    if (image.isNull()) {
        HV_WARNING(QStringLiteral("picture %1 is missing").arg(path));
        return image;
    }
    image.setDevicePixelRatio(doubled ? 2 : 1);
    return image;
}

void ShowMsgView::loadImagesForScreen() {
    const qreal ratio = devicePixelRatioF() > 1 ? 2 : 1;
    if (ratio == imageRatio_)
        return;
    imageRatio_ = ratio;
    imageArr_.clear();
    for (const auto& [tag, fileName] : imageTable()) {
        QImage image = loadTableImage(fileName, ratio);
        OsdWords::drawInto(image, tag);
        if (!image.isNull())
            imageArr_.insert(tag, image);
    }
}

QString ShowMsgView::textForTag(const QString& tag) {
    // The words, with the number they show (none: 0).
    struct Words {
        const char* text;
        int number;
    };
    static const QHash<QString, Words> texts = {
        {QStringLiteral("rate0"), {QT_TR_NOOP("%1 Hz"), 125}},
        {QStringLiteral("rate1"), {QT_TR_NOOP("%1 Hz"), 500}},
        {QStringLiteral("rate2"), {QT_TR_NOOP("%1 Hz"), 1000}},
        {QStringLiteral("P1"), {QT_TR_NOOP("Profile %1"), 1}},
        {QStringLiteral("P2"), {QT_TR_NOOP("Profile %1"), 2}},
        {QStringLiteral("P3"), {QT_TR_NOOP("Profile %1"), 3}},
        {QStringLiteral("P4"), {QT_TR_NOOP("Profile %1"), 4}},
        {QStringLiteral("P5"), {QT_TR_NOOP("Profile %1"), 5}},
        //: The mouse's lock switch is on: its buttons are locked.
        {QStringLiteral("lock"), {QT_TR_NOOP("Locked"), 0}},
        //: The mouse's lock switch is off: its buttons work again.
        {QStringLiteral("unlock"), {QT_TR_NOOP("Unlocked"), 0}},
    };
    const auto found = texts.constFind(tag);
    if (found == texts.constEnd())
        return QString();
    const QString text = tr(found->text);
    return found->number ? text.arg(found->number) : text;
}

QString ShowMsgView::dpiText(int stage, int x) {
    //: The on-screen display after a DPI change: the value, then which stage of how many.
    return tr("%1 DPI · stage %2 of %3").arg(x * 100).arg(stage + 1).arg(KxProtocol::kStages);
}

void ShowMsgView::setNotificationDisplay(NotificationDisplay* notifications) {
    notifications_ = notifications;
}

void ShowMsgView::showWithImageTag(const QString& tag) {
    loadImagesForScreen();
    showImage_ = imageArr_.value(tag); // null for an empty or unknown tag
    showText_ = showImage_.isNull() ? QString() : textForTag(tag);
    summary_ = showText_;
    body_.clear();
    showImagePro();
}
void ShowMsgView::showProfileFor(int profile, const QString& application) {
    loadImagesForScreen();
    profile = std::clamp(profile, 0, KxProtocol::kProfiles - 1);
    const QString tag = QStringLiteral("P%1").arg(profile + 1);
    QImage image;
    for (const auto& [tableTag, fileName] : imageTable())
        if (tableTag == tag)
            image = loadTableImage(fileName, imageRatio_);
    OsdWords::drawInto(image, tag, application);
    showImage_ = image;
    //: The display after the application in front chose the profile: "Profile 2 · GIMP".
    showText_ = image.isNull()
                    ? QString()
                    : tr("Profile %1 · %2").arg(QString::number(profile + 1), application);
    summary_ = showText_;
    body_.clear();
    showImagePro();
}

bool ShowMsgView::showDpi(int stage, int x, int y) {
    loadImagesForScreen();
    x = std::clamp(x, KxProtocol::kMinDpiValue, KxProtocol::kMaxDpiValue);
    y = std::clamp(y, KxProtocol::kMinDpiValue, KxProtocol::kMaxDpiValue);
    const bool separate = x != y;
    const TextAttributes attributes =
        getStrAtt(Qt::white, separate ? kDpiXYFontSize : kDpiFontSize);
    const QString tag = (separate ? QStringLiteral("dpixy%1") : QStringLiteral("dpi%1")).arg(stage);
    const auto found = imageArr_.constFind(tag);
    if (found == imageArr_.constEnd())
        return false;
    dpiText_ = QString::number(x * 100);
    showImage_ = composeDpiImage(found.value(), attributes, dpiText_);
    showText_ = dpiText(stage, x);
    //: A notification after a DPI change: its summary; the body follows ("Stage 2 of 4").
    summary_ = tr("%1 DPI").arg(x * 100);
    //: A notification after a DPI change: its body, below the summary ("1600 DPI").
    body_ = tr("Stage %1 of %2").arg(stage + 1).arg(KxProtocol::kStages);
    showImagePro();
    return true;
}

void ShowMsgView::showImagePro() {
    if (notifications_) {
        if (showImage_.isNull())
            notifications_->clear();
        else
            notifications_->show(summary_, body_);
        return;
    }
    timeSetp_ = kDisplayTicks;
    if (stop_) {
        timer_.start();
        stop_ = false;
    }
    QWidget* frame = window();
    // A screen reader hears the words as the window appears (its role is a notification's);
    // a window still up appears again to it with the new words.
    frame->setAccessibleName(showText_);
    setAccessibleName(showText_);
    // Showing puts a hidden window on top; one still up is raised above windows opened since
    // (a screen without a window system has no stacking to change).
    if (!frame->isVisible()) {
        frame->show();
    } else {
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            frame->raise();
        if (!showText_.isEmpty())
            HvAccessible::appearAgain(frame);
    }
    repaint();
    // Where nothing composites, the window's shape follows the picture.
    if (auto* shaped = qobject_cast<HvNoTitleWindow*>(frame))
        shaped->updateShape();
    frame->setWindowOpacity(1.0);
}

void ShowMsgView::timerPro() {
    if (stop_)
        return; // a tick without a running display
    if (--timeSetp_ > 0)
        return;
    timer_.stop();
    stop_ = true;
    // Closing goes through the event loop; a show request handled before it has started a new
    // display, which must stay up.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (stop_)
                closeViewPro();
        },
        Qt::QueuedConnection);
}

void ShowMsgView::closeViewPro() {
    window()->close();
}

ShowMsgView::TextAttributes ShowMsgView::getStrAtt(const QColor& colour, int size) {
    std::optional<QFont> font = HvAction::customTTFFontWithName(kDpiFontName, size);
    if (!font) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font->setPixelSize(std::max(1, size));
    }
    return TextAttributes{*font, colour};
}

void ShowMsgView::drawStringCenteredIn(QPainter& painter, const QRect& rect,
                                       const TextAttributes& attributes, const QString& text) {
    if (text.isEmpty() || rect.isEmpty())
        return;
    QFont font = attributes.font;
    QRectF ink = QFontMetricsF(font, painter.device()).tightBoundingRect(text);
    // Shrink until the glyphs fit; hinting makes sizes not quite proportional, so measure again.
    for (int attempt = 0;
         attempt < 8 && (ink.width() > rect.width() || ink.height() > rect.height()); ++attempt) {
        scaleFont(font, std::min(rect.width() / ink.width(), rect.height() / ink.height()) * 0.98);
        ink = QFontMetricsF(font, painter.device()).tightBoundingRect(text);
    }
    painter.save();
    painter.setClipRect(rect);
    painter.setFont(font);
    painter.setPen(attributes.colour);
    painter.drawText(QRectF(rect).center() - ink.center(), text);
    painter.restore();
}

QImage ShowMsgView::composeDpiImage(const QImage& stageImage, const TextAttributes& attributes,
                                    const QString& text) {
    QImage composed = stageImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    composed.setDevicePixelRatio(stageImage.devicePixelRatio());
    QPainter painter(&composed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawStringCenteredIn(painter, kDpiTextRect, attributes, text);
    return composed;
}

void ShowMsgView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    if (!showImage_.isNull())
        drawImage(painter, rect());
}

void ShowMsgView::drawImage(QPainter& painter, const QRect& rect) {
    const QSize size = showImage_.deviceIndependentSize().toSize();
    const QPoint point = rect.topLeft() + QPoint((rect.width() - size.width()) / 2,
                                                 (rect.height() - size.height()) / 2);
    painter.drawImage(point, showImage_);
}
