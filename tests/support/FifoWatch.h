#pragma once

#include <atomic>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orvd::testing {

// A named pipe whose writer end opens only while something holds it for reading; closing that
// end lets a blocked reader go, so a faulty reader fails the test instead of hanging it.
class FifoWatch {
public:
    explicit FifoWatch(const std::string& path)
        : made_(mkfifo(path.c_str(), 0644) == 0), thread_([this, path] {
              for (int fd; !stop_; usleep(5000), close(fd))
                  opened_ = (fd = open(path.c_str(), O_WRONLY | O_NONBLOCK)) >= 0 || opened_;
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
