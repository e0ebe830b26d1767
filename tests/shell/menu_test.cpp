// Menu shell and file chooser, driven in-process with scripted answers.
#include <gtest/gtest.h>

#include <string>

#include "core/error.hpp"
#include "shell/choosefile.hpp"
#include "shell/menu.hpp"
#include "support/tooltest.hpp"

namespace {

using vmtest::writeFile;

const std::string kMenu =
    "\n"
    " *************************************************\n"
    "          Velmorant-RVT Toolkit by DWX  v.41      \n"
    " *************************************************\n"
    "\n"
    "   1. Create Station List from TALVO file \n"
    "   2. Create TALVO hwm from TALVO watlev \n"
    "   3. Convert a fort.61/62 to TALVO format\n"
    "   4. *.F, Filter/Remove Stations from an TALVO file\n"
    "   5. Number TALVO Stations\n"
    "   6. Merge TALVO files\n"
    "   7. Adjust Time or Elevation in an TALVO file\n"
    "   8. *.C, Clean an TALVO file\n"
    "   ------------------------------------------------\n"
    "   10. Create a fort.61/62 from a fort.63/64\n"
    "   11. Create a wet.14 file\n"
    "   12. Find Min-Max\n"
    "   13. Create Maximum Envelope of Water (MEOW)\n"
    "   14. Generate a max file from a TimeSeries File\n"
    "   16. Generate a Difference File\n"
    "   17. *.P, Populate Stations file with Preferred Nodes\n"
    "   18. *.L, Popolate Stations file with new Locations\n"
    "   ------------------------------------------------\n"
    "   21. Convert CRMS raw data to TALVO format\n"
    "   22. Convert NOAA raw data to TALVO format\n"
    "   23. Convert TCOON raw data to TALVO format\n"
    "   24. Convert VANTE raw data to TALVO format\n"
    "   25. Convert USGS-DEPL raw data to TALVO format\n"
    "   26. Convert USGS-PERM raw data to TALVO format\n"
    "   27. Convert VANTE-RVT raw data to TALVO format\n"
    "   28. Convert SLOSH raw data to TALVO format\n"
    "   29. Convert CSI raw data to TALVO format\n"
    "   30. Convert NDBC raw data to TALVO format\n"
    "   ------------------------------------------------\n"
    "   31. Create 61.TALVO with TALVO.ctrl\n"
    "   ------------------------------------------------\n"
    "   32. Convert NOAA CO-OPS CSV downloads to TALVO format\n"
    "   33. Convert USGS NWIS RDB downloads to TALVO format\n"
    "   34. Convert NDBC standard meteorological files to TALVO format\n"
    "   ------------------------------------------------\n"
    "   41. Export Open Ocean Boundary Coordinates\n"
    "   42. Extract OOB forcing from OSU\n"
    "   43. Extract OOB forcing from FES2004\n"
    "   44. Extract OOB forcing from TB3307\n"
    "   45. Decompose a fort.53 into *.14 Format files\n"
    "   ------------------------------------------------\n"
    "   51. Add Wave-Refraction to Fort.13\n"
    "   52. River Flux Boundary Extraction\n"
    "   ------------------------------------------------\n"
    "   61. Compare Model and Observed TALVO files\n"
    "   ------------------------------------------------\n"
    "   98. Change Operating System\n"
    "   99. Terminate Program\n"
    " Select Option: ";

const std::string kYatta = "\n Yatta!\n\n";

class MenuTest : public vmtest::ToolTest {
 protected:
  int status_ = -1;
  std::string menu(const std::string& answers) {
    return run(answers, [&](vm::Console& c) { status_ = vm::runMenu(c); });
  }
};

TEST_F(MenuTest, BadChoicesRepeatThePromptOrTheMenu) {
  // "abc" repeats only the prompt; an empty line reads as 0, which is unacceptable.
  std::string out = menu("abc\n\n99\n");
  EXPECT_EQ(out, kMenu + " Select Option: \nOption Unacceptable, Try Again\n" + kMenu + "\n Program Terminated\n");
  EXPECT_EQ(status_, 0);
}

TEST_F(MenuTest, UnlistedOptionFifteenAndTheOperatingSystemToggle) {
  std::string out = menu("15\n98\n98\n99\n");
  EXPECT_EQ(out, kMenu + "\n" + kYatta +                                            // 15: nothing but Yatta
                     kMenu + "\n Operating System changed to DOS\n" + kYatta +   // 98
                     kMenu + "\n Operating System changed to UNIX\n" + kYatta +  // 98 again
                     kMenu + "\n Program Terminated\n");
}

TEST_F(MenuTest, OnlyTheFirstTenColumnsOfTheChoiceCount) {
  for (const char* unacceptable : {"0", "9", "19", "20", "35", "40", "46", "50", "53", "60", "62", "97", "-1", "100"})
    EXPECT_EQ(menu(std::string(unacceptable) + "\n99\n"),
              kMenu + "\nOption Unacceptable, Try Again\n" + kMenu + "\n Program Terminated\n")
        << unacceptable;
  EXPECT_EQ(menu("  99      123\n").substr(kMenu.size()), "\n Program Terminated\n");
  EXPECT_EQ(menu("        99xyz\n").substr(kMenu.size()), "\n Program Terminated\n");
}

TEST_F(MenuTest, EndOfInputWhileWaitingIsFatal) { EXPECT_THROW(menu("15\n"), vm::Failure); }

class ChooserTest : public vmtest::ToolTest {
 protected:
  std::string picked_;
  std::string choose(const std::string& answers, int kind = vm::kTalvo) {
    return run(answers, [&](vm::Console& c) { picked_ = vm::choosefile(c, kind, "unix"); });
  }
};

TEST(Chooser, ListingCommands) {
  EXPECT_EQ(vm::listingCommand(vm::kTalvo, "unix"), "ls -1 -p *.TALVO> choosefilelist");
  EXPECT_EQ(vm::listingCommand(vm::kStations, "dos"), "dir /b *.Stations> choosefilelist");
  EXPECT_EQ(vm::listingCommand(vm::kSixtyOne, "unix"), "ls -1 -p *.61> choosefilelist");
  EXPECT_EQ(vm::listingCommand(vm::kTxt, "unix"), "ls -1 -p *.txt> choosefilelist");
  EXPECT_EQ(vm::listingCommand(vm::kCntrl, "dos"), "dir /b *.cntrl> choosefilelist");
}

TEST_F(ChooserTest, ListsMatchingFilesAndReturnsThePickedOne) {
  for (const char* f : {"b.TALVO", "a.TALVO", "c.TALVO", "d.txt"}) writeFile(f, "");
  std::string out = choose("2\n");
  EXPECT_EQ(picked_, "b.TALVO");
  EXPECT_EQ(out,
            "           1 ) a.TALVO\n"
            "           2 ) b.TALVO\n"
            "           3 ) c.TALVO\n"
            "           4 ) User-Defined\n"
            "Enter Selection:  b.TALVO" + std::string(113, ' ') + "\n");
  EXPECT_EQ(vmtest::readFile("choosefilelist"), "a.TALVO\nb.TALVO\nc.TALVO\n");
}

TEST_F(ChooserTest, SelectionsPastTheListAskForAName) {
  for (const char* f : {"a.TALVO", "b.TALVO", "c.TALVO"}) writeFile(f, "");
  for (const char* sel : {"4", "5", "100"}) {
    std::string out = choose(std::string(sel) + "\nmy.TALVO extra\n");
    EXPECT_EQ(picked_, "my.TALVO");
    EXPECT_NE(out.find("Enter Selection: Enter User-Defined Filename: my.TALVO "), std::string::npos) << out;
  }
  choose("4\n'my file.TALVO'\n");
  EXPECT_EQ(picked_, "my file.TALVO");
  choose("4\n\n\n  other.TALVO\n");  // the name may come on a later line
  EXPECT_EQ(picked_, "other.TALVO");
}

TEST_F(ChooserTest, BadSelectionsAskAgainWithOnlyThePrompt) {
  writeFile("a.TALVO", "");
  std::string out = choose("abc\n0\n-3\n1\n");
  EXPECT_EQ(picked_, "a.TALVO");
  EXPECT_EQ(out,
            "           1 ) a.TALVO\n"
            "           2 ) User-Defined\n"
            "Enter Selection: Enter Selection: Enter Selection: Enter Selection:  a.TALVO" +
                std::string(113, ' ') + "\n");
}

TEST_F(ChooserTest, NoMatchingFileOffersOnlyUserDefined) {
  std::string out = choose("1\nx.Stations\n", vm::kStations);
  EXPECT_EQ(out.substr(0, 45), "           1 ) User-Defined\nEnter Selection: ");
  EXPECT_EQ(picked_, "x.Stations");
  EXPECT_THROW(choose("1\n", vm::kStations), vm::Failure);  // input ends before the name
}

}  // namespace
