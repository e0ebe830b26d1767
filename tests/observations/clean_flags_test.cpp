#include "observations/clean_flags.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "observations/obs_edit.hpp"

namespace {

using vm::Date6;

// The flag dates found the slow way: the file searched from its start for the first line
// whose first word is the label, then its flag lines read one by one.
std::vector<Date6> searched(const std::vector<std::string>& lines, const std::string& label) {
  std::vector<Date6> dates;
  size_t k = 0;
  while (k < lines.size() && vm::firstWord(lines[k]) != label) ++k;
  for (++k; k < lines.size(); ++k) {
    const std::string_view s = vm::shiftedLine(lines[k]);
    if (s.empty() || s[0] != '2') break;
    Date6 d;
    if (vm::leadingDate(s, d)) dates.push_back(d);
  }
  return dates;
}

TEST(CleanFlags, IndexGivesTheDatesASearchFromTheStartFinds) {
  std::mt19937 rng(12345);
  const char* const shapes[] = {"S%", "  S% comment", "2008 1 % 0 0 0", "  2008 1 % 0 0 0 extra", "2008 1 %", "",
                                "note %", "2008,1,%,0,0,0"};
  for (int trial = 0; trial < 200; ++trial) {
    std::vector<std::string> lines;
    std::string text;
    for (int k = 0; k < 40; ++k) {
      std::string l = shapes[rng() % 8];
      const size_t p = l.find('%');
      if (p != std::string::npos) l[p] = static_cast<char>('0' + rng() % 6);
      lines.push_back(l);
      text += l;
      text += '\n';
    }
    vm::TextLines src(text, "flags.txt");
    const vm::CleanFlags flags(src);
    std::vector<Date6> got;
    for (int s = 0; s < 7; ++s) {
      const std::string label = 'S' + std::to_string(s);
      flags.datesFor(label, got);
      ASSERT_EQ(got, searched(lines, label)) << text << label;
    }
  }
}

TEST(ObsEditItems, FreeFormatItemsWithoutFailing) {
  std::string_view items[8];
  ASSERT_EQ(vm::splitItems(" 2008,1 , 2,,3 \t4/ 9", items, 8), 6);
  EXPECT_EQ(items[2], "2");
  EXPECT_EQ(items[3], "");  // two commas: a null item, never a number
  EXPECT_EQ(items[5], "4");
  EXPECT_EQ(vm::firstWord("  'A B''s' 1 2"), "A B's");
  EXPECT_EQ(vm::firstWord("NOAA_1,29.5"), "NOAA_1");
  EXPECT_EQ(vm::firstWord(" \t "), "");
  EXPECT_EQ(vm::baseName("x.TALVO"), "x");
  EXPECT_EQ(vm::baseName("abcdef"), "");
}

}  // namespace
