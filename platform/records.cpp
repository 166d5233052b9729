#include "platform/records.hpp"

#include <map>

// Handle numbers count up from 1 and are never reused during a run.
static std::map<int32_t, Ref<TRecord>> handleTable;
static int32_t nextHandle = 1;

int32_t HandleForObject(const Ref<TRecord>& record) {
  if (!record) return 0;
  int32_t handle = nextHandle++;
  handleTable[handle] = record;
  return handle;
}

Ref<TRecord> ObjectForHandle(int32_t handle) {
  auto it = handleTable.find(handle);
  return it == handleTable.end() ? nullptr : it->second;
}

void ReleaseHandle(int32_t handle) { handleTable.erase(handle); }

void ResetHandles() {
  handleTable.clear();
  nextHandle = 1;
}
