#pragma once

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

// Tests that draw need the fonts of a GUI application (offscreen, never a
// screen); it lives for the whole test program.
class GuiEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "tvm_test";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

// Registers the environment once per test program; use at namespace scope.
#define TVM_GUI_TEST_ENVIRONMENT()                                                           \
    testing::Environment* const kGuiEnvironment =                                            \
        testing::AddGlobalTestEnvironment(new GuiEnvironment)
