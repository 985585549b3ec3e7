#pragma once
// The record list exactly as first described: a plain chain walked from the head for
// every insertion and look-up, and a bubble sort that restarts after every exchange.
// It is slow on purpose: tests compare DSList against it, and the benchmarks measure
// DSList's speed-up over it.

#include <list>
#include <string_view>

#include "store/record.h"

namespace quenchel::literal {

class LiteralList {
 public:
  using Chain = std::list<DSNode>;

  DSNode* First() { return chain_.empty() ? nullptr : &chain_.front(); }
  int Count() const { return static_cast<int>(chain_.size()); }
  DSNode* Find(const DSNode& pattern);
  DSNode* Find2(const DSNode& pattern);
  DSNode& AddSorted(const DSNode& record);
  DSNode* Update(const DSNode& record);
  DSNode* Update2(const DSNode& record);
  bool Delete(const DSNode* pattern);
  bool Delete2(const DSNode* pattern);
  void Clear() { chain_.clear(); }
  bool SortByCell1(char mode);

  Chain& Records() { return chain_; }
  const Chain& Records() const { return chain_; }

 private:
  Chain chain_;
};

}  // namespace quenchel::literal
