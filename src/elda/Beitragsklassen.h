#pragma once
// How the contribution statement classes the contribution groups: the head
// counts by kind of employee, and the NeuFöG refund bases, which leave out
// the apprentices and keep the marginal employments apart.

#include <array>
#include <optional>
#include <string_view>

namespace lohn {

enum class Kopfklasse { Arbeiter, ArbLehrling, GeringfArb, Angestellter, AngLehrling, GeringfAng };
inline constexpr std::size_t kKopfklassen = 6;

// The class of a payroll's group; nothing for a group no class counts.
// "N72" is a worker's or an employee's marginal employment by the worker
// flag of the employee's record.
std::optional<Kopfklasse> KopfklasseVon(std::string_view gruppe, bool arbeiter);

// Apprentice groups: no NeuFöG refund on their bases.
inline constexpr std::array<std::string_view, 15> kLehrlingsBeitragsgruppen{
    "A8y", "A7y", "A4y", "A3y", "A8v", "A7v", "A4v", "A3v",
    "D8b", "D7b", "D4b", "D3b", "D7w", "D8w", "D3w"};
bool IstLehrlingsBeitragsgruppe(std::string_view gruppe);

}  // namespace lohn
