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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    IndexCheck::setHandler(&throwOnBadIndex);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
