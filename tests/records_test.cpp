#include "platform/records.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct TItem : TRecord {
  int id = 0;
};
struct TOtherItem : TItem {};

Ref<TItem> Item(int id) {
  auto item = NewRecord<TItem>();
  item->id = id;
  return item;
}

// A walk that records what it hands out (0 for an empty entry) and lets the
// step act on the list.
template <class F>
std::vector<int> Walk(TList<TItem>& list, F&& step) {
  std::vector<int> seen;
  auto it = ListIterate(list);
  while (IteratorHasMore(it)) {
    Ref<TItem> item = IteratorNext(it);
    seen.push_back(item ? item->id : 0);
    if (item) step(item);
  }
  return seen;
}

std::vector<int> Ids(TList<TItem>& list) {
  return Walk(list, [](const Ref<TItem>&) {});
}
}  // namespace

TEST(Lists, AppendKeepsOrder) {
  auto list = NewList<TItem>();
  for (int i = 1; i <= 4; ++i) ListAppend(*list, Item(i));
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(ListCount(*list), 4);
}

TEST(Lists, ElementAppendedDuringWalkIsReachedUnlessTheLastIsBeingStepped) {
  auto list = NewList<TItem>();
  for (int i = 1; i <= 3; ++i) ListAppend(*list, Item(i));
  // Appended while element 1 is stepped: reached by the same walk.
  auto seen = Walk(*list, [&](const Ref<TItem>& item) {
    if (item->id == 1) ListAppend(*list, Item(10));
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 10}));

  // Appended while the last element (10) is stepped: first seen by the next walk.
  seen = Walk(*list, [&](const Ref<TItem>& item) {
    if (item->id == 10) ListAppend(*list, Item(20));
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 10}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 2, 3, 10, 20}));
}

TEST(Lists, RemovingTheCurrentElementDoesNotDisturbTheWalk) {
  auto list = NewList<TItem>();
  for (int i = 1; i <= 4; ++i) ListAppend(*list, Item(i));
  auto seen = Walk(*list, [&](const Ref<TItem>& item) {
    if (item->id % 2 == 0) ListRemoveValue(*list, item);
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 3}));
  EXPECT_EQ(ListCount(*list), 2);
}

TEST(Lists, RemovingTheNextElementYieldsAnEmptyEntryThenGoesOn) {
  auto list = NewList<TItem>();
  std::vector<Ref<TItem>> items;
  for (int i = 1; i <= 4; ++i) {
    items.push_back(Item(i));
    ListAppend(*list, items.back());
  }
  // While 1 is stepped, the position already stands on 2: removing 2 leaves
  // an empty entry in this walk.
  auto seen = Walk(*list, [&](const Ref<TItem>& item) {
    if (item->id == 1) ListRemoveValue(*list, items[1]);
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 3, 4}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 3, 4}));

  // Removing the next element and then the one after it: the removed element
  // keeps its link to the successor it had when it was removed.
  seen = Walk(*list, [&](const Ref<TItem>& item) {
    if (item->id == 1) {
      ListRemoveValue(*list, items[2]);
      ListRemoveValue(*list, items[3]);
    }
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{1}));
}

TEST(Lists, RemovedLastElementEndsTheWalkEvenIfSomethingIsAppended) {
  auto list = NewList<TItem>();
  std::vector<Ref<TItem>> items;
  for (int i = 1; i <= 2; ++i) {
    items.push_back(Item(i));
    ListAppend(*list, items.back());
  }
  auto seen = Walk(*list, [&](const Ref<TItem>& item) {
    if (item->id == 1) {
      ListRemoveValue(*list, items[1]);
      ListAppend(*list, Item(7));
    }
  });
  EXPECT_EQ(seen, (std::vector<int>{1, 0}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 7}));
}

TEST(Lists, RemoveComparesByIdentityAndTakesTheFirst) {
  auto list = NewList<TItem>();
  auto a = Item(5), b = Item(5);
  ListAppend(*list, a);
  ListAppend(*list, b);
  ListAppend(*list, a);
  EXPECT_TRUE(ListRemoveValue(*list, b));
  EXPECT_FALSE(ListRemoveValue(*list, Item(5)));
  EXPECT_TRUE(ListRemoveValue(*list, a));
  EXPECT_EQ(ListCount(*list), 1);
  EXPECT_EQ(Ids(*list), (std::vector<int>{5}));
  auto it = ListIterate(*list);
  EXPECT_EQ(IteratorNext(it), a);  // the second copy of a remains
}

TEST(Lists, ClearAndEmptyWalks) {
  auto list = NewList<TItem>();
  EXPECT_TRUE(Ids(*list).empty());
  for (int i = 0; i < 100000; ++i) ListAppend(*list, Item(i));
  auto it = ListIterate(*list);
  IteratorNext(it);
  ListClear(*list);  // a long chain is freed without recursion
  EXPECT_EQ(ListCount(*list), 0);
  // A walk standing in a cleared list hands out empties and ends.
  int steps = 0;
  while (IteratorHasMore(it)) {
    EXPECT_EQ(IteratorNext(it), nullptr);
    ++steps;
  }
  EXPECT_EQ(steps, 99999);
  ListAppend(*list, Item(3));
  EXPECT_EQ(Ids(*list), (std::vector<int>{3}));
}

TEST(Records, CastsAndHandles) {
  Ref<TItem> plain = NewRecord<TItem>();
  Ref<TItem> other = NewRecord<TOtherItem>();
  EXPECT_EQ(CastToType<TOtherItem>(plain), nullptr);
  EXPECT_NE(CastToType<TOtherItem>(other), nullptr);

  ResetHandles();
  int32_t h = HandleForObject(other);
  EXPECT_NE(h, 0);
  EXPECT_EQ(ObjectForHandle(h), other);
  EXPECT_EQ(HandleForObject(nullptr), 0);
  ReleaseHandle(h);
  EXPECT_EQ(ObjectForHandle(h), nullptr);
  EXPECT_EQ(ObjectForHandle(0), nullptr);
}
