#pragma once
// The command line the seed writers share: PROGRAM FOLDER writes each seed as
// a file of its name into FOLDER, which it creates.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <utility>
#include <vector>

namespace orvane::fuzz {

// Name and bytes; empty bytes stand for a seed that could not be made.
using Seeds = std::vector<std::pair<const char*, QByteArray>>;

// The program's exit code.
inline int writeSeeds(int argc, char** argv, const Seeds& seeds)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const auto& [name, bytes] : seeds) {
        QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

} // namespace orvane::fuzz
