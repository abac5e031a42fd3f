#include "EngineSource.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace orvane {

struct EngineSource::Load {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false; // no one waits for the engine any more
    std::shared_ptr<FluidEngine> engine;
};

EngineSource::EngineSource(Maker maker, std::chrono::milliseconds exitWait)
    : maker_(std::move(maker)), exitWait_(exitWait)
{
}

EngineSource::EngineSource(std::shared_ptr<FluidEngine> ready) : load_(std::make_shared<Load>())
{
    load_->engine = std::move(ready);
    load_->done = true;
}

EngineSource::~EngineSource()
{
    if (!load_)
        return;
    std::shared_ptr<FluidEngine> engine; // goes here, on this thread, after the lock
    std::unique_lock lock(load_->mutex);
    if (load_->finished.wait_for(lock, exitWait_, [this] { return load_->done; }))
        engine = std::move(load_->engine);
    else
        load_->abandoned = true;
}

void EngineSource::startLoading()
{
    if (load_)
        return;
    load_ = std::make_shared<Load>();
    // Detached: the program's end never waits for it longer than the bound.
    std::thread([load = load_, maker = maker_] {
        std::shared_ptr<FluidEngine> engine = maker();
        std::lock_guard lock(load->mutex);
        if (load->abandoned) {
            // The program may be ending: the engine is never deleted, so that
            // nothing runs on this thread while the rest goes.
            if (engine)
                (void)new std::shared_ptr<FluidEngine>(std::move(engine));
            return;
        }
        load->engine = std::move(engine);
        load->done = true;
        load->finished.notify_all();
    }).detach();
}

std::shared_ptr<FluidEngine> EngineSource::get(std::chrono::milliseconds wait)
{
    startLoading();
    std::unique_lock lock(load_->mutex);
    if (!load_->finished.wait_for(lock, wait, [this] { return load_->done; }))
        return nullptr;
    return load_->engine;
}

} // namespace orvane
