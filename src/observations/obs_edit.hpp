// Helpers shared by the tools that rewrite observation files line by line: output names
// built from the input's, left-aligned line buffers, and free-format items read without
// failing, for lines whose layout decides what a tool does with them.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/files.hpp"
#include "core/lines.hpp"
#include "observations/talvo_format.hpp"

namespace vm {

// The input name without its last six characters (".TALVO"); empty for six or fewer.
std::string baseName(const std::string& input);

// A derived output name, cut to 120 characters, that must not name any of the run's
// input files: such a name stops the tool before anything is truncated.
std::string derivedOutput(const std::string& name, std::initializer_list<const std::string*> inputs);

// A line as a tool holds it in its 120-character buffer, shifted left to its first
// non-blank character (trailing blanks are not added).
std::string_view shiftedLine(std::string_view line);

// The first free-format item of a line: a word ending at a blank, comma or slash, or a
// quoted text without its quotes. Empty when the line holds no item.
std::string firstWord(std::string_view line);

// Splits a line into at most `max` free-format items without judging them: items are
// separated by blanks or tabs, or by one comma with optional blanks around it; two
// commas in a row give an empty item; a slash ends the list. Returns the number found.
int splitItems(std::string_view line, std::string_view* items, int max);

// True when each of the first n items is an integer that fits 32 bits.
bool itemsAreInts(const std::string_view* items, int n, int* out);

// The source line's words: source, time zone and datum, read free-format from that line
// alone (a line of fewer words is an error, not a read into the next line).
struct SourceWords {
  std::string source, zone, datum;
};
// The header as the adjust and clean tools carry it over: kind and caption lines (cut to
// 120 characters) and the source line's words. It is written back with the kind and
// caption lines as plain text without trailing blanks and the source line as a
// free-format line of its three words with one blank between them.
struct EditHeader {
  std::string kind, caption;
  SourceWords words;
};
EditHeader readEditHeader(LineSource& in);
void writeEditHeader(OutFile& out, const EditHeader& h);

// A record of six date integers and a value.
ObsRecord recordAt(const int* date, double value);

}  // namespace vm
