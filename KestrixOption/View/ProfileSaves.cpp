#include "ProfileSaves.h"

#include "HvAction.h"
#include "KxAction.h"
#include "ProfieController.h"
#include "ProfileSaver.h"

#include <QCoreApplication>

void ProfileSaves::save(std::function<void(bool)> saved) {
    ProfieController* library = KxAction::profileLibrary();
    // The application hears the outcome: a view closed by its OK is gone before its save ends.
    ProfileSaver::shared().save(
        *library, QCoreApplication::instance(),
        [saved = std::move(saved), folder = library->sysProPath()](bool ok) {
            if (saved) {
                saved(ok);
                return;
            }
            if (!ok)
                HvAction::openInfoMessage(
                    QCoreApplication::translate("ProfileSaves",
                                                "The profiles could not be saved in %1.")
                        .arg(folder));
        });
}
