#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class Accounts;
class Secrets;

// Reads one request frame, runs the operation and writes the reply frame (same protocol id
// and sequence number). No reply for a malformed frame: the connection is to be closed.
class Operations {
  public:
    Operations(Accounts& accounts, Secrets& secrets) : accounts_(accounts), secrets_(secrets) {}

    std::optional<std::vector<uint8_t>> handle(const std::vector<uint8_t>& frame);

  private:
    Accounts& accounts_;
    Secrets& secrets_;
};
