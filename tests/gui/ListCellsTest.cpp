#include <gtest/gtest.h>

#include <QString>

#include "common/misc/CxDateTime.h"
#include "ui/Ansi.h"
#include "ui/ListCells.h"

namespace {

// The lists write their dates digit by digit for speed: the text must be the one every other
// place shows.
TEST(ListCellsTest, DatesReadAsEverywhereElse) {
  for (double v : {0.0, 40262.5, 40262.0 - 10.0 / 1440, -1.25, 2958465.99998, 46000.75, 1e9}) {
    EXPECT_EQ(cells::date_time(v).toStdString(), format_date_time(v)) << v;
  }
}

TEST(ListCellsTest, CellsAreOneLine) {
  EXPECT_EQ(cells::one_line("a\r\nb\nc\rd"), "a b c d");
  EXPECT_EQ(cells::one_line(""), "");
  EXPECT_EQ(cells::one_line("\x80 5"), QString::fromUtf8("€ 5"));
}

}  // namespace
