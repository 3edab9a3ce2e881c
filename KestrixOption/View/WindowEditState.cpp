#include "WindowEditState.h"

#include "KxAction.h"
#include "KxWidgetGlobals.h"
#include "ProfieController.h"

#include <algorithm>

bool WindowEditState::writing() const {
    return std::any_of(running_.begin(), running_.end(), [](Activity a) {
        return a == Activity::Writing || a == Activity::Importing;
    });
}

bool WindowEditState::needsSaving() const {
    return isNeedSave;
}

bool WindowEditState::anyUnwritten() const {
    if (isNeedSave)
        return true;
    const ProfieController* library = KxAction::profileLibrary();
    for (int slot = 0; library && slot < 5; ++slot)
        if (library->hasButtonEdits(slot))
            return true;
    return false;
}

void WindowEditState::setNeedsSaving(bool edited) {
    isNeedSave = edited;
    Q_EMIT changed();
}

void WindowEditState::followLibrary() {
    const ProfieController* library = KxAction::profileLibrary();
    setNeedsSaving(library && library->hasButtonEdits(library->currFWProfileIndex()));
}
