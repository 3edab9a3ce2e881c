#include "ProfileSaver.h"

#include "QueuedCall.h"

#include <QCoreApplication>

#include <chrono>
#include <utility>

ProfileSaver& ProfileSaver::shared() {
    static ProfileSaver* saver = new ProfileSaver;
    return *saver;
}

ProfileSaver::ProfileSaver() : worker_([this] { run(); }) {}

ProfileSaver::~ProfileSaver() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void ProfileSaver::save(ProfieController& library, QObject* receiver,
                        std::function<void(bool)> done) {
    ProfieController::SaveSet set = library.takeSaveSet();
    Listener listener{receiver, std::move(done)};
    {
        std::lock_guard lock(mutex_);
        if (!jobs_.empty() && jobs_.back().library == &library) {
            jobs_.back().set = std::move(set);
            jobs_.back().listeners.push_back(std::move(listener));
            return;
        }
        Job job{&library, std::move(set), {}};
        job.listeners.push_back(std::move(listener));
        jobs_.push_back(std::move(job));
    }
    wake_.notify_one();
}

bool ProfileSaver::waitUntilIdle(int timeoutMs) {
    std::unique_lock lock(mutex_);
    return idle_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [this] { return jobs_.empty() && !running_; });
}

void ProfileSaver::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
        if (jobs_.empty())
            return; // stopping, nothing left
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        running_ = true;
        lock.unlock();

        const bool saved = job.library->writeSaveSet(job.set);
        // The receivers live on the application's thread: whether one is still there is asked
        // on that thread, never here while it may be going.
        if (QCoreApplication* app = QCoreApplication::instance())
            KxQueued::post(app, [listeners = std::move(job.listeners), saved] {
                for (const Listener& listener : listeners)
                    if (listener.done && listener.receiver)
                        listener.done(saved);
            });

        lock.lock();
        running_ = false;
        if (jobs_.empty())
            idle_.notify_all();
    }
}
