#pragma once
// Another counter on the same Film.db: a connection of its own that takes the write lock at
// once and holds it for a while, from a thread, as a second program instance would.
#include <sqlite3.h>

#include <chrono>
#include <string>
#include <thread>

namespace filmeria::testing {

class OtherCounter {
public:
    OtherCounter(const std::string& store, std::chrono::milliseconds hold) {
        sqlite3_open(store.c_str(), &db_);
        locked_ = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
        release_ = std::thread([this, hold] {
            std::this_thread::sleep_for(hold);
            sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        });
    }
    ~OtherCounter() {
        release_.join();
        sqlite3_close(db_);
    }
    bool locked() const { return locked_; }

private:
    sqlite3* db_ = nullptr;
    bool locked_ = false;
    std::thread release_;
};

} // namespace filmeria::testing
