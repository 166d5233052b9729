// Screen 8: the statistics.
#include "shell/screens.hpp"

void StatisticsEnter() {}
void StatisticsBlock() {}
void StatisticsDraw() {}
