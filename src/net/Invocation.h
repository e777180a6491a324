#pragma once

#include <cstdint>
#include <functional>

#include "wire/Package.h"

// Called once per request: flag 1 and the reply when bytes arrived, flag 0 and an empty
// reply when the request ended without one. The reply's cursor is at 0.
using CompletionBlock = std::function<void(int flag, Package& reply)>;

// One pending request: the reply being collected under its sequence number.
class Invocation {
  public:
    explicit Invocation(int32_t code, CompletionBlock block = {})
        : code(code), block(std::move(block)) {}

    // Complete when the buffer is empty or holds the whole message its length word announces.
    bool isFull() const;
    // False while incomplete; otherwise calls the callback (if any) and returns true.
    bool fire();

    int32_t code;
    Package package;
    CompletionBlock block;
};
