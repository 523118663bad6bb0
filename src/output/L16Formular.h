#pragma once
// The annual wage slip on form L16: two pages on a grid of 1010 x 1450
// pixels, each the form drawn by the program itself (boxes, rules, captions)
// or a user's bitmap of it, with the slip's texts at fixed positions (top
// left corner of the text). One routine draws a page on any canvas, so the
// preview on screen and the printed page agree.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/PrintCanvas.h"

namespace lohn {

inline constexpr int kL16Breite = 1010;
inline constexpr int kL16Hoehe = 1450;
inline constexpr std::uint32_t kL16Blau = 0x0000ff;
inline constexpr std::uint32_t kL16Lila = 0x800080;
// Texts of the slip: bold, fixed pitch, 16 pixels.
inline constexpr int kL16Schrift = 16;
inline constexpr const char* kL16SchriftFamilie = "Lucida Console";

// A user's bitmaps of the two pages, in the working directory.
inline constexpr std::array<const char*, 2> kL16Bilddatei{"L16_Seite1_2013.bmp",
                                                          "L16_Seite2_2013.bmp"};

struct L16Text {
  int x = 0, y = 0;
  std::string text;
  std::uint32_t farbe = kL16Blau;
  int groesse = kL16Schrift;  // pixels
  bool operator==(const L16Text&) const = default;
};

struct L16Seite {
  int nummer = 1;           // 1 or 2
  std::string hintergrund;  // a bitmap replacing the built-in form, or empty
  std::vector<L16Text> texte;
};

// One employee's slip.
struct L16Blatt {
  std::int32_t personalNr = 0;
  std::array<L16Seite, 2> seiten{L16Seite{1, {}, {}}, L16Seite{2, {}, {}}};
};

// Draws the page scaled to fit the canvas's page with its aspect ratio kept,
// from the top left corner: the background (bitmap or built-in form), then
// the texts.
void ZeichneL16Seite(platform::PrintCanvas& canvas, const L16Seite& seite);

// The backgrounds of a run: a page's bitmap when it is there and readable.
// A bitmap that is there but cannot be read shows "Bilddatei: <name> nicht
// gefunden!" and leaves the built-in form.
std::array<std::string, 2> L16Hintergruende(platform::Dialogs& dialogs);

// The form's number texts: fixed notation with 2 decimals (15 significant
// digits, so every amount within kMaxCents is exact) in 15 or 8 characters,
// or none (12 digits), blanks on the left up to the width, never cut.
std::string FormatL16Amount15(double betrag);
std::string FormatL16Amount8(double betrag);
std::string FormatL16Whole(int breite, double betrag);

// A step of the side-by-side preview's zoom: both sides x 11/10 while the
// new height stays below 3200, or x 9/10 while it stays above 400; nothing
// when the step is refused.
struct L16Groesse {
  int breite = 0, hoehe = 0;
  bool operator==(const L16Groesse&) const = default;
};
std::optional<L16Groesse> L16Zoom(L16Groesse groesse, bool vergroessern);

}  // namespace lohn
