#include "AppSession.h"

#include "AppDelegate.h"
#include "EventLoopWait.h"
#include "HvButton.h"
#include "HvMenulist.h"
#include "HvNoTitleWindow.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "HvSetpPanelObj.h"
#include "HvTextField.h"
#include "KxAction.h"
#include "KxWidgetGlobals.h"
#include "LightOptionView.h"
#include "MacroView.h"
#include "MainView.h"
#include "PerformanceView.h"
#include "SingleKeyView.h"
#include "TkeyView.h"

#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace KxBench {

bool TracedApplication::notify(QObject* receiver, QEvent* event) {
    if (!recorder)
        return QApplication::notify(receiver, event);
    recorder->beginDelivery(receiver->metaObject()->className(), receiver->objectName(),
                            event->type());
    const bool handled = QApplication::notify(receiver, event);
    recorder->endDelivery();
    return handled;
}

namespace {

constexpr int kTransferMs = 60000;
// A person's pace: the time between two of the session's clicks or key presses.
constexpr int kBetweenMs = 60;

// A step of the session on the recording's session track.
class Step {
public:
    Step(TraceRecorder& recorder, const QString& name) : recorder_(recorder) {
        recorder_.beginStep(name);
    }
    ~Step() { recorder_.endStep(); }
    Step(const Step&) = delete;
    Step& operator=(const Step&) = delete;

private:
    TraceRecorder& recorder_;
};

class Session {
public:
    Session(TraceRecorder& recorder) : recorder_(recorder) {}

    QString run() {
        {
            Step step(recorder_, QStringLiteral("start-up"));
            recorder_.start();
            delegate_->applicationDidFinishLaunching();
            view_ = delegate_->mainView();
            // Made and shown before the loop runs (the first frame's figure): the recording
            // watches the loop from here on.
            recorder_.watchEventLoop();
            if (!idle())
                return QStringLiteral("the whole read did not end");
        }
        const QString failed = profiles();
        if (!failed.isEmpty())
            return failed;
        for (const auto& part : {&Session::performance, &Session::lights, &Session::applyOneButton,
                                 &Session::dialogs}) {
            if (const QString why = (this->*part)(); !why.isEmpty())
                return why;
            if (!idle())
                return QStringLiteral("the window stayed busy");
        }
        return {};
    }

    ~Session() {
        recorder_.stop();
        // Its modal views are gone by now; its queued writes are waited for.
        delegate_.reset();
        KxAction::waitForTransfers(kTransferMs);
    }

private:
    bool idle() const {
        return KxTest::waitFor(
            [&] {
                return view_->isModalSeron() == 0 && !(showLoadFrm && showLoadFrm->isVisible());
            },
            kTransferMs);
    }
    void click(HvButton* button, const QString& name) {
        Step step(recorder_, name);
        button->click();
    }
    void key(QWidget* control, Qt::Key key, const QString& name) {
        Step step(recorder_, name);
        QTest::keyClick(control, key);
    }
    template <class View>
    View* subView() const {
        HvNoTitleWindow* window = view_->subViewWindow();
        return window ? qobject_cast<View*>(window->contentView()) : nullptr;
    }
    template <class View>
    View* dialog() const {
        HvNoTitleWindow* window = view_->dialogWindow();
        return window ? qobject_cast<View*>(window->contentView()) : nullptr;
    }

    QString profiles() {
        for (const int profile : {1, 2, 3, 4, 0}) {
            click(view_->control(MainView::kProfile1Tag + profile),
                  QStringLiteral("profile %1").arg(profile + 1));
            if (!idle())
                return QStringLiteral("profile %1 did not settle").arg(profile + 1);
            KxTest::spin(kBetweenMs);
        }
        return {};
    }

    // Runs inside the view's modal loop, as a person's clicks would.
    QString performance() {
        QString failed;
        QTimer::singleShot(0, [&] {
            auto* perf = subView<PerformanceView>();
            if (!perf) {
                failed = QStringLiteral("the performance view did not open");
                return;
            }
            key(perf->dpiLevelPro(), Qt::Key_Home, QStringLiteral("stage slider to stage 1"));
            for (int stage = 2; stage <= 4; ++stage) {
                KxTest::spin(kBetweenMs);
                key(perf->dpiLevelPro(), Qt::Key_Right,
                    QStringLiteral("stage slider to stage %1").arg(stage));
            }
            for (size_t rate = 0; rate < perf->rateSetp()->items().size(); ++rate) {
                KxTest::spin(kBetweenMs);
                click(perf->rateSetp()->items()[rate],
                      QStringLiteral("polling rate %1").arg(rate + 1));
            }
            KxTest::spin(kBetweenMs);
            {
                Step step(recorder_, QStringLiteral("DPI typed"));
                perf->dpiTxt()->setFocus();
                perf->dpiTxt()->selectAll();
                QTest::keyClicks(perf->dpiTxt(), QStringLiteral("2000"));
                QTest::keyClick(perf->dpiTxt(), Qt::Key_Tab);
            }
            KxTest::spin(kBetweenMs);
            click(perf->okBtn(), QStringLiteral("performance OK"));
        });
        click(view_->control(MainView::kSettingTag), QStringLiteral("performance view"));
        return failed;
    }

    QString lights() {
        QString failed;
        QTimer::singleShot(0, [&] {
            auto* lights = subView<LightOptionView>();
            if (!lights) {
                failed = QStringLiteral("the lights view did not open");
                return;
            }
            for (HvButton* which : {lights->logoLightTagBtn(), lights->midLightTagBtn()}) {
                click(which, QStringLiteral("light picked"));
                for (const size_t onOff : {1, 0}) {
                    KxTest::spin(kBetweenMs);
                    click(lights->lightOnOffSetp()->items()[onOff],
                          onOff ? QStringLiteral("light off") : QStringLiteral("light on"));
                }
            }
            KxTest::spin(kBetweenMs);
            click(lights->okBtn(), QStringLiteral("lights OK"));
        });
        click(view_->control(MainView::kLightOptionTag), QStringLiteral("lights view"));
        return failed;
    }

    // The third button gets the middle click, or the right click when it has the middle one.
    QString applyOneButton() {
        click(view_->selBtnSetp()->items()[2], QStringLiteral("button 3 picked"));
        KxTest::spin(kBetweenMs);
        click(view_->control(MainView::kSingleTag), QStringLiteral("function dialog"));
        auto* single = dialog<SingleKeyView>();
        if (!single)
            return QStringLiteral("the function dialog did not open");
        KxTest::spin(kBetweenMs);
        click(single->selComBtn(), QStringLiteral("function list"));
        QListWidget* list = single->comMenuList()->listWidget();
        const QString current = named<HvTextField>("btnSelTagCaptionTxt")->text();
        const QString wanted = current == QLatin1String("Middle Click")
                                   ? QStringLiteral("Right Click")
                                   : QStringLiteral("Middle Click");
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text() == wanted)
                list->setCurrentRow(row);
        KxTest::spin(kBetweenMs);
        key(list, Qt::Key_Return, QStringLiteral("function picked"));
        KxTest::spin(kBetweenMs);
        click(single->okBtn(), QStringLiteral("function OK"));
        if (view_->dialogWindow()) {
            single->cancelBtn()->click();
            return QStringLiteral("the function dialog took no %1").arg(wanted);
        }
        KxTest::spin(kBetweenMs);
        click(view_->control(MainView::kApplyTag), QStringLiteral("Apply"));
        return {};
    }

    QString dialogs() {
        click(view_->control(MainView::kTkeyTag), QStringLiteral("two-function dialog"));
        auto* tkey = dialog<TkeyView>();
        if (!tkey)
            return QStringLiteral("the two-function dialog did not open");
        KxTest::spin(kBetweenMs);
        // OK needs a macro picked; with none, Cancel closes it.
        click(tkey->cancelBtn(), QStringLiteral("two-function Cancel"));
        KxTest::spin(kBetweenMs);
        click(view_->control(MainView::kMacroTag), QStringLiteral("macro editor"));
        auto* editor = dialog<MacroView>();
        if (!editor)
            return QStringLiteral("the macro editor did not open");
        KxTest::spin(kBetweenMs);
        click(editor->control(MacroView::kOkTag), QStringLiteral("macro editor OK"));
        if (view_->dialogWindow())
            return QStringLiteral("a dialog stayed open");
        return {};
    }

    template <class Control>
    Control* named(const char* name) const {
        return view_->findChild<Control*>(QLatin1String(name));
    }

    TraceRecorder& recorder_;
    std::unique_ptr<AppDelegate> delegate_ = std::make_unique<AppDelegate>();
    MainView* view_ = nullptr;
};

} // namespace

QString runWindowSession(TracedApplication& app, TraceRecorder& recorder) {
    app.recorder = &recorder;
    QString failed;
    {
        Session session(recorder);
        failed = session.run();
    }
    app.recorder = nullptr;
    return failed;
}

} // namespace KxBench
