#pragma once

// Which row each section of the timeline shows: secrets with three cards among them. The
// question card follows the third secret, the friend-number card the sixth, and the
// phone-book card (only while the address book is not uploaded) comes last. With four or
// five secrets the friend-number card follows the last secret.
class FeedSectionMap {
  public:
    enum class Kind { Secret, Question, FriendNum, PhoneBook };
    struct Row {
        Kind kind;
        int secret = -1;  // the index into the list, for a secret
        bool operator==(const Row&) const = default;
    };

    FeedSectionMap(int secrets, bool phoneBook) : n_(secrets), phoneBook_(phoneBook) {}

    int sectionCount() const { return n_ + (phoneBook_ ? 3 : 2); }
    // section must be below sectionCount().
    Row rowAt(int section) const;

  private:
    int n_;
    bool phoneBook_;
};
