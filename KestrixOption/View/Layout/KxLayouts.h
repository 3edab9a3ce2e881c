#pragma once

#include "AboutViewLayout.h"
#include "AppChooserLayout.h"
#include "AppRulesLayout.h"
#include "CreateMacroLayout.h"
#include "LaunchChooserLayout.h"
#include "LightOptionViewLayout.h"
#include "MacroViewLayout.h"
#include "MainViewLayout.h"
#include "PerformanceLayout.h"
#include "PopupLayout.h"
#include "SingleKeyViewLayout.h"
#include "TKeyRepeatViewLayout.h"
#include "TKeyViewLayout.h"

// Every view's layout, for the artwork program, the screenshots and the tests.
namespace KxLayout {
inline constexpr const View* kViews[] = {
    &MainViewLayout::kView,      &PerformanceLayout::kView,    &LightOptionViewLayout::kView,
    &MacroViewLayout::kView,     &CreateMacroLayout::kView,    &SingleKeyViewLayout::kView,
    &TKeyViewLayout::kView,      &TKeyRepeatViewLayout::kView, &AboutViewLayout::kView,
    &LaunchChooserLayout::kView, &AppRulesLayout::kView,       &AppChooserLayout::kView,
};
} // namespace KxLayout
