#include "GenerateCommand.h"

#include "Arguments.h"
#include "Cp932.h"
#include "ExitStatus.h"
#include "MazeCodec.h"
#include "MazeState.h"
#include "MazeText.h"
#include "Output.h"
#include "generate/Generator.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <unistd.h>

namespace orvane {
namespace {

using generate::Request;
using generate::RequestProblem;
using Kind = RequestProblem::Kind;

constexpr int ProgressIntervalMs = 100;

QString sizeText(MapSize size)
{
    return QStringLiteral("%1x%2").arg(size.width).arg(size.height);
}

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

QString requestProblemText(const Request& r, const RequestProblem& p)
{
    const QString map = QStringLiteral("a %1 map").arg(sizeText(r.size));
    switch (p.kind) {
    case Kind::None:
        break;
    case Kind::SizeOutOfRange:
        return QStringLiteral("--size: each side must be %1 to %2").arg(p.limit).arg(MapSizeMax);
    case Kind::KeysOutOfRange:
        return QStringLiteral("--keys %1 is more than %2 can hold: a route there takes at most "
                              "%3 keys")
            .arg(r.keys)
            .arg(map)
            .arg(p.limit);
    case Kind::GradeOutOfRange:
        return QStringLiteral("--grade must be 1 to %1").arg(p.limit);
    case Kind::TrapsOutOfRange:
        return QStringLiteral("--traps %1 is more than %2 can hold (at most %3)")
            .arg(r.traps)
            .arg(map)
            .arg(p.limit);
    case Kind::ArrowsOutOfRange:
        return QStringLiteral("--arrows %1 is more than %2 can hold (at most %3)")
            .arg(r.arrows)
            .arg(map)
            .arg(p.limit);
    case Kind::SlackOutOfRange:
        return QStringLiteral("--slack must be a number from %1 to %2, or none")
            .arg(generate::MinSlack)
            .arg(generate::MaxSlack);
    }
    return {};
}

// What the closest try held, against what was asked.
QString closestText(const Request& r, const generate::Outcome& o)
{
    const generate::Measures& m = o.measures;
    QStringList parts;
    if (!m.solvable)
        parts << QStringLiteral("no maze that could be solved");
    else if (r.aimsAtKeys())
        parts << QStringLiteral("%1 keys (asked %2, %3 to %4 would do)")
                     .arg(m.keys)
                     .arg(r.keys)
                     .arg(r.keys - generate::keysTolerance(r.keys))
                     .arg(r.keys + generate::keysTolerance(r.keys));
    else
        parts << QStringLiteral("grade %1 (asked %2)").arg(m.grade).arg(r.grade);
    if (m.solvable) {
        parts << QStringLiteral("%1 traps (asked %2)").arg(m.traps).arg(r.traps);
        parts << QStringLiteral("%1 arrows (asked about %2)").arg(m.arrows).arg(r.arrows);
        if (m.cycles)
            parts << QStringLiteral("an arrow cycle");
    }
    return QStringLiteral("orvane-mdt: no maze met the request within %1 analyses; the closest "
                          "had %2")
        .arg(o.budget)
        .arg(parts.join(QStringLiteral(", ")));
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
        return fail(QStringLiteral("orvane-mdt: ") + requestProblemText(request, p));
    generate::Outcome outcome;
    {
        ProgressLine progress;
        outcome = generate::generateMaze(request, std::ref(progress));
    }
    if (!outcome.maze)
        return fail(closestText(request, outcome));
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
