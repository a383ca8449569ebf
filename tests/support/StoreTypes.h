#pragma once

#include <string>

#include <gtest/gtest.h>

#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "stores/ZorvoSomedayMgr.h"

using AllStores = ::testing::Types<ZorvoInboxItemMgr, ZorvoCtxMgr, ZorvoProjectMgr,
                                   ZorvoActionMgr, ZorvoSomedayMgr, ZorvoRefMgr>;

// The shape of a record on file: 'i' an int32, 'd' a real, "T<N>" a text of capacity N, in
// file order.
class LayoutOf {
 public:
  void operator()(const int32_t&) { m_text += 'i'; }
  void operator()(const double&) { m_text += 'd'; }
  template <std::size_t N>
  void operator()(const Text<N>&) {
    m_text += "T" + std::to_string(N);
  }
  template <record_io::FieldRun A>
  void operator()(const A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }
  const std::string& text() const { return m_text; }

  template <class R>
  static std::string of() {
    R r;
    LayoutOf l;
    R::stored_fields(static_cast<const R&>(r), l);
    return l.text();
  }

 private:
  std::string m_text;
};
