#pragma once
// The training-video launcher: which label starts what; and the names of the
// manual, the registration leaflet and the training videos for every window
// that opens them.

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace lohn {

inline constexpr const char* kVideoFolder = "S-Videos";
inline constexpr const char* kHandbuchFile = "ZR_Handbuch.pdf";
inline constexpr const char* kVersichertenMeldungFile = "HTML/VersichertenMeldungElda.pdf";

// The program of training video `nummer`: "S-Videos/Lernvideo06.exe".
std::string LernvideoProgramm(int nummer);

struct VideoLink {
  enum class Kind { Program, Document, Folder };
  std::string objectName;
  std::string caption;
  Kind kind;
  std::string target;  // relative to the working directory
};

// The captioned links in the order the window shows them.
const std::vector<VideoLink>& VideoLinks();

// The placeholders Label12 to Label28, which open the video folder itself.
std::vector<VideoLink> VideoFolderLinks();

// Starts the program, or opens the document or folder, of a link.
void StartVideoLink(platform::Shell& shell, const VideoLink& link);

}  // namespace lohn
