// Field reads of fixed-column and separator-located layouts: the "(iW)" and "(fW.D)" reads
// of text.hpp, and the raw-file helpers that cut fields from columns found by slashes and
// colons, the first number of a text part and word-by-word records.
//
// Input: three parameter bytes (first column, width, implied decimals), a shift in hours,
// then text lines. Every line goes through every read; the whole text also goes through the
// slash-dated record walk and the word reader.
#include <string>
#include <string_view>

#include "converters/rawdata.hpp"
#include "core/error.hpp"
#include "core/text.hpp"
#include "fuzz.hpp"

namespace {

void eachLine(const vm::LineSource& src, std::string_view line, size_t first, size_t width, int decimals,
              int shift) {
  long long i = 0;
  double r = 0.0;
  vm::fieldIntOk(vm::columns(line, first, width), i);
  vm::fieldRealOk(vm::columns(line, first, width), decimals, r);
  try {
    vm::fieldInt(line, first, width, &src, "a fuzzed integer");
  } catch (const vm::Failure&) {
  }
  try {
    vm::fieldReal(line, first, width, decimals, nullptr, "");
  } catch (const vm::Failure&) {
  }
  try {
    vm::colInt(line, static_cast<long>(first) - 2, static_cast<long>(first + width) - 3, src, "a column integer");
  } catch (const vm::Failure&) {
  }
  vm::colText(line, static_cast<long>(first), static_cast<long>(first + width));
  vm::firstReal(line, r);
  vm::firstReal(vm::colText(line, static_cast<long>(first), static_cast<long>(first + width)), r);
  vm::isBlank(line);
  for (bool colon : {false, true}) {
    try {
      const vm::Separators sep = vm::findSeparators(line, src, colon);
      vm::ObsRecord rec;
      vm::readSlashDate(line, sep, src, rec);
      if (colon) {
        rec.hour = vm::colInt(line, sep.k - 2, sep.k - 1, src, "the hour");
        rec.minute = vm::colInt(line, sep.k + 1, sep.k + 2, src, "the minute");
      }
      vm::shiftRecord(rec, shift, src);
    } catch (const vm::Failure&) {
    }
  }
}

}  // namespace

VM_FUZZ_TARGET(fields) {
  if (size < 4) return;
  const size_t first = data[0] % 64;  // 0 is "no column"
  const size_t width = data[1] % 40;
  const int decimals = data[2] % 16;
  const int shift = static_cast<int>(static_cast<signed char>(data[3])) * 7;
  const std::string text = fuzz::text(data + 4, size - 4);

  vm::TextLines src(text, "fuzz");
  std::string_view line;
  while (src.next(line)) eachLine(src, line, first, width, decimals, shift);

  // The same text as a raw file: slash-dated records, then words.
  fuzz::put("raw.txt", text);
  try {
    vm::FileReader raw("raw.txt");
    vm::Separators sep;
    vm::ObsRecord rec;
    while (vm::nextSlashDated(raw, line, sep, rec)) vm::shiftRecord(rec, shift, raw);
  } catch (const vm::Failure&) {
  }
  try {
    vm::TextLines words(text, "words");
    vm::WordReader w(words);
    std::string rec[3];
    while (w.record(rec, 3)) {
      vm::wordInt(rec[0], words, "an integer word");
      vm::wordReal(rec[1], words, "a real word");
    }
  } catch (const vm::Failure&) {
  }
}
