// The harmonic constituent file, in its text form or in the model's NetCDF form, as its
// decomposition reads it: the constituent names, then per node the amplitude and phase of
// every constituent, node after node.
//
// Text: NFREQ; NFREQ lines of three reals and a name; one line skipped; then per node one
// line skipped and NFREQ lines beginning with the amplitude and the phase.
// NetCDF: const(num_const, constlen) (blanks around a name are not part of it),
// amp(node, num_const) and phs(node, num_const); fill values and NaN read as -99999.0.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace vm {

class HarmonicFile {
 public:
  // Opens the file and reads the constituent names (cut to 120 characters, trailing blanks
  // removed). A name listed twice is a fatal error.
  explicit HarmonicFile(const std::string& path);
  ~HarmonicFile();
  HarmonicFile(const HarmonicFile&) = delete;
  HarmonicFile& operator=(const HarmonicFile&) = delete;

  const std::vector<std::string>& names() const { return names_; }

  // The values of the next node, one per constituent. A file that holds fewer nodes is a
  // fatal error naming it.
  void nextNode(double* amp, double* pha);

  struct Form {
    virtual ~Form() = default;
    virtual void nextNode(double* amp, double* pha) = 0;
  };

 private:
  std::vector<std::string> names_;
  std::unique_ptr<Form> form_;
};

}  // namespace vm
