#include "FluidEngine.h"
#include "FluidPlayback.h"
#include "MidiFileReader.h"
#include "SamplePack.h"
#include "support/MidiFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr int MinimumTunes = 5;
constexpr double ShortestSeconds = 30, LongestSeconds = 90;
constexpr int StepFrames = SampleRate / 100;

// The length in beats an ABC tune asks for, and a beat's seconds: the bars of
// its first voice (written out, without repeat signs) at its metre and tempo.
std::pair<double, double> abcLength(const QString& abc)
{
    const auto numbers = [&abc](const char* pattern) {
        const QRegularExpressionMatch m =
            QRegularExpression(QLatin1String(pattern), QRegularExpression::MultilineOption)
                .match(abc);
        return QList<double>{m.captured(1).toDouble(), m.captured(2).toDouble(),
                             m.captured(3).toDouble()};
    };
    const QList<double> metre = numbers(R"(^M:\s*(\d+)/(\d+))");
    const QList<double> tempo = numbers(R"(^Q:\s*(\d+)/(\d+)\s*=\s*(\d+))");
    static const QRegularExpression Field(QStringLiteral("^[A-Za-z]:"));
    static const QRegularExpression BarLine(QStringLiteral(R"(\|[|\]]?)"));
    QString voice, firstVoice;
    int bars = 0;
    for (const QString& line : abc.split(u'\n')) {
        const QString music = line.section(u'%', 0, 0);
        if (music.startsWith(u"V:"))
            voice = firstVoice.isEmpty() ? (firstVoice = music) : music;
        else if (voice == firstVoice && !music.contains(Field))
            bars += int(music.count(BarLine));
    }
    return {bars * metre[0] / metre[1] * tempo[1] / tempo[0], 60 / tempo[2]};
}

} // namespace

class TestTunes : public QObject {
    Q_OBJECT

private slots:
    void playsForItsLength_data();
    void playsForItsLength();

private:
    FluidEngine engine_{FluidEngine::Output::Offline};
};

void TestTunes::playsForItsLength_data()
{
    QTest::addColumn<QString>("abc");
    const QFileInfoList tunes =
        QDir(QStringLiteral(ORVANE_RESOURCES "/samples/tunes")).entryInfoList({"*.abc"});
    QVERIFY(tunes.size() >= MinimumTunes);
    for (const QFileInfo& tune : tunes)
        QTest::newRow(qPrintable(tune.completeBaseName())) << tune.filePath();
}

// Each tune, built by abc2midi, plays through the player's MIDI reading and
// FluidSynth: it sounds, and it ends within an eighth of a beat (abc2midi's few
// ticks after the last note) of its last bar line, so the player's loop comes
// back without a gap.
void TestTunes::playsForItsLength()
{
    QFETCH(QString, abc);
    QFile source(abc);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const auto [beats, beatSeconds] = abcLength(QString::fromUtf8(source.readAll()));
    const double expected = beats * beatSeconds;
    QVERIFY2(expected >= ShortestSeconds && expected <= LongestSeconds,
             qPrintable(QString::number(expected)));
    const QString midi = QDir(samplePackFolder())
                             .filePath(QFileInfo(abc).completeBaseName() + QStringLiteral(".mid"));
    const std::optional<QByteArray> bytes = readMidiFile(midi);
    QVERIFY2(bytes, qPrintable(midi));

    engine_.reset();
    FluidPlayback playback(engine_, *bytes);
    playback.play();
    std::vector<int16_t> samples(size_t(StepFrames) * 2);
    int frames = 0, peak = 0;
    while (!playback.hasEnded() && frames < (expected + 1) * SampleRate) {
        QVERIFY(engine_.render(samples.data(), StepFrames));
        frames += StepFrames;
        peak = std::max(peak, peakOf(samples));
    }
    QVERIFY(peak >= LoudPeak);
    const double seconds = double(frames) / SampleRate;
    QVERIFY2(
        std::abs(seconds - expected) <= beatSeconds / 8,
        qPrintable(QStringLiteral("plays %1 s, its ABC asks for %2 s").arg(seconds).arg(expected)));
}

QTEST_GUILESS_MAIN(TestTunes)
#include "tst_tunes.moc"
