// A test whose console output is shown only when it fails (the world and the menus print as they
// go).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

class TichaKonzola : public ::testing::Test {
protected:
    void SetUp() override { ::testing::internal::CaptureStdout(); }
    void TearDown() override {
        const std::string text = ::testing::internal::GetCapturedStdout();
        if (HasFailure()) std::fputs(text.c_str(), stdout);
    }
};
