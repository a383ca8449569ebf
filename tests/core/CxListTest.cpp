#include "common/misc/CxList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An element that counts how many of its kind are alive, to see what the list releases.
struct Counted {
  static int alive;
  char name;
  explicit Counted(char n) : name(n) { ++alive; }
  ~Counted() { --alive; }
};
int Counted::alive = 0;

class CxListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Counted::alive = 0;
    a = new Counted('A');
    b = new Counted('B');
    c = new Counted('C');
    list.Add(a);
    list.Add(b);
    list.Add(c);
  }
  void TearDown() override { list.RemoveAll(true); }

  CxList<Counted> list;
  Counted *a, *b, *c;
};

TEST(CxListEmpty, EveryWalkYieldsNone) {
  CxList<int> list;
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(list.GetFirst(), nullptr);
  EXPECT_EQ(list.GetLast(), nullptr);
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.GetPrev(), nullptr);
  EXPECT_EQ(list.GetAt(0), nullptr);
  EXPECT_FALSE(list.Add(nullptr));
  int x = 0;
  EXPECT_FALSE(list.Remove(&x, false));
}

TEST_F(CxListTest, WalksBothWays) {
  EXPECT_EQ(list.GetFirst(), a);
  EXPECT_EQ(list.GetNext(), b);
  EXPECT_EQ(list.GetNext(), c);
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.GetLast(), c);
  EXPECT_EQ(list.GetPrev(), b);
  EXPECT_EQ(list.GetPrev(), a);
  EXPECT_EQ(list.GetPrev(), nullptr);
  EXPECT_EQ(list.GetAt(1), b);
}

TEST_F(CxListTest, RemoveLeavesTheCursorOnTheFollowerSoTheNextStepSkipsIt) {
  EXPECT_EQ(list.GetFirst(), a);
  EXPECT_TRUE(list.Remove(a, true));
  EXPECT_EQ(Counted::alive, 2);
  EXPECT_EQ(list.GetNext(), c);  // B, now at position 0 under the cursor, is skipped
  EXPECT_EQ(list.GetFirst(), b);
  EXPECT_EQ(list.GetCount(), 2u);
  // Positions were renumbered: every index still reaches its node.
  EXPECT_EQ(list.GetAt(1), c);
  EXPECT_EQ(list.GetAt(0), b);
}

TEST_F(CxListTest, AddDuringAWalkMovesTheCursorToTheNewTail) {
  EXPECT_EQ(list.GetFirst(), a);
  auto* d = new Counted('D');
  list.Add(d);
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.GetPrev(), c);
}

TEST_F(CxListTest, GetAtOutOfRangeLeavesTheCursor) {
  EXPECT_EQ(list.GetAt(1), b);
  EXPECT_EQ(list.GetAt(5), nullptr);
  EXPECT_EQ(list.GetNext(), c);
}

TEST_F(CxListTest, AfterRemovingTheTailTheCursorStandsPastTheEnd) {
  list.GetLast();
  EXPECT_TRUE(list.Remove(c, true));
  EXPECT_EQ(list.GetNext(), nullptr);
  EXPECT_EQ(list.GetPrev(), b);  // steps back onto the new tail, without failing
  list.GetLast();
  list.Remove(b, true);
  EXPECT_EQ(list.GetAt(0), a);
}

TEST_F(CxListTest, RemoveOfAForeignElementChangesNothing) {
  Counted stranger('X');
  EXPECT_FALSE(list.Remove(&stranger, true));
  EXPECT_EQ(list.GetCount(), 3u);
  EXPECT_EQ(Counted::alive, 4);
}

TEST_F(CxListTest, ARangeForLeavesTheCursorWhereItWas) {
  EXPECT_EQ(list.GetFirst(), a);
  std::string seen;
  for (Counted* outer : list) {
    for (Counted* inner : list) seen += inner->name;  // a walk inside the walk
    seen += outer->name;
    seen += ' ';
  }
  EXPECT_EQ(seen, "ABCA ABCB ABCC ");
  EXPECT_EQ(list.GetNext(), b);  // the cursor walk goes on from A
  CxList<Counted> empty;
  for (Counted* none : empty) ADD_FAILURE() << none->name;
}

TEST_F(CxListTest, SwapExchangesTheWholeContents) {
  CxList<Counted> other;
  auto* d = new Counted('D');
  other.Add(d);
  list.GetAt(1);
  list.Swap(other);
  EXPECT_EQ(list.GetCount(), 1u);
  EXPECT_EQ(list.GetFirst(), d);
  EXPECT_EQ(other.GetNext(), c);  // the cursor moved along with its nodes
  other.RemoveAll(true);
}

TEST_F(CxListTest, ReleaseOnlyWhenAsked) {
  list.Remove(b, false);
  EXPECT_EQ(Counted::alive, 3);
  delete b;
  {
    CxList<Counted> other;
    Counted kept('K');
    other.Add(&kept);
  }  // destruction releases nothing: `kept` would be deleted twice otherwise
  list.RemoveAll(true);
  EXPECT_EQ(Counted::alive, 0);
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_EQ(list.GetFirst(), nullptr);
}

}  // namespace
