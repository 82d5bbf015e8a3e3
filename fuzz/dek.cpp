// dek catalogue files through the reader's menu.
#include "catalogue_input.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    tensova::fuzz::readThroughMenu(tensova::dekLayout, tensova::fuzz::text(data, size),
                                   size % 2 == 0);
    return 0;
}
