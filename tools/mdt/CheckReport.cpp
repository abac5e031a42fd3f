#include "CheckReport.h"

#include "MazeState.h"

#include <QJsonArray>

#include <cmath>

namespace orvane {
namespace {

QString fitName(RouteFit fit)
{
    switch (fit) {
    case RouteFit::NoLimit:
        return QStringLiteral("no limit");
    case RouteFit::Fits:
        return QStringLiteral("fits");
    case RouteFit::Tight:
        return QStringLiteral("tight");
    case RouteFit::TooSlow:
        return QStringLiteral("does not fit");
    }
    return {};
}

QString cellText(QPoint c)
{
    return QStringLiteral("(%1, %2)").arg(c.x()).arg(c.y());
}

QString cellsText(const std::vector<QPoint>& cells)
{
    if (cells.empty())
        return QStringLiteral("none");
    QStringList listed;
    for (QPoint c : cells)
        listed << cellText(c);
    return QStringLiteral("%1: %2").arg(cells.size()).arg(listed.join(u' '));
}

QJsonArray cellsJson(const std::vector<QPoint>& cells)
{
    QJsonArray array;
    for (QPoint c : cells)
        array.append(QJsonArray{c.x(), c.y()});
    return array;
}

QJsonObject endJson(QPoint cell, int16_t chip, bool valid)
{
    return QJsonObject{{"x", cell.x()}, {"y", cell.y()}, {"chip", chip}, {"valid", valid}};
}

// A mean of the walks as the text shows it: whole where it is whole.
QString meanText(double mean)
{
    return QString::number(mean, 'f', mean == std::round(mean) ? 0 : 2);
}

double rounded(double value)
{
    return std::round(value * 100) / 100;
}

QJsonObject newcomerJson(const Difficulty& d)
{
    QJsonArray walks;
    for (const NewcomerWalk& w : d.walks)
        walks.append(QJsonObject{{"keys", w.keys},
                                 {"forks", w.forks},
                                 {"choices", rounded(w.choices)},
                                 {"deadEnds", w.deadEnds},
                                 {"trapsMet", w.trapsMet},
                                 {"finished", w.finished}});
    return QJsonObject{
        {"keys", d.newcomerKeys},
        {"ratio", rounded(d.keysRatio())},
        {"forks", d.forks},
        {"choices", rounded(d.choices)},
        {"deadEnds", d.deadEnds},
        {"trapsMet", d.trapsMet},
        {"walks", walks},
        {"keysPerSecond", NewcomerKeysPerSecond},
        {"secondsPerFork", SecondsPerFork},
        {"seconds", rounded(newcomerSeconds(d))},
        {"fairLimit", newcomerTimeLimit(d, DefaultLimitSlack)},
    };
}

} // namespace

QString CheckReport::text() const
{
    const MazeHeader& h = maze.header;
    const MazeAnalysis& a = analysis;
    auto end = [&](int16_t x, int16_t y, bool valid) {
        return QStringLiteral("%1 on chip %2, %3")
            .arg(cellText({x, y}))
            .arg(maze.cell(x, y).Chip)
            .arg(valid ? QStringLiteral("valid")
                       : QStringLiteral("invalid (needs chip 7 or more)"));
    };
    QString out =
        QStringLiteral("start:      %1\ngoal:       %2\n")
            .arg(end(h.StartX, h.StartY, a.startValid), end(h.GoalX, h.GoalY, a.goalValid));
    if (a.solvable) {
        const RouteTiming t = timeRoute(int(a.route.size()), keysPerSecond, h.TimeLimit);
        const QString limit = h.TimeLimit == NoTimeLimit
                                  ? QStringLiteral("no limit")
                                  : QStringLiteral("limit %1 s").arg(h.TimeLimit);
        out += QStringLiteral("solvable:   yes, %1 keys: %2\n"
                              "time:       %3 s at %4 keys/s, %5: %6\n")
                   .arg(a.route.size())
                   .arg(QString::fromStdString(a.route))
                   .arg(t.seconds, 0, 'f', 1)
                   .arg(keysPerSecond)
                   .arg(limit, fitName(t.fit));
    } else {
        out += QStringLiteral("solvable:   no\n");
    }
    out += QStringLiteral("reachable:  %1 cells\ntraps:      %2\ncycles:     %3\n")
               .arg(a.reachable.size())
               .arg(cellsText(a.traps), cellsText(a.cycles));
    const Difficulty& d = difficulty;
    if (!d.grade)
        return out + QStringLiteral("grade:      none (not solvable)\n");
    QStringList walks;
    for (const NewcomerWalk& w : d.walks)
        walks << QString::number(w.keys) + (w.finished ? QString() : QStringLiteral(" (gave up)"));
    out += QStringLiteral("newcomer:   %1 keys, %2 times the fewest (walks: %3)\n"
                          "            choices %4 at %5 forks; dead ends walked into %6, traps "
                          "met %7\n")
               .arg(meanText(d.newcomerKeys))
               .arg(d.keysRatio(), 0, 'f', 2)
               .arg(walks.join(QStringLiteral(", ")), meanText(rounded(d.choices)),
                    meanText(d.forks), meanText(d.deadEnds), meanText(d.trapsMet));
    out += QStringLiteral("            %1 s at %2 keys/s, %3 s a fork and %4 s to look; fair "
                          "limit %5 s\n")
               .arg(newcomerSeconds(d), 0, 'f', 1)
               .arg(NewcomerKeysPerSecond)
               .arg(SecondsPerFork)
               .arg(LookSeconds)
               .arg(newcomerTimeLimit(d, DefaultLimitSlack));
    out += QStringLiteral("grade:      %1 of %2 (effort %3)\n")
               .arg(*d.grade)
               .arg(HardestGrade)
               .arg(meanText(rounded(d.effort)));
    return out;
}

QJsonObject CheckReport::json() const
{
    const MazeHeader& h = maze.header;
    const MazeAnalysis& a = analysis;
    QJsonObject o{
        {"start", endJson({h.StartX, h.StartY}, maze.cell(h.StartX, h.StartY).Chip, a.startValid)},
        {"goal", endJson({h.GoalX, h.GoalY}, maze.cell(h.GoalX, h.GoalY).Chip, a.goalValid)},
        {"solvable", a.solvable},
        {"timeLimit", h.TimeLimit == NoTimeLimit ? QJsonValue() : QJsonValue(h.TimeLimit)},
        {"keysPerSecond", keysPerSecond},
        {"reachable", int(a.reachable.size())},
        {"traps", cellsJson(a.traps)},
        {"cycles", cellsJson(a.cycles)},
    };
    const Difficulty& d = difficulty;
    o["grade"] = d.grade ? QJsonValue(*d.grade) : QJsonValue();
    if (d.grade) {
        o["effort"] = rounded(d.effort);
        o["newcomer"] = newcomerJson(d);
    }
    if (a.solvable) {
        const RouteTiming t = timeRoute(int(a.route.size()), keysPerSecond, h.TimeLimit);
        o["keys"] = int(a.route.size());
        o["route"] = QString::fromStdString(a.route);
        o["seconds"] = t.seconds;
        o["fit"] = fitName(t.fit);
    }
    return o;
}

} // namespace orvane
