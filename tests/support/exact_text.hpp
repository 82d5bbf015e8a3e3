#pragma once
// Text in storage of its own length, nothing after it: a read past the end of its view reads
// past the storage, where the sanitizer build sees it. (A std::string keeps a null there, which
// hides such a read.)

#include <string_view>
#include <vector>

namespace tensova::test {

class ExactText {
  public:
    explicit ExactText(std::string_view text) : bytes_(text.begin(), text.end()) {}
    std::string_view view() const { return {bytes_.data(), bytes_.size()}; }

  private:
    std::vector<char> bytes_;
};

}  // namespace tensova::test
