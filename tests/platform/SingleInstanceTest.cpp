#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "platform/SingleInstance.h"

namespace {

std::string UniqueName() { return "lohntest-" + std::to_string(std::random_device{}()); }

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds) {
  std::string name = UniqueName();
  {
    platform::SingleInstance first(name);
    ASSERT_TRUE(first.Acquire());
    platform::SingleInstance second(name);
    EXPECT_FALSE(second.Acquire());
    // Another process sees the lock too.
    pid_t pid = fork();
    if (pid == 0) {
      platform::SingleInstance child(name);
      _exit(child.Acquire() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 1);
  }
  platform::SingleInstance later(name);
  EXPECT_TRUE(later.Acquire());
  unlink(platform::SingleInstance::LockPath(name).c_str());
}

}  // namespace
