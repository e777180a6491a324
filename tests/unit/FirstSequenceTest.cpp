#include <gtest/gtest.h>

#include "wire/Package.h"

TEST(SequenceCounter, FirstRequestOfAProcessIsOneAndEmptyPackagesDoNotCount) {
    Package collecting;
    Package reading(std::vector<uint8_t>(40, 0));
    Package first(1, 2);
    EXPECT_EQ(first.packgeSequnce(), 1);
    const std::vector<uint8_t> expectedHeaderTail{0, 0, 0, 1};
    EXPECT_TRUE(std::equal(expectedHeaderTail.begin(), expectedHeaderTail.end(),
                           first.bytes().begin() + 20));
    Package unsent(2, 3);  // built but never sent: still uses up its number
    Package third(2, 3);
    EXPECT_EQ(unsent.packgeSequnce(), 2);
    EXPECT_EQ(third.packgeSequnce(), 3);
}
