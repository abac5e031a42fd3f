#include "FluidMusicDevice.h"

#include "MidiFileReader.h"

namespace orvane {

FluidMusicDevice::FluidMusicDevice(std::shared_ptr<EngineSource> engines,
                                   std::chrono::milliseconds openWait, QObject* parent)
    : MusicDevice(parent), engines_(std::move(engines)), openWait_(openWait)
{
    endPoll_.setInterval(EndPollIntervalMs);
    connect(&endPoll_, &QTimer::timeout, this, &FluidMusicDevice::checkEnd);
}

FluidMusicDevice::~FluidMusicDevice()
{
    close();
}

void FluidMusicDevice::setDeviceType(const QString& type)
{
    deviceType_ = type;
}

void FluidMusicDevice::setFileName(const QString& path)
{
    fileName_ = path;
}

void FluidMusicDevice::command(const QString& command)
{
    if (deviceType_.compare(Sequencer, Qt::CaseInsensitive) != 0)
        return;
    if (engine_ && engine_->isBroken()) {
        close(); // silent for the rest of the run
        return;
    }
    const auto is = [&command](const QString& name) {
        return command.compare(name, Qt::CaseInsensitive) == 0;
    };
    if (is(Open))
        open();
    else if (is(Prev))
        rewind();
    else if (is(Play))
        play();
    else if (is(Stop))
        stop();
    else if (is(Close))
        close();
}

void FluidMusicDevice::open()
{
    // A second "open" replaces the file: the maze may name another one now.
    close();
    std::optional<QByteArray> midi = readMidiFile(fileName_);
    if (!midi)
        return;
    if (!engine_)
        engine_ = engines_->get(openWait_); // the SoundFont may still be loading
    if (!engine_)
        return;
    auto playback = std::make_unique<FluidPlayback>(*engine_, *midi);
    if (!playback->isValid())
        return;
    midi_ = std::move(*midi);
    playback_ = std::move(playback);
    state_ = State::Stopped;
}

void FluidMusicDevice::rewind()
{
    if (state_ == State::Closed)
        return;
    // A fresh player is the one sure way back to the start in FluidSynth 2.3:
    // seeking a player that has finished is refused.
    endPoll_.stop();
    playback_.reset();
    engine_->reset();
    playback_ = std::make_unique<FluidPlayback>(*engine_, midi_);
    if (playback_->isValid())
        state_ = State::Stopped;
    else
        close();
}

void FluidMusicDevice::play()
{
    if (state_ != State::Stopped)
        return;
    playback_->play();
    state_ = State::Playing;
    endPoll_.start();
}

void FluidMusicDevice::stop()
{
    if (state_ != State::Playing)
        return;
    endPoll_.stop();
    playback_->pause();
    // FluidSynth versions differ in what a stopped player leaves sounding.
    engine_->silence();
    state_ = State::Stopped;
    postDone(NotifyAborted);
}

void FluidMusicDevice::close()
{
    if (state_ == State::Closed)
        return;
    endPoll_.stop();
    playback_.reset();
    engine_->reset();
    midi_.clear();
    state_ = State::Closed;
}

void FluidMusicDevice::checkEnd()
{
    if (state_ != State::Playing)
        return;
    if (engine_->isBroken()) {
        close(); // the playback will never move on
        return;
    }
    if (!playback_->hasEnded())
        return;
    endPoll_.stop();
    // The last notes ring out; the player stops counting past the end.
    playback_->pause();
    state_ = State::Ended;
    postDone(NotifySuccessful);
}

void FluidMusicDevice::postDone(int notifyCode)
{
    QMetaObject::invokeMethod(
        this, [this, notifyCode] { emit done(notifyCode); }, Qt::QueuedConnection);
}

} // namespace orvane
