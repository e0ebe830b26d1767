#include "observations/clean_flags.hpp"

#include "core/text.hpp"
#include "observations/obs_edit.hpp"
#include "observations/talvo_format.hpp"

namespace vm {

bool leadingDate(std::string_view line, Date6& date) {
  std::string_view items[6];
  return splitItems(line, items, 6) == 6 && itemsAreInts(items, 6, date.data());
}

CleanFlags::CleanFlags(LineSource& src) {
  std::string_view ln;
  while (src.next(ln)) {
    const std::string_view s = shiftedLine(ln);
    Line l;
    l.flag = !s.empty() && s[0] == '2';
    if (l.flag) l.complete = leadingDate(s, l.date);
    std::string word(rtrim(firstWord(s)));
    if (!word.empty()) firstLine_.try_emplace(std::move(word), lines_.size());
    lines_.push_back(l);
  }
}

void CleanFlags::datesFor(const std::string& label, std::vector<Date6>& dates) const {
  dates.clear();
  const auto it = firstLine_.find(std::string(rtrim(cut(label, kObsLineWidth))));
  if (it == firstLine_.end()) return;
  for (size_t k = it->second + 1; k < lines_.size() && lines_[k].flag; ++k)
    if (lines_[k].complete) dates.push_back(lines_[k].date);
}

}  // namespace vm
