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

}  // namespace testing_support
