// Long computer runs over the ship types with code of their own: random
// fleets and teams, every frame looked at, every match played back.
#include "tests/computer_long_run.hpp"

#include <gtest/gtest.h>

#include "tests/test_folder.hpp"

namespace {

// Types 1 to 4 and 29 to 40, and the types without code of their own.
const std::vector<int32_t> kTypes = {1,  2,  3,  4,  15, 24, 25, 29, 30, 31,
                                     32, 33, 34, 35, 36, 37, 38, 39, 40};

TEST(ComputerLongRun, RandomFleetsStayFiniteInTheArenaBoundedAndInStep) {
  TestFolder folder("qw2_long_");
  longrun::Run run;
  run.types = kTypes;
  run.matches = 20;
  run.fleetSize = 4;
  run.seed = 2029;
  run.maxShots = 300;  // a few times the most these types hold
  const longrun::Result result = longrun::RunComputerMatches(run);
  EXPECT_EQ(result.fault, "");
  EXPECT_EQ(result.ended, run.matches);
  EXPECT_EQ(result.outOfStep, 0);
  for (int32_t type : kTypes) EXPECT_EQ(result.flown.count(type), 1u) << type;
  RecordProperty("frames", static_cast<int>(result.frames));
  RecordProperty("mostShots", result.mostShots);
}

}  // namespace
