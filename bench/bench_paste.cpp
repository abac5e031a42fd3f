// Ctrl+V in the editor with another program's text on the clipboard: the
// maze text's first line, then newlines, 50 MiB of it against 16 MiB and
// 1 MiB. Both long ones are over the bound and refused before they are
// converted: about as fast as each other, and faster than the 1 MiB text the
// reader goes through. Also the most memory one paste takes on top of the
// clipboard's own copy of the text (target 0: the text is never copied).

#include "EditorSession.h"
#include "MapTools.h"
#include "MazeState.h"
#include "MazeText.h"
#include "MedianReporter.h"
#include "PasteTool.h"
#include "frmEdit.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QRegularExpression>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

using namespace orvane;

namespace {

constexpr qsizetype MiB = 1024 * 1024;

// A field of /proc/self/status in KiB ("VmRSS", "VmHWM"); -1 when unknown.
qsizetype statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB$").arg(field),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

// Starts a new peak of the resident memory; false when the system cannot.
bool resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// The most memory each size's paste took above what was resident before, in MiB.
std::map<int, double> peakGrowth;

void BM_Paste(benchmark::State& state)
{
    const int mib = int(state.range(0));
    auto maze = std::make_unique<MazeState>();
    test::FakeServices fakes;
    EditorSession session(*maze, {});
    frmEdit window(*maze, fakes.services(), session);
    window.Form_Load();
    {
        QString text = QString::fromLatin1(MazeText::Signature) + u'\n';
        text.resize(mib * MiB, u'\n');
        QApplication::clipboard()->setText(text);
    }
    const qsizetype before = statusKiB("VmRSS");
    const bool measured = resetPeak() && before >= 0;
    window.tools().paste().paste();
    if (measured)
        peakGrowth[mib] = std::max(peakGrowth[mib], double(statusKiB("VmHWM") - before) / 1024);
    if (window.tools().paste().isActive())
        state.SkipWithError("the text was pasted");
    for (auto _ : state)
        window.tools().paste().paste();
    QApplication::clipboard()->clear();
    state.SetLabel(std::to_string(mib) + " MiB");
}
BENCHMARK(BM_Paste)->Arg(1)->Arg(16)->Arg(50)->Repetitions(3)->ReportAggregatesOnly(true)->Unit(
    benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // In significant digits: the ratios are far below 1.
    for (const int mib : {1, 16})
        if (const double r = reporter.ratio("BM_Paste/50", "BM_Paste/" + std::to_string(mib));
            r >= 0)
            std::printf("a 50 MiB paste against a %d MiB one: %.3g%s\n", mib, r,
                        mib == 1 ? " (target at most 1)" : "");
    if (const auto it = reporter.medians.find("BM_Paste/50"); it != reporter.medians.end())
        std::printf("a 50 MiB paste: %.3f ms (target under 100)\n", it->second);
    for (const auto& [mib, growth] : peakGrowth)
        std::printf("memory a %d MiB paste takes above the clipboard's copy: %.1f MiB\n", mib,
                    growth);
    benchmark::Shutdown();
    return 0;
}
