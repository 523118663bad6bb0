#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace platform {

SingleInstance::SingleInstance(std::string name) : name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) close(fd_);
}

std::string SingleInstance::LockPath(const std::string& name) {
  namespace fs = std::filesystem;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  fs::path dir;
  if (runtime && *runtime && fs::is_directory(runtime)) {
    dir = runtime;
  } else {
    const char* user = std::getenv("USER");
    dir = fs::temp_directory_path() /
          ("lohnverrechnung-" + std::string(user ? user : "user") + "-" + std::to_string(getuid()));
    std::error_code ec;
    fs::create_directories(dir, ec);
  }
  return (dir / (name + ".lock")).string();
}

bool SingleInstance::Acquire() {
  if (fd_ >= 0) return true;
  int fd = open(LockPath(name_).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;  // no lock possible: never keep the user out for it
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

}  // namespace platform
