// Each fuzz target is one function over a byte string. A target stops the
// process (__builtin_trap) when a property it checks does not hold; the
// sanitizers catch the rest.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
