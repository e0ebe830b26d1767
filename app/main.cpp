// velmorant: the interactive toolkit. The console is bound to standard input and output;
// a fatal stop anywhere ends the program with its message and a non-zero status.
#include <cstdio>
#include <iostream>

#include "core/error.hpp"
#include "shell/menu.hpp"

int main() {
  std::ios::sync_with_stdio(false);
  vm::Console con(std::cin, std::cout);
  try {
    return vm::runMenu(con);
  } catch (const vm::Failure& f) {
    std::cout.flush();
    std::cerr << "velmorant: " << f.what() << std::endl;
    return f.status();
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "velmorant: internal error: " << e.what() << std::endl;
    return 3;
  }
}
