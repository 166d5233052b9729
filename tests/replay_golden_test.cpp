// The human golden replays: short matches of scripted players. When the
// simulation changes on purpose, record them again, all or one:
//   QW2_REGENERATE_GOLDEN=1 <build>/tests/qw2_tests --gtest_filter='ReplayGolden.*'
//   QW2_REGENERATE_GOLDEN=1 <build>/tests/qw2_tests --gtest_filter='ReplayGolden.*/fourway_serax'
#include <gtest/gtest.h>

#include <vector>

#include "tests/golden_replays.hpp"
#include "tests/match_harness.hpp"
#include "tests/test_folder.hpp"

namespace {

harness::MatchSetup Setup(int32_t seed, uint32_t script,
                          std::initializer_list<std::pair<int32_t, std::vector<int32_t>>> slots) {
  harness::MatchSetup setup;
  setup.seed = seed;
  setup.scriptSeed = script;
  int32_t s = 1;
  for (const auto& [team, fleet] : slots) setup.slots[s++] = {CONTROL_HUMAN, team, fleet};
  return setup;
}

// Ship types whose weapons are all generic: their matches need nothing of
// the per-type code or of computer control.
std::vector<harness::Golden> Goldens() {
  return {
      {"duel_speth_dront",
       Setup(31337, 5, {{1, {SHIP_SPETH, SHIP_DRONT}}, {2, {SHIP_GROK, SHIP_WENDE}}})},
      {"fourway_serax",
       Setup(-271828, 11,
             {{1, {SHIP_SERAX}}, {2, {SHIP_SPETH}}, {3, {SHIP_DRONT}}, {4, {SHIP_GROK}}})},
      {"teams_two_on_two", Setup(20061, 17,
                                 {{1, {SHIP_WENDE, SHIP_SERAX}},
                                  {1, {SHIP_DRONT}},
                                  {2, {SHIP_SPETH}},
                                  {2, {SHIP_GROK, SHIP_SPETH}}})},
  };
}

class ReplayGolden : public FolderTest, public ::testing::WithParamInterface<harness::Golden> {
 protected:
  ReplayGolden() : FolderTest("qw2_golden_", "data") {}
};

TEST_P(ReplayGolden, PlaysBackInStep) { harness::ExpectGoldenInStep(GetParam()); }

// No prefix: the cases are ReplayGolden.PlaysBackInStep/<file's name>.
INSTANTIATE_TEST_SUITE_P(, ReplayGolden, ::testing::ValuesIn(Goldens()), harness::GoldenName);

}  // namespace
