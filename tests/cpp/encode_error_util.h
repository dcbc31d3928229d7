#pragma once
#include <gtest/gtest.h>

#include "core/model/encode_error.h"

// Expects `call` to raise EncodeError of `kind` at `position` (-1: none).
template <class Call>
void ExpectEncodeError(Call call, EncodeErrorKind kind, long position) {
    try {
        call();
        ADD_FAILURE() << "no error";
    } catch (const EncodeError& e) {
        EXPECT_EQ(e.Kind(), kind) << e.what();
        EXPECT_EQ(e.Position(), position) << e.what();
    }
}
