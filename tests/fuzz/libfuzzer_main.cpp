// One libFuzzer program per target; MORVELIN_FUZZ_TARGET names the target's function.

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    morvelin::fuzz::MORVELIN_FUZZ_TARGET({data, size});
    return 0;
}
