// How often each size of number came up before, for the range coder: a number n is coded as
// the bit length of n + 1 (in unary) and then its bits below the leading one, every bit with a
// probability of its own. Numbers of one column of a recording (time steps, mouse moves) keep
// a model each, so repeated sizes and values cost little.
#pragma once

#include "io/RangeDecoder.h"
#include "io/RangeEncoder.h"

#include <cstdint>

class NumberModel {
public:
    NumberModel();

    /// Codes `value`.
    void write(RangeEncoder& out, uint32_t value);
    /// Decodes a number; false for a code that stands for none (only damaged input holds one).
    bool read(RangeDecoder& in, uint32_t& value);

    /// Codes a signed number, small magnitudes small: 0, -1, 1, -2, ...
    void writeSigned(RangeEncoder& out, int32_t value);
    bool readSigned(RangeDecoder& in, int32_t& value);

private:
    static constexpr int MAX_LENGTH = 32;
    using Probability = RangeEncoder::Probability;

    Probability longer[MAX_LENGTH];
    Probability below[MAX_LENGTH + 1][MAX_LENGTH];
};
