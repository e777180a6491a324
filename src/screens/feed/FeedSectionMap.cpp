#include "screens/feed/FeedSectionMap.h"

#include <algorithm>

FeedSectionMap::Row FeedSectionMap::rowAt(int section) const {
    if (phoneBook_ && section == n_ + 2) return {Kind::PhoneBook};
    // Up to three secrets, then the question card.
    const int beforeQuestion = std::min(n_, 3);
    if (section < beforeQuestion) return {Kind::Secret, section};
    if (section == beforeQuestion) return {Kind::Question};
    // Then up to three more secrets (3 … 5), then the friend-number card.
    const int middle = std::clamp(n_ - 3, 0, 3);
    const int afterQuestion = section - beforeQuestion - 1;
    if (afterQuestion < middle) return {Kind::Secret, 3 + afterQuestion};
    if (afterQuestion == middle) return {Kind::FriendNum};
    // The rest of the secrets from 6 on.
    return {Kind::Secret, 6 + afterQuestion - middle - 1};
}
