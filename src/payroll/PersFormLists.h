#pragma once
// The fixed lists and texts that the employee window receives when it is
// created, and the order in which its sorted lists show their entries.

#include <string>
#include <string_view>
#include <vector>

#include "store/YearValues.h"

namespace lohn {

// "1" to "12".
std::vector<std::string> MonatListe();
// The build's year up to 2030 ("2014" to "2030": 17 entries); a build that
// takes only its own year offers only that one.
std::vector<std::string> JahrListe(const YearValues& year);
// "0", "1".
std::vector<std::string> TeilabrechnungListe();
// "-" and the 133 contribution groups offered in the list, sorted as the
// list shows them.
std::vector<std::string> BeitragsgruppenListe();
// The same 133 codes in the order they are added to the list.
const std::vector<std::string>& BeitragsgruppenCodes();
// "Urlaubsgeld", "Weihnachtsgeld", "Url.& Weihnachtsgeld".
std::vector<std::string> SonderzahlungListe();

// The five code lists of the registration panel, each with an empty first
// entry: kind of registration, legal basis, kinship, employee group and
// reason for deregistration (the last depends on the year of the build).
std::vector<std::string> EldaMeldungsartListe();
std::vector<std::string> EldaGesetzlicheGrundlageListe();
std::vector<std::string> EldaVerwandtschaftListe();
std::vector<std::string> EldaZugehoerigkeitListe();
std::vector<std::string> EldaAbmeldegrundListe(const YearValues& year);

// The explanation of the commuter euro: five paragraphs with an empty line
// (CR LF CR LF) between them.
std::string PendlerEuroErklaerung();

// The order of a sorted list: letters without regard to case and with the
// German umlauts beside their base letters ("Ärger" beside "Arger", "ß" as
// "ss"); equal keys fall back to the plain byte order, so the order is total.
bool ListenReihenfolge(std::string_view a, std::string_view b);
void SortiereListe(std::vector<std::string>& items);

}  // namespace lohn
