#pragma once
#include "platform/Shell.h"

namespace platform {

// Documents and folders open with the desktop's registered application;
// programs start detached, looked up beside this program first.
class QtShell : public Shell {
 public:
  void Open(const std::string& target) override;
  void StartProgram(const std::string& program, const std::vector<std::string>& args,
                    bool hidden = false) override;
};

}  // namespace platform
