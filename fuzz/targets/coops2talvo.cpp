// The CO-OPS converter: station list, then two CSV downloads. The first byte chooses the
// answers on zone, units and datum (refused words asked again among them).
#include <iterator>

#include "rawinput.hpp"
#include "tools.hpp"

namespace {

const char* const kAnswers[] = {"GMT\nmetric\nMLLW\n", "lst\nEnglish\nnavd\n", "LST_LDT\nGMT\nfeet\nmetric\nMSL\n",
                                "'gmt'\nENGLISH\n/\n"};

}  // namespace

VM_FUZZ_TARGET(coops2talvo) {
  if (size == 0) return;
  const std::string answers = kAnswers[data[0] % std::size(kAnswers)];
  if (!fuzz::putListAndRaw(data + 1, size - 1, 2)) return;
  fuzz::runTool("list\n" + answers, [](vm::Console& c) { vm::coops2talvo(c); });
}
