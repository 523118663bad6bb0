#include "reports/ShowBericht.h"

#include <cerrno>
#include <string_view>

#include "frame/HauptmenueLogik.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"

namespace lohn {

namespace {

using ByteVec = std::vector<std::uint8_t>;

void Append(ByteVec& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

bool IstZiffer(std::uint8_t c) { return c >= '0' && c <= '9'; }

constexpr std::size_t kMaxEintraege = 10'001;

}  // namespace

ByteVec HtmlKopie(const ByteVec& text) {
  ByteVec out;
  out.reserve(text.size() * 2 + 128);
  // Without the declaration a browser guesses the code page of the umlauts.
  Append(out,
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
         "<FONT FACE=\"Courier New\"><FONT SIZE=1>");
  for (std::uint8_t c : text) {
    switch (c) {
      case ' ':
        Append(out, "&nbsp;");
        break;
      case '&':
        Append(out, "&amp;");
        break;
      case '<':
        Append(out, "&lt;");
        break;
      case '>':
        Append(out, "&gt;");
        break;
      case '"':
        Append(out, "&quot;");
        break;
      case '\f':
        Append(out, "\f<br><br><br>\f");
        break;
      case '\r':
        Append(out, "\r<BR>");
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

ByteVec CsvKopie(const ByteVec& text) {
  ByteVec out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::uint8_t c = text[i];
    if (c == '_' || c == '=') {
      ++i;
      continue;
    }
    if (!IstZiffer(c)) {
      out.push_back(c);
      ++i;
      continue;
    }
    // A number: digits with points and commas. Only a decimal point of a
    // plain number becomes a comma; dates and grouped numbers stay.
    std::size_t end = i, punkte = 0, kommas = 0;
    while (end < text.size() && (IstZiffer(text[end]) || text[end] == '.' || text[end] == ',' ||
                                 text[end] == '_' || text[end] == '=')) {
      punkte += text[end] == '.';
      kommas += text[end] == ',';
      ++end;
    }
    for (std::size_t k = i; k < end; ++k) {
      const std::uint8_t z = text[k];
      if (z == '_' || z == '=') continue;
      const bool dezimal =
          z == '.' && punkte == 1 && kommas == 0 && k + 1 < end && IstZiffer(text[k + 1]);
      out.push_back(dezimal ? ',' : z);
    }
    i = end;
  }
  return out;
}

std::vector<std::string> ListenZeilen(const ByteVec& text) {
  std::vector<std::string> zeilen;
  // Every entry counts against the cap, the blank ones of a form feed too.
  bool gekappt = false;
  auto voll = [&] {
    if (zeilen.size() + 1 < kMaxEintraege) return false;
    zeilen.emplace_back(kMaxZeilenText);
    return gekappt = true;
  };
  std::string zeile;
  const char* const anfang = reinterpret_cast<const char*>(text.data());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // The bytes up to the next control byte go into the line at once.
    std::size_t lauf = i;
    while (lauf < text.size() && text[lauf] != '\r' && text[lauf] != '\f' && text[lauf] != '\n')
      ++lauf;
    zeile.append(anfang + i, lauf - i);
    if ((i = lauf) == text.size()) break;
    const std::uint8_t c = text[i];
    if (c == '\r') {
      if (voll()) break;
      zeilen.push_back(Cp1252ToUtf8(zeile));
      zeile.clear();
    } else if (c == '\f') {
      for (int k = 0; k < 3 && !voll(); ++k) zeilen.emplace_back(" ");
      if (gekappt) break;
    }
  }
  // A last line without its line end is printed, so it is listed too.
  if (!gekappt && !zeile.empty() && !voll()) zeilen.push_back(Cp1252ToUtf8(zeile));
  return zeilen;
}

std::optional<BerichtAnsicht> ShowBericht(AppState& state) {
  BerichtAnsicht ansicht;
  ansicht.excel = state.ExcelExportFlag;
  int err = 0;
  if (auto bytes = ReadWholeFile(kReportFileName, &err)) {
    ansicht.bytes = std::move(*bytes);
  } else if (err != ENOENT) {
    state.dialogs().ShowMessage(MitUrsache(kKopienVerwendet, kReportFileName, err));
    return std::nullopt;
  }
  // The text copy is written from the bytes read, not from a copy of them.
  const ByteVec html = HtmlKopie(ansicht.bytes);
  const ByteVec csv = ansicht.excel ? CsvKopie(ansicht.bytes) : ByteVec{};
  std::vector<std::pair<const char*, const ByteVec*>> kopien{{kQuanTxtFile, &ansicht.bytes},
                                                             {kQuanHtmFile, &html}};
  if (ansicht.excel) kopien.emplace_back(kQuandrelCsvFile, &csv);
  for (const auto& [datei, inhalt] : kopien) {
    if (!WriteFileAtomic(datei, *inhalt, &err)) {
      state.dialogs().ShowMessage(MitUrsache(kKopienVerwendet, datei, err));
      return std::nullopt;
    }
  }
  ansicht.zeilen = ListenZeilen(ansicht.bytes);
  return ansicht;
}

}  // namespace lohn
