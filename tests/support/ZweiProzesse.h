#pragma once
// Two writers at the same moment: the same work in two forked processes.

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// Runs lauf(prozess, runde) for runde 0..runden-1 in each of two forked
// processes (prozess 0 and 1), both released at once; gives each process's
// results in order. A process that dies gives fewer results.
std::array<std::vector<std::string>, 2> ZweiProzesse(
    int runden, const std::function<std::string(int prozess, int runde)>& lauf);

// Runs lauf() in a forked process that cannot write the working folder: the
// folder and its files lose their write bits, and a process of root (whom
// modes do not stop) becomes the user "nobody" first. Gives lauf's result, or
// kSchreibrechtBleibt when the process could still write there; the modes are
// restored afterwards.
inline constexpr const char* kSchreibrechtBleibt = "(Schreibrecht bleibt)";
std::string OhneSchreibrecht(const std::function<std::string()>& lauf);

}  // namespace testing_support
