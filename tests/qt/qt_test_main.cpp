#include "app/app.h"

#include <gtest/gtest.h>

// The widget tests share one application object, as the program does.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The widgets are real but need no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    return RUN_ALL_TESTS();
}
