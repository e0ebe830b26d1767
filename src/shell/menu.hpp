// The menu shell: banner, menu, choice and dispatch, until the user terminates.
#pragma once
#include <string>

#include "core/console.hpp"
#include "tools.hpp"

namespace vm {

// What lives from one tool to the next.
struct MenuState {
  std::string os = "unix";  // operating-system mode: "unix" or "dos"
  int cntrl = 0;            // 0: the station tools prompt for everything
  StartDate start{0, 0, 0, 0, 0};
  std::string filestationu, fort61u;
  int dtype = 1;
  std::string dfolder, fort14u, fort63u, runid;
};

// Runs the menu until option 99; returns the exit status.
int runMenu(Console& con);

// Runs one menu option (tools and option 98); false if the number is unacceptable.
bool runOption(Console& con, MenuState& st, long long option);

}  // namespace vm
