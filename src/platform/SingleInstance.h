#pragma once
// One running copy per user: an advisory lock on a file named after the lock,
// in the user's runtime folder. The kernel releases it when the process ends,
// so a crashed copy never blocks the next start.

#include <string>

namespace platform {

class SingleInstance {
 public:
  explicit SingleInstance(std::string name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when another process (or another SingleInstance) holds the name.
  bool Acquire();
  // The file that carries the lock.
  static std::string LockPath(const std::string& name);

 private:
  std::string name_;
  int fd_ = -1;
};

}  // namespace platform
