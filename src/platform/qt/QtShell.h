#pragma once
#include "platform/Shell.h"

namespace platform {

// Documents and folders open with the desktop's registered application;
// programs start detached, looked up beside this program first. A missing
// file or program, or a desktop without an opener, is a failure.
class QtShell : public Shell {
 protected:
  bool OpenTarget(const std::string& target) override;
  bool Start(const std::string& program, const std::vector<std::string>& args,
             bool hidden) override;
};

}  // namespace platform
