// Shared main of the test programs: a QApplication (offscreen unless told
// otherwise) around GoogleTest.
#include "common/ui/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("KAVELLO_CHAT_HOST"))
        qputenv("KAVELLO_CHAT_HOST", "https://chat.test");
    // No version manifest unless a test serves one: a closed local port.
    if (qEnvironmentVariableIsEmpty("KAVELLO_MANIFEST_URL"))
        qputenv("KAVELLO_MANIFEST_URL", "http://127.0.0.1:9/version.txt");
    QApplication app(argc, argv);
    kav::ui::prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
