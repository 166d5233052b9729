#include "match/bitmap_text.hpp"
#include "match/input_edges.hpp"
#include "match/match_tables.hpp"
#include "match/media_tables.hpp"
#include "match/records.hpp"
#include "match/shell_tables.hpp"
#include "match/text_entry.hpp"
#include "shell/frame_internal.hpp"
#include "shell/options_files.hpp"
#include "shell/replay_save.hpp"
#include "shell/screen_options.hpp"
#include "shell/screen_replays.hpp"
#include "shell/screen_statistics.hpp"
#include "shell/screens.hpp"
#include "shell/setup_screens.hpp"
#include "shell/shop_screens.hpp"

void ResetShell() {
  ResetShellTables();
  ResetMediaTables();
  ResetInputEdges();
  ResetBitmapText();
  ResetMatchTables();
  ResetMatchObjects();
  ResetScreenCommon();
  ResetMainMenu();
  ResetStartup();
  ResetSetupScreens();
  ResetShopScreens();
  ResetReplaySave();
  ResetStatisticsScreen();
  ResetOptionsFiles();
  ResetOptionsScreen();
  ResetNewShipScreen();
  ResetReplayBrowser();
  ResetTextEntry();
}
