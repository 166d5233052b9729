// Records, object handles and lists of records.
//
// A list hands its elements out first to last. A walk's position is the
// element it hands out next and moves on at the moment it hands one out, so an
// element appended during a walk is reached by that walk unless the element
// being stepped was the last. A removed element keeps its link to the element
// that followed it; a walk standing on it hands out an empty entry (nullptr),
// which every walker skips. The match and its replays depend on these rules.
#pragma once
#include <cstdint>
#include <memory>

template <class T>
using Ref = std::shared_ptr<T>;

// Every record type derives from this so handles and casts can reach it.
struct TRecord {
  virtual ~TRecord() = default;
};

template <class T>
Ref<T> NewRecord() {
  return std::make_shared<T>();
}

// The record as type T, or nullptr when it is not one.
template <class T, class U>
Ref<T> CastToType(const Ref<U>& record) {
  return std::dynamic_pointer_cast<T>(record);
}

// Integer handles for records; 0 means none.
int32_t HandleForObject(const Ref<TRecord>& record);
Ref<TRecord> ObjectForHandle(int32_t handle);
void ReleaseHandle(int32_t handle);
void ResetHandles();

template <class T>
struct TListLink {
  Ref<T> value;                     // nullptr once removed
  std::shared_ptr<TListLink> succ;  // nullptr: the end of the list
  TListLink* pred = nullptr;        // nullptr: the first element
  ~TListLink() {
    // Free a long chain without recursion.
    std::shared_ptr<TListLink> next = std::move(succ);
    while (next && next.use_count() == 1) {
      std::shared_ptr<TListLink> after = std::move(next->succ);
      next = std::move(after);
    }
  }
};

template <class T>
struct TList {
  std::shared_ptr<TListLink<T>> first;
  TListLink<T>* last = nullptr;
  int32_t count = 0;
  ~TList() { ListClear(*this); }
  friend void ListClear(TList& list) {
    // Unlink every element; walks standing on one still end cleanly.
    std::shared_ptr<TListLink<T>> link = std::move(list.first);
    while (link) {
      link->value.reset();
      link->pred = nullptr;
      std::shared_ptr<TListLink<T>> next = link->succ;
      link = std::move(next);
    }
    list.last = nullptr;
    list.count = 0;
  }
};

template <class T>
struct TListIterator {
  std::shared_ptr<TListLink<T>> position;
};

template <class T>
Ref<TList<T>> NewList() {
  return std::make_shared<TList<T>>();
}

template <class T>
void ListAppend(TList<T>& list, Ref<T> value) {
  auto link = std::make_shared<TListLink<T>>();
  link->value = std::move(value);
  link->pred = list.last;
  TListLink<T>* raw = link.get();
  if (list.last)
    list.last->succ = std::move(link);
  else
    list.first = std::move(link);
  list.last = raw;
  ++list.count;
}

// Unlinks the first element that is that very record; the element keeps its
// link to its successor for any walk standing on it.
template <class T, class U>
bool ListRemoveValue(TList<T>& list, const U* value) {
  for (TListLink<T>* link = list.first.get(); link; link = link->succ.get()) {
    if (link->value.get() != value) continue;
    link->value.reset();
    TListLink<T>* pred = link->pred;
    std::shared_ptr<TListLink<T>> succ = link->succ;  // the link keeps it too
    if (succ)
      succ->pred = pred;
    else
      list.last = pred;
    // Holding 'self' keeps the link alive while it is unlinked from pred.
    std::shared_ptr<TListLink<T>> self = pred ? pred->succ : list.first;
    if (pred)
      pred->succ = std::move(succ);
    else
      list.first = std::move(succ);
    link->pred = nullptr;
    --list.count;
    return true;
  }
  return false;
}
template <class T, class U>
bool ListRemoveValue(TList<T>& list, const Ref<U>& value) {
  return ListRemoveValue(list, value.get());
}

template <class T>
TListIterator<T> ListIterate(const TList<T>& list) {
  return TListIterator<T>{list.first};
}
template <class T>
bool IteratorHasMore(const TListIterator<T>& it) {
  return it.position != nullptr;
}
// The element at the position (nullptr for a removed one); the position moves
// on at once.
template <class T>
Ref<T> IteratorNext(TListIterator<T>& it) {
  Ref<T> value = it.position->value;
  it.position = it.position->succ;
  return value;
}

template <class T>
int32_t ListCount(const TList<T>& list) {
  return list.count;
}

// Walks the list by the rules above, skipping removed entries.
template <class T, class F>
void ForEachInList(const TList<T>& list, F&& step) {
  TListIterator<T> it = ListIterate(list);
  while (IteratorHasMore(it)) {
    Ref<T> value = IteratorNext(it);
    if (value) step(value);
  }
}
