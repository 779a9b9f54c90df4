#pragma once
// The list of every data set of the process, the one report structure used
// from several threads: Lock and Unlock guard it.

#include "ui/core/List.h"

#include <mutex>

class TrpGlobalDataSetList : public TList {
public:
    void Lock() { lock_.lock(); }
    void Unlock() { lock_.unlock(); }

private:
    std::recursive_mutex lock_;
};

// The one list, alive while the report library runs.
TrpGlobalDataSetList& rpGlobalDataSetList();
