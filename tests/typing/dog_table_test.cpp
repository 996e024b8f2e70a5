#include "typing/DogTable.h"

#include <gtest/gtest.h>

TEST(DogTable, FirstEntry)
{
    EXPECT_EQ(kibbo::dogTable[0].dogPic, "basenji.gif");
}
