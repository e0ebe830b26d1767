#include "modelout/maxfile.hpp"

#include "core/error.hpp"
#include "core/fmt.hpp"
#include "core/ncfile.hpp"
#include "core/text.hpp"
#include "modelout/summaries.hpp"
#include "modelout/timeseries_netcdf.hpp"

namespace vm {

MaxFileReader::MaxFileReader(const std::string& path) {
  if (!isNetcdf(path)) {
    head_ = std::make_unique<FileReader>(path, 4 << 20);
    return;
  }
  netcdf_ = true;
  NcMax m = readNcMax(path);
  std::string text = m.description + "\n";
  text += FreeLine()
              .i(static_cast<long long>(m.snaps))
              .i(static_cast<long long>(m.nodes))
              .d(m.increment)
              .i(m.outputStep)
              .i(1)
              .str() +
          "\n";
  text += FreeLine().d(m.time).i(m.iteration).str() + "\n";
  head_ = std::make_unique<TextLines>(std::move(text), path);
  values_ = std::move(m.values);
}

MaxFileReader::~MaxFileReader() = default;

void MaxFileReader::fail(std::string_view what) const {
  if (netcdf_) vm::fail(name() + ": " + std::string(what));
  head_->fail(what);
}

bool MaxFileReader::next(long long& node, double& value) {
  if (netcdf_) {
    if (pos_ >= values_.size()) return false;
    value = values_[pos_++];
    node = static_cast<long long>(pos_);
    return true;
  }
  std::string_view line;
  while (head_->next(line))
    if (firstNonBlank(line) != '\0') {
      readNodeValue(*head_, line, node, value);
      return true;
    }
  return false;
}

void MaxFileReader::need(long long& node, double& value, std::string_view expected) {
  if (netcdf_) {
    if (!next(node, value))
      fail("expected " + std::string(expected) + " after its " + std::to_string(values_.size()) + " node values");
    return;
  }
  readNodeValue(*head_, head_->need(expected), node, value);
}

}  // namespace vm
