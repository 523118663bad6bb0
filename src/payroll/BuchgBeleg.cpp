#include "payroll/BuchgBeleg.h"

#include <algorithm>
#include <filesystem>

#include "frame/Daten.h"
#include "frame/DienstgeberVerwaltung.h"

namespace lohn {

namespace {

bool Ziffer(char c) { return c >= '0' && c <= '9'; }
bool Buchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool NurAus(const std::string& text, bool (*erlaubt)(char)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), erlaubt);
}

char Klein(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool GleichOhneGross(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return Klein(x) == Klein(y); });
}

std::optional<std::string> Suche(const std::vector<std::string>& dateien, const std::string& name) {
  if (std::find(dateien.begin(), dateien.end(), name) != dateien.end()) return name;
  auto it = std::find_if(dateien.begin(), dateien.end(),
                         [&](const std::string& d) { return GleichOhneGross(d, name); });
  if (it != dateien.end()) return *it;
  return std::nullopt;
}

}  // namespace

const std::vector<std::string>& BelegDateiTypen() {
  static const std::vector<std::string> t = {"BMP", "CSV", "DOC", "GIF", "HTM", "JPG", "PCX",
                                             "PDF", "PNG", "PPT", "TIF", "XLS", "ZIP"};
  return t;
}

const std::vector<std::string>& BelegSuchreihenfolge() {
  static const std::vector<std::string> t = {"gif", "jpg",  "jp2", "jpeg", "jpe",  "jfif", "bmp",
                                             "tif", "tiff", "png", "emf",  "fsh",  "ldf",  "lwf",
                                             "pcx", "pbm",  "pgm", "ppm",  "raw",  "tga",  "pdf",
                                             "doc", "xls",  "csv", "htm",  "html", "ppt",  "zip"};
  return t;
}

std::string BelegOrdner(const std::string& stem) {
  return DatenOrdner() + "/" + kDokumenteFolderPrefix + stem;
}

std::vector<std::string> BelegDateien(const std::string& ordner) {
  namespace fs = std::filesystem;
  std::vector<std::string> namen;
  std::error_code ec;
  const fs::path wurzel = fs::canonical(ordner, ec);
  fs::directory_iterator it(ordner, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code fehler;
    if (name.empty() || name[0] == '.' || !it->is_regular_file(fehler)) continue;
    // A link is listed only when it leads to a file within the folder.
    if (it->is_symlink(fehler)) {
      const fs::path ziel = fs::canonical(it->path(), fehler);
      if (fehler || ziel.parent_path() != wurzel) continue;
    }
    namen.push_back(name);
  }
  std::sort(namen.begin(), namen.end());
  return namen;
}

BuchgBeleg BuchgBelegFormCreate(const AppState& state) {
  BuchgBeleg b;
  b.PfadEdit = BelegOrdner(state.DataFileStem);
  BelegListeLesen(b);
  return b;
}

void BelegListeLesen(BuchgBeleg& b) { b.FileListBox1 = BelegDateien(b.PfadEdit); }

std::optional<std::string> FindeBeleg(const std::vector<std::string>& dateien,
                                      const std::string& nummer, const std::string& typ) {
  // Only a number names a document; anything else could reach out of the folder.
  if (!NurAus(nummer, Ziffer)) return std::nullopt;
  const std::string basis = nummer + ".";
  if (NurAus(typ, [](char c) { return Ziffer(c) || Buchstabe(c); }))
    if (auto d = Suche(dateien, basis + typ)) return d;
  for (const std::string& ext : BelegSuchreihenfolge())
    if (auto d = Suche(dateien, basis + ext)) return d;
  return std::nullopt;
}

void oeffneBeleg(AppState& state, const BuchgBeleg& b, const std::string& nummer) {
  if (auto d = FindeBeleg(BelegDateien(b.PfadEdit), nummer, b.DateiTypCombobox))
    state.services.shell.Open(b.PfadEdit + "/" + *d);
  else
    state.dialogs().ShowMessage(kMeldungKeinBeleg);
}

void OeffneMarkiertenBeleg(AppState& state, const BuchgBeleg& b,
                           const std::optional<std::string>& markiert) {
  if (!markiert)
    state.dialogs().ShowMessage(kMeldungKeinBelegMarkiert);
  else
    state.services.shell.Open(b.PfadEdit + "/" + *markiert);
}

void OeffneBelegOrdner(AppState& state, const BuchgBeleg& b) {
  state.services.shell.Open(b.PfadEdit);
}

}  // namespace lohn
