#pragma once

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvd::testing {

// A named pipe that notices whether anything opens it for reading. A reader without a writer
// would wait forever; the watch lets it through (its writer end opens only while a reader holds
// the pipe, and closing it gives the reader the end of the file), so a faulty reader fails the
// test instead of hanging it.
class FifoWatch {
public:
    explicit FifoWatch(std::string path) : path_(std::move(path)) {
        made_ = mkfifo(path_.c_str(), 0644) == 0;
        thread_ = std::thread([this] {
            while (!stop_) {
                const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    opened_ = true;
                    close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~FifoWatch() {
        stop_ = true;
        thread_.join();
    }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    bool Made() const { return made_; }
    bool Opened() const { return opened_; }

private:
    std::string path_;
    bool made_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> opened_{false};
    std::thread thread_;
};

} // namespace orvd::testing
