#pragma once
// The viewer's PDF route: notice, name dialog, progress window, the PDF of the
// viewer's own report bytes in the working directory, opened by the desktop.

#include <cstdint>
#include <vector>

#include "store/AppState.h"

class QWidget;

// Writes `bytes` (a report text in Windows-1252) as "<name>.PDF" at the font
// size `schriftgrad` and opens it. False when the user cancelled or the file
// could not be written (the message was shown then).
bool SpeichereBerichtAlsPdf(QWidget* parent, lohn::AppState& state,
                            const std::vector<std::uint8_t>& bytes, int schriftgrad);
