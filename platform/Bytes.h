#pragma once
#include <cstdint>
#include <vector>

// A file's content, or what a format encodes into one.
using Bytes = std::vector<uint8_t>;
