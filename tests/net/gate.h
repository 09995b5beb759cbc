#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kinovra::testing {

// Holds server handlers back until the test lets them go. The long bound only keeps a broken
// test from hanging; no passing run comes near it.
class Gate
{
public:
    void Open()
    {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }

    void Close()
    {
        std::lock_guard lock(mutex_);
        open_ = false;
    }

    void Wait()
    {
        std::unique_lock lock(mutex_);
        opened_.wait_for(lock, std::chrono::minutes(2), [this] { return open_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

} // namespace kinovra::testing
