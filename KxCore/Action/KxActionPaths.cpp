#include "KxAction.h"

#include "HvAction.h"
#include "HvLogger.h"
#include "KxGlobals.h"

#include <QDir>
#include <QStandardPaths>

void KxAction::getSysPath() {
    // GenericDataLocation follows XDG_DATA_HOME and falls back to ~/.local/share.
    sysPath = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                  .filePath(QStringLiteral("com.vlak.KxOption"));
    HvAction::creatDirectoryPro(sysPath);
    HV_DEBUG(sysPath);
}
