#include <gtest/gtest.h>

#include "view/KeyScrolling.h"

TEST(KeyScrolling, ArrowsAndPageKeysMakeOneStep) {
    using Steps = std::vector<ScrollStep>;
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_Up), (Steps{{Qt::Vertical, ScrollMove::LineBack}}));
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_Down), (Steps{{Qt::Vertical, ScrollMove::LineForward}}));
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_PageUp), (Steps{{Qt::Vertical, ScrollMove::PageBack}}));
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_PageDown),
              (Steps{{Qt::Vertical, ScrollMove::PageForward}}));
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_Left), (Steps{{Qt::Horizontal, ScrollMove::PageBack}}));
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_Right), (Steps{{Qt::Horizontal, ScrollMove::PageForward}}));
}

TEST(KeyScrolling, HomeAndEndGoToTheCornersVerticalFirst) {
    using Steps = std::vector<ScrollStep>;
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_Home),
              (Steps{{Qt::Vertical, ScrollMove::ToStart}, {Qt::Horizontal, ScrollMove::ToStart}}));
    EXPECT_EQ(ScrollStepsForKey(Qt::Key_End),
              (Steps{{Qt::Vertical, ScrollMove::ToEnd}, {Qt::Horizontal, ScrollMove::ToEnd}}));
}

TEST(KeyScrolling, OtherKeysDoNotScroll) {
    for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab})
        EXPECT_TRUE(ScrollStepsForKey(key).empty()) << key;
}
