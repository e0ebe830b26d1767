#include "forcing/harmonic.hpp"

#include <algorithm>
#include <set>

#include "core/error.hpp"
#include "core/lines.hpp"
#include "core/listin.hpp"
#include "core/ncfile.hpp"
#include "core/ncplausible.hpp"
#include "core/text.hpp"
#include "forcing/dialogue.hpp"

namespace vm {

namespace {

constexpr double kDry = -99999.0;

class TextForm : public HarmonicFile::Form {
 public:
  TextForm(const std::string& path, std::vector<std::string>& names) : in_(path, 1 << 22) {
    long nfreq = 0;
    readList(in_, "the number of constituents", nfreq);
    if (nfreq < 0) in_.fail("expected a number of constituents of 0 or more, found " + std::to_string(nfreq));
    std::set<std::string> seen;
    for (long i = 0; i < nfreq; ++i) {
      double frequency = 0.0, nodal = 0.0, equilibrium = 0.0;
      std::string name;
      readList(in_, "three reals and the constituent name", frequency, nodal, equilibrium, name);
      name = std::string(rtrim(cut(name, kNameWidth)));
      if (!seen.insert(name).second) in_.fail("constituent " + name + " is listed twice");
      names.push_back(name);
    }
    in_.need("the node count line");
    count_ = names.size();
  }
  void nextNode(double* amp, double* pha) override {
    in_.need("the line before a node's values");
    for (size_t i = 0; i < count_; ++i) readList(in_, "the amplitude and the phase", amp[i], pha[i]);
  }

 private:
  FileReader in_;
  size_t count_ = 0;
};

// Nodes are read in blocks of about a million values per variable.
class NetcdfForm : public HarmonicFile::Form {
 public:
  NetcdfForm(const std::string& path, std::vector<std::string>& names)
      : f_(path),
        amp_(f_.needVar("amp", {"node", "num_const"}, "the amplitudes")),
        phs_(f_.needVar("phs", {"node", "num_const"}, "the phases")) {
    const NcFile::Var& c = f_.needVar("const", {"num_const", "constlen"}, "the constituent names", true);
    plausibleSize(f_, c);
    std::set<std::string> seen;
    for (const std::string& raw : f_.readStrings(c)) {
      std::string name(rtrim(cut(trim(raw), kNameWidth)));
      if (!seen.insert(name).second) f_.fail("constituent " + name + " is listed twice");
      names.push_back(name);
    }
    nc_ = names.size();
    nodes_ = amp_.shape[0];
    block_ = nc_ ? std::max<size_t>(1, (1 << 20) / nc_) : 1;
    plausibleSize(f_, amp_);
    plausibleSize(f_, phs_);
    f_.cacheChunks(amp_);
    f_.cacheChunks(phs_);
  }
  void nextNode(double* amp, double* pha) override {
    if (next_ == first_ + filled_) {
      if (next_ >= nodes_)
        f_.fail("the file holds the values of " + std::to_string(nodes_) + " nodes; the mesh has more");
      first_ = next_;
      filled_ = std::min(block_, nodes_ - first_);
      a_.resize(filled_ * nc_);
      p_.resize(filled_ * nc_);
      f_.read(amp_, {first_, 0}, {filled_, nc_}, a_.data(), kDry);
      f_.read(phs_, {first_, 0}, {filled_, nc_}, p_.data(), kDry);
    }
    const size_t at = (next_ - first_) * nc_;
    std::copy_n(a_.data() + at, nc_, amp);
    std::copy_n(p_.data() + at, nc_, pha);
    ++next_;
  }

 private:
  NcFile f_;
  const NcFile::Var& amp_;
  const NcFile::Var& phs_;
  size_t nc_ = 0, nodes_ = 0, block_ = 1;
  size_t first_ = 0, filled_ = 0, next_ = 0;
  std::vector<double> a_, p_;
};

}  // namespace

HarmonicFile::HarmonicFile(const std::string& path) {
  if (isNetcdf(path)) form_ = std::make_unique<NetcdfForm>(path, names_);
  else form_ = std::make_unique<TextForm>(path, names_);
}

HarmonicFile::~HarmonicFile() = default;

void HarmonicFile::nextNode(double* amp, double* pha) { form_->nextNode(amp, pha); }

}  // namespace vm
