#include "FluidEngine.h"
#include "FluidPlayback.h"
#include "MidiFileReader.h"
#include "SamplePack.h"
#include "support/MidiFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <vector>

using namespace orvane;
using namespace orvane::test;

namespace {

constexpr int MinimumTunes = 5;
constexpr double ShortestSeconds = 30;
constexpr double LongestSeconds = 90;
constexpr int StepFrames = SampleRate / 100;
// abc2midi ends a track a few ticks after its last note; a note too many or
// too few is a sixteenth or more.
constexpr double ToleranceInBeats = 1.0 / 8;
// Where the loop comes back to sounds at once.
constexpr double OpeningSeconds = 0.25;

struct TuneLength {
    double beats;
    double beatSeconds;
};

// The length an ABC tune asks for: the bars of its first voice at its metre
// and tempo (the tunes are written out, without repeat signs).
TuneLength abcLength(const QString& abc)
{
    const auto field = [&abc](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern), QRegularExpression::MultilineOption)
            .match(abc);
    };
    const QRegularExpressionMatch meter = field(R"(^M:\s*(\d+)/(\d+))");
    const QRegularExpressionMatch tempo = field(R"(^Q:\s*(\d+)/(\d+)\s*=\s*(\d+))");
    static const QRegularExpression FieldLine(QStringLiteral("^[A-Za-z]:"));
    static const QRegularExpression BarLine(QStringLiteral(R"(\|[|\]]?)"));
    QString voice, firstVoice;
    int bars = 0;
    for (const QString& line : abc.split(u'\n')) {
        const QString music = line.section(u'%', 0, 0);
        if (music.startsWith(QStringLiteral("V:")))
            voice = firstVoice.isEmpty() ? (firstVoice = music) : music;
        else if (voice == firstVoice && !music.contains(FieldLine))
            bars += int(music.count(BarLine));
    }
    const auto number = [](const QRegularExpressionMatch& m, int i) {
        return m.captured(i).toDouble();
    };
    const double barInBeats =
        number(meter, 1) / number(meter, 2) / (number(tempo, 1) / number(tempo, 2));
    return {bars * barInBeats, 60 / number(tempo, 3)};
}

} // namespace

class TestTunes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playsForItsLength_data();
    void playsForItsLength();

private:
    QDir tunes_{QStringLiteral(ORVANE_RESOURCES "/samples/tunes")};
    std::unique_ptr<FluidEngine> engine_;
};

void TestTunes::initTestCase()
{
    QVERIFY(tunes_.entryList({QStringLiteral("*.abc")}).size() >= MinimumTunes);
    QVERIFY(!samplePackFolder().isEmpty());
    engine_ = std::make_unique<FluidEngine>(FluidEngine::Output::Offline);
    QVERIFY(!engine_->soundFont().isEmpty());
}

void TestTunes::playsForItsLength_data()
{
    QTest::addColumn<QString>("abc");
    QTest::addColumn<QString>("midi");

    for (const QFileInfo& tune : tunes_.entryInfoList({QStringLiteral("*.abc")}))
        QTest::newRow(qPrintable(tune.fileName()))
            << tune.filePath()
            << QDir(samplePackFolder()).filePath(tune.completeBaseName() + QStringLiteral(".mid"));
}

// Each tune, built by abc2midi, plays through the player's MIDI reading and
// FluidSynth, sounds from its start, and ends when its bars are over: as the
// player loops it, it comes back without a gap.
void TestTunes::playsForItsLength()
{
    QFETCH(QString, abc);
    QFETCH(QString, midi);

    QFile source(abc);
    QVERIFY(source.open(QIODevice::ReadOnly));
    const TuneLength length = abcLength(QString::fromUtf8(source.readAll()));
    const double expected = length.beats * length.beatSeconds;
    QVERIFY2(expected >= ShortestSeconds && expected <= LongestSeconds,
             qPrintable(QString::number(expected)));
    const std::optional<QByteArray> bytes = readMidiFile(midi);
    QVERIFY2(bytes, qPrintable(midi));

    engine_->reset();
    FluidPlayback playback(*engine_, *bytes);
    QVERIFY(playback.isValid());
    playback.play();
    std::vector<int16_t> samples(size_t(StepFrames) * 2);
    const qint64 limit = qint64((expected + 1) * SampleRate);
    qint64 frames = 0;
    int openingPeak = 0, peak = 0;
    while (!playback.hasEnded() && frames < limit) {
        QVERIFY(engine_->render(samples.data(), StepFrames));
        frames += StepFrames;
        peak = std::max(peak, peakOf(samples));
        if (frames <= OpeningSeconds * SampleRate)
            openingPeak = peak;
    }
    QVERIFY(openingPeak > SilentPeak);
    QVERIFY(peak >= LoudPeak);
    const double seconds = double(frames) / SampleRate;
    QVERIFY2(
        std::abs(seconds - expected) <= length.beatSeconds * ToleranceInBeats,
        qPrintable(QStringLiteral("plays %1 s, its ABC asks for %2 s").arg(seconds).arg(expected)));
}

QTEST_GUILESS_MAIN(TestTunes)
#include "tst_tunes.moc"
