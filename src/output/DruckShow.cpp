#include "output/DruckShow.h"

#include <cerrno>

#include "frame/HauptmenueLogik.h"
#include "reports/ShowBericht.h"
#include "store/Cp1252.h"
#include "store/FileUtil.h"

namespace lohn {

std::string LadeBerichtFont(platform::Dialogs& dialogs) {
  int err = 0;
  auto bytes = ReadWholeFile(kBerichtFontFile, &err);
  if (!bytes) {
    if (err != ENOENT)
      dialogs.ShowMessage("Die Datei \"" + std::string(kBerichtFontFile) +
                          "\" kann nicht gelesen werden: " + IoErrorText(err));
    return kStandardSchrift;
  }
  std::string name;
  for (std::uint8_t c : *bytes)
    if (c != ';' && c >= 0x20) name += char(c);
  return name.empty() ? kStandardSchrift : Cp1252ToUtf8(name);
}

bool SpeichereBerichtFont(platform::Dialogs& dialogs, const std::string& name) {
  const std::string text = Utf8ToCp1252(name);
  int err = 0;
  if (WriteFileAtomic(kBerichtFontFile, Bytes(text.begin(), text.end()), &err)) return true;
  dialogs.ShowMessage(CreateFailedMessage(kBerichtFontFile, err));
  return false;
}

void UebergibBericht(AppState& state, Uebergabe ziel, const std::vector<std::uint8_t>& bytes,
                     bool excel) {
  platform::Dialogs& dialogs = state.dialogs();
  if (ziel == Uebergabe::Tabelle && !excel) {
    dialogs.ShowMessage(kExcelOptionWaehlen);
    return;
  }
  const char* datei = kQuanTxtFile;
  Bytes kopie;
  switch (ziel) {
    case Uebergabe::Textverarbeitung:
      datei = kReportFileName;
      kopie = bytes;
      break;
    case Uebergabe::Tabelle:
      datei = kQuandrelCsvFile;
      kopie = CsvKopie(bytes);
      break;
    case Uebergabe::Browser:
      datei = kQuanHtmFile;
      kopie = HtmlKopie(bytes);
      break;
    case Uebergabe::TextEditor:
      kopie = bytes;
      break;
  }
  // The copy is made from this viewer's report: the files of a later report
  // must not be handed over in its name.
  int err = 0;
  if (!WriteFileAtomic(datei, kopie, &err)) {
    dialogs.ShowMessage(CreateFailedMessage(datei, err));
    return;
  }
  if (ziel == Uebergabe::Textverarbeitung) dialogs.ShowMessage(kWordHinweis);
  if (ziel == Uebergabe::Tabelle) dialogs.ShowMessage(kExcelHinweis);
  state.services.shell.Open(datei);
}

}  // namespace lohn
