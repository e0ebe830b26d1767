// The file chooser: lists the working directory's files of one kind through the shell,
// shows them numbered and returns the picked name or one the user types.
#pragma once
#include <string>

#include "core/console.hpp"

namespace vm {

// Kinds of file the chooser lists, by extension.
enum FileKind { kTalvo = 1, kStations = 2, kSixtyOne = 3, kTxt = 4, kCntrl = 5 };

// The listing command for a kind, e.g. "ls -1 -p *.TALVO> choosefilelist".
std::string listingCommand(int kind, const std::string& os);

// Returns the chosen file name (trailing blanks removed).
std::string choosefile(Console& con, int kind, const std::string& os);

// The listing command runs through the command shell. Runs that drive tools thousands of
// times (the fuzzing targets) may put an in-process runner in its place for a while: it
// gets the command and must leave "choosefilelist" as the command would. Returns the
// runner replaced (nullptr: the shell).
using ListingRunner = void (*)(const std::string& command);
ListingRunner setListingRunner(ListingRunner runner);

}  // namespace vm
