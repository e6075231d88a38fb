#include "core/CheckedArray.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {
void throwOnBadIndex(long index, long first, long last)
{
    throw std::out_of_range("index " + std::to_string(index) + " outside " + std::to_string(first) + ".." +
                            std::to_string(last));
}
}  // namespace

int main(int argc, char** argv)
{
    // Offscreen, with the screen layout a test target may give it.
    // CORVALINK_TESTFENSTER=1 keeps the platform given (real windows on a virtual X screen).
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")) &&
        qEnvironmentVariable("CORVALINK_TESTFENSTER") != QLatin1String("1"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's default media backend needs GStreamer plugins this system lacks.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    IndexCheck::setHandler(&throwOnBadIndex);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
