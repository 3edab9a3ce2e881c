// The picture-drawn views' base, the control factories, the pop-ups and the loading window,
// offscreen, with the pictures the build drew from the layouts.
#include "EventLoopWait.h"
#include "HvButton.h"
#include "HvMenulist.h"
#include "HvNoTitleWindow.h"
#include "HvTreeNode.h"
#include "KxAction.h"
#include "KxGlobals.h"
#include "KxLayouts.h"
#include "KxPictures.h"
#include "KxWidgetGlobals.h"
#include "LayoutPreview.h"
#include "MacroInfo.h"
#include "PopDialogView.h"
#include "QtPrinters.h"
#include "RirImageView.h"
#include "ShowLoadView.h"
#include "ShownWindows.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

using KxLayout::text;

// Runs `answer` on the pop-up once it is shown, from inside its modal run.
void whenPopUpShown(const std::function<void(HvNoTitleWindow*, PopDialogView*)>& answer) {
    QTimer::singleShot(0, [answer] {
        HvNoTitleWindow* window = nullptr;
        if (auto* view = shownView<PopDialogView>(&window))
            answer(window, view);
    });
}

// A view whose pictures the test paints: each state a colour, with one marked pixel per point.
class PaintedView : public RirImageView {
public:
    PaintedView(qreal ratio, bool withActive) : RirImageView(QRect(0, 0, 100, 60)) {
        const auto paint = [ratio](const QColor& colour) {
            QImage image(QSize(100, 60) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.fill(colour);
            image.setPixelColor(int(20 * ratio), int(10 * ratio), Qt::white); // (20,10) in points
            image.setDevicePixelRatio(ratio);
            return image;
        };
        setBgImage(paint(Qt::red));
        setImages(paint(Qt::green), paint(Qt::blue), paint(Qt::gray),
                  withActive ? paint(Qt::yellow) : QImage());
        init();
    }
    void buttonAction(QObject* sender) override { actions.push_back(sender); }
    std::vector<QObject*> actions;
};

TEST(KxViews, ControlsCutTheirPicturesAtTheirFramesAtBothDensities) {
    for (const qreal ratio : {1.0, 2.0}) {
        for (const bool withActive : {false, true}) {
            PaintedView view(ratio, withActive);
            HvButton* button = KxAction::AddButton(QRect(20, 10, 30, 20), nullptr, nullptr, &view);
            EXPECT_EQ(button->normalImage().deviceIndependentSize(), QSizeF(30, 20)) << ratio;
            EXPECT_EQ(button->normalImage().devicePixelRatio(), ratio);
            EXPECT_EQ(button->normalImage().pixelColor(0, 0), QColor(Qt::white))
                << "the frame's corner";
            EXPECT_EQ(button->normalImage().pixelColor(int(ratio), 0), QColor(Qt::red));
            EXPECT_EQ(button->overImage().pixelColor(int(ratio), 0), QColor(Qt::green));
            EXPECT_EQ(button->disableImage().pixelColor(int(ratio), 0), QColor(Qt::gray));
            // The pressed picture: the selected state's when the view has one, else pressed.
            EXPECT_EQ(button->downImage().pixelColor(int(ratio), 0),
                      withActive ? QColor(Qt::yellow) : QColor(Qt::blue));
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(view.actions, std::vector<QObject*>{button}) << "to the view's buttonAction";
        }
    }
}

// A button cut from a view's pictures later, when first drawn, that has outlived the view.
TEST(KxViews, AButtonThatOutlivesItsViewHasNoStatePicturesInsteadOfACrash) {
    auto view = std::make_unique<PaintedView>(1.0, false);
    HvButton* button = KxAction::AddButton(QRect(20, 10, 30, 20), nullptr, nullptr, view.get());
    const std::unique_ptr<HvButton> kept(button);
    button->setParent(nullptr);
    view.reset();
    EXPECT_EQ(button->normalImage().pixelColor(1, 0), QColor(Qt::red)) << "cut at once";
    EXPECT_TRUE(button->overImage().isNull());
    button->setEnabled(false);
    button->grab();
}

// Pictures asked for ahead decode on a background thread; a load takes one finished, waits for
// one under way and decodes one not yet begun itself. Whichever it was, the picture is the one a
// load without asking ahead gives, premultiplied once where it has alpha, at its density.
TEST(KxViews, PicturesAskedForAheadAreThoseDecodedAtOnceWhicheverThreadDecodedThem) {
    QStringList names;
    for (const KxLayout::View* view : KxLayout::kViews)
        for (const KxLayout::State state : KxLayout::kHeldStates)
            names << KxLayout::pictureName(text(view->name), state) + QStringLiteral(".png");
    names << QStringLiteral("NoSuchPicture.png");
    for (const qreal ratio : {1.0, 2.0})
        KxPictures::prefetch(names, ratio);
    // The last asked for first: most of them have not begun when they are loaded.
    for (qsizetype i = names.size() - 1; i >= 0; --i) {
        for (const qreal ratio : {2.0, 1.0}) {
            const QString& name = names[i];
            const QImage loaded = KxPictures::load(name, ratio);
            QString file = QStringLiteral(":/") + name;
            if (ratio > 1 && KxPictures::exists(QString(name).replace(".png", "@2x.png")))
                file.replace(".png", "@2x.png");
            QImage expected(file);
            if (expected.isNull()) {
                EXPECT_TRUE(loaded.isNull()) << qPrintable(name);
                continue;
            }
            if (expected.hasAlphaChannel())
                expected.convertTo(QImage::Format_ARGB32_Premultiplied);
            ASSERT_EQ(loaded.format(), expected.format()) << qPrintable(name);
            EXPECT_EQ(loaded.devicePixelRatio(), ratio) << qPrintable(name);
            EXPECT_TRUE(loaded == expected) << qPrintable(name) << " at " << ratio;
        }
    }
}

// Every picture a view or pop-up asks for exists at both densities, at the layout's size.
TEST(KxViews, EveryPictureAskedForWasDrawn) {
    std::vector<std::pair<QString, QSize>> asked;
    for (const KxLayout::View* view : KxLayout::kViews) {
        QStringList states{"Normal", "Over", "Down", "Disable"};
        if (view->hasActive)
            states << "Active";
        for (const QString& state : states)
            asked.push_back({text(view->name) + '_' + state + ".png", view->size});
        for (const KxLayout::Control& c : view->controls) {
            if (c.kind == KxLayout::Kind::MouseButton)
                for (const char* state : {"Normal", "Over", "Down", "Disable"})
                    asked.push_back({text(c.picture) + '_' + state + ".png", c.frame.size()});
            if (c.kind == KxLayout::Kind::Selector)
                asked.push_back({text(c.picture) + ".png", c.frame.size()});
        }
    }
    for (const auto& popup : PopupLayout::kPopups)
        for (const char* state : {"Normal", "Over", "Down"})
            asked.push_back({text(popup.name) + '_' + state + ".png", PopupLayout::kSize});
    for (const char* name : KxPictures::kNamedPictures)
        asked.push_back({QLatin1String(name), QSize()});
    for (const auto& [name, size] : asked) {
        const QImage single = KxPictures::load(name, 1);
        const QImage doubled = KxPictures::load(name, 2);
        ASSERT_FALSE(single.isNull()) << qPrintable(name);
        EXPECT_EQ(doubled.devicePixelRatio(), 2) << qPrintable(name) << ": no @2x variant";
        EXPECT_EQ(doubled.size(), single.size() * 2) << qPrintable(name);
        if (size.isValid()) {
            EXPECT_EQ(single.size(), size) << qPrintable(name);
        }
    }
    EXPECT_FALSE(KxPictures::exists(QStringLiteral("NoSuchPicture.png")));
    EXPECT_TRUE(KxPictures::load(QStringLiteral("NoSuchPicture.png"), 2).isNull());
}

// The naming scheme over the drawn pictures: the states of the view's base, and none for a
// selected state the view does not have.
TEST(KxViews, TheNamingSchemeFindsEachStateOfAView) {
    LayoutPreview single(SingleKeyViewLayout::kView);
    EXPECT_FALSE(single.overImage().isNull());
    EXPECT_FALSE(single.disableImage().isNull());
    EXPECT_TRUE(single.activeImage().isNull()) << "a view without held states";
    LayoutPreview macro(TKeyViewLayout::kView);
    EXPECT_FALSE(macro.activeImage().isNull());
    auto* ok = qobject_cast<HvButton*>(macro.control("okBtn"));
    ASSERT_TRUE(ok);
    const QRect frame = KxLayout::frame(TKeyViewLayout::kView, "okBtn");
    EXPECT_EQ(ok->geometry(), frame) << "placed at its layout frame";
    EXPECT_EQ(ok->normalImage(), KxAction::GetImageFromRect(macro.bgImage(), frame));
}

// The pop-up: OK only unless both coordinates of Cancel's origin are non-zero; OK is true.
TEST(KxViews, PopUpsHaveOkAloneUnlessCancelHasAPlaceAndAnswerByButtonOrKey) {
    struct Case {
        QPoint cancel;
        bool hasCancel;
        std::function<void(PopDialogView*)> answer;
        bool result;
    };
    const auto click = [](int tag) {
        return [tag](PopDialogView* view) {
            for (HvButton* b : view->findChildren<HvButton*>())
                if (b->tag() == tag)
                    QTest::mouseClick(b, Qt::LeftButton);
        };
    };
    const auto key = [](Qt::Key k) {
        return [k](PopDialogView* view) { QTest::keyClick(view, k); };
    };
    constexpr QPoint at = PopupLayout::kCancelOrigin;
    const Case cases[] = {
        {QPoint(0, 0), false, click(PopDialogView::kOkTag), true},
        {QPoint(at.x(), 0), false, key(Qt::Key_Escape), true},
        {QPoint(0, at.y()), false, click(PopDialogView::kOkTag), true},
        {at, true, click(PopDialogView::kCancelTag), false},
        {at, true, key(Qt::Key_Escape), false},
        {at, true, key(Qt::Key_Return), true},
    };
    for (const Case& c : cases) {
        bool sawCancel = !c.hasCancel;
        whenPopUpShown([&](HvNoTitleWindow*, PopDialogView* view) {
            sawCancel = (view->cancelBtn() != nullptr);
            c.answer(view);
        });
        const bool result = KxAction::showPopView(
            QStringLiteral("WarningReset"), PopupLayout::kSize, PopupLayout::kOkOrigin, c.cancel);
        EXPECT_EQ(result, c.result) << c.cancel.x() << "," << c.cancel.y();
        EXPECT_EQ(sawCancel, c.hasCancel) << c.cancel.x() << "," << c.cancel.y();
    }
}

// A pop-up is told by its title and its message, not by the name of its picture; its buttons by
// what they do.
TEST(KxViews, APopUpSaysItsTitleAndMessageAndWhatEachButtonDoes) {
    for (const PopupLayout::Popup& popup : PopupLayout::kPopups) {
        QString name, description;
        QStringList buttons;
        whenPopUpShown([&](HvNoTitleWindow* window, PopDialogView* view) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window);
            name = a->text(QAccessible::Name);
            description = a->text(QAccessible::Description);
            for (HvButton* button : {view->okBtn(), view->cancelBtn()}) {
                a = button ? QAccessible::queryAccessibleInterface(button) : nullptr;
                if (a)
                    buttons << a->text(QAccessible::Name) + ": " +
                                   a->text(QAccessible::Description);
            }
            view->okBtn()->click();
        });
        KxAction::showPopView(text(popup.name), PopupLayout::kSize, popup.okOrigin(),
                              popup.cancelOrigin());
        EXPECT_EQ(name, text(popup.title)) << popup.name;
        EXPECT_EQ(description, text(popup.message)) << popup.name;
        // Named by their text, described by what they do here.
        QStringList expected{"OK: " + text(popup.okDoes)};
        if (popup.withCancel)
            expected << "Cancel: " + text(popup.cancelDoes);
        EXPECT_EQ(buttons, expected) << popup.name;
    }
}

TEST(KxViews, TheLoadingWindowShownTwiceAndHiddenOnceIsHiddenAlsoFromAWorker) {
    KxWidgets::install();
    KxAction::showLoadViewPro();
    KxAction::showLoadViewPro();
    ASSERT_TRUE(showLoadFrm);
    EXPECT_TRUE(showLoadFrm->isVisible());
    auto* view = static_cast<ShowLoadView*>(showLoadFrm->contentView());
    EXPECT_TRUE(view->isAnimating());
    KxAction::hideLoadViewPro();
    EXPECT_FALSE(showLoadFrm->isVisible());
    EXPECT_FALSE(view->isAnimating()) << "no animation while hidden";

    KxAction::showLoadViewPro();
    std::thread worker([] { KxAction::hideLoadViewPro(); }); // as a transfer ends
    worker.join();
    EXPECT_TRUE(showLoadFrm->isVisible()) << "the worker only asks; the main thread hides";
    ASSERT_TRUE(KxTest::waitFor([] { return !showLoadFrm->isVisible(); }));

    // Hidden, it is no window of the program's to assistive technology; shown again, it is.
    const auto loadingListed = [] {
        const QAccessibleInterface* program = QAccessible::queryAccessibleInterface(qApp);
        for (int i = 0; i < program->childCount(); ++i)
            if (program->child(i)->text(QAccessible::Name) == "Loading")
                return true;
        return false;
    };
    EXPECT_FALSE(loadingListed());
    KxAction::showLoadViewPro();
    EXPECT_TRUE(showLoadFrm->isVisible());
    EXPECT_TRUE(loadingListed());
    KxAction::hideLoadViewPro();
    EXPECT_FALSE(loadingListed());
}

// A view used with the keyboard alone: Tab goes through its controls in their order; Space and
// Enter act.
TEST(KxViews, AViewIsWorkedWithTheKeyboardAlone) {
    struct Recording : LayoutPreview {
        using LayoutPreview::LayoutPreview;
        void buttonAction(QObject* sender) override {
            if (auto* b = qobject_cast<HvButton*>(sender))
                tags.push_back(b->tag());
        }
        std::vector<int> tags;
    };
    HvNoTitleWindow window(QRect(QPoint(0, 0), SingleKeyViewLayout::kView.size));
    auto* view = new Recording(SingleKeyViewLayout::kView);
    window.setContentView(view);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->control("selComBtn")->setFocus(Qt::TabFocusReason);
    std::vector<QString> order;
    for (int i = 0; i < 3; ++i) {
        order.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<QString>{"selComBtn", "okBtn", "cancelBtn"}));
    QTest::keyClick(view->control("okBtn"), Qt::Key_Space);
    EXPECT_EQ(view->tags,
              std::vector<int>{KxLayout::find(SingleKeyViewLayout::kView, "okBtn")->tag});
}

TEST(KxViews, TheMacroListFollowsEveryRebuildAndAnEmptyListShowsNothing) {
    KxWidgets::install();
    auto shown = std::make_shared<MacroInfo>();
    shown->setMacroId(1);
    shown->setNameStr(QStringLiteral("Reload"));
    auto hidden = std::make_shared<MacroInfo>();
    hidden->setMacroId(2);
    hidden->setIsNoDisplay(true);
    macroListArrs = {shown, hidden};
    KxAction::refreshMenuList();
    ASSERT_TRUE(macroMenuList);
    EXPECT_EQ(macroMenuList->node(), macroNode.get());
    EXPECT_EQ(macroMenuList->node()->numberOfChildren(), 1);

    PaintedView view(1, false);
    HvButton* button = KxAction::AddButton(QRect(10, 10, 80, 20), nullptr, nullptr, &view);
    macroListArrs.clear();
    KxAction::refreshMenuList();
    KxAction::showMenulistWithBtn(button, macroMenuList);
    EXPECT_FALSE(macroMenuList->isVisible()) << "no macro: no list";
}

} // namespace
