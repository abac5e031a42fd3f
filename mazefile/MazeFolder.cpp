#include "MazeFolder.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace orvane {
namespace {

const QCollator& nameOrder()
{
    static const QCollator collator = [] {
        // The C locale compares code points, digits and all.
        QLocale locale;
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::English);
        QCollator c(locale);
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

} // namespace

bool mazeNameBefore(const QString& a, const QString& b)
{
    // Names the collation finds equal (letter case apart) keep one order.
    const int order = nameOrder().compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

QStringList mazeFilesOf(const QString& folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.mdt")}, QDir::Files);
    std::sort(names.begin(), names.end(), mazeNameBefore);
    return names;
}

NextMaze nextMaze(const QString& path, const std::function<bool(const QString&)>& readable)
{
    NextMaze next;
    if (path.isEmpty())
        return next;
    const QFileInfo current(path);
    const QDir folder = current.absoluteDir();
    const QStringList names = mazeFilesOf(folder.path());
    // After where the file is listed, or would be.
    const auto after =
        std::upper_bound(names.begin(), names.end(), current.fileName(), mazeNameBefore);
    for (auto name = after; name != names.end(); ++name) {
        const QString file = folder.filePath(*name);
        if (readable(file)) {
            next.file = file;
            break;
        }
        next.skipped << *name;
    }
    return next;
}

} // namespace orvane
