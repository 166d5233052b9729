#include "platform/files.hpp"

int main() {
  // Every relative path of the game resolves beside the program.
  EnterProgramFolder();
  return 0;
}
