#pragma once
// A list of untyped pointers, as the library's plain list is: it owns
// nothing it points at.

#include <functional>
#include <vector>

class TList {
public:
    TList() = default;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;
    virtual ~TList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // Raises EListError "List index out of bounds (%d)" for a bad index.
    void* Items(int index) const;
    void SetItem(int index, void* item);
    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // The index the item had, or -1.
    int Remove(void* item);
    // Takes the item out without telling anyone; nullptr when it is not here.
    void* Extract(void* item);
    int IndexOf(const void* item) const;
    void Exchange(int a, int b);
    void Move(int from, int to);
    void Clear();
    // Drops the nullptr entries.
    void Pack();
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }
    // `compare` gives negative, zero or positive.
    void Sort(const std::function<int(void*, void*)>& compare);

private:
    void Check(int index, int count) const;
    std::vector<void*> items_;
};
