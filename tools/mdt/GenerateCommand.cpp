#include "GenerateCommand.h"

#include "Arguments.h"
#include "Cp932.h"
#include "ExitStatus.h"
#include "GenerateMessages.h"
#include "MazeCodec.h"
#include "MazeState.h"
#include "MazeText.h"
#include "Output.h"
#include "generate/Generator.h"
#include "generate/Reach.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <unistd.h>

namespace orvane {
namespace {

using generate::Request;
using generate::RequestProblem;

constexpr int ProgressIntervalMs = 100;

// Reads the options into a request; an empty message when they are good.
QString readRequest(const Arguments& args, Request& r, bool& seedGiven)
{
    auto value = [&](const char* name) { return args.value(QLatin1String(name)); };
    auto whole = [&](const char* name, int& out) {
        bool ok = false;
        out = value(name).toInt(&ok);
        return ok && out >= 0;
    };
    static const QRegularExpression sizeForm(QStringLiteral("^([0-9]{1,4})(?:x([0-9]{1,4}))?$"));
    const QRegularExpressionMatch size = sizeForm.match(value("size"));
    if (!size.hasMatch())
        return QStringLiteral("--size must be N or WxH, such as 32 or 64x32");
    const int width = size.captured(1).toInt();
    const int height = size.hasCaptured(2) ? size.captured(2).toInt() : width;
    r.size = {int16_t(std::min(width, int(INT16_MAX))), int16_t(std::min(height, int(INT16_MAX)))};
    if (args.isSet(QStringLiteral("keys")) && args.isSet(QStringLiteral("grade")))
        return QStringLiteral("give --keys or --grade, not both");
    if (args.isSet(QStringLiteral("keys")) && (!whole("keys", r.keys) || r.keys == 0))
        return QStringLiteral("--keys must be a whole number above 0");
    if (!whole("grade", r.grade))
        return QStringLiteral("--grade must be 1 to 5");
    if (!whole("traps", r.traps))
        return QStringLiteral("--traps must be a whole number, 0 or more");
    if (!whole("arrows", r.arrows))
        return QStringLiteral("--arrows must be a whole number, 0 or more");
    if (value("slack") == QStringLiteral("none")) {
        r.slack.reset();
    } else {
        bool ok = false;
        r.slack = value("slack").toDouble(&ok);
        if (!ok)
            return QStringLiteral("--slack must be a number from %1 to %2, or none")
                .arg(generate::MinSlack)
                .arg(generate::MaxSlack);
    }
    seedGiven = args.isSet(QStringLiteral("seed"));
    if (seedGiven) {
        bool ok = false;
        r.seed = value("seed").toULongLong(&ok);
        if (!ok || value("seed").startsWith(u'+'))
            return QStringLiteral("--seed must be a whole number from 0 to %1").arg(UINT64_MAX);
    } else {
        r.seed = QRandomGenerator::system()->generate64();
    }
    for (const auto& [name, text] : {std::pair{"title", &r.title}, std::pair{"music", &r.music}}) {
        bool lossless = false;
        *text = Cp932::fromUnicode(value(name), &lossless);
        if (!lossless)
            return QStringLiteral("--%1 holds characters code page 932 (Shift-JIS) cannot store")
                .arg(QLatin1String(name));
        if (text->size() > MazeCodec::MaxTextLength)
            return QStringLiteral("--%1 is over %2 bytes")
                .arg(QLatin1String(name))
                .arg(MazeCodec::MaxTextLength);
    }
    return {};
}

// Shows how far a long search is, on a terminal only.
class ProgressLine {
public:
    ProgressLine() : shown_(isatty(STDERR_FILENO)) { clock_.start(); }
    ~ProgressLine()
    {
        if (printed_)
            QTextStream(stderr) << '\r' << QString(width_, u' ') << '\r' << Qt::flush;
    }
    void operator()(int judged, int budget)
    {
        if (!shown_ || clock_.elapsed() < ProgressIntervalMs * (ticks_ + 1))
            return;
        ++ticks_;
        const QString line = QStringLiteral("orvane-mdt: generating, %1 of at most %2 analyses")
                                 .arg(judged)
                                 .arg(budget);
        width_ = std::max(width_, int(line.size()));
        QTextStream(stderr) << '\r' << line << Qt::flush;
        printed_ = true;
    }

private:
    bool shown_;
    bool printed_ = false;
    int width_ = 0;
    qint64 ticks_ = 0;
    QElapsedTimer clock_;
};

} // namespace

int runGenerate(const Arguments& args)
{
    Request request;
    bool seedGiven = false;
    if (const QString error = readRequest(args, request, seedGiven); !error.isEmpty())
        return fail(QStringLiteral("orvane-mdt: ") + error);
    if (const RequestProblem p = generate::checkRequest(request))
        return fail(QStringLiteral("orvane-mdt: ") +
                    requestProblemText(request, p, FieldNaming::Options));
    if (const RequestProblem p = generate::checkReach(request)) // it may still be met
        QTextStream(stderr) << QStringLiteral("orvane-mdt: warning: ")
                            << requestProblemText(request, p, FieldNaming::Options) << Qt::endl;
    generate::Outcome outcome;
    {
        ProgressLine progress;
        outcome = generate::generateMaze(request, std::ref(progress));
    }
    if (!outcome.maze)
        return fail(QStringLiteral("orvane-mdt: ") + closestTryText(request, outcome));
    const MazeHeader& h = outcome.maze->header;
    const QByteArray bytes = args.isSet(QStringLiteral("text"))
                                 ? MazeText::write(h, outcome.maze->grid)
                                 : MazeCodec::encode(h, outcome.maze->grid).bytes;
    if (const QString error = writeOutput(bytes, args.operands[0]); !error.isEmpty())
        return fail(error);
    if (!seedGiven)
        QTextStream(stderr) << QStringLiteral("orvane-mdt: made with --seed %1").arg(request.seed)
                            << Qt::endl;
    return ExitSuccess;
}

} // namespace orvane
