#include "widgets/program_resources.h"

#include <QFile>

// Outside any namespace, as the resource compiler's functions are.
static void initialiseRotavexResources() { Q_INIT_RESOURCE(rotavex); }

namespace rotavex {

void registerBuiltInFiles()
{
    static const bool registered = (initialiseRotavexResources(), true);
    Q_UNUSED(registered);
}

QString builtInText(const QString &path)
{
    registerBuiltInFiles();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}   // namespace rotavex
