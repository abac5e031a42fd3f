#include "CanonicalMidi.h"
#include "FluidEngine.h"
#include "FluidMusicDevice.h"
#include "FluidMusicDeviceFactory.h"
#include "MidiFileReader.h"
#include "support/MidiFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <malloc.h>
#include <sys/stat.h>

using namespace orvane;
using namespace orvane::test;

namespace {

const QString TestSoundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
const QString Sequencer = QStringLiteral("sequencer");

// The byte glibc fills new heap blocks with in freshEngineIsSilent.
constexpr int HeapGarbage = 0xab;

// What a voice cut at once may still leave in the effects.
constexpr double EffectsTailSeconds = 1.0;
// A command that takes longer than this is taken to block.
constexpr int BlockLimitMs = 3000;
constexpr int RealtimeLimitMs = 10000;

// An organ note let go at once but held by the sustain pedal for eight
// seconds: only cutting the sound silences it.
QByteArray pedalFile()
{
    constexpr int Key = 60;
    return midiFile(programChange(OrganProgram) + event(0, bytes({0xb0, SustainPedal, 127})) +
                    noteOn(0, Key) + noteOff(TicksPerSecond / 10, Key) +
                    event(TicksPerSecond * 8, bytes({0xb0, SustainPedal, 0})));
}

// Two chunks of unknown kinds, one of them read by FluidSynth 2.3 as a
// negative length that sent its track reader round for ever, then a track.
const QByteArray FrozeFluidSynth = QByteArray::fromHex(
    "4d546864000000060000000100604a554e4b00000000000000000000000400000000fffffff000000000"
    "4d54726b0000000c00903c6460803c0000ff2f00");

// Kills the test run when the scope is not left in time, so a command that
// blocks (on a FIFO, say) fails the suite at once instead of hanging it.
class ReturnsWithin {
public:
    ReturnsWithin(int limitMs, const char* what)
        : watch_([this, limitMs, what] {
              std::unique_lock lock(mutex_);
              if (!left_.wait_for(lock, std::chrono::milliseconds(limitMs),
                                  [this] { return done_; }))
                  qFatal("%s did not return within %d ms", what, limitMs);
          })
    {
    }
    ~ReturnsWithin()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        left_.notify_one();
        watch_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable left_;
    bool done_ = false;
    std::thread watch_;
};

// A device of its own on the given engine, with the given file.
class OwnDevice {
public:
    OwnDevice(std::shared_ptr<FluidEngine> engine, const QString& file)
        : factory_(std::move(engine)), device_(factory_.createMusicDevice()),
          done_(device_.get(), &MusicDevice::done)
    {
        device_->setDeviceType(Sequencer);
        device_->setFileName(file);
    }

    void send(std::initializer_list<const char*> commands)
    {
        for (const char* command : commands)
            device_->command(command);
    }
    int dones() const { return int(done_.count()); }

private:
    FluidMusicDeviceFactory factory_;
    std::unique_ptr<MusicDevice> device_;
    QSignalSpy done_;
};

} // namespace

class TestMusicDevice : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void playsToTheEndAndRaisesDoneOnce();
    void doneOnlyWhenAPlaybackEnds_data();
    void doneOnlyWhenAPlaybackEnds();
    void afterTheEnd_data();
    void afterTheEnd();
    void soundStopsAtOnce_data();
    void soundStopsAtOnce();
    void playerLoopsUntilStopped();
    void refusesWithoutBlocking_data();
    void refusesWithoutBlocking();
    void rebuildsCanonicalForm_data();
    void rebuildsCanonicalForm();
    void playsTheFileThatFrozeFluidSynth();
    void stuckRendererCostsOneBoundedWait_data();
    void stuckRendererCostsOneBoundedWait();
    void endsWithoutWaitingForAStuckRenderer();
    void endsWithoutWaitingForAHungLoad();
    void keepsTimeWithoutSoundFont();
    void openWaitsForTheEngineBounded_data();
    void openWaitsForTheEngineBounded();
    void freshEngineIsSilent();
    void realtimeSilentOutputKeepsTime();

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes);
    // Renders the given time offline and returns the peak of the samples.
    int render(double seconds);
    // Renders the given time in short steps, letting the device notice an end
    // and deliver done() after each.
    int renderAndRun(double seconds);
    // Long enough for the end check and a queued done() to run several times.
    static void settle() { QTest::qWait(FluidMusicDevice::EndPollIntervalMs * 5); }
    void send(const QStringList& commands);
    void openTune(const QString& name = QStringLiteral("tune.mid"));

    QTemporaryDir dir_;
    std::shared_ptr<FluidEngine> engine_;
    std::unique_ptr<FluidMusicDeviceFactory> factory_;
    std::unique_ptr<MusicDevice> device_;
    std::unique_ptr<QSignalSpy> done_;
};

void TestMusicDevice::initTestCase()
{
    QVERIFY(dir_.isValid());
    writeFile("tune.mid", tuneFile());
    writeFile("pedal.mid", pedalFile());
    engine_ =
        std::make_shared<FluidEngine>(FluidEngine::Output::Offline, QStringList{TestSoundFont});
    QCOMPARE(engine_->soundFont(), TestSoundFont);
    QCOMPARE(engine_->audioDriver(), QString());
    factory_ = std::make_unique<FluidMusicDeviceFactory>(engine_);
}

void TestMusicDevice::init()
{
    device_ = factory_->createMusicDevice();
    done_ = std::make_unique<QSignalSpy>(device_.get(), &MusicDevice::done);
}

void TestMusicDevice::cleanup()
{
    done_.reset();
    device_.reset();
    // Whatever a test left sounding dies away before the next one listens.
    engine_->reset();
    render(EffectsTailSeconds);
}

void TestMusicDevice::writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

int TestMusicDevice::render(double seconds)
{
    std::vector<int16_t> samples(size_t(seconds * SampleRate) * 2);
    if (!engine_->render(samples.data(), int(samples.size() / 2)))
        qFatal("offline rendering failed");
    return peakOf(samples);
}

int TestMusicDevice::renderAndRun(double seconds)
{
    constexpr double Step = 0.1;
    int peak = 0;
    for (double done = 0; done < seconds; done += Step) {
        peak = std::max(peak, render(Step));
        QTest::qWait(FluidMusicDevice::EndPollIntervalMs * 2);
    }
    return peak;
}

void TestMusicDevice::send(const QStringList& commands)
{
    for (const QString& command : commands)
        device_->command(command);
}

void TestMusicDevice::openTune(const QString& name)
{
    device_->setDeviceType(Sequencer);
    device_->setFileName(path(name));
    send({"open", "prev"});
}

void TestMusicDevice::playsToTheEndAndRaisesDoneOnce()
{
    openTune();
    QVERIFY(render(0.3) <= SilentPeak); // nothing before "play"
    device_->command("play");
    QVERIFY(render(TuneSeconds * 0.9) >= LoudPeak);
    settle();
    QCOMPARE(done_->count(), 0);

    render(TuneSeconds * 0.2);
    QTRY_COMPARE(done_->count(), 1);
    QCOMPARE(done_->at(0).at(0).toInt(), MusicDevice::NotifySuccessful);
    render(TuneSeconds);
    settle();
    QCOMPARE(done_->count(), 1);
}

void TestMusicDevice::doneOnlyWhenAPlaybackEnds_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("dones");

    // Every sequence here stays well inside the tune's length.
    QTest::newRow("open") << QStringList{"open"} << 0;
    QTest::newRow("open, prev") << QStringList{"open", "prev"} << 0;
    QTest::newRow("open, prev, close") << QStringList{"open", "prev", "close"} << 0;
    QTest::newRow("stop with nothing open") << QStringList{"stop"} << 0;
    QTest::newRow("stop when open, not playing") << QStringList{"open", "prev", "stop"} << 0;
    QTest::newRow("close while playing") << QStringList{"open", "prev", "play", "close"} << 0;
    QTest::newRow("prev while playing") << QStringList{"open", "prev", "play", "prev"} << 0;
    QTest::newRow("open while playing") << QStringList{"open", "prev", "play", "open"} << 0;
    QTest::newRow("stop after prev") << QStringList{"open", "prev", "play", "prev", "stop"} << 0;
    QTest::newRow("stop after close") << QStringList{"open", "prev", "play", "close", "stop"} << 0;
    QTest::newRow("play when closed") << QStringList{"play", "stop"} << 0;
    QTest::newRow("stop while playing") << QStringList{"open", "prev", "play", "stop"} << 1;
    QTest::newRow("stop twice") << QStringList{"open", "prev", "play", "stop", "stop"} << 1;
    QTest::newRow("stop, then close") << QStringList{"open", "prev", "play", "stop", "close"} << 1;
    QTest::newRow("play twice") << QStringList{"open", "prev", "play", "play", "stop"} << 1;
    QTest::newRow("play without prev") << QStringList{"open", "play", "stop"} << 1;
    QTest::newRow("play again after stop")
        << QStringList{"open", "prev", "play", "stop", "play", "stop"} << 2;
    QTest::newRow("commands in capitals") << QStringList{"Open", "Prev", "Play", "Stop"} << 1;
}

void TestMusicDevice::doneOnlyWhenAPlaybackEnds()
{
    QFETCH(QStringList, commands);
    QFETCH(int, dones);

    device_->setDeviceType(Sequencer);
    device_->setFileName(path("tune.mid"));
    for (const QString& command : commands) {
        device_->command(command);
        render(TuneSeconds / 10);
        QCoreApplication::processEvents();
    }
    settle();
    QCOMPARE(done_->count(), dones);
    for (const QList<QVariant>& arguments : std::as_const(*done_))
        QCOMPARE(arguments.at(0).toInt(), MusicDevice::NotifyAborted);
}

void TestMusicDevice::afterTheEnd_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("playsAgain");

    QTest::newRow("prev, play: again from the start") << QStringList{"prev", "play"} << true;
    QTest::newRow("play alone: stays at the end") << QStringList{"play"} << false;
    QTest::newRow("open, prev, play: again from the start")
        << QStringList{"open", "prev", "play"} << true;
}

void TestMusicDevice::afterTheEnd()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, playsAgain);

    openTune();
    device_->command("play");
    render(TuneSeconds * 1.1);
    QTRY_COMPARE(done_->count(), 1);
    render(EffectsTailSeconds);

    send(commands);
    // A rewound tune sounds at once and ends again after its whole length.
    const int peak = render(TuneSeconds * 0.3);
    settle();
    QCOMPARE(done_->count(), 1);
    QCOMPARE(peak >= LoudPeak, playsAgain);
    QVERIFY(playsAgain || peak <= SilentPeak);

    render(TuneSeconds * 0.8);
    if (playsAgain)
        QTRY_COMPARE(done_->count(), 2);
    settle();
    QCOMPARE(done_->count(), playsAgain ? 2 : 1);
}

void TestMusicDevice::soundStopsAtOnce_data()
{
    QTest::addColumn<QString>("command");

    QTest::newRow("stop") << "stop";
    QTest::newRow("close") << "close";
    QTest::newRow("prev") << "prev";
    QTest::newRow("open") << "open";
}

void TestMusicDevice::soundStopsAtOnce()
{
    QFETCH(QString, command);

    openTune("pedal.mid");
    device_->command("play");
    QVERIFY(render(0.5) >= LoudPeak);
    device_->command(command);
    render(EffectsTailSeconds);
    QVERIFY(render(0.25) <= SilentPeak);
}

void TestMusicDevice::playerLoopsUntilStopped()
{
    // The player window's MMC1_Done: reopen and rewind, and play on while a
    // game runs.
    bool gameRunning = true;
    const QString tune = path("tune.mid");
    connect(device_.get(), &MusicDevice::done, this, [&] {
        device_->command("close");
        device_->setDeviceType(Sequencer);
        device_->setFileName(tune);
        send({"open", "prev"});
        if (gameRunning)
            device_->command("play");
    });

    openTune();
    device_->command("play");
    renderAndRun(TuneSeconds * 3.5);
    const int loops = done_->count();
    QVERIFY2(loops >= 2 && loops <= 4, qPrintable(QString::number(loops)));
    QVERIFY(render(TuneSeconds * 0.3) >= LoudPeak);

    // Stop as the player window does: the game ends before "stop" is sent.
    gameRunning = false;
    device_->command("stop");
    QTRY_COMPARE(done_->count(), loops + 1);
    renderAndRun(EffectsTailSeconds + TuneSeconds);
    QCOMPARE(done_->count(), loops + 1);
    QVERIFY(render(0.25) <= SilentPeak);
}

void TestMusicDevice::refusesWithoutBlocking_data()
{
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<QString>("file");

    const QByteArray tune = tuneFile();
    writeFile("empty.mid", {});
    writeFile("truncated.mid", tune.left(tune.size() - 10));
    writeFile("header-only.mid", tune.left(14));
    writeFile("text.mid", "MThd is how a MIDI file starts, but this is text.\n");
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator random(4);
    for (char& c : noise)
        c = char(random.bounded(256));
    writeFile("noise.mid", noise);
    QByteArray oversized = tune;
    oversized.append(MaxMidiFileSize - oversized.size() + 1, '\0');
    writeFile("oversized.mid", oversized);
    QDir(dir_.path()).mkdir("folder.mid");
    const QString fifo = path("fifo.mid");
    QVERIFY(QFile::exists(fifo) || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);

    QTest::newRow("missing file") << Sequencer << path("missing.mid");
    QTest::newRow("no file name") << Sequencer << QString();
    QTest::newRow("directory") << Sequencer << path("folder.mid");
    QTest::newRow("FIFO") << Sequencer << fifo;
    QTest::newRow("character device") << Sequencer << QStringLiteral("/dev/zero");
    QTest::newRow("empty file") << Sequencer << path("empty.mid");
    QTest::newRow("random bytes") << Sequencer << path("noise.mid");
    QTest::newRow("text") << Sequencer << path("text.mid");
    QTest::newRow("truncated MIDI") << Sequencer << path("truncated.mid");
    QTest::newRow("MIDI header without tracks") << Sequencer << path("header-only.mid");
    QTest::newRow("over the size limit") << Sequencer << path("oversized.mid");
    QTest::newRow("device type cdaudio") << QStringLiteral("cdaudio") << path("tune.mid");
    QTest::newRow("device type not set") << QString() << path("tune.mid");
}

void TestMusicDevice::refusesWithoutBlocking()
{
    QFETCH(QString, deviceType);
    QFETCH(QString, file);

    // The device has a tune open: a refused file must not leave it playable.
    openTune();
    device_->setDeviceType(deviceType);
    device_->setFileName(file);
    {
        ReturnsWithin limit(BlockLimitMs, "open, prev, play");
        send({"open", "prev", "play"});
    }
    QVERIFY(render(0.5) <= SilentPeak);
    device_->command("stop");
    settle();
    QCOMPARE(done_->count(), 0);

    // The refusal leaves the device working.
    openTune();
    device_->command("play");
    QVERIFY(render(0.3) >= LoudPeak);
    device_->command("stop");
    QTRY_COMPARE(done_->count(), 1);
}

void TestMusicDevice::rebuildsCanonicalForm_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("rebuilt"); // empty when refused
    using orvane::test::event;               // not QObject's

    const QByteArray header = midiHeader(0, 1, 96);
    const QByteArray note = noteOn(0, 60) + noteOff(96, 60);
    const QByteArray track = chunk("MTrk", note + endOfTrack());
    QByteArray tracks127;
    for (int i = 0; i < MaxMidiTracks; ++i)
        tracks127 += track;

    QTest::newRow("the file that froze FluidSynth") << FrozeFluidSynth << header + track;
    QTest::newRow("chunk length past the end")
        << header + "JUNK" + bigEndian(64, 4) + track << QByteArray();
    QTest::newRow("negative-looking length")
        << header + "JUNK" + bigEndian(0xfffffff0, 4) + track << QByteArray();
    QTest::newRow("event running past its chunk")
        << header + chunk("MTrk", bytes({0, 0x90, 60})) + bytes({100}) + track << QByteArray();
    QTest::newRow("missing end of track added") << header + chunk("MTrk", note) << header + track;
    QTest::newRow("127 tracks") << midiHeader(1, 127, 96) + tracks127
                                << midiHeader(1, 127, 96) + tracks127;
    QTest::newRow("128 tracks refused")
        << midiHeader(1, 128, 96) + tracks127 + track << QByteArray();
    QTest::newRow("format 2, 128 sequences refused")
        << midiHeader(2, 128, 96) + track + chunk("MTrk", endOfTrack()) << QByteArray();
    QTest::newRow("format 2: the first sequence")
        << midiHeader(2, 2, 96) + track + chunk("MTrk", endOfTrack()) << header + track;
    QTest::newRow("running status spelled out, text and tempo 0 dropped, their time kept")
        << header + chunk("MTrk", event(0, bytes({0x90, 60, 100})) + event(48, bytes({64, 100})) +
                                      event(24, bytes({0xff, 1, 2, 'h', 'i'})) +
                                      event(12, bytes({0xff, 0x51, 3, 0, 0, 0})) +
                                      event(12, bytes({60, 0})) + endOfTrack())
        << header +
               chunk("MTrk", event(0, bytes({0x90, 60, 100})) + event(48, bytes({0x90, 64, 100})) +
                                 event(48, bytes({0x90, 60, 0})) + endOfTrack());
}

void TestMusicDevice::rebuildsCanonicalForm()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, rebuilt);

    const std::optional<QByteArray> result = canonicalMidiFile(file);
    QCOMPARE(result.value_or(QByteArray()).toHex(), rebuilt.toHex());
    if (result)
        QCOMPARE(canonicalMidiFile(*result), result);
}

void TestMusicDevice::playsTheFileThatFrozeFluidSynth()
{
    writeFile("froze.mid", FrozeFluidSynth);
    openTune("froze.mid");
    device_->command("play");
    ReturnsWithin limit(BlockLimitMs, "rendering");
    QVERIFY(render(0.3) > SilentPeak);
}

void TestMusicDevice::stuckRendererCostsOneBoundedWait_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("dones");

    QTest::newRow("stop") << "stop" << 1;
    QTest::newRow("close") << "close" << 0;
    QTest::newRow("open") << "open" << 0;
    QTest::newRow("prev") << "prev" << 0;
}

void TestMusicDevice::stuckRendererCostsOneBoundedWait()
{
    QFETCH(QString, command);
    QFETCH(int, dones);

    const auto engine =
        std::make_shared<FluidEngine>(FluidEngine::Output::Offline, QStringList{TestSoundFont});
    OwnDevice device(engine, path("tune.mid"));
    device.send({"open", "prev", "play"});

    // The renderer held as by FluidSynth looping on the audio thread.
    std::promise<void> held;
    std::promise<void> release;
    std::thread audio([&] {
        const FluidEngine::RenderPause stuck(*engine);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    {
        ReturnsWithin limit(BlockLimitMs, "a command to a stuck renderer");
        device.send({qPrintable(command)});
    }
    QVERIFY(engine->isBroken());
    {
        ReturnsWithin limit(int(FluidEngine::RenderWaitLimit.count()), "later commands");
        device.send({"close", "open", "prev", "play", "stop"});
    }
    release.set_value();
    audio.join();

    std::vector<int16_t> samples(size_t(TuneSeconds * SampleRate) * 2);
    QVERIFY(engine->render(samples.data(), int(samples.size() / 2)));
    QCOMPARE(peakOf(samples), 0);
    settle();
    QCOMPARE(device.dones(), dones);
}

void TestMusicDevice::endsWithoutWaitingForAStuckRenderer()
{
    auto engine =
        std::make_shared<FluidEngine>(FluidEngine::Output::Offline, QStringList{TestSoundFont});
    auto device = std::make_unique<OwnDevice>(engine, path("tune.mid"));
    device->send({"open", "prev", "play"});
    std::promise<void> held;
    std::promise<void> release;
    std::thread audio([&, stuckEngine = engine.get()] {
        const FluidEngine::RenderPause stuck(*stuckEngine);
        held.set_value();
        release.get_future().wait();
    });
    held.get_future().wait();
    {
        ReturnsWithin limit(BlockLimitMs, "ending the device and the engine");
        device.reset();
        engine.reset();
    }
    // The stuck renderer lets go of what the engine left behind.
    release.set_value();
    audio.join();
}

void TestMusicDevice::endsWithoutWaitingForAHungLoad()
{
    // The engine's maker stuck as on a sound server that never answers.
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    {
        ReturnsWithin limit(BlockLimitMs, "ending while the engine loads");
        FluidMusicDeviceFactory factory(
            [released] {
                released.wait();
                return std::shared_ptr<FluidEngine>();
            },
            std::chrono::milliseconds(0), std::chrono::milliseconds(0));
        factory.preload();
    }
    release.set_value();
}

void TestMusicDevice::keepsTimeWithoutSoundFont()
{
    const auto engine = std::make_shared<FluidEngine>(
        FluidEngine::Output::Offline, QStringList{path("no-such-font.sf2"), dir_.path()});
    QCOMPARE(engine->soundFont(), QString());
    OwnDevice device(engine, path("tune.mid"));
    device.send({"open", "prev", "play"});
    std::vector<int16_t> samples(size_t(TuneSeconds * 1.1 * SampleRate) * 2);
    QVERIFY(engine->render(samples.data(), int(samples.size() / 2)));
    QVERIFY(peakOf(samples) <= SilentPeak);
    QTRY_COMPARE(device.dones(), 1);
}

void TestMusicDevice::openWaitsForTheEngineBounded_data()
{
    QTest::addColumn<int>("loadMs");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<bool>("plays");
    QTest::newRow("ready in time") << 300 << 5000 << true;
    QTest::newRow("still loading: silent") << 800 << 50 << false;
}

void TestMusicDevice::openWaitsForTheEngineBounded()
{
    QFETCH(int, loadMs);
    QFETCH(int, waitMs);
    QFETCH(bool, plays);
    auto engine = engine_;
    FluidMusicDeviceFactory factory(
        [engine, loadMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(loadMs));
            return engine;
        },
        std::chrono::milliseconds(waitMs));
    factory.preload();
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<MusicDevice> device = factory.createMusicDevice();
    QVERIFY(clock.elapsed() < loadMs / 2); // a device never waits to be made
    QSignalSpy done(device.get(), &MusicDevice::done);
    device->setDeviceType(Sequencer);
    device->setFileName(path("tune.mid"));
    for (const char* command : {"open", "prev", "play", "stop"})
        device->command(command);
    QVERIFY(clock.elapsed() < (plays ? loadMs + BlockLimitMs : loadMs));
    QTest::qWait(FluidMusicDevice::EndPollIntervalMs * 5);
    QCOMPARE(done.count(), plays ? 1 : 0);
}

void TestMusicDevice::freshEngineIsSilent()
{
    // New heap blocks hold garbage, as they may in a program that has run a
    // while. Without a SoundFont the synthesizer must play silence, not that.
    mallopt(M_PERTURB, HeapGarbage);
    const auto engine = std::make_shared<FluidEngine>(FluidEngine::Output::Offline, QStringList{});
    mallopt(M_PERTURB, 0);
    std::vector<int16_t> samples(size_t(SampleRate) * 2);
    QVERIFY(engine->render(samples.data(), SampleRate));
    QVERIFY2(peakOf(samples) <= SilentPeak, qPrintable(QString::number(peakOf(samples))));
}

void TestMusicDevice::realtimeSilentOutputKeepsTime()
{
    const auto engine = std::make_shared<FluidEngine>(FluidEngine::Output::Realtime,
                                                      QStringList{TestSoundFont}, QStringList{});
    QCOMPARE(engine->audioDriver(), FluidEngine::SilentOutputName);
    int16_t sample[2];
    QVERIFY(!engine->render(sample, 1)); // the output renders, nobody else
    OwnDevice device(engine, path("tune.mid"));

    // Commands while the output renders: each one pauses it.
    constexpr int Restarts = 20;
    for (int i = 0; i < Restarts; ++i)
        device.send({"open", "prev", "play", "stop"});
    QTRY_COMPARE(device.dones(), Restarts);

    QElapsedTimer clock;
    clock.start();
    device.send({"open", "prev", "play"});
    QTRY_COMPARE_WITH_TIMEOUT(device.dones(), Restarts + 1, RealtimeLimitMs);
    qInfo("a %.1f s tune ended after %lld ms on the silent output", TuneSeconds, clock.elapsed());
}

QTEST_GUILESS_MAIN(TestMusicDevice)
#include "tst_musicdevice.moc"
