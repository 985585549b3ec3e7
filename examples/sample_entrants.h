#pragma once
// The people of the sample competition: six regional teams and forty farriers, each with
// an address, telephone numbers, a default striker and the classes entered.

#include <string>
#include <vector>

namespace quenchel::sample {

struct Entrant {
  int number = 0;
  std::string first;
  std::string last;
  std::string team;
  std::string striker;  // display name of another entrant
  std::vector<std::string> address;  // five lines
  std::string phone;
  std::string mobile;
  std::vector<int> classes;  // class numbers, ascending

  std::string DisplayName() const { return first + " " + last; }
};

std::vector<std::string> TeamNames();

// In competitor-number order, from 501.
std::vector<Entrant> Entrants();

}  // namespace quenchel::sample
