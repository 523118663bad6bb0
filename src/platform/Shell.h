#pragma once
// Starts documents, folders, addresses and sibling programs. Results are not
// checked, as the program never did; a program is started with an argument
// list, never through a command string.

#include <string>
#include <vector>

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document, folder or web address with the desktop's registered
  // application.
  virtual void Open(const std::string& target) = 0;
  // Starts a program (looked up beside this program first) with arguments.
  virtual void StartProgram(const std::string& program, const std::vector<std::string>& args,
                            bool hidden = false) = 0;
};

}  // namespace platform
