#include "ui/Art.h"

#include <QDir>
#include <QString>

namespace corvanel::ui {

QIcon artIcon(QStringView name)
{
    // Every size of one piece lies in its own resource folder, named by its pixel size (e.g. 24x24.png).
    const QDir folder(QStringLiteral(":/art/") + name.toString());
    QIcon icon;
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        icon.addFile(folder.filePath(file));
    }
    return icon;
}

} // namespace corvanel::ui
