#include "ShowMsgView.h"

#include "HvNoTitleWindow.h"
#include "OsdWords.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

#include "EventLoopWait.h"

namespace {

// Bounding box (device pixels) of the pixels where two images of the same size differ.
QRect changedPixels(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QRect changed;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col)
            if (x.pixel(col, row) != y.pixel(col, row))
                changed |= QRect(col, row, 1, 1);
    return changed;
}

class ShowMsgViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setContentView(view);
        window.setLevel(HvNoTitleWindow::Level::ScreenSaver);
        window.show();
    }

    // Ticks until the display ends and lets the queued close run.
    void finishDisplay() {
        for (int tick = 0; tick < 100 && !view->isStop(); ++tick)
            view->timerPro();
        QCoreApplication::sendPostedEvents();
    }

    // The view painted over opaque red, in device pixels.
    QImage renderOverRed() {
        const qreal ratio = view->devicePixelRatioF();
        QImage image(view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::red);
        view->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        image.setDevicePixelRatio(1);
        return image;
    }

    HvNoTitleWindow window{ShowMsgView::windowGeometry(QRect(0, 0, 1920, 1080))};
    ShowMsgView* view = new ShowMsgView(ShowMsgView::viewFrame());
};

TEST_F(ShowMsgViewTest, NewShowRestartsCountdownAndLastTickClosesKeptWindow) {
    view->showWithImageTag(QStringLiteral("P1"));
    for (int tick = 0; tick < 3; ++tick)
        view->timerPro();
    view->showWithImageTag(QStringLiteral("rate1"));
    EXPECT_EQ(view->timeSetp(), ShowMsgView::kDisplayTicks);
    EXPECT_EQ(view->findChildren<QTimer*>().size(), 1);

    for (int tick = 1; tick < ShowMsgView::kDisplayTicks; ++tick)
        view->timerPro();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(window.isVisible());
    view->timerPro();
    EXPECT_TRUE(view->isStop());
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.contentView(), view);

    // A show handled after the last tick but before the queued close keeps the window up.
    window.show();
    view->showWithImageTag(QStringLiteral("P2"));
    for (int tick = 0; tick < ShowMsgView::kDisplayTicks; ++tick)
        view->timerPro();
    view->showWithImageTag(QStringLiteral("P3"));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(window.isVisible());

    // The timer itself ends the display.
    EXPECT_TRUE(KxTest::waitFor([&] { return !window.isVisible(); }, 10000));
}

// DPI is drawn in hundreds, within what the mouse can have. The view shows its window itself,
// and only with a picture and its countdown: a request without one (a stage without a picture,
// separate X and Y values) changes nothing; a stage without a picture used to leave an empty
// window up for good.
TEST_F(ShowMsgViewTest, DpiIsDrawnInHundredsAndRequestsWithoutPictureChangeNothing) {
    window.close();
    EXPECT_TRUE(view->showDpi(2, 16, 16));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(view->isStop());
    EXPECT_TRUE(view->showDpi(2, 999, 999));
    EXPECT_EQ(view->dpiText(), QStringLiteral("5700"));
    const QImage plain = view->imageArr().value(QStringLiteral("dpi2"));
    EXPECT_FALSE(changedPixels(view->showImage(), plain).isNull());
    // The table's picture (the artwork and its words) stays without the value for the next
    // display.
    QImage artwork =
        ShowMsgView::loadTableImage(QStringLiteral("Level3.png"), plain.devicePixelRatio());
    OsdWords::drawInto(artwork, QStringLiteral("dpi2"));
    EXPECT_TRUE(changedPixels(plain, artwork).isNull());
    finishDisplay();
    EXPECT_FALSE(window.isVisible());

    const qint64 shown = view->showImage().cacheKey();
    const int refused[][3] = {{4, 16, 16}, {-1, 16, 16}, {7, 16, 16}, {0, 16, 17}};
    for (const auto& [stage, x, y] : refused) {
        SCOPED_TRACE(QStringLiteral("stage %1, %2 x %3").arg(stage).arg(x).arg(y).toStdString());
        EXPECT_FALSE(view->showDpi(stage, x, y));
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(view->isStop());
    }
    EXPECT_EQ(view->showImage().cacheKey(), shown);
    EXPECT_EQ(view->dpiText(), QStringLiteral("5700"));
}

TEST_F(ShowMsgViewTest, TagsWithoutPictureShowTransparentView) {
    for (const QString& tag : {QStringLiteral("normal"), QStringLiteral("battle"), QString(),
                               QStringLiteral("dpixy0"), QStringLiteral("Lock")}) {
        SCOPED_TRACE(tag.toStdString());
        view->showWithImageTag(QStringLiteral("P4")); // a picture that must go away
        view->showWithImageTag(tag);
        EXPECT_FALSE(view->isStop());
        QImage clear(renderOverRed().size(), QImage::Format_ARGB32_Premultiplied);
        clear.fill(Qt::transparent);
        EXPECT_EQ(renderOverRed(), clear);
        finishDisplay();
    }
}

// Runs also on a high-density screen (a CTest of its own), where the @2x pictures are used.
TEST_F(ShowMsgViewTest, PictureReplacesEverythingCentredInTheView) {
    view->showWithImageTag(QStringLiteral("lock"));
    const QImage picture = view->showImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int ratio = view->devicePixelRatioF() > 1 ? 2 : 1;
    ASSERT_EQ(picture.devicePixelRatio(), ratio);
    ASSERT_EQ(view->size(), ShowMsgView::kContentSize); // the content view fills the window

    // The picture's own pixels, transparent corners included; transparent bands around it.
    const QImage painted = renderOverRed();
    const int top = (ShowMsgView::kContentSize.height() - ShowMsgView::kViewSize.height()) / 2;
    QImage copied = painted.copy(0, top * ratio, picture.width(), picture.height());
    copied.setDevicePixelRatio(ratio);
    EXPECT_EQ(copied, picture);
    EXPECT_EQ(qAlpha(painted.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(painted.pixel(painted.width() - 1, painted.height() - 1)), 0);
}

// A profile the application in front chose: its picture with the application's name in place
// of the detail line, only there, a name too long for its room kept inside it, and the words a
// screen reader hears.
TEST_F(ShowMsgViewTest, AProfileChosenForAnApplicationNamesItUnderTheTitle) {
    view->showWithImageTag(QStringLiteral("P2"));
    const QImage plain = view->showImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    view->showProfileFor(1, QStringLiteral("GIMP"));
    EXPECT_EQ(view->showText(), QStringLiteral("Profile 2 · GIMP"));
    EXPECT_EQ(window.accessibleName(), QStringLiteral("Profile 2 · GIMP"));
    const QImage named = view->showImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(named.size(), plain.size());
    const int ratio = named.devicePixelRatio() > 1 ? 2 : 1;
    // The detail line's room (x 367..599, baseline 72), and nothing else, changes.
    const QRect changed = changedPixels(plain, named);
    ASSERT_FALSE(changed.isNull());
    EXPECT_TRUE(QRect(360 * ratio, 55 * ratio, 245 * ratio, 25 * ratio).contains(changed))
        << changed.x() << "," << changed.y() << " " << changed.width() << "x" << changed.height();

    // A desktop's name of any length stays in the room; a name with a placeholder stays text.
    view->showProfileFor(4, QString(300, QChar(0x5B57)) + QStringLiteral(" %1"));
    EXPECT_TRUE(view->showText().endsWith(QStringLiteral(" %1")));
    EXPECT_TRUE(view->showText().startsWith(QStringLiteral("Profile 5 · ")));
    view->showWithImageTag(QStringLiteral("P5"));
    const QImage five = view->showImage();
    view->showProfileFor(4, QString(300, QChar(0x5B57)));
    const QRect longChanged = changedPixels(five, view->showImage());
    EXPECT_LE(longChanged.right(), 605 * ratio);
    finishDisplay();
}

// The DPI text never paints over the artwork around its area and is centred in it, also for
// values too wide for the full font size and on high-density pictures.
TEST(ShowMsgViewComposition, TextStaysCentredInsideDpiArea) {
    const auto attributes = ShowMsgView::getStrAtt(Qt::white, ShowMsgView::kDpiFontSize);
    for (const int ratio : {1, 2}) {
        const QImage stage = ShowMsgView::loadTableImage(QStringLiteral("Level1.png"), ratio);
        const QRect& r = ShowMsgView::kDpiTextRect;
        const QRect area(r.topLeft() * ratio, r.size() * ratio);
        for (const QString& text : {QStringLiteral("100"), QStringLiteral("3500"),
                                    QStringLiteral("12000"), QStringLiteral("888888")}) {
            SCOPED_TRACE(QStringLiteral("%1 at %2x").arg(text).arg(ratio).toStdString());
            const QImage composed = ShowMsgView::composeDpiImage(stage, attributes, text);
            EXPECT_EQ(composed.devicePixelRatio(), ratio);
            const QRect changed = changedPixels(composed, stage);
            // Strictly inside: text cut off by the clip would touch the area's edges.
            EXPECT_TRUE(area.adjusted(1, 1, -1, -1).contains(changed));
            const QPointF offset = QRectF(changed).center() - QRectF(area).center();
            EXPECT_LE(std::abs(offset.x()), 3 * ratio);
            EXPECT_LE(std::abs(offset.y()), 3 * ratio);
        }
    }
}

TEST(ShowMsgViewGeometry, WindowSitsCentredAboveTheScreenBottom) {
    EXPECT_EQ(ShowMsgView::windowGeometry(QRect(1920, 200, 1280, 800)), QRect(2253, 714, 613, 186));
    EXPECT_EQ(ShowMsgView::windowGeometry(QRect()), QRect(0, 0, 613, 186));
}

} // namespace

// Every picture of the table loads in both densities, and has its words, drawn over the artwork
// in the language installed: another language's words are other pixels; a tag without a picture
// gets none.
TEST(ShowMsgViewPictures, EveryTablePictureLoadsInBothDensitiesWithItsWords) {
    class Shouting : public QTranslator {
    public:
        QString translate(const char* context, const char* source, const char*,
                          int) const override {
            return QLatin1String(context) == QLatin1String("OsdWords")
                       ? QStringLiteral("ÄÖÜ ÉÈ %1 %2").arg(QLatin1String(source))
                       : QString();
        }
        bool isEmpty() const override { return false; }
    };
    ShowMsgView view(ShowMsgView::viewFrame());
    EXPECT_EQ(view.imageArr().size(), qsizetype(ShowMsgView::imageTable().size()));
    for (const auto& [tag, fileName] : ShowMsgView::imageTable()) {
        SCOPED_TRACE(fileName.toStdString());
        EXPECT_TRUE(view.imageArr().contains(tag));
        EXPECT_NE(ShowMsgView::textForTag(tag).isEmpty(), !tag.startsWith("dpi"));
        const QImage artwork = ShowMsgView::loadTableImage(fileName, 1);
        EXPECT_EQ(artwork.size(), ShowMsgView::kViewSize);
        const QImage doubled = ShowMsgView::loadTableImage(fileName, 1.5);
        EXPECT_EQ(doubled.size(), ShowMsgView::kViewSize * 2);
        EXPECT_EQ(doubled.deviceIndependentSize().toSize(), ShowMsgView::kViewSize);

        QImage english = artwork;
        OsdWords::drawInto(english, tag);
        EXPECT_FALSE(changedPixels(artwork, english).isNull());
        Shouting other;
        QCoreApplication::installTranslator(&other);
        QImage translated = artwork;
        OsdWords::drawInto(translated, tag);
        QCoreApplication::removeTranslator(&other);
        EXPECT_FALSE(changedPixels(english, translated).isNull());
    }
    QImage none = ShowMsgView::loadTableImage(QStringLiteral("P1.png"), 1);
    const QImage before = none;
    OsdWords::drawInto(none, QStringLiteral("no such tag"));
    EXPECT_TRUE(changedPixels(before, none).isNull());
    EXPECT_EQ(ShowMsgView::textForTag("rate0"), "125 Hz");
    EXPECT_EQ(ShowMsgView::textForTag("rate2"), "1000 Hz");
    EXPECT_EQ(ShowMsgView::textForTag("P5"), "Profile 5");
    EXPECT_EQ(ShowMsgView::textForTag("normal"), QString());
    EXPECT_EQ(ShowMsgView::dpiText(0, 35), QStringLiteral("3500 DPI \u00b7 stage 1 of 4"));
}
