#include "CheckStatus.h"

#include "MazeConstants.h"

namespace orvane {

QString checkStatusText(const MazeAnalysis& analysis, int16_t timeLimit)
{
    QString text;
    if (analysis.solvable) {
        const int keys = int(analysis.route.size());
        const RouteTiming timing = timeRoute(keys, DefaultKeysPerSecond, timeLimit);
        text = QStringLiteral("解けます: %1手、約%2秒").arg(keys).arg(timing.seconds, 0, 'f', 1);
        switch (timing.fit) {
        case RouteFit::NoLimit:
            text += QStringLiteral(" (制限時間無し)");
            break;
        case RouteFit::Fits:
        case RouteFit::Tight:
            text += QStringLiteral(" (制限%1秒)").arg(timeLimit);
            break;
        case RouteFit::TooSlow:
            text += QStringLiteral("、制限%1秒に間に合いません").arg(timeLimit);
            break;
        }
    } else {
        text = QStringLiteral("解けません");
    }
    if (!analysis.traps.empty())
        text += QStringLiteral("、わな%1か所").arg(analysis.traps.size());
    return text;
}

} // namespace orvane
