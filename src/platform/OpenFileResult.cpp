#include "platform/OpenFileResult.h"

namespace brindlecast {

QString openFileResultText(const QStringList& pickedPaths, QChar separator)
{
    if (pickedPaths.size() <= 1)
        return pickedPaths.value(0);

    const QString& first = pickedPaths.front();
    QString folder = first.left(first.lastIndexOf(separator) + 1);
    if (folder.size() > 1 && folder.endsWith(separator) &&
        !folder.endsWith(QString(":") + separator))
        folder.chop(1);

    QString result = folder;
    for (const QString& path : pickedPaths) {
        result += QChar(0);
        result += path.mid(path.lastIndexOf(separator) + 1);
    }
    return result;
}

} // namespace brindlecast
