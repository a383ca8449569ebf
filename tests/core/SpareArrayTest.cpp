#include "stores/SpareArray.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "stores/Text.h"

namespace {

TEST(SpareArrayTest, KeepsValuesOnlyWhenThereAreAny) {
  SpareArray<int32_t, 4> ints;
  EXPECT_EQ(ints[3], 0);
  ints.assign({0, 0, 0, 0});
  EXPECT_EQ(std::as_const(ints)[2], 0);
  ints.assign({0, 0, 7, 0});
  EXPECT_EQ(std::as_const(ints)[2], 7);
  SpareArray<int32_t, 4> copy = ints;
  copy[2] = 8;
  EXPECT_EQ(std::as_const(ints)[2], 7);  // a copy is a copy
  EXPECT_EQ(std::as_const(copy)[2], 8);

  SpareArray<Text<10>, 2> texts;
  texts.assign({Text<10>("kept"), Text<10>()});
  EXPECT_EQ(std::as_const(texts)[0], "kept");
}

TEST(SpareArrayTest, ANegativeZeroIsNotTheDefault) {
  SpareArray<double, 2> reals;
  reals.assign({-0.0, 0.0});
  EXPECT_TRUE(std::signbit(std::as_const(reals)[0]));
}

}  // namespace
