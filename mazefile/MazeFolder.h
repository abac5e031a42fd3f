#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace orvane {

// The maze files (`.mdt`) of a folder, by name in the order people count:
// letter case aside, digits as numbers, so that 2-x comes before 10-x.
QStringList mazeFilesOf(const QString& folder);
// Whether `a` comes before `b` in that order.
bool mazeNameBefore(const QString& a, const QString& b);

struct NextMaze {
    QString file;        // empty when none is left
    QStringList skipped; // the names of the files passed over on the way
};

// The first maze file after `path` in its folder that `readable` accepts,
// passing over the ones it refuses.
NextMaze nextMaze(const QString& path, const std::function<bool(const QString&)>& readable);

} // namespace orvane
