#include "observations/obs_edit.hpp"

#include <climits>

#include "core/error.hpp"
#include "core/fmt.hpp"
#include "core/listin.hpp"
#include "core/text.hpp"
#include "observations/talvo_format.hpp"

namespace vm {

namespace {

inline bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::string baseName(const std::string& input) {
  return input.size() > 6 ? input.substr(0, input.size() - 6) : std::string();
}

std::string derivedOutput(const std::string& name, std::initializer_list<const std::string*> inputs) {
  std::string out(cut(name, kObsLineWidth));
  for (const std::string* in : inputs)
    if (sameFile(out, *in)) fail("the output file '" + out + "' would replace the input file '" + *in + "'");
  return out;
}

std::string_view shiftedLine(std::string_view line) { return ltrim(cut(line, kObsLineWidth)); }

std::string firstWord(std::string_view line) {
  size_t p = 0;
  while (p < line.size() && isSpace(line[p])) ++p;
  if (p == line.size()) return {};
  const char q = line[p];
  if (q == '\'' || q == '"') {
    std::string w;
    for (++p; p < line.size(); ++p) {
      if (line[p] == q) {
        if (p + 1 < line.size() && line[p + 1] == q) {
          w += q;
          ++p;
          continue;
        }
        break;
      }
      w += line[p];
    }
    return w;
  }
  size_t e = p;
  while (e < line.size() && !isSpace(line[e]) && line[e] != ',' && line[e] != '/') ++e;
  return std::string(line.substr(p, e - p));
}

int splitItems(std::string_view line, std::string_view* items, int max) {
  int n = 0;
  size_t p = 0;
  const size_t len = line.size();
  bool afterItem = false;  // an item was read and its separator not yet seen
  while (n < max) {
    while (p < len && isSpace(line[p])) ++p;
    if (p == len || line[p] == '/') break;
    if (line[p] == ',') {
      if (!afterItem) items[n++] = {};  // a null item
      afterItem = false;
      ++p;
      continue;
    }
    size_t e = p;
    while (e < len && !isSpace(line[e]) && line[e] != ',' && line[e] != '/') ++e;
    items[n++] = line.substr(p, e - p);
    afterItem = true;
    p = e;
  }
  return n;
}

bool itemsAreInts(const std::string_view* items, int n, int* out) {
  for (int k = 0; k < n; ++k) {
    long long v;
    if (!parseInt(items[k], v) || v < INT_MIN || v > INT_MAX) return false;
    out[k] = static_cast<int>(v);
  }
  return true;
}

namespace {

SourceWords readSourceWords(std::string_view line, const LineSource* where) {
  SourceWords w;
  readLine(cut(line, kObsLineWidth), where, "the source, time zone and datum words of the source line", w.source,
           w.zone, w.datum);
  w.source = std::string(cut(w.source, kObsLineWidth));
  w.zone = std::string(cut(w.zone, kObsLineWidth));
  w.datum = std::string(cut(w.datum, kObsLineWidth));
  return w;
}

}  // namespace

EditHeader readEditHeader(LineSource& in) {
  EditHeader h;
  h.kind = std::string(cut(in.need("the kind line (header line 1)"), kObsLineWidth));
  h.caption = std::string(cut(in.need("the caption line (header line 2)"), kObsLineWidth));
  h.words = readSourceWords(in.need("the source line (header line 3)"), &in);
  return h;
}

void writeEditHeader(OutFile& out, const EditHeader& h) {
  out.line(rtrim(h.kind));
  out.line(rtrim(h.caption));
  out.line(FreeLine().t(rtrim(h.words.source)).t(" ").t(rtrim(h.words.zone)).t(" ").t(rtrim(h.words.datum)).str());
}

ObsRecord recordAt(const int* date, double value) {
  ObsRecord r;
  r.year = date[0];
  r.month = date[1];
  r.day = date[2];
  r.hour = date[3];
  r.minute = date[4];
  r.second = date[5];
  r.value = value;
  return r;
}

}  // namespace vm
