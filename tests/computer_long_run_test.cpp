// Long computer runs over every ship type: random fleets and teams, every
// frame looked at, every match played back.
#include "tests/computer_long_run.hpp"

#include <gtest/gtest.h>

#include "tests/test_folder.hpp"

namespace {

// Every ship type.
std::vector<int32_t> AllTypes() {
  std::vector<int32_t> types;
  for (int32_t t = 1; t <= shipCount; ++t) types.push_back(t);
  return types;
}

TEST(ComputerLongRun, RandomFleetsStayFiniteInTheArenaBoundedAndInStep) {
  TestFolder folder("qw2_long_");
  longrun::Run run;
  run.types = AllTypes();
  run.matches = 50;
  run.fleetSize = 4;
  run.seed = 2029;
  run.maxShots = 300;  // a few times the most seen (91)
  const longrun::Result result = longrun::RunComputerMatches(run);
  EXPECT_EQ(result.fault, "");
  EXPECT_EQ(result.ended, run.matches);
  EXPECT_EQ(result.outOfStep, 0);
  for (int32_t type : run.types) EXPECT_EQ(result.flown.count(type), 1u) << type;
  RecordProperty("frames", static_cast<int>(result.frames));
  RecordProperty("mostShots", result.mostShots);
}

}  // namespace
