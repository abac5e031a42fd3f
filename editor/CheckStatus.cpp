#include "CheckStatus.h"

#include "MazeConstants.h"

#include <QCoreApplication>

namespace orvane {
namespace {

// Translated in the context "CheckStatus".
struct Wording {
    Q_DECLARE_TR_FUNCTIONS(CheckStatus)
};

} // namespace

QString checkStatusText(const MazeAnalysis& analysis, int16_t timeLimit)
{
    QString text;
    if (analysis.solvable) {
        const int keys = int(analysis.route.size());
        const RouteTiming timing = timeRoute(keys, DefaultKeysPerSecond, timeLimit);
        text = Wording::tr("解けます: %n手、約%1秒", nullptr, keys).arg(timing.seconds, 0, 'f', 1);
        switch (timing.fit) {
        case RouteFit::NoLimit:
            text += Wording::tr(" (制限時間無し)");
            break;
        case RouteFit::Fits:
        case RouteFit::Tight:
            text += Wording::tr(" (制限%1秒)").arg(timeLimit);
            break;
        case RouteFit::TooSlow:
            text += Wording::tr("、制限%1秒に間に合いません").arg(timeLimit);
            break;
        }
    } else {
        text = Wording::tr("解けません");
    }
    if (!analysis.traps.empty())
        text += Wording::tr("、わな%nか所", nullptr, int(analysis.traps.size()));
    return text;
}

} // namespace orvane
