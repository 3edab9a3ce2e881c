#include "FrontApplication.h"

QStringList FrontApplication::names() const {
    QStringList names;
    for (const QString* name : {&appId, &wmClass, &wmInstance}) {
        if (!name->isEmpty() && !names.contains(*name))
            names.append(*name);
    }
    return names;
}
