// The comparison's report opened in a real browser: headless Chromium dumps the DOM it
// built from the file, read as HTML (.html) and as XML (.xhtml). Every plot and every table
// row must be there. Without the browser the test fails: scripts/deps.sh installs it.
#include <gtest/gtest.h>

#include <filesystem>

#include "comparison/comparison.hpp"
#include "comparison/report_fixture.hpp"
#include "support/tooltest.hpp"

namespace {

using namespace vm;
using namespace vm::cmp;

size_t count(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + what.size())) ++n;
  return n;
}

class ReportBrowserTest : public vmtest::ToolTest {
 protected:
  // The DOM Chromium builds from `file`, as --dump-dom prints it; each run gets a fresh profile.
  std::string dumpDom(const std::string& file) {
    const std::filesystem::path profile = dir_ / ("profile" + std::to_string(++runs_));
    std::filesystem::create_directory(profile);
    const vmtest::ProgramRun r = vmtest::runCommand(
        "chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
        "--disable-background-networking --disable-component-update --disable-sync --user-data-dir='" +
            profile.string() + "' --dump-dom 'file://" + (dir_ / file).string() + "'",
        "", 120);
    EXPECT_EQ(r.status, 0) << r.err.substr(0, 2000);
    return r.out;
  }

  // Writes the report (and, with `asXml`, a copy named .xhtml) and checks the browser's DOM
  // against the XML reading.
  void check(const Comparison& c, int plots, bool asXml) {
    ASSERT_TRUE(std::filesystem::exists("/usr/bin/chromium")) << "chromium is missing: run scripts/deps.sh";
    writeReport(c, "report.html");
    if (asXml) std::filesystem::copy_file("report.html", "report.xhtml", std::filesystem::copy_options::overwrite_existing);
    const vmtest::ParsedReport xml = vmtest::parseReport(vmtest::readFile("report.html"));
    ASSERT_TRUE(xml.ok) << xml.error;
    ASSERT_EQ(xml.svgs, plots);
    for (const char* file : {"report.html", "report.xhtml"}) {
      if (!asXml && std::string(file) == "report.xhtml") continue;
      const std::string dom = dumpDom(file);
      EXPECT_EQ(count(dom, "<svg "), static_cast<size_t>(plots)) << file;
      EXPECT_EQ(count(dom, "</svg>"), static_cast<size_t>(plots)) << file;
      EXPECT_EQ(count(dom, "<tr>"), xml.rows.size()) << file;
      EXPECT_EQ(count(dom, "parsererror"), 0u) << file;
      EXPECT_NE(dom.find("Model-Observation Comparison"), std::string::npos) << file;
      EXPECT_NE(dom.find("</body>"), std::string::npos) << file;
      EXPECT_NE(dom.find("</html>", dom.size() - std::min<size_t>(dom.size(), 10)), std::string::npos) << file;
    }
  }

  int runs_ = 0;
};

TEST_F(ReportBrowserTest, EveryPlotOfBothModesIsInTheBrowsersDom) {
  check(vmtest::sampleSeriesComparison(), 8, true);
  check(vmtest::sampleMarksComparison(), 2, false);
}

}  // namespace
