#pragma once

#include <cstdint>

// Where the next page of a paged list starts: a fetch time (0 after the first request) and
// the message-id cursor the last reply stored.
struct PageCursor {
    uint32_t fetchTime = 0;
    uint64_t messageId = 0;
};
