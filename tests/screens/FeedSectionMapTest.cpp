#include <gtest/gtest.h>

#include <set>

#include "screens/feed/FeedSectionMap.h"

using Kind = FeedSectionMap::Kind;
using Row = FeedSectionMap::Row;

TEST(FeedSectionMap, TheListedLayouts) {
    struct Case {
        int n;
        bool phoneBook;
        std::vector<Row> rows;
    };
    const Row q{Kind::Question}, f{Kind::FriendNum}, p{Kind::PhoneBook};
    auto s = [](int i) { return Row{Kind::Secret, i}; };
    for (const Case& c : {
             Case{0, false, {q, f}},
             Case{0, true, {q, f, p}},
             Case{2, true, {s(0), s(1), q, f, p}},
             Case{3, false, {s(0), s(1), s(2), q, f}},
             Case{4, false, {s(0), s(1), s(2), q, s(3), f}},
             Case{5, true, {s(0), s(1), s(2), q, s(3), s(4), f, p}},
             Case{6, false, {s(0), s(1), s(2), q, s(3), s(4), s(5), f}},
             Case{10, true, {s(0), s(1), s(2), q, s(3), s(4), s(5), f, s(6), s(7), s(8), s(9), p}},
         }) {
        const FeedSectionMap map(c.n, c.phoneBook);
        ASSERT_EQ(map.sectionCount(), static_cast<int>(c.rows.size())) << c.n;
        for (int section = 0; section < map.sectionCount(); ++section)
            EXPECT_EQ(map.rowAt(section), c.rows[static_cast<std::size_t>(section)])
                << "n=" << c.n << " section " << section;
    }
}

// Every secret and every due card exactly once, for every list size the open cases touch.
TEST(FeedSectionMap, EverySecretAndCardShowsExactlyOnce) {
    for (int n = 0; n <= 12; ++n) {
        for (bool phoneBook : {false, true}) {
            const FeedSectionMap map(n, phoneBook);
            std::multiset<int> secrets;
            int questions = 0, friends = 0, books = 0;
            for (int section = 0; section < map.sectionCount(); ++section) {
                const Row row = map.rowAt(section);
                switch (row.kind) {
                    case Kind::Secret:
                        secrets.insert(row.secret);
                        break;
                    case Kind::Question:
                        ++questions;
                        break;
                    case Kind::FriendNum:
                        ++friends;
                        break;
                    case Kind::PhoneBook:
                        ++books;
                        EXPECT_EQ(section, map.sectionCount() - 1) << "the phone-book card is last";
                        break;
                }
            }
            std::multiset<int> expected;
            for (int i = 0; i < n; ++i)
                expected.insert(i);
            EXPECT_EQ(secrets, expected) << "n=" << n;
            EXPECT_EQ(questions, 1) << "n=" << n;
            EXPECT_EQ(friends, 1) << "n=" << n;
            EXPECT_EQ(books, phoneBook ? 1 : 0) << "n=" << n;
        }
    }
}
