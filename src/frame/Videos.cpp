#include "frame/Videos.h"

#include "store/TextRoutines.h"

namespace lohn {

namespace {
VideoLink Video(int label, const char* caption, int number) {
  return {"Label" + std::to_string(label), caption, VideoLink::Kind::Program,
          LernvideoProgramm(number)};
}
}  // namespace

std::string LernvideoProgramm(int nummer) {
  return std::string(kVideoFolder) + "/Lernvideo" + ZeroPadded(nummer, 2) + ".exe";
}

const std::vector<VideoLink>& VideoLinks() {
  static const std::vector<VideoLink> links = {
      Video(1, "Neuen Dienstnehmer anlegen", 1),
      Video(2, "Neuen Dienstgeber anlegen", 2),
      Video(3, "Lohn-Gehaltsabrechnung erstellen", 3),
      Video(4, "Überweisungs- und Buchungsliste (monatlich)", 4),
      Video(5, "Beitragsnachweisung (monatlich)", 5),
      Video(6, ">> elektronische Übermittlung BN", 6),
      Video(7, "Lohnsteuer DB DZ Kommunalsteuer (monatlich)", 7),
      Video(8, "Jahreslohnzettel auf Papier ", 8),
      Video(9, "Jahreslohnzettel elektronisch", 9),
      Video(10, ">> elektronische Übermittlung LF, BG", 6),
      Video(11, "Kommunalsteuererklärung (jährlich)", 10),
      {"Label29", "An- Abmeldung von Dienstnehmern [PDF]", VideoLink::Kind::Document,
       kVersichertenMeldungFile},
      {"Label30", "Handbuch öffnen", VideoLink::Kind::Document, kHandbuchFile},
  };
  return links;
}

std::vector<VideoLink> VideoFolderLinks() {
  std::vector<VideoLink> links;
  for (int i = 12; i <= 28; ++i)
    links.push_back({"Label" + std::to_string(i), "", VideoLink::Kind::Folder, kVideoFolder});
  return links;
}

void StartVideoLink(platform::Shell& shell, const VideoLink& link) {
  if (link.kind == VideoLink::Kind::Program)
    shell.StartProgram(link.target, {});
  else
    shell.Open(link.target);
}

}  // namespace lohn
