#include "CheckStatus.h"

#include "MazeConstants.h"
#include "MazeState.h"
#include "play/Difficulty.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace orvane {
namespace {

// Translated in the context "CheckStatus".
struct Wording {
    Q_DECLARE_TR_FUNCTIONS(CheckStatus)
};

// A mean of the walks: whole where it is whole.
QString meanText(double mean)
{
    return QString::number(mean, 'f', mean == std::round(mean) ? 0 : 2);
}

QString routeText(const MazeAnalysis& analysis, int16_t timeLimit)
{
    if (!analysis.solvable)
        return Wording::tr("解けません");
    const int keys = int(analysis.route.size());
    const RouteTiming timing = timeRoute(keys, DefaultKeysPerSecond, timeLimit);
    QString text =
        Wording::tr("解けます: %n手、約%1秒", nullptr, keys).arg(timing.seconds, 0, 'f', 1);
    switch (timing.fit) {
    case RouteFit::NoLimit:
        return text + Wording::tr(" (制限時間無し)");
    case RouteFit::Fits:
    case RouteFit::Tight:
        return text + Wording::tr(" (制限%1秒)").arg(timeLimit);
    case RouteFit::TooSlow:
        return text + Wording::tr("、制限%1秒に間に合いません").arg(timeLimit);
    }
    return text;
}

QString gradeText(const Difficulty& d)
{
    return Wording::tr("、難しさ %1/%2").arg(*d.grade).arg(HardestGrade);
}

// The forks, choices, dead ends and traps of the walks.
QString choicesText(const Difficulty& d)
{
    return Wording::tr("分かれ道%1か所で迷い%2、行き止まりに%3回、わなに%4回")
        .arg(meanText(d.forks), meanText(std::round(d.choices * 100) / 100), meanText(d.deadEnds),
             meanText(d.trapsMet));
}

} // namespace

QString difficultyMeasuresText(const Difficulty& d)
{
    QStringList walks;
    for (const NewcomerWalk& w : d.walks)
        walks << (w.finished ? QString::number(w.keys)
                             : Wording::tr("%1 (あきらめ)", "a walk that gave up").arg(w.keys));
    return Wording::tr("初めての人: %1キー、最少の%2倍 (歩き: %3)")
               .arg(meanText(d.newcomerKeys))
               .arg(d.keysRatio(), 0, 'f', 2)
               .arg(walks.join(Wording::tr("、", "between the walks' keys"))) +
           u'\n' + choicesText(d) + u'\n' +
           Wording::tr("約%1秒 (毎秒%2キー、分かれ道ごとに%3秒、最初に見る%4秒)、ほどよい制限 %5秒")
               .arg(newcomerSeconds(d), 0, 'f', 1)
               .arg(NewcomerKeysPerSecond)
               .arg(SecondsPerFork)
               .arg(LookSeconds)
               .arg(newcomerTimeLimit(d, DefaultLimitSlack)) +
           u'\n' +
           Wording::tr("難しさ %1/%2 (労力 %3)")
               .arg(*d.grade)
               .arg(HardestGrade)
               .arg(meanText(std::round(d.effort * 100) / 100));
}

QString effortPartsText(const Difficulty& d)
{
    return Wording::tr("初めての人: %1キー、むだ%2キー")
               .arg(
                   meanText(d.newcomerKeys),
                   meanText(std::round(std::max(0.0, d.newcomerKeys - d.fewestKeys) * 100) / 100)) +
           Wording::tr("、", "between the parts of the effort") + choicesText(d) + gradeText(d);
}

CheckStatus checkStatus(const MazeState& maze, const MazeAnalysis& analysis)
{
    CheckStatus status{routeText(analysis, maze.header.TimeLimit), {}};
    if (!analysis.traps.empty())
        status.text += Wording::tr("、わな%nか所", nullptr, int(analysis.traps.size()));
    const Difficulty difficulty = measureDifficulty(maze, analysis);
    if (difficulty.grade) {
        status.text += gradeText(difficulty);
        status.toolTip = difficultyMeasuresText(difficulty);
    }
    return status;
}

} // namespace orvane
