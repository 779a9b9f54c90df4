#pragma once
// The process's threads as the system lists them, to see that a worker's
// thread has really ended rather than trusting its flags.

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

inline std::set<int> ThreadIds() {
    std::set<int> ids;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
        ids.insert(std::stoi(task.path().filename().string()));
    return ids;
}

// The threads of `later` that `earlier` did not have.
inline std::set<int> NewThreads(const std::set<int>& earlier, const std::set<int>& later) {
    std::set<int> added;
    std::set_difference(later.begin(), later.end(), earlier.begin(), earlier.end(), std::inserter(added, added.end()));
    return added;
}

inline bool AnyAlive(const std::set<int>& threads) {
    std::set<int> now = ThreadIds();
    return std::any_of(threads.begin(), threads.end(), [&](int id) { return now.count(id) > 0; });
}
