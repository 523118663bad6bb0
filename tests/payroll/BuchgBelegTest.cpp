// The documents window: which file a personnel number opens, and that
// nothing outside the employer's documents folder is ever reached.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "payroll/BuchgBeleg.h"
#include "support/Fakes.h"

namespace {

namespace fs = std::filesystem;
using namespace lohn;

struct Ordner {
  Ordner() { env.state.DataFileStem = "MUSTER"; }
  void Datei(const std::string& name) {
    fs::create_directories(BelegOrdner("MUSTER"));
    testing_support::WriteText(BelegOrdner("MUSTER") + "/" + name, "x");
  }
  testing_support::TempWorkDir dir;
  testing_support::TestEnv env;
};

TEST(BuchgBeleg, NumberAndPreferredTypeFindTheDocument) {
  struct Fall {
    std::vector<std::string> dateien;
    std::string typ, nummer;
    std::string geoeffnet;  // empty: the message
  } faelle[] = {
      {{"7.pdf", "7.jpg"}, "GIF", "7", "7.jpg"}, {{"7.pdf", "7.jpg"}, "PDF", "7", "7.pdf"},
      {{"7.PDF"}, "GIF", "7", "7.PDF"},          {{"7.GIF", "7.gif"}, "GIF", "7", "7.GIF"},
      {{"7.pdf", "7.x"}, "../x", "7", "7.pdf"},  {{"7.pdf"}, "GIF", "8", ""},
      {{".gif", "7.pdf"}, "GIF", "", ""},        {{"7.pdf"}, "GIF", "7 ", ""},
  };
  for (const Fall& f : faelle) {
    Ordner o;
    for (const auto& d : f.dateien) o.Datei(d);
    BuchgBeleg b = BuchgBelegFormCreate(o.env.state);
    b.DateiTypCombobox = f.typ;
    oeffneBeleg(o.env.state, b, f.nummer);
    const auto opened = o.env.shell.opened;
    if (f.geoeffnet.empty()) {
      EXPECT_TRUE(opened.empty()) << f.nummer;
      EXPECT_EQ(o.env.dialogs.messages, std::vector<std::string>{kMeldungKeinBeleg});
    } else {
      EXPECT_EQ(opened, std::vector<std::string>{b.PfadEdit + "/" + f.geoeffnet}) << f.typ;
    }
  }
}

TEST(BuchgBeleg, NothingOutsideTheFolderIsReached) {
  Ordner o;
  o.Datei("7.pdf");
  testing_support::WriteText("MUSTER.pdf", "x");  // one level above the folder
  BuchgBeleg b = BuchgBelegFormCreate(o.env.state);
  oeffneBeleg(o.env.state, b, "../MUSTER");
  EXPECT_TRUE(o.env.shell.opened.empty());
  EXPECT_EQ(o.env.dialogs.messages, std::vector<std::string>{kMeldungKeinBeleg});

  // A link that leads out of the folder is neither listed nor opened; one
  // to a document within it is.
  fs::create_symlink(fs::absolute("MUSTER.pdf"), BelegOrdner("MUSTER") + "/8.pdf");
  fs::create_symlink("7.pdf", BelegOrdner("MUSTER") + "/9.pdf");
  BelegListeLesen(b);
  EXPECT_EQ(b.FileListBox1, (std::vector<std::string>{"7.pdf", "9.pdf"}));
  oeffneBeleg(o.env.state, b, "8");
  EXPECT_TRUE(o.env.shell.opened.empty());
}

TEST(BuchgBeleg, ListsTheFolderAndOpensTheSelection) {
  Ordner o;
  BuchgBeleg b = BuchgBelegFormCreate(o.env.state);
  EXPECT_EQ(b.PfadEdit, fs::current_path().string() + "/ZR-DOKUMENTE_MUSTER");
  EXPECT_TRUE(b.FileListBox1.empty());
  EXPECT_FALSE(fs::exists(b.PfadEdit));
  for (const char* name : {"b.doc", "Vertrag.pdf", ".versteckt", "7.jpg"}) o.Datei(name);
  fs::create_directory(b.PfadEdit + "/Unterordner");
  BelegListeLesen(b);
  EXPECT_EQ(b.FileListBox1, (std::vector<std::string>{"7.jpg", "Vertrag.pdf", "b.doc"}));

  OeffneMarkiertenBeleg(o.env.state, b, std::nullopt);
  OeffneMarkiertenBeleg(o.env.state, b, "Vertrag.pdf");
  OeffneBelegOrdner(o.env.state, b);
  EXPECT_EQ(o.env.dialogs.messages, std::vector<std::string>{kMeldungKeinBelegMarkiert});
  EXPECT_EQ(o.env.shell.opened,
            (std::vector<std::string>{b.PfadEdit + "/Vertrag.pdf", b.PfadEdit}));
}

}  // namespace
