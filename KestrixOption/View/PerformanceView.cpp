#include "PerformanceView.h"

#include "DialogKeys.h"
#include "HvButton.h"
#include "HvLogger.h"
#include "HvMouseAction.h"
#include "HvNumberTextField.h"
#include "HvProgressBar.h"
#include "KxAction.h"
#include "KxControls.h"
#include "KxGlobals.h"
#include "KxMessages.h"
#include "KxProtocol.h"
#include "KxWidgetGlobals.h"
#include "MouseWrites.h"
#include "PerformanceLayout.h"
#include "ProfieController.h"
#include "ProfileSaves.h"
#include "ViewThread.h"

#include <algorithm>

#include <QCoreApplication>

PerformanceView::PerformanceView(QWidget* parent)
    : RirImageView(QRect(QPoint(0, 0), PerformanceLayout::kView.size), parent),
      liveStage_(QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "DPI stage")),
                 QStringLiteral("live DPI stage"),
                 [this](int stage) {
                     selProfile.currSelectDPI = uint32_t(stage);
                     isFillData_ = true;
                     dpiLevelPro_->setValue(stage);
                     fillDPIData();
                     isFillData_ = false;
                 }),
      liveRate_(QStringLiteral(QT_TRANSLATE_NOOP("MouseWrites", "polling rate")),
                QStringLiteral("live polling rate"), [this](int rate) {
                    selProfile.poRate = uint32_t(rate);
                    isFillData_ = true;
                    rateSetp_->setSelectIndex(rate + 1);
                    isFillData_ = false;
                }) {
    setImageByName(QStringLiteral("Performance_Normal.png"));
    init();
    setDialogButtons({{kOkTag, [this] { ok(); }},
                      {kCancelTag, [this] { cancel(); }},
                      {kApplyTag, [this] { apply(); }}});
    new DialogKeys(
        this,
        [this] {
            takeTypedDpi();
            ok();
        },
        [this] { cancel(); }, cancelBtn_);
}

PerformanceView::~PerformanceView() {
    deallocNotify();
}

void PerformanceView::initControls() {
    const KxControls controls(PerformanceLayout::kView, this);
    dpiLevelPro_ = controls.get<HvProgressBar>("dpiLevelPro");
    doubleSpeedPro_ = controls.get<HvProgressBar>("doubleSpeedPro");
    mouseSpeedPro_ = controls.get<HvProgressBar>("mouseSpeedPro");
    scrSpeedPro_ = controls.get<HvProgressBar>("scrSpeedPro");
    dpiPro_ = controls.get<HvProgressBar>("dpiPro");
    dpiTxt_ = controls.get<HvNumberTextField>("dpiTxt");
    // Said as a user reads them: stages from 1, the DPI in DPI (the slider holds hundreds).
    dpiLevelPro_->setSpoken({1, 1, [](int stage) {
                                 return QCoreApplication::translate("PerformanceView",
                                                                    "Stage %1 of %2")
                                     .arg(stage)
                                     .arg(KxProtocol::kStages);
                             }});
    dpiPro_->setSpoken(
        {100, 0, [](int dpi) {
             return QCoreApplication::translate("PerformanceView", "%1 DPI").arg(dpi);
         }});
    dpiTxt_->setAlignment(Qt::AlignCenter);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(19); // 18.7 points of the artwork
    dpiTxt_->setFont(arial);
    rateSetp_ = controls.group("Polling rate");
    oneScreenBtn_ = controls.button("oneScreenBtn");
    reDefBtn_ = controls.button("reDefBtn");
    applyBtn_ = controls.button("applyBtn");
    okBtn_ = controls.button("okBtn");
    cancelBtn_ = controls.button("cancelBtn");
}

void PerformanceView::refreshData() {
    KxAction::profileLibrary()->refreshSelProfileFromData();
    fillSettingData();
    keptOsd_ = KxAction::profileLibrary()->isOSD();
}

void PerformanceView::initNotify() {
    NotificationCenter& local = NotificationCenter::defaultCenter();
    if (!dpiObserver_)
        dpiObserver_ =
            local.addObserver(QStringLiteral("Notify_DPIChange"), [this](const Notification& n) {
                // Relayed on the thread that received the mouse's status: handled on the view's.
                const QVariantMap values = n.userInfo.value_or(QVariantMap());
                KxWidgets::onViewThread(this, [this, values] { dpiChangePro(values); });
            });
    if (!rateObserver_)
        rateObserver_ =
            local.addObserver(QStringLiteral("Notify_FWRateChange"), [this](const Notification& n) {
                const int rate = n.objectInt();
                KxWidgets::onViewThread(this, [this, rate] { rateChangePro(rate); });
            });
    // A run ended any other way than by OK or Cancel (the window closed or hidden, the main
    // window ending the run when the mouse goes away) drops the edits as Cancel does.
    onRunEndedOtherwise([this] { cancel(); });
}

void PerformanceView::deallocNotify() {
    NotificationCenter& local = NotificationCenter::defaultCenter();
    for (NotificationCenter::Token* token : {&dpiObserver_, &rateObserver_}) {
        if (*token)
            local.removeObserver(*token);
        *token = 0;
    }
}

int PerformanceView::currentStage() const {
    return std::clamp(int(selProfile.currSelectDPI), 0, KxProtocol::kStages - 1);
}

void PerformanceView::fillSettingData() {
    isFillData_ = true;
    hasSaved_ = false;
    dpiLevelPro_->setValue(int(selProfile.currSelectDPI));
    doubleSpeedPro_->setValue(int(selProfile.doubleSpeed));
    mouseSpeedPro_->setValue(int(selProfile.acceler));
    scrSpeedPro_->setValue(int(selProfile.srcSpeed));
    rateSetp_->setSelectIndex(int(selProfile.poRate) + 1);
    oneScreenBtn_->setChecked(KxAction::profileLibrary()->isOSD());
    fillDPIData();
    isFillData_ = false;
    liveStage_.setHeld(currentStage());
    liveRate_.setHeld(int(selProfile.poRate));
}

void PerformanceView::fillDPIData() {
    const int stage = currentStage();
    const int x = std::max(1, int(selProfile.xSensArr[stage]));
    const int y = std::max(1, int(selProfile.ySensArr[stage]));
    const int level = std::max(x, y);
    const bool filling = isFillData_;
    isFillData_ = true;
    dpiTxt_->setIntValue(level * 100);
    dpiPro_->setValue(level);
    isFillData_ = filling;
}

void PerformanceView::setDPIData(int x, int y) {
    const int stage = currentStage();
    if (x != -1)
        selProfile.xSensArr[stage] = uint32_t(x);
    if (y != -1)
        selProfile.ySensArr[stage] = uint32_t(y);
    fillDPIData();
    hasSaved_ = true;
}

// Every change of a slider's value, whoever made it (pointer, keys, a screen reader); the view's
// own filling, under isFillData_, is not a change of the user's.
void PerformanceView::progessBarAction(QObject* sender) {
    auto* slider = qobject_cast<HvProgressBar*>(sender);
    if (isFillData_ || !slider)
        return;
    hasSaved_ = true;
    const int value = slider->value();
    switch (slider->tag()) {
    case kDpiLevelTag: {
        selProfile.currSelectDPI = uint32_t(value);
        const int stage = currentStage();
        const auto dpi = uint8_t(selProfile.xSensArr[stage]);
        liveStage_.write(stage,
                         [stage, dpi] { return KxAction::writeLiveDpi(uint8_t(stage), dpi); });
        fillDPIData();
        KxAction::sendDPiChangeToDaemon(stage, int(selProfile.xSensArr[stage]),
                                        int(selProfile.ySensArr[stage]));
        break;
    }
    case kDoubleSpeedTag:
        selProfile.doubleSpeed = uint32_t(value);
        KxAction::setSysPreSettingValue(value, HvMouseAction::kDoubleClickSpeed);
        break;
    case kMouseSpeedTag:
        selProfile.acceler = uint32_t(value);
        KxAction::setSysPreSettingValue(value, HvMouseAction::kPointerSpeed);
        break;
    case kScrSpeedTag:
        selProfile.srcSpeed = uint32_t(value);
        KxAction::setSysPreSettingValue(value, HvMouseAction::kScrollSpeed);
        break;
    case kDpiTag:
        setDPIData(value, value);
        break;
    default:
        break;
    }
}

void PerformanceView::onNumTextChange(QObject* sender) {
    if (sender != dpiTxt_ || isFillData_)
        return;
    const int dpi = std::clamp(dpiTxt_->intValue(), kMinDpiLevel * 100, kMaxDpiLevel * 100);
    setDPIData(dpi / 100, dpi / 100);
}

void PerformanceView::takeTypedDpi() {
    if (dpiTxt_->text() != QString::number(dpiTxt_->intValue()))
        dpiTxt_->commit();
}

void PerformanceView::onSelectIndex(int index, int oldIndex, HvSetpPanelObj* sender) {
    if (sender != rateSetp_)
        return;
    HV_DEBUG(QStringLiteral("Curr Color Setp %1").arg(index));
    selProfile.poRate = uint32_t(index - 1);
    // Filled from the profile or from the mouse's own button: the mouse is not written back.
    if (isFillData_)
        return;
    hasSaved_ = true;
    if (oldIndex > 0)
        KxAction::sendRateChangeToDaemon(index - 1);
    const uint32_t rate = selProfile.poRate;
    liveRate_.write(int(rate), [rate] { return KxAction::writeLiveRate(rate); });
}

void PerformanceView::buttonAction(QObject* sender) {
    const auto* button = qobject_cast<HvButton*>(sender);
    if (!button)
        return;
    switch (button->tag()) {
    case kOneScreenTag:
        showChangesOnScreen(oneScreenBtn_->isChecked());
        break;
    case kReDefTag:
        reset();
        break;
    default:
        RirImageView::buttonAction(sender);
        break;
    }
}

// Stored and told to the daemon at once, so that the next change on the mouse shows it.
void PerformanceView::showChangesOnScreen(bool shown) {
    ProfieController* library = KxAction::profileLibrary();
    if (library->isOSD() == shown)
        return;
    library->setIsOSD(shown);
    KxAction::sendMessageToDaemon(KxMessages::kDisplaySwitch, {shown});
}

void PerformanceView::ok() {
    ProfieController* library = KxAction::profileLibrary();
    if (hasSaved_)
        MouseWrites::postSettings(selProfile,
                                  MouseWrites::whileShown(this, &PerformanceView::hasSaved_));
    library->saveSelProfileToData();
    KxAction::applySysPreSettingToDef();
    library->applySettingToAll();
    ProfileSaves::save();
    endWindowRun(1);
}

void PerformanceView::cancel() {
    showChangesOnScreen(keptOsd_);
    if (hasSaved_) {
        KxAction::profileLibrary()->refreshSelProfileFromData();
        KxAction::resetSysProSettingToDef();
        MouseWrites::postSettings(selProfile,
                                  MouseWrites::whileShown(this, &PerformanceView::hasSaved_));
    }
    endWindowRun(0);
}

// Keeps what OK keeps, without closing: the mouse's block, the desktop's speeds as the ones a
// later Cancel goes back to, the settings in every profile and on disk.
void PerformanceView::apply() {
    takeTypedDpi();
    ProfieController* library = KxAction::profileLibrary();
    MouseWrites::postSettings(selProfile,
                              MouseWrites::whileShown(this, &PerformanceView::hasSaved_));
    library->saveSelProfileToData();
    KxAction::applySysPreSettingToDef();
    library->applySettingToAll();
    ProfileSaves::save();
    hasSaved_ = false;
    keptOsd_ = library->isOSD();
}

void PerformanceView::reset() {
    reDefPro();
    hasSaved_ = true; // the refill clears it, yet the defaults are an edit Cancel undoes
    MouseWrites::postSettings(selProfile,
                              MouseWrites::whileShown(this, &PerformanceView::hasSaved_));
    KxAction::setSysPreSettingValue(int(selProfile.doubleSpeed), HvMouseAction::kDoubleClickSpeed);
    KxAction::setSysPreSettingValue(int(selProfile.acceler), HvMouseAction::kPointerSpeed);
    KxAction::setSysPreSettingValue(int(selProfile.srcSpeed), HvMouseAction::kScrollSpeed);
}

void PerformanceView::reDefPro() {
    ProfileValue* defaults = KxAction::profileLibrary()->defaultProfile();
    if (!defaults)
        return;
    const _Kx_PROFILE& from = defaults->profileData();
    selProfile.currSelectDPI = from.currSelectDPI;
    selProfile.doubleSpeed = from.doubleSpeed;
    selProfile.acceler = from.acceler;
    selProfile.srcSpeed = from.srcSpeed;
    selProfile.poRate = from.poRate;
    std::copy(std::begin(from.xSensArr), std::end(from.xSensArr), std::begin(selProfile.xSensArr));
    std::copy(std::begin(from.ySensArr), std::end(from.ySensArr), std::begin(selProfile.ySensArr));
    fillSettingData();
}

void PerformanceView::dpiChangePro(const QVariantMap& values) {
    const auto value = [&values](const char* key) {
        bool ok = false;
        const int v = values.value(QLatin1String(key)).toInt(&ok);
        return ok ? v : -1;
    };
    const int stage = value("value1");
    if (stage < 0)
        return;
    selProfile.currSelectDPI = uint32_t(std::clamp(stage, 0, KxProtocol::kStages - 1));
    // The mouse is on that stage already: moving the slider writes nothing back.
    isFillData_ = true;
    dpiLevelPro_->setValue(int(selProfile.currSelectDPI));
    isFillData_ = false;
    liveStage_.setHeld(currentStage());
    // A DPI the mouse cannot have leaves that axis as it is.
    const auto level = [](int v) {
        return v >= KxProtocol::kMinDpiValue && v <= KxProtocol::kMaxDpiValue ? v : -1;
    };
    setDPIData(level(value("value2")), level(value("value3")));
}

void PerformanceView::rateChangePro(int rateIndex) {
    // Index 3 has no radio item (the mouse reports only 0..2); it is ignored.
    if (rateIndex < 0 || rateIndex >= KxProtocol::kRates)
        return;
    isFillData_ = true;
    rateSetp_->setSelectIndex(rateIndex + 1);
    isFillData_ = false;
    liveRate_.setHeld(rateIndex);
    hasSaved_ = true; // as a stage from the mouse: Cancel puts back the one kept
}
