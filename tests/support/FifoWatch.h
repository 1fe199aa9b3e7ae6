#pragma once

#include <atomic>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvd::testing {

// A named pipe that notices a reader. Its writer end opens only while something holds it open
// for reading, and closing that end lets a blocked reader go: a faulty reader fails the test
// instead of hanging it.
class FifoWatch {
public:
    explicit FifoWatch(const std::string& path)
        : made_(mkfifo(path.c_str(), 0644) == 0), thread_([this, path] {
              for (; !stop_; usleep(5000)) {
                  const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  opened_ = opened_ || fd >= 0;
                  close(fd);
              }
          }) {}
    ~FifoWatch() {
        stop_ = true;
        thread_.join();
    }
    bool Made() const { return made_; }
    bool Opened() const { return opened_; }

private:
    bool made_;
    std::atomic<bool> stop_{false}, opened_{false};
    std::thread thread_;
};

} // namespace orvd::testing
